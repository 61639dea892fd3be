// Matrix products and the translate, scale and turn steps, laid out as OpenGL expects.

#include "scene/Matrix4.h"

#include "scene/Angles.h"

#include <cmath>
#include <cstring>

namespace {

// left x right into out; out may alias either factor.
void multiply(const float* left, const float* right, float* out)
{
    float result[16];
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k) {
                sum += left[4 * k + row] * right[4 * column + k];
            }
            result[4 * column + row] = sum;
        }
    }
    std::memcpy(out, result, sizeof(result));
}

} // namespace

void Matrix4::identity()
{
    for (int i = 0; i < 16; ++i) {
        m[i] = (i % 5 == 0) ? 1.0f : 0.0f;
    }
}

void Matrix4::preMultiply(const Matrix4& other)
{
    multiply(other.m, m, m);
}

void Matrix4::postMultiply(const Matrix4& other)
{
    multiply(m, other.m, m);
}

Matrix4 Matrix4::translate(float x, float y, float z) const
{
    Matrix4 t;
    t.m[12] = x;
    t.m[13] = y;
    t.m[14] = z;
    Matrix4 result = *this;
    result.postMultiply(t);
    return result;
}

Matrix4 Matrix4::scale(float x, float y, float z) const
{
    Matrix4 s;
    s.m[0] = x;
    s.m[5] = y;
    s.m[10] = z;
    Matrix4 result = *this;
    result.postMultiply(s);
    return result;
}

Matrix4 Matrix4::rotateY(float degrees) const
{
    const float radians = degreesToRadians(degrees);
    const float c = static_cast<float>(std::cos(static_cast<double>(radians)));
    const float s = static_cast<float>(std::sin(static_cast<double>(radians)));
    Matrix4 r;
    r.m[0] = c;
    r.m[2] = -s;
    r.m[8] = s;
    r.m[10] = c;
    Matrix4 result = *this;
    result.postMultiply(r);
    return result;
}

Vector3 Matrix4::transformPoint(const Vector3& p) const
{
    const float x = m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12];
    const float y = m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13];
    const float z = m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14];
    const float w = m[3] * p.x + m[7] * p.y + m[11] * p.z + m[15];
    if (w != 0.0f) {
        return Vector3(x / w, y / w, z / w);
    }
    return Vector3(x, y, z);
}
