// A model node that walks, carries other actors and tests its box against its neighbours'.

#pragma once

#include "model/ModelNode.h"
#include "scene/Matrix4.h"
#include "scene/Vector3.h"

#include <vector>

// A model node that walks on the ground, carries other actors in front of
// it and tests its box outline against the boxes of the objects around it.
class Actor : public ModelNode {
public:
    using ModelNode::ModelNode;

    // Stands followDistance in front of the carrier at anchor, facing dir.
    void drawFollowing(Matrix4 parent, Vector3 dir, Vector3 anchor) override;
    // Hangs on a carried object: takes over its motion and heading.
    void drawAttached(Matrix4 parent, float h) override;
    // Commands stop at actors.
    void command(int) override {}

    // Moves d along dir in the ground plane; the box is not moved.
    void move(float d, Vector3 dir);
    // Move the box, not the actor, by d to the right / backwards.
    void probeRight(float d);
    void probeBack(float d);
    // True when the bottom outline touches any obstacle's outline.
    bool collides() const;

    // How a move is probed: the box moved backwards, to the right, or turned.
    enum class Probe { Back, Right, Turn };
    // Whether the box can go the whole `amount` (units, or degrees for a
    // turn) without touching an obstacle. A long move is probed in steps no
    // longer than half the thinnest obstacle, so that a slow frame cannot
    // carry the box across one. The box is left probed at `amount` when the
    // way is free, and as it was when not.
    bool pathIsFree(Probe probe, float amount);
    void resetMotion();

    // Whether (x, z) lies strictly inside the outline of o, for boxes turned
    // by a multiple of 90 degrees (an approximation otherwise).
    static bool insideBox(const ModelNode& o, float x, float z);
    // Whether p lies within the extent of edge a-b and on its inner side.
    static bool crossesEdge(const Vector3& p, const Vector3& a, const Vector3& b);

    float followDistance = 0.0f;
    Matrix4 motion[3];
    const std::vector<ModelNode*>* obstacles = nullptr;

private:
    void probe(float d, Vector3 v);
    // Half the shorter side of the narrowest obstacle outline, or 0 when no
    // obstacle has an outline.
    float longestSafeStep() const;
};
