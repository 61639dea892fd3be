// Extracting the view's planes from the GL matrices and testing points and boxes against them.

#include "model/Frustum.h"

#include "scene/Matrix4.h"

#include <GL/gl.h>

#include <cmath>

void Frustum::extract()
{
    Matrix4 c;
    Matrix4 modelview;
    glGetFloatv(GL_PROJECTION_MATRIX, c.m);
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview.m);
    c.postMultiply(modelview);

    // Row 3 plus or minus rows 0, 1 and 2 of the combined matrix.
    for (int i = 0; i < 6; ++i) {
        const int row = i / 2;
        const float sign = (i == 0 || i == 3 || i == 4) ? -1.0f : 1.0f;
        float* plane = planes[i];
        for (int col = 0; col < 4; ++col) {
            plane[col] = c.m[4 * col + 3] + sign * c.m[4 * col + row];
        }
        const float length = std::sqrt(plane[0] * plane[0] + plane[1] * plane[1] + plane[2] * plane[2]);
        if (length > 0.0f) {
            for (float& value : planes[i]) {
                value /= length;
            }
        }
    }
}

bool Frustum::pointInside(const Vector3& p) const
{
    for (const auto& plane : planes) {
        if (plane[0] * p.x + plane[1] * p.y + plane[2] * p.z + plane[3] <= 0.0f) {
            return false;
        }
    }
    return true;
}

bool Frustum::boxInside(const Vector3 points[8]) const
{
    // A box can only be proven invisible by one plane that has all eight
    // points behind it; a long wall seen in its middle has every corner
    // outside some plane, yet fills the picture.
    for (const auto& plane : planes) {
        bool allBehind = true;
        for (int i = 0; i < 8 && allBehind; ++i) {
            const Vector3& p = points[i];
            allBehind = plane[0] * p.x + plane[1] * p.y + plane[2] * p.z + plane[3] <= 0.0f;
        }
        if (allBehind) {
            return false;
        }
    }
    return true;
}

bool Frustum::boxInside(const Matrix4& placement, const Vector3& low, const Vector3& high) const
{
    Vector3 points[8];
    for (int i = 0; i < 8; ++i) {
        points[i] = placement.transformPoint(
            Vector3((i & 1) ? high.x : low.x, (i & 2) ? high.y : low.y, (i & 4) ? high.z : low.z));
    }
    return boxInside(points);
}
