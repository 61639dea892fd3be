// The perspective, the look-at view, and moving the eye around its target.
// Its own file because the game's perspective is set only here, by the shell and every level.

#include "model/Camera.h"

#include "model/Sightline.h"
#include "platform/Host.h"
#include "scene/Angles.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>

namespace {
// Units the eye keeps in front of an obstacle between it and the target.
constexpr float clearMargin = 0.5f;
} // namespace

void applyPerspective(int width, int height, double farPlane)
{
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(width) / std::max(height, 1), 1.0, farPlane);
}

void Camera::apply()
{
    glMatrixMode(GL_PROJECTION);
    applyPerspective(Host::current().windowWidth(), Host::current().windowHeight(), viewDepth);
    const Vector3 e = eye();
    gluLookAt(e.x, e.y, e.z, target.x, target.y, target.z, up.x, up.y, up.z);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void Camera::draw(Matrix4 parent)
{
    if (hidden) {
        return;
    }
    target = parent.transformPoint(target);
    apply();
    SceneNode::draw(parent);
}

void Camera::translate(float dx, float dy, float dz)
{
    position.add(dx, dy, dz);
    target.add(dx, dy, dz);
    apply();
}

void Camera::strafe(float d)
{
    Vector3 v(target.z - position.z, 0.0f, position.x - target.x);
    if (v.x == 0.0f && v.z == 0.0f) {
        return; // looking straight up or down: no sideways direction
    }
    v.normalize();
    position.add(v.x * d, 0.0f, v.z * d);
    target.add(v.x * d, 0.0f, v.z * d);
}

void Camera::orbit(float degrees)
{
    const Vector3 o = getOffset();
    const float r = degreesToRadians(degrees);
    const float c = std::cos(r);
    const float s = std::sin(r);
    position.z = target.z + o.x * s + o.z * c;
    position.x = target.x + o.x * c - o.z * s;
}

void Camera::raise(float degrees)
{
    const float r = position.distanceTo(target.x, target.y, target.z);
    const float dy = std::sin(degreesToRadians(degrees)) * r;
    if (position.y + dy > 1.0f && position.y + dy < 50.0f) {
        position.y += dy;
    }
    apply();
}

Vector3 Camera::getOffset() const
{
    return Vector3::subtract(position.x, position.y, position.z, target.x, target.y, target.z);
}

float Camera::clearShare() const
{
    return obstacles == nullptr ? 1.0f : ::clearShare(target, position, *obstacles, clearMargin);
}

Vector3 Camera::eye() const
{
    const float share = std::min(reach, clearShare());
    if (share >= 1.0f) {
        return position;
    }
    const Vector3 o = getOffset();
    return {target.x + o.x * share, target.y + o.y * share, target.z + o.z * share};
}

void Camera::place(const Vector3& eye, const Vector3& at)
{
    position = eye;
    target = at;
    reach = 1.0f;
}

void Camera::moveOut(float seconds)
{
    // The whole way back out takes a second.
    reach = std::min(clearShare(), std::min(1.0f, reach + seconds));
}

Vector3 Camera::getViewDirection() const
{
    return Vector3::subtract(target.x, target.y, target.z, position.x, position.y, position.z);
}
