// Cutting the line from the figure to the camera with the obstacles' drawn boxes, each in its own frame.

#include "model/Sightline.h"

#include "model/ModelNode.h"

#include <algorithm>
#include <utility>

namespace {

// `p` in the frame of the object's model: placed as drawn, undone.
Vector3 local(const ModelNode& object, const Vector3& p)
{
    const Vector3 unscaled((p.x - object.position.x) / object.scale.x, (p.y - object.position.y) / object.scale.y,
                           (p.z - object.position.z) / object.scale.z);
    return Matrix4().rotateY(-object.heading).transformPoint(unscaled);
}

// Where the line from a to b (0 to 1) first enters the box low..high; 1 when it does not.
float entry(const Vector3& a, const Vector3& b, const Vector3& low, const Vector3& high)
{
    float enter = 0.0f;
    float leave = 1.0f;
    const float from[] = {a.x, a.y, a.z}, to[] = {b.x, b.y, b.z};
    const float lows[] = {low.x, low.y, low.z}, highs[] = {high.x, high.y, high.z};
    for (int axis = 0; axis < 3; ++axis) {
        const float d = to[axis] - from[axis];
        if (d == 0.0f) {
            if (from[axis] < lows[axis] || from[axis] > highs[axis]) {
                return 1.0f;
            }
            continue;
        }
        float t0 = (lows[axis] - from[axis]) / d;
        float t1 = (highs[axis] - from[axis]) / d;
        if (t0 > t1) {
            std::swap(t0, t1);
        }
        enter = std::max(enter, t0);
        leave = std::min(leave, t1);
        if (enter > leave) {
            return 1.0f;
        }
    }
    return enter;
}

} // namespace

bool insideDrawnBox(const ModelNode& object, const Vector3& p)
{
    const Vector3 q = local(object, p);
    const Vector3& low = object.drawnLow;
    const Vector3& high = object.drawnHigh;
    return q.x > low.x && q.x < high.x && q.y > low.y && q.y < high.y && q.z > low.z && q.z < high.z;
}

float clearShare(const Vector3& from, const Vector3& to, std::span<ModelNode* const> obstacles, float margin)
{
    const float length = from.distanceTo(to.x, to.y, to.z);
    float clear = 1.0f;
    for (const ModelNode* object : obstacles) {
        if (insideDrawnBox(*object, from)) {
            continue;
        }
        const float t = entry(local(*object, from), local(*object, to), object->drawnLow, object->drawnHigh);
        if (t < 1.0f) {
            clear = std::min(clear, std::max(0.0f, t - margin / length));
        }
    }
    return clear;
}
