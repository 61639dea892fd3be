// A position or direction in world units.

#pragma once

// A position or direction in world units. Y is up; the ground is X-Z.
class Vector3 {
public:
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    constexpr Vector3() = default;
    constexpr Vector3(float x, float y, float z) : x(x), y(y), z(z) {}

    void set(float nx, float ny, float nz) { x = nx; y = ny; z = nz; }
    float getX() const { return x; }
    float getY() const { return y; }
    float getZ() const { return z; }
    void setX(float v) { x = v; }
    void setY(float v) { y = v; }
    void setZ(float v) { z = v; }
    void add(float dx, float dy, float dz) { x += dx; y += dy; z += dz; }

    // a - b, component-wise.
    static Vector3 subtract(float ax, float ay, float az, float bx, float by, float bz);

    // Scales the vector to unit length and returns its former length.
    // The zero vector yields non-finite components; callers never pass it.
    float normalize();
    float distanceTo(float px, float py, float pz) const;
    // Unsigned angle in degrees; 0 when either vector has no length.
    float angleTo(const Vector3& v) const;
    // Rotation about +Y in degrees, in [0, 360), that turns v into this.
    float headingTo(const Vector3& v) const;
};
