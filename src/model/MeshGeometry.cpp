#include "model/MeshGeometry.h"

#include <GL/gl.h>

namespace {

bool validVertex(const Model& m, int index)
{
    return index >= 0 && index < static_cast<int>(m.vertices.size());
}

} // namespace

void drawMeshTriangles(const Model& m, int meshIndex, const PoseBlend* blend)
{
    glBegin(GL_TRIANGLES);
    if (meshIndex >= 0 && meshIndex < static_cast<int>(m.meshes.size())) {
        for (const int t : m.meshes[meshIndex].triangleIndices) {
            if (t < 0 || t >= static_cast<int>(m.triangles.size())) {
                continue;
            }
            const Triangle& tri = m.triangles[t];
            if (!validVertex(m, tri.vertexIndices[0]) || !validVertex(m, tri.vertexIndices[1]) ||
                !validVertex(m, tri.vertexIndices[2])) {
                continue;
            }
            for (int j = 0; j < 3; ++j) {
                const int v = tri.vertexIndices[j];
                glNormal3fv(tri.vertexNormals[j]);
                glTexCoord2f(tri.s[j], tri.t[j]);
                if (blend == nullptr) {
                    glVertex3fv(m.vertices[v].location);
                    continue;
                }
                const float* a = blend->from->vertices[v].location;
                const float* b = blend->to->vertices[v].location;
                const float f = blend->factor;
                blend->out->set(a[0] + (b[0] - a[0]) * f, a[1] + (b[1] - a[1]) * f,
                                a[2] + (b[2] - a[2]) * f);
                glVertex3f(blend->out->x, blend->out->y, blend->out->z);
            }
        }
    }
    glEnd();
}

void compileMeshLists(const Model& m, unsigned int firstList)
{
    for (int mesh = 0; mesh < 2; ++mesh) {
        glNewList(firstList + mesh, GL_COMPILE);
        drawMeshTriangles(m, mesh);
        glEndList();
    }
}
