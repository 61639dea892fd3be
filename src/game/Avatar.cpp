// The avatar's speeds, its moves probed against the obstacles, the camera it drags along, the whistle.

#include "game/Avatar.h"

#include "model/Camera.h"
#include "platform/Sound.h"

#include <GL/gl.h>

#include <cstddef>

namespace {

// Units or degrees per second; each command moves by speed / frameRate.
constexpr float forwardSpeed = 20.0f;
constexpr float backwardSpeed = -15.0f;
constexpr float sidewaysSpeed = 12.0f;
constexpr float turnSpeed = 150.0f;
constexpr float pitchSpeed = 15.0f;

// Paces of the walk cycle (see pacedSteps): walking forward cycles the legs
// twice as fast as the other directions.
constexpr int forwardStepPace = 300;
constexpr int otherStepPace = 600;

constexpr int idleAnimation = 0;
constexpr int walkAnimation = 1;
constexpr int whistleAnimation = 2;

// Unit vector of v, or v unchanged when it has no length.
Vector3 normalized(Vector3 v)
{
    if (v.x != 0.0f || v.y != 0.0f || v.z != 0.0f) {
        v.normalize();
    }
    return v;
}

} // namespace

void Avatar::command(int key)
{
    switch (key) {
    case 'w': tryMove(key, forwardSpeed / frameRate); break;
    case 's': tryMove(key, backwardSpeed / frameRate); break;
    case 'a': tryMove(key, sidewaysSpeed / frameRate); break;
    case 'd': tryMove(key, -sidewaysSpeed / frameRate); break;
    case 'p': tryMove(key, turnSpeed / frameRate); break;
    case 'n': tryMove(key, -turnSpeed / frameRate); break;
    case 'x':
        // The whistle animation outlasts standing still.
        if (animationIndex != idleAnimation && animationIndex != whistleAnimation) {
            switchAnimation(idleAnimation);
        }
        break;
    case 'y':
    case 'z':
        tiltBy((key == 'y' ? pitchSpeed : -pitchSpeed) / frameRate);
        break;
    case 'f': toggleWhistle(); break;
    default: break;
    }
    SceneNode::command(key);
}

void Avatar::tryMove(int key, float amount)
{
    const bool turning = key == 'p' || key == 'n';
    if (!turning && animationIndex != walkAnimation) {
        // The legs move even when the step that follows is blocked.
        switchAnimation(walkAnimation);
        animations[walkAnimation].stepsPerKeyframe = pacedSteps(key == 'w' ? forwardStepPace : otherStepPace, frameRate);
    }

    const Probe probe = key == 'w' || key == 's' ? Probe::Back : key == 'a' || key == 'd' ? Probe::Right : Probe::Turn;
    if (!pathIsFree(probe, amount)) {
        return;
    }
    switch (probe) {
    case Probe::Back: walk(amount); break;
    case Probe::Right: strafe(amount); break;
    case Probe::Turn: turn(amount); break;
    }
}

void Avatar::tiltBy(float amount)
{
    if (cameraPtr != nullptr) {
        cameraPtr->raise(amount);
    }
}

void Avatar::switchAnimation(int index)
{
    setAnimation(index);
    animationIndex = index;
}

void Avatar::walk(float d)
{
    // A positive d moves against `direction`, the way the model faces.
    const Vector3 v = normalized(Vector3(-direction.x, 0.0f, -direction.z));
    const Vector3 w(v.x * d, 0.0f, v.z * d);
    motion[0] = motion[0].translate(w.x, w.y, w.z);
    position.add(w.x, w.y, w.z);
    if (cameraPtr != nullptr) {
        cameraPtr->translate(w.x, w.y, w.z);
        cameraPtr->apply();
    }
}

void Avatar::strafe(float d)
{
    const Vector3 v = normalized(Vector3(-direction.z, 0.0f, direction.x));
    const Vector3 w(v.x * d, 0.0f, v.z * d);
    motion[0] = motion[0].translate(w.x, w.y, w.z);
    position.add(w.x, w.y, w.z);
    if (cameraPtr != nullptr) {
        cameraPtr->strafe(d);
        cameraPtr->apply();
    }
}

void Avatar::turn(float degrees)
{
    direction = Matrix4().rotateY(degrees).transformPoint(direction);
    heading += degrees;
    if (heading >= 360.0f) {
        heading -= 360.0f;
    } else if (heading < 0.0f) {
        heading += 360.0f;
        // A tiny negative heading rounds up to exactly 360 in float.
        if (heading >= 360.0f) {
            heading = 0.0f;
        }
    }
    motion[1] = motion[1].rotateY(degrees);
    if (cameraPtr != nullptr) {
        // The eye swings round the figure and keeps looking at its feet.
        cameraPtr->orbit(-degrees);
        cameraPtr->target.set(position.x, cameraPtr->target.y, position.z);
        cameraPtr->apply();
    }
}

void Avatar::toggleWhistle()
{
    whistling = !whistling;
    playWhistleSound();
    const int animation = whistling ? whistleAnimation : idleAnimation;
    if (animationIndex != animation) {
        switchAnimation(animation);
    }
}

void Avatar::playWhistleSound() const
{
    if (whistling) {
        playSound("data/sound/pfeifen.wav", SoundMode::Looped);
    } else {
        // Starting the silent sound ends whatever loop is playing.
        playSound("data/sound/leer.wav", SoundMode::Once);
    }
}

void Avatar::draw(Matrix4 parent)
{
    if (!hidden) {
        glPushMatrix();
            const Matrix4 placement = Matrix4()
                                          .translate(position.x, position.y, position.z)
                                          .scale(scale.x, scale.y, scale.z)
                                          .rotateY(direction.headingTo(forward));
            glMultMatrixf(placement.m);
            drawModel(drawnModel);
        glPopMatrix();

        // Carried objects take over this frame's steps.
        parent.preMultiply(motion[0]);
        if (hasBoundingBox) {
            updateBoxPoints();
        }
        for (std::size_t i = 0; i < children.size(); ++i) {
            children[i]->drawFollowing(parent, direction, position);
        }
        resetMotion();
    }
    if (castsShadow) {
        drawShadow();
    }
}
