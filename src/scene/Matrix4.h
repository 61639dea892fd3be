// The 4 x 4 transform the scene tree hands down to its nodes.

#pragma once

#include "scene/Vector3.h"

// A 4 x 4 transform in OpenGL's column-major order: row r, column c is at
// index 4c + r, so it can be handed to glMultMatrixf unchanged.
class Matrix4 {
public:
    float m[16];

    Matrix4() { identity(); }

    void identity();
    // this = other x this
    void preMultiply(const Matrix4& other);
    // this = this x other
    void postMultiply(const Matrix4& other);

    // Return this x T, this x S, this x Ry, as the matching glTranslatef,
    // glScalef and glRotatef(angle, 0, 1, 0) would do; this is unchanged.
    Matrix4 translate(float x, float y, float z) const;
    Matrix4 scale(float x, float y, float z) const;
    Matrix4 rotateY(float degrees) const;

    Vector3 transformPoint(const Vector3& p) const;

    float& operator[](int i) { return m[i]; }
    float operator[](int i) const { return m[i]; }
};
