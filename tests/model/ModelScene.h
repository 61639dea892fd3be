#pragma once

#include "Ms3dBuilder.h"
#include "model/Model.h"
#include "scene/Vector3.h"
#include "support/GlTestWindow.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <string>

// Helpers shared by the model node tests: small models and a fixed view.
namespace scene {

// A flat square of half size `half` at height y, facing up, one group.
// material < 0 gives the group no material.
inline Ms3dBuilder square(float half, float y, int material = 0, const std::string& texture = "")
{
    Ms3dBuilder b;
    b.vertices = {{-half, y, -half, 0}, {half, y, -half, 0}, {half, y, half, 0}, {-half, y, half, 0}};
    Ms3dBuilder::Triangle first;
    Ms3dBuilder::Triangle second;
    first.vertices[0] = 0; first.vertices[1] = 1; first.vertices[2] = 2;
    second.vertices[0] = 0; second.vertices[1] = 2; second.vertices[2] = 3;
    for (auto* t : {&first, &second}) {
        for (auto& n : t->normals) {
            n[0] = 0; n[1] = 1; n[2] = 0;
        }
    }
    b.triangles = {first, second};
    b.groups = {{{0, 1}, static_cast<std::uint8_t>(material < 0 ? 0xFF : material)}};
    if (material >= 0) {
        b.materials.resize(1);
        b.materials[0].texture = texture;
        for (float* c : {b.materials[0].ambient, b.materials[0].diffuse}) {
            c[0] = c[1] = c[2] = c[3] = 1.0f;
        }
    }
    return b;
}

// One triangle held in memory, its vertices shifted by dx along x.
inline void fillTriangle(Model& m, float dx)
{
    m.vertices.resize(3);
    const float corners[3][3] = {{-1, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    for (int i = 0; i < 3; ++i) {
        for (int c = 0; c < 3; ++c) {
            m.vertices[i].location[c] = corners[i][c] + (c == 0 ? dx : 0.0f);
        }
    }
    m.numVertices = 3;
    m.triangles.resize(1);
    for (int j = 0; j < 3; ++j) {
        m.triangles[0].vertexIndices[j] = j;
    }
    m.numTriangles = 1;
    m.meshes.resize(1);
    m.meshes[0].triangleIndices = {0};
    m.meshes[0].numTriangles = 1;
    m.numMeshes = 1;
}

// The game's view: everything in the projection matrix, modelview identity.
inline void lookFrom(const Vector3& eye, const Vector3& target, const Vector3& up = {0, 1, 0})
{
    GlTestWindow::ensure();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, 800.0 / 600.0, 1.0, 4000.0);
    gluLookAt(eye.x, eye.y, eye.z, target.x, target.y, target.z, up.x, up.y, up.z);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

inline void clearTo(float grey)
{
    glClearColor(grey, grey, grey, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

} // namespace scene
