// The level camera that follows the avatar, and the game's one perspective.
// Its own file because the game's perspective is set only here, by the shell and every level.

#pragma once

#include "model/Actor.h"
#include "scene/Vector3.h"

#include <vector>

// How far the game's view reaches.
inline constexpr double viewDepth = 4000.0;

// Replaces the current matrix with a 45-degree perspective for a window of
// width x height pixels that shows from 1 to farPlane units ahead. A
// minimised window reports height 0; the aspect stays finite.
void applyPerspective(int width, int height, double farPlane);

// Eye, target and up vector. Whenever the view changes it is written into
// the projection matrix, leaving the modelview matrix to the nodes.
class Camera : public Actor {
public:
    using Actor::Actor;

    // Perspective for the current window and the look-at view.
    void apply();
    // For a camera linked into a tree: carries the target along with parent.
    void draw(Matrix4 parent) override;
    void translate(float dx, float dy, float dz);
    // Sideways: a positive d moves to the camera's left.
    void strafe(float d);
    // Turns the eye about the target around the vertical axis (no apply).
    void orbit(float degrees);
    // Lifts or lowers the eye; it stays strictly between 1 and 50 high.
    void raise(float degrees);
    Vector3 getOffset() const;
    Vector3 getViewDirection() const;
    // Where the eye is: `position`, unless one of the obstacles stands
    // between it and the target; then moved in along that line in front of
    // the first, at once. Given room again it moves back out at an even pace.
    Vector3 eye() const;
    // Once a frame, `seconds` after the last: how far out the eye may move.
    void moveOut(float seconds);
    // Puts the camera somewhere new, the eye free to stand at `eye` at once.
    void place(const Vector3& eye, const Vector3& at);

    Vector3 target{0.0f, 1.0f, -10.0f};
    Vector3 up{0.0f, 1.0f, 0.0f};
    // What may stand between the eye and the target; nullptr: nothing.
    const std::vector<ModelNode*>* obstacles = nullptr;

private:
    // The share of the line from the target to `position` nothing cuts.
    float clearShare() const;

    // The share of that line the eye may stand at, at most.
    float reach = 1.0f;
};
