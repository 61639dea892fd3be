// A model's textures, its switch to vertex arrays, and the triangles safe to draw.

#include "model/Model.h"

#include "model/MeshArrays.h"
#include "model/TextureLoader.h"

void Model::reloadTextures()
{
    for (Material& material : materials) {
        material.texture = material.textureFilename.empty()
            ? 0
            : loadTexture(material.textureFilename.c_str(), 0, false);
    }
}

void Model::drawFromArrays()
{
    arrays = &meshArraysFor(*this);
    std::vector<Triangle>().swap(triangles);
    numTriangles = 0;
    for (Mesh& mesh : meshes) {
        std::vector<int>().swap(mesh.triangleIndices);
        mesh.numTriangles = 0;
    }
}

const Triangle* Model::drawableTriangle(int index) const
{
    if (index < 0 || index >= static_cast<int>(triangles.size())) {
        return nullptr;
    }
    const Triangle& t = triangles[index];
    for (const int v : t.vertexIndices) {
        if (v < 0 || v >= static_cast<int>(vertices.size())) {
            return nullptr;
        }
    }
    return &t;
}
