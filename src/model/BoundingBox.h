// A node's box in world coordinates, kept so that it can turn with the node.

#pragma once

#include "scene/Vector3.h"

// A node's box in world coordinates. The corners are kept as directions and
// distances from the node's position, so the box can turn with the node.
struct BoundingBox {
    // (min x, min y, min z), (min x, min y, max z), (max x, max y, max z),
    // (max x, max y, min z) of the model, scaled, turned and moved.
    Vector3 corner[4];
    Vector3 cornerDir[4];
    float cornerDist[4] = {};
    // Points 0-3: the bottom outline through corners 0..3; 4-7: the top.
    Vector3 points[8];
};
