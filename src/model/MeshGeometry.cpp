// Drawing a mesh from arrays or as triangles, blending poses, and compiling display lists.
// Apart from ModelNode, which sets materials and shadows around these calls.

#include "model/MeshGeometry.h"

#include "model/MeshArrays.h"

#include <GL/gl.h>

#include <vector>

void drawMeshTriangles(const Model& m, int meshIndex, const PoseBlend* blend)
{
    glBegin(GL_TRIANGLES);
        if (meshIndex >= 0 && meshIndex < static_cast<int>(m.meshes.size())) {
            for (const int t : m.meshes[meshIndex].triangleIndices) {
                const Triangle* drawable = m.drawableTriangle(t);
                if (drawable == nullptr) {
                    continue;
                }
                const Triangle& tri = *drawable;
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

namespace {

// Blends the stored corners of one mesh into `corners`; `out` gets the
// position of the corner drawn last, as drawMeshTriangles leaves it.
void blendCorners(const MeshArrays& a, int mesh, const PoseBlend& blend)
{
    const float f = blend.factor;
    for (int c = a.cornerStart[mesh]; c < a.cornerStart[mesh + 1]; ++c) {
        const int v = a.vertexOf[c];
        const float* p = blend.from->vertices[v].location;
        const float* q = blend.to->vertices[v].location;
        float* out = blend.corners + 3 * c;
        out[0] = p[0] + (q[0] - p[0]) * f;
        out[1] = p[1] + (q[1] - p[1]) * f;
        out[2] = p[2] + (q[2] - p[2]) * f;
    }
    const float* last = blend.corners + 3 * a.indices[a.indexStart[mesh + 1] - 1];
    blend.out->set(last[0], last[1], last[2]);
}

// Makes a stored corner's normal and texture coordinate the current ones.
void makeCurrent(const MeshArrays& a, unsigned int corner)
{
    glNormal3fv(&a.normals[3 * corner]);
    glTexCoord2fv(&a.texCoords[2 * corner]);
}

// The indices of the mesh's pieces that the view may show, in `shown`.
void collectShownPieces(const MeshArrays& a, int mesh, const MeshView& view, std::vector<unsigned int>& shown)
{
    shown.clear();
    for (int p = a.pieceStart[mesh]; p < a.pieceStart[mesh + 1]; ++p) {
        const MeshPiece& piece = a.pieces[p];
        if (view.frustum->boxInside(view.placement, piece.low, piece.high)) {
            const auto from = a.pieceIndices.begin() + piece.firstIndex;
            shown.insert(shown.end(), from, from + piece.indexCount);
        }
    }
}

} // namespace

void drawMesh(const Model& m, int meshIndex, const PoseBlend* blend, const MeshView* view)
{
    const MeshArrays* a = m.arrays;
    if (a == nullptr || meshIndex < 0 || meshIndex + 1 >= static_cast<int>(a->indexStart.size()) ||
        (blend != nullptr && blend->corners == nullptr)) {
        drawMeshTriangles(m, meshIndex, blend);
        return;
    }
    const int first = a->indexStart[meshIndex];
    const int count = a->indexStart[meshIndex + 1] - first;
    if (count == 0) {
        return;
    }
    const float* positions = a->positions.data();
    if (blend != nullptr) {
        blendCorners(*a, meshIndex, *blend);
        positions = blend->corners;
    }
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, positions);
    glNormalPointer(GL_FLOAT, 0, a->normals.data());
    glTexCoordPointer(2, GL_FLOAT, 0, a->texCoords.data());
    const bool inPieces = view != nullptr && blend == nullptr && meshIndex + 1 < static_cast<int>(a->pieceStart.size()) &&
                          a->pieceStart[meshIndex] < a->pieceStart[meshIndex + 1];
    if (inPieces) {
        // Kept from frame to frame: it stops growing with the largest view.
        static std::vector<unsigned int> shown;
        collectShownPieces(*a, meshIndex, *view, shown);
        if (!shown.empty()) {
            glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(shown.size()), GL_UNSIGNED_INT, shown.data());
        }
    } else {
        glDrawElements(GL_TRIANGLES, count, GL_UNSIGNED_INT, a->indices.data() + first);
    }
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    // Drawn corner by corner, the last corner's normal and texture
    // coordinate would be current now; later drawing may rely on them.
    makeCurrent(*a, a->indices[first + count - 1]);
}

void leaveLastCorner(const Model& m, int meshes)
{
    const MeshArrays* a = m.arrays;
    for (int mesh = meshes - 1; mesh >= 0; --mesh) {
        if (a != nullptr && mesh + 1 < static_cast<int>(a->indexStart.size())) {
            const int end = a->indexStart[mesh + 1];
            if (end > a->indexStart[mesh]) {
                makeCurrent(*a, a->indices[end - 1]);
                return;
            }
            continue;
        }
        if (mesh >= static_cast<int>(m.meshes.size())) {
            continue;
        }
        const std::vector<int>& triangles = m.meshes[mesh].triangleIndices;
        for (auto t = triangles.rbegin(); t != triangles.rend(); ++t) {
            if (const Triangle* tri = m.drawableTriangle(*t)) {
                glNormal3fv(tri->vertexNormals[2]);
                glTexCoord2f(tri->s[2], tri->t[2]);
                return;
            }
        }
    }
}

void compileMeshLists(const Model& m, unsigned int firstList)
{
    for (int mesh = 0; mesh < 2; ++mesh) {
        glNewList(firstList + mesh, GL_COMPILE);
        drawMesh(m, mesh);
        glEndList();
    }
}
