// The player's figure: walking, strafing, turning, tilting the view and whistling.

#pragma once

#include "model/Actor.h"

class Camera;

// The player's figure. It acts on the movement commands the control node
// sends down the tree: walks, strafes and turns (each probed against the
// level's obstacles first), drives the level camera along, tilts the view,
// whistles, and switches between its idle, walk and whistle animations.
// Speeds are per second, divided by the frame rate the game measured.
class Avatar : public Actor {
public:
    using Actor::Actor;

    void setCamera(Camera* camera) { cameraPtr = camera; }

    // Draws the figure, then lets carried objects follow with this frame's steps.
    void draw(Matrix4 parent) override;
    // Nothing hangs the avatar on anything.
    void drawAttached(Matrix4, float) override {}
    // 'w' 's' 'a' 'd' 'x' 'p' 'n' 'y' 'z' 'f'; every key is then forwarded.
    void command(int key) override;

    // Heading stays in [0, 360); the camera orbits and looks at the feet.
    void turn(float degrees);
    // Turning and tilting by what the mouse moved rather than per frame:
    // the turn is probed against the obstacles as a turn key's step is.
    void turnBy(float degrees) { tryMove(degrees >= 0.0f ? 'p' : 'n', degrees); }
    void tiltBy(float amount);
    // A positive d walks against `direction`; the camera moves along.
    void walk(float d);
    // A positive d steps to the figure's left; the camera moves along.
    void strafe(float d);
    // Looped whistle and its animation on, or silence and idle.
    void toggleWhistle();
    // The looped whistle while whistling; otherwise the silent sound, which
    // ends any looped sound.
    void playWhistleSound() const;

    Camera* cameraPtr = nullptr;
    float frameRate = 80.0f;
    bool whistling = false;

private:
    // A move or turn command: probe the box first, move only when it is free.
    void tryMove(int key, float amount);
    // setAnimation, remembering the slot in animationIndex.
    void switchAnimation(int index);
};
