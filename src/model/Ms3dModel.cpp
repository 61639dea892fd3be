// Loading an MS3D file into a model and its textures, with a warning when it is refused.
// Apart from the reader so that reading stays free of OpenGL.

#include "model/Model.h"

#include "model/Ms3dReader.h"
#include "platform/DataFile.h"

#include <utility>

bool Ms3dModel::loadModelData(const char* fileName)
{
    std::string problem;
    if (!loadModelData(fileName, problem)) {
        if (fileName != nullptr) {
            warnAboutFile(fileName, problem);
        }
        return false;
    }
    return true;
}

bool Ms3dModel::loadModelData(const char* fileName, std::string& problem)
{
    // The file is read whole into temporaries first, so a refused file
    // leaves this model exactly as it was.
    std::optional<Ms3dContents> contents = readMs3dFile(fileName, &problem);
    if (!contents) {
        return false;
    }
    vertices = std::move(contents->vertices);
    triangles = std::move(contents->triangles);
    meshes = std::move(contents->meshes);
    materials = std::move(contents->materials);
    numVertices = static_cast<int>(vertices.size());
    numTriangles = static_cast<int>(triangles.size());
    numMeshes = static_cast<int>(meshes.size());
    numMaterials = static_cast<int>(materials.size());
    arrays = nullptr;
    reloadTextures();
    return true;
}
