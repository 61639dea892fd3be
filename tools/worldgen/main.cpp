// korvel-worldgen: every model, pose, bounding box and texture below <run-dir>/data/, the icons below icons/.
// A program of its own, run by the build; it writes the same files on every run.

#include "BoxModel.h"
#include "Models.h"
#include "Ms3dWriter.h"
#include "Textures.h"

#include "levels/LevelTables.h"

#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <utility>

namespace {

// "data/haus2.ms3d" -> "haus2"
std::string modelName(const char* file)
{
    std::string name = file;
    name = name.substr(5);
    return name.substr(0, name.size() - 5);
}

GenModel posed(const BuiltModel& base, const std::string& animation, int keyframe)
{
    GenModel model = base.model;
    for (GenVertex& v : model.vertices) {
        const V3 p = base.pose({v.position[0], v.position[1], v.position[2]}, v.part, animation, keyframe);
        v.position[0] = p.x;
        v.position[1] = p.y;
        v.position[2] = p.z;
    }
    return model;
}

bool fail(const std::string& message)
{
    std::fprintf(stderr, "korvel-worldgen: %s\n", message.c_str());
    return false;
}

bool writeModels(const std::filesystem::path& data, const std::map<std::string, BuiltModel>& models)
{
    for (const auto& [name, built] : models) {
        V3 min, max;
        modelExtent(built.model, min, max);
        if (built.customBox) {
            min = built.boxMin;
            max = built.boxMax;
        }
        if (!writeMs3d((data / (name + ".ms3d")).string(), built.model) ||
            !writeMs3d((data / ("bb" + name + ".ms3d")).string(), boxModel(min, max))) {
            return fail("cannot write model " + name);
        }
    }
    return true;
}

// Every pose file the levels' animated rows imply: <model>_<animation>_<k>.
bool writePoses(const std::filesystem::path& data, const std::map<std::string, BuiltModel>& models, int& count)
{
    std::set<std::string> written;
    for (int level = 1; level <= 6; ++level) {
        for (const ObjectRow& row : levelTable(level)->objects) {
            if (!(row.flags & Animated) || row.model == nullptr) {
                continue;
            }
            const std::string name = modelName(row.model);
            const BuiltModel& base = models.at(name);
            if (!base.pose) {
                return fail("no poses for animated model " + name);
            }
            for (const Move& move : row.moves) {
                for (int k = 0; move.name != nullptr && k < move.keyframeCount; ++k) {
                    const std::string file = name + "_" + move.name + "_" + std::to_string(k) + ".ms3d";
                    if (!written.insert(file).second) {
                        continue;
                    }
                    if (!writeMs3d((data / file).string(), posed(base, move.name, k))) {
                        return fail("cannot write pose " + file);
                    }
                    ++count;
                }
            }
        }
    }
    return true;
}

bool writeTextures(const std::filesystem::path& data, const std::map<std::string, BuiltModel>& models)
{
    std::set<std::string> available;
    for (const TextureRecipe& recipe : textureCatalogue()) {
        const Image image = recipe.make();
        const std::filesystem::path dir = data / "texture";
        if (!saveImage((dir / recipe.file).string(), image) ||
            !saveImage((dir / lowQualityName(recipe.file)).string(), halfSize(image))) {
            return fail(std::string("cannot write texture ") + recipe.file);
        }
        available.insert(texturePath(recipe.file));
    }
    for (const auto& [name, built] : models) {
        for (const GenMaterial& material : built.model.materials) {
            if (!material.texture.empty() && available.count(material.texture) == 0) {
                return fail("model " + name + " names the missing texture " + material.texture);
            }
        }
    }
    return true;
}

// Desktop icons, laid out as below share/icons/ so the install copies them as they are.
bool writeIcons(const std::filesystem::path& runDir)
{
    for (const int pixels : {16, 32, 48, 64, 128, 256}) {
        const std::string size = std::to_string(pixels) + "x" + std::to_string(pixels);
        const std::filesystem::path dir = runDir / "icons" / "hicolor" / size / "apps";
        std::error_code error;
        std::filesystem::create_directories(dir, error);
        if (error || !saveImage((dir / "korvel.png").string(), gameIcon(pixels))) {
            return fail("cannot write the " + size + " icon");
        }
    }
    return true;
}

bool everyPlacedModelBuilt(const std::map<std::string, BuiltModel>& models)
{
    for (int level = 1; level <= 6; ++level) {
        for (const ObjectRow& row : levelTable(level)->objects) {
            if (row.model != nullptr && models.count(modelName(row.model)) == 0) {
                return fail(std::string("no builder for ") + row.model);
            }
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: korvel-worldgen <run-dir>\n");
        return 2;
    }
    const std::filesystem::path data = std::filesystem::path(argv[1]) / "data";
    std::error_code error;
    std::filesystem::create_directories(data / "texture", error);
    if (error) {
        std::fprintf(stderr, "korvel-worldgen: cannot create %s\n", (data / "texture").string().c_str());
        return 1;
    }
    std::map<std::string, BuiltModel> models;
    for (const ModelRecipe& recipe : modelCatalogue()) {
        BuiltModel built = recipe.build();
        pruneUnusedMaterials(built.model);
        models.emplace(recipe.name, std::move(built));
    }
    int poses = 0;
    if (!everyPlacedModelBuilt(models) || !writeModels(data, models) || !writePoses(data, models, poses) ||
        !writeTextures(data, models) || !writeIcons(argv[1])) {
        return 1;
    }
    std::printf("korvel-worldgen: %zu models, %zu boxes, %d poses, %zu textures\n", models.size(), models.size(),
                poses, textureCatalogue().size() * 2);
    return 0;
}
