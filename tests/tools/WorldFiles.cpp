#include "WorldFiles.h"

#include "levels/Level2Layout.h"
#include "levels/Level5Layout.h"
#include "model/Ms3dReader.h"

#include <algorithm>

std::string runDataPath(const std::string& relativePath)
{
    return std::string(KORVEL_RUN_DIR) + "/" + relativePath;
}

std::optional<WorldModel> readWorldModel(const std::string& relativePath)
{
    const auto contents = readMs3dFile(runDataPath(relativePath).c_str());
    if (!contents) {
        return std::nullopt;
    }
    WorldModel model;
    model.version = contents->version;
    for (const Vertex& v : contents->vertices) {
        model.vertices.push_back({v.location[0], v.location[1], v.location[2]});
    }
    for (const Triangle& t : contents->triangles) {
        WorldModel::Triangle triangle{};
        for (int c = 0; c < 3; ++c) {
            triangle.vertices[static_cast<std::size_t>(c)] = t.vertexIndices[c];
            triangle.normals[static_cast<std::size_t>(c)] = {t.vertexNormals[c][0], t.vertexNormals[c][1],
                                                             t.vertexNormals[c][2]};
        }
        model.triangles.push_back(triangle);
    }
    for (const Mesh& mesh : contents->meshes) {
        model.groups.push_back({mesh.triangleIndices, mesh.materialIndex});
    }
    for (const Material& m : contents->materials) {
        model.materials.push_back({{m.emissive[0], m.emissive[1], m.emissive[2], m.emissive[3]}, m.textureFilename});
    }
    return model;
}

std::string worldModelName(const char* file)
{
    const std::string path = file;
    return path.substr(5, path.size() - 10);
}

std::vector<std::string> allWorldModelFiles()
{
    std::vector<std::string> files;
    auto add = [&files](const std::string& file) {
        if (std::find(files.begin(), files.end(), file) == files.end()) {
            files.push_back(file);
        }
    };
    for (int level = 1; level <= 6; ++level) {
        for (const Placement& p : levelLayout(level)->placements) {
            if (p.model != nullptr) {
                add(p.model);
            }
        }
    }
    add(level2::mendedManger);
    add(level5::shutCage);
    add("data/dialogbox.ms3d");
    return files;
}
