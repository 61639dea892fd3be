// Emitting a model's meshes to GL, from its arrays or triangle by triangle, blended or not.
// Apart from ModelNode, which sets materials and shadows around these calls.

#pragma once

#include "model/Frustum.h"
#include "model/Model.h"
#include "scene/Matrix4.h"
#include "scene/Vector3.h"

// Where the vertices of an animated model come from: the two poses being
// blended and the blend factor. `out` receives each blended vertex; with
// the model's arrays, `corners` receives the blended positions, 3 floats per
// stored corner of the model's arrays.
struct PoseBlend {
    const Model* from = nullptr;
    const Model* to = nullptr;
    float factor = 0.0f;
    Vector3* out = nullptr;
    float* corners = nullptr;
};

// Emits one mesh as GL_TRIANGLES: per corner its normal, texture coordinate
// and vertex, taken from m or, with a blend, between the two poses. A triangle
// with an index outside the model is skipped.
void drawMeshTriangles(const Model& m, int meshIndex, const PoseBlend* blend = nullptr);

// What the view shows of a model that `placement` puts into the world.
struct MeshView {
    const Frustum* frustum = nullptr;
    Matrix4 placement;
};

// The same triangles as drawMeshTriangles, in one call from vertex arrays
// when the model has them (m.arrays); a blend (given `corners`, 3 floats
// per stored corner) is blended into `corners` first. With a view, the
// pieces of an unblended large mesh that lie wholly out of it are left out
// (they would not reach a pixel). The current normal and texture coordinate
// are left as drawMeshTriangles leaves them.
void drawMesh(const Model& m, int meshIndex, const PoseBlend* blend = nullptr, const MeshView* view = nullptr);

// Leaves the current normal and texture coordinate as drawing meshes
// 0 .. meshes - 1 with drawMesh would, without drawing.
void leaveLastCorner(const Model& m, int meshes);

// Compiles meshes 0 and 1 of a model, geometry only, into the lists
// firstList and firstList + 1 (a missing mesh gives an empty list), so that
// repeated scenery can be drawn from them with the materials of its own model.
void compileMeshLists(const Model& m, unsigned int firstList);
