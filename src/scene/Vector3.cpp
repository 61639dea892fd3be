// Vector arithmetic: differences, lengths, distances and headings.

#include "scene/Vector3.h"

#include "scene/Angles.h"

#include <algorithm>
#include <cmath>

Vector3 Vector3::subtract(float ax, float ay, float az, float bx, float by, float bz)
{
    return Vector3(ax - bx, ay - by, az - bz);
}

float Vector3::normalize()
{
    const float length = std::sqrt(x * x + y * y + z * z);
    x /= length;
    y /= length;
    z /= length;
    return length;
}

float Vector3::distanceTo(float px, float py, float pz) const
{
    const float dx = px - x;
    const float dy = py - y;
    const float dz = pz - z;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

float Vector3::angleTo(const Vector3& v) const
{
    const float lengths = std::sqrt(x * x + y * y + z * z) * std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    if (lengths == 0.0f) {
        return 0.0f;
    }
    const float dot = z * v.z + x * v.x + y * v.y;
    // Rounding can push the cosine of parallel vectors a hair past 1, where
    // acos has no answer; those vectors are 0 (or 180) degrees apart.
    const double cosine = std::clamp(static_cast<double>(dot / lengths), -1.0, 1.0);
    return radiansToDegrees(std::acos(cosine));
}

namespace {

// Sign pattern of x and z. The codes are chosen so that a sum of 2, 9 or 16
// means both vectors lie on the x >= 0 side.
int quadrantCode(const Vector3& v)
{
    if (v.x >= 0.0f) {
        return v.z >= 0.0f ? 1 : 8;
    }
    return v.z >= 0.0f ? 2 : 4;
}

} // namespace

float Vector3::headingTo(const Vector3& v) const
{
    const Vector3 reference(0.0f, 0.0f, -1.0f);
    const float theta = angleTo(v);
    const float alpha = angleTo(reference);
    const float beta = v.angleTo(reference);
    const int codes = quadrantCode(*this) + quadrantCode(v);
    const bool bothEast = codes == 2 || codes == 9 || codes == 16;
    if (bothEast) {
        return beta >= alpha ? theta : 360.0f - theta;
    }
    return beta >= alpha ? 360.0f - theta : theta;
}
