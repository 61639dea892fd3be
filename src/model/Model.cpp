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
