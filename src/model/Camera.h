// The level camera that follows the avatar, and the game's one perspective.
// Its own file because the game's perspective is set only here, by the shell and every level.

#pragma once

#include "model/Actor.h"
#include "scene/Vector3.h"

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

    Vector3 target{0.0f, 1.0f, -10.0f};
    Vector3 up{0.0f, 1.0f, 0.0f};
};
