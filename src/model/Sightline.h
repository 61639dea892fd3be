// Whether the obstacles leave the camera's line to the figure clear, and where they first cut it.

#pragma once

#include "scene/Vector3.h"

#include <span>

class ModelNode;

// Whether `p` lies inside the box the object's model is drawn in.
bool insideDrawnBox(const ModelNode& object, const Vector3& p);
// The share of the way from `from` to `to` that no obstacle's drawn box
// cuts, less `margin` units before the first box: 1 when nothing stands in
// between. A box `from` lies in is passed over.
float clearShare(const Vector3& from, const Vector3& to, std::span<ModelNode* const> obstacles, float margin);
