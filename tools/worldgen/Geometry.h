// Small model-space value types: the vector, the frame and angle helpers.
// Apart from the game's Vector3, which works on placed nodes, not on models being built.

#pragma once

#include <cmath>

// Small value types for building models; the game's own math works on
// placed nodes, this works on model-space geometry.
struct V3 {
    float x = 0.0f, y = 0.0f, z = 0.0f;
    constexpr V3() = default;
    constexpr V3(float x, float y, float z) : x(x), y(y), z(z) {}
    constexpr V3 operator+(V3 o) const { return {x + o.x, y + o.y, z + o.z}; }
    constexpr V3 operator-(V3 o) const { return {x - o.x, y - o.y, z - o.z}; }
    constexpr V3 operator*(float k) const { return {x * k, y * k, z * k}; }
    constexpr V3 mul(V3 o) const { return {x * o.x, y * o.y, z * o.z}; }
    float length() const { return std::sqrt(x * x + y * y + z * z); }
    V3 normalized() const
    {
        const float l = length();
        return l > 0.0f ? V3{x / l, y / l, z / l} : V3{0, 1, 0};
    }
};

inline V3 cross(V3 a, V3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }

constexpr float pi = 3.14159265f;
inline float radians(float degrees) { return degrees * pi / 180.0f; }

// Rotation (rows) followed by a translation: p' = R p + t.
struct Frame {
    float r[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    V3 t;

    V3 rotate(V3 p) const
    {
        return {r[0][0] * p.x + r[0][1] * p.y + r[0][2] * p.z, r[1][0] * p.x + r[1][1] * p.y + r[1][2] * p.z,
                r[2][0] * p.x + r[2][1] * p.y + r[2][2] * p.z};
    }
    V3 apply(V3 p) const { return rotate(p) + t; }
    Frame then(const Frame& outer) const // outer after this
    {
        Frame f;
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) {
                f.r[i][j] = outer.r[i][0] * r[0][j] + outer.r[i][1] * r[1][j] + outer.r[i][2] * r[2][j];
            }
        }
        f.t = outer.apply(t);
        return f;
    }
    static Frame translation(V3 v)
    {
        Frame f;
        f.t = v;
        return f;
    }
    // Right-handed rotation about the axis through the origin.
    static Frame rotation(V3 axis, float degrees)
    {
        const V3 a = axis.normalized();
        const float c = std::cos(radians(degrees));
        const float s = std::sin(radians(degrees));
        const float k = 1.0f - c;
        Frame f;
        f.r[0][0] = c + a.x * a.x * k;
        f.r[0][1] = a.x * a.y * k - a.z * s;
        f.r[0][2] = a.x * a.z * k + a.y * s;
        f.r[1][0] = a.y * a.x * k + a.z * s;
        f.r[1][1] = c + a.y * a.y * k;
        f.r[1][2] = a.y * a.z * k - a.x * s;
        f.r[2][0] = a.z * a.x * k - a.y * s;
        f.r[2][1] = a.z * a.y * k + a.x * s;
        f.r[2][2] = c + a.z * a.z * k;
        return f;
    }
    // Rotation about an axis through pivot.
    static Frame rotationAbout(V3 pivot, V3 axis, float degrees)
    {
        return translation(pivot * -1.0f).then(rotation(axis, degrees)).then(translation(pivot));
    }
};
