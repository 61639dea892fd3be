// The generated images load through DevIL, as the game's texture loader reads them.
#include "WorldFiles.h"

#include <IL/il.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <vector>

namespace {

struct Loaded {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;
    float at(int x, int y) const // brightness 0..255
    {
        const unsigned char* p = &rgb[static_cast<std::size_t>((y * width + x) * 3)];
        return (p[0] + p[1] + p[2]) / 3.0f;
    }
};

Loaded loadImage(const std::string& file)
{
    static const bool initialised = [] {
        ilInit();
        return true;
    }();
    (void)initialised;
    Loaded image;
    ILuint name = 0;
    ilGenImages(1, &name);
    ilBindImage(name);
    if (ilLoadImage(runDataPath("data/texture/" + file).c_str()) == IL_TRUE &&
        ilConvertImage(IL_RGB, IL_UNSIGNED_BYTE) == IL_TRUE) {
        image.width = ilGetInteger(IL_IMAGE_WIDTH);
        image.height = ilGetInteger(IL_IMAGE_HEIGHT);
        const unsigned char* data = ilGetData();
        image.rgb.assign(data, data + image.width * image.height * 3);
    }
    while (ilGetError() != IL_NO_ERROR) {
    }
    ilDeleteImages(1, &name);
    return image;
}

std::set<std::string> texturesNamedByModels()
{
    std::set<std::string> names;
    for (const std::string& file : allWorldModelFiles()) {
        const auto model = readWorldModel(file);
        for (const auto& m : model ? model->materials : std::vector<WorldModel::Material>{}) {
            if (!m.texture.empty()) {
                names.insert(std::filesystem::path(m.texture).filename().string());
            }
        }
    }
    return names;
}

const char* const effectTextures[] = {"Particle.jpg", "Particle.bmp", "gloh.jpg", "big_gloh.jpg",
                                      "halo.jpg",     "streaks.jpg",  "wasser02.jpg"};

} // namespace

TEST(WorldTextures, EveryTextureAModelOrEffectNamesLoads)
{
    std::set<std::string> names = texturesNamedByModels();
    EXPECT_GE(names.size(), 15u);
    names.insert(std::begin(effectTextures), std::end(effectTextures));
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const Loaded image = loadImage(name);
        EXPECT_GE(image.width, 16);
        EXPECT_GE(image.height, 16);
    }
}

TEST(WorldTextures, GroundAndSkyHaveSmallerLowQualityVariants)
{
    for (const std::string file : {"wiese.jpg", "himmel.jpg", "berg.jpg", "wasser02.jpg"}) {
        SCOPED_TRACE(file);
        const std::string low = file.substr(0, file.size() - 4) + "LOW" + file.substr(file.size() - 4);
        const Loaded full = loadImage(file), reduced = loadImage(low);
        ASSERT_GT(reduced.width, 0);
        EXPECT_LT(reduced.width * reduced.height, full.width * full.height);
    }
}

TEST(WorldTextures, GlowsFadeToBlackAtTheirEdges)
{
    for (const std::string file : {"Particle.jpg", "Particle.bmp", "gloh.jpg", "big_gloh.jpg"}) {
        SCOPED_TRACE(file);
        const Loaded image = loadImage(file);
        ASSERT_GT(image.width, 0);
        const int w = image.width, h = image.height;
        EXPECT_GT(image.at(w / 2, h / 2), 150.0f) << "bright centre";
        for (const auto& [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}}) {
            EXPECT_LT(image.at(x, y), 8.0f) << "black corners add nothing when blended";
        }
    }
}

TEST(WorldTextures, WaterTilesWithoutSeams)
{
    const Loaded water = loadImage("wasser02.jpg");
    ASSERT_GT(water.width, 0);
    // Opposite edges continue each other about as smoothly as neighbouring columns do.
    float acrossSeam = 0, inside = 0;
    for (int y = 0; y < water.height; ++y) {
        acrossSeam += std::abs(water.at(water.width - 1, y) - water.at(0, y));
        inside += std::abs(water.at(1, y) - water.at(0, y));
    }
    EXPECT_LT(acrossSeam, 3.0f * inside + 4.0f * static_cast<float>(water.height));
    const unsigned char* centre = &water.rgb[static_cast<std::size_t>((water.height / 2 * water.width) * 3)];
    EXPECT_GT(centre[2] + centre[1], 2 * centre[0]) << "blue-green, not grey";
}
