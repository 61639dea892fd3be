// The six planes of the current view, for culling nodes by their boxes.

#pragma once

#include "scene/Matrix4.h"
#include "scene/Vector3.h"

// The six planes of the current view, in world coordinates (the view lives
// in the projection matrix and the modelview matrix is the identity).
class Frustum {
public:
    // Reads both GL matrices and derives the planes right, left, bottom,
    // top, far, near, each scaled to a unit normal.
    void extract();
    // Strictly in front of all six planes; a point on a plane is outside.
    bool pointInside(const Vector3& p) const;
    // False only when all eight points lie outside one and the same plane,
    // so that nothing on screen is ever taken for hidden.
    bool boxInside(const Vector3 points[8]) const;
    // The same for the box from `low` to `high` as `placement` puts it.
    bool boxInside(const Matrix4& placement, const Vector3& low, const Vector3& high) const;

    float planes[6][4] = {};
};
