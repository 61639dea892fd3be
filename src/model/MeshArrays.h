// A model's triangles as shared vertex arrays, corners stored once per mesh.
// Apart from Model so the loaders never need to know how the game draws.

#pragma once

#include "model/Model.h"
#include "scene/Vector3.h"

#include <vector>

// The triangles of a large mesh that lie in one cell of a grid over its
// ground plan, with the box of their corners.
struct MeshPiece {
    int firstIndex = 0; // into MeshArrays::pieceIndices
    int indexCount = 0;
    Vector3 low;
    Vector3 high;
};

// A model's triangles as OpenGL 1.1 vertex arrays. Within a mesh, corners
// that agree in vertex, normal and texture coordinate are stored once and
// the triangles index them, so each is transformed and lit once instead of
// once per triangle it belongs to. A mesh is a run of stored corners and a
// run of indices, in the order drawMeshTriangles emits them. Models with
// the same geometry (one file loaded by several nodes) share one set.
struct MeshArrays {
    std::vector<float> positions;  // 3 per stored corner: the model as loaded
    std::vector<float> normals;    // 3 per stored corner
    std::vector<float> texCoords;  // 2 per stored corner
    std::vector<int> vertexOf;     // the model vertex of each stored corner
    std::vector<unsigned int> indices; // 3 per drawn triangle, into the stored corners
    std::vector<int> cornerStart;  // first stored corner of each mesh, then their number
    std::vector<int> indexStart;   // first index of each mesh, then their number
    // The triangles close around a volume, wound counter-clockwise seen from
    // outside: every edge meets its reverse as often as itself. From outside,
    // such a model's back faces always lie behind its front faces.
    bool closed = false;
    // Meshes of many triangles (the ground, the hills) also in pieces, each
    // piece's triangles in the mesh's order, so that a view can leave out
    // those it cannot see: mesh i has pieces pieceStart[i] .. pieceStart[i + 1] - 1.
    std::vector<unsigned int> pieceIndices;
    std::vector<MeshPiece> pieces;
    std::vector<int> pieceStart;

    int corners() const { return static_cast<int>(vertexOf.size()); }
};

// The arrays of m's present geometry, laid out on the first request for it
// and kept for the whole run.
const MeshArrays& meshArraysFor(const Model& m);
