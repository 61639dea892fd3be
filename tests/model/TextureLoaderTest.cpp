#include "model/TextureLoader.h"

#include "BmpFile.h"
#include "support/GlTestWindow.h"
#include "support/ScratchDir.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

// The cache lives for the whole test process, so every test uses its own names.
class TextureLoaderTest : public ::testing::Test {
protected:
    void SetUp() override { GlTestWindow::ensure(); }

    static GLint parameter(unsigned int texture, GLenum name)
    {
        glBindTexture(GL_TEXTURE_2D, texture);
        GLint value = -1;
        glGetTexParameteriv(GL_TEXTURE_2D, name, &value);
        return value;
    }
    static GLint levelWidth(unsigned int texture, int level)
    {
        glBindTexture(GL_TEXTURE_2D, texture);
        GLint width = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &width);
        return width;
    }
    static std::vector<unsigned char> texels(unsigned int texture)
    {
        const GLint width = levelWidth(texture, 0);
        GLint height = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
        std::vector<unsigned char> rgba(width * height * 4);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        return rgba;
    }

    ScratchDir dir;
};

TEST_F(TextureLoaderTest, SameNameTwiceIsReadOnceAndSharesTheTexture)
{
    dir.write("data/texture/once.bmp", bmp::solid(4, 4, {200, 10, 10}));
    const unsigned int first = loadTexture("./texture/once.bmp", 0, false);
    ASSERT_NE(first, 0u);
    EXPECT_EQ(glIsTexture(first), GL_TRUE);

    // With the file gone, only the cache can answer.
    std::filesystem::remove(dir.path() / "data/texture/once.bmp");
    EXPECT_EQ(loadTexture("./texture/once.bmp", 0, false), first);
}

TEST_F(TextureLoaderTest, MipmapLoadMakesANewTextureButTheCacheKeepsTheFirst)
{
    dir.write("data/texture/mip.bmp", bmp::solid(8, 8, {10, 200, 10}));
    const unsigned int plain = loadTexture("./texture/mip.bmp", 0, false);
    const unsigned int mipmapped = loadTexture("./texture/mip.bmp", 0, true);
    ASSERT_NE(plain, 0u);
    ASSERT_NE(mipmapped, 0u);
    EXPECT_NE(plain, mipmapped);
    EXPECT_EQ(loadTexture("./texture/mip.bmp", 0, false), plain);

    EXPECT_EQ(parameter(plain, GL_TEXTURE_MIN_FILTER), GL_LINEAR);
    EXPECT_EQ(parameter(mipmapped, GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
    EXPECT_EQ(parameter(mipmapped, GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    EXPECT_EQ(levelWidth(mipmapped, 1), 4);
    EXPECT_EQ(levelWidth(mipmapped, 3), 1);
    EXPECT_EQ(levelWidth(plain, 1), 0);

    // A second mip-map load reads the file again and makes yet another texture.
    const unsigned int again = loadTexture("./texture/mip.bmp", 0, true);
    EXPECT_NE(again, mipmapped);
    EXPECT_NE(again, plain);
}

TEST_F(TextureLoaderTest, FirstTwoCharactersAreReplacedByDataAndKeysAreExact)
{
    dir.write("data/prefix.bmp", bmp::solid(2, 2, {1, 2, 3}));
    dir.write("data/r/prefix.bmp", bmp::solid(2, 2, {4, 5, 6}));
    const unsigned int slash = loadTexture("./prefix.bmp", 0, false);
    const unsigned int backslash = loadTexture(".\\prefix.bmp", 0, false);
    ASSERT_NE(slash, 0u);
    ASSERT_NE(backslash, 0u);
    EXPECT_NE(slash, backslash) << "two spellings are two cache entries";

    // Without the prefix the name loses two real characters: data/r/prefix.bmp.
    const unsigned int bare = loadTexture("dir/prefix.bmp", 0, false);
    ASSERT_NE(bare, 0u);
    EXPECT_EQ(texels(bare)[0], 4);
    EXPECT_EQ(texels(slash)[0], 1);
}

TEST_F(TextureLoaderTest, MissingFileGivesZeroAndIsTriedAgainLater)
{
    EXPECT_EQ(loadTexture("./texture/later.bmp", 0, false), 0u);
    EXPECT_EQ(loadTexture("./texture/later.bmp", 0, true), 0u);
    dir.write("data/texture/later.bmp", bmp::solid(2, 2, {9, 9, 9}));
    EXPECT_NE(loadTexture("./texture/later.bmp", 0, false), 0u);
}

TEST_F(TextureLoaderTest, UnreadableImageGivesZero)
{
    dir.write("data/texture/broken.bmp", "BM this is no bitmap");
    dir.write("data/texture/empty.bmp", "");
    EXPECT_EQ(loadTexture("./texture/broken.bmp", 0, false), 0u);
    EXPECT_EQ(loadTexture("./texture/empty.bmp", 0, false), 0u);
    EXPECT_EQ(loadTexture("./texture", 0, false), 0u) << "a directory";
}

TEST_F(TextureLoaderTest, NamesTooShortToHoldAFileGiveZero)
{
    dir.write("data/x.bmp", bmp::solid(2, 2, {9, 9, 9}));
    for (const char* name : {"", ".", "./", "x"}) {
        EXPECT_EQ(loadTexture(name, 0, false), 0u) << '"' << name << '"';
        EXPECT_EQ(loadTexture(name, 0, true), 0u) << '"' << name << '"';
    }
    EXPECT_EQ(loadTexture(nullptr, 0, false), 0u);
}

TEST_F(TextureLoaderTest, WrapModesAndFilters)
{
    dir.write("data/wrap.bmp", bmp::solid(2, 2, {7, 7, 7}));
    // Each wrap mode needs its own cache key to make a new texture.
    const struct {
        const char* name;
        int mode;
        GLint expected;
    } cases[] = {
        {"./wrap.bmp", 0, GL_REPEAT},
        {".\\wrap.bmp", 1, GL_CLAMP},
        {"//wrap.bmp", 2, GL_CLAMP_TO_EDGE},
        {"..wrap.bmp", 3, GL_REPEAT}, // left at OpenGL's default
        {"__wrap.bmp", -1, GL_REPEAT},
    };
    for (const auto& c : cases) {
        const unsigned int texture = loadTexture(c.name, c.mode, false);
        ASSERT_NE(texture, 0u) << c.name;
        EXPECT_EQ(parameter(texture, GL_TEXTURE_WRAP_S), c.expected) << c.name;
        EXPECT_EQ(parameter(texture, GL_TEXTURE_WRAP_T), c.expected) << c.name;
        EXPECT_EQ(parameter(texture, GL_TEXTURE_MAG_FILTER), GL_LINEAR) << c.name;
        EXPECT_EQ(parameter(texture, GL_TEXTURE_MIN_FILTER), GL_LINEAR) << c.name;
    }
    const unsigned int clamped = loadTexture("./wrap2.bmp", 1, false);
    EXPECT_EQ(clamped, 0u) << "no such file";
}

TEST_F(TextureLoaderTest, ImageOfOddWidthArrivesPixelForPixel)
{
    // 3 x 2 at 24 bits: rows are not a multiple of four bytes.
    const std::vector<bmp::Rgb> pixels = {
        {255, 0, 0}, {0, 255, 0}, {0, 0, 255},
        {10, 20, 30}, {40, 50, 60}, {70, 80, 90}};
    dir.write("data/odd.bmp", bmp::rgb24(3, 2, pixels));
    const unsigned int texture = loadTexture("./odd.bmp", 0, false);
    ASSERT_NE(texture, 0u);
    EXPECT_EQ(levelWidth(texture, 0), 3);
    const std::vector<unsigned char> rgba = texels(texture);
    ASSERT_EQ(rgba.size(), 24u);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        EXPECT_EQ(rgba[i * 4 + 0], pixels[i][0]) << "pixel " << i;
        EXPECT_EQ(rgba[i * 4 + 1], pixels[i][1]) << "pixel " << i;
        EXPECT_EQ(rgba[i * 4 + 2], pixels[i][2]) << "pixel " << i;
        EXPECT_EQ(rgba[i * 4 + 3], 255) << "pixel " << i;
    }
    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 4) << "unpack alignment restored";
}

TEST_F(TextureLoaderTest, PalettedImageArrivesAsColours)
{
    dir.write("data/palette.bmp",
        bmp::paletted(2, 2, {{0, 0, 0}, {250, 100, 50}, {5, 6, 7}}, {1, 2, 2, 1}));
    const unsigned int texture = loadTexture("./palette.bmp", 0, false);
    ASSERT_NE(texture, 0u);
    const std::vector<unsigned char> rgba = texels(texture);
    ASSERT_EQ(rgba.size(), 16u);
    EXPECT_EQ(rgba[0], 250);
    EXPECT_EQ(rgba[1], 100);
    EXPECT_EQ(rgba[2], 50);
    EXPECT_EQ(rgba[4], 5);
    EXPECT_EQ(rgba[5], 6);
    EXPECT_EQ(rgba[6], 7);
}

TEST_F(TextureLoaderTest, NameLongerThanTwoHundredFiftySixCharactersLoads)
{
    std::string relative;
    while (relative.size() < 300) {
        relative += std::string(60, 'd') + "/";
    }
    relative += "long.bmp";
    dir.write("data/" + relative, bmp::solid(2, 2, {33, 66, 99}));
    const std::string name = "./" + relative;
    ASSERT_GT(name.size(), 300u);
    const unsigned int texture = loadTexture(name.c_str(), 0, false);
    ASSERT_NE(texture, 0u);
    EXPECT_EQ(texels(texture)[2], 99);
    EXPECT_EQ(loadTexture(name.c_str(), 0, false), texture);

    const std::string missing = "./" + std::string(2000, 'm') + ".bmp";
    EXPECT_EQ(loadTexture(missing.c_str(), 0, false), 0u);
}

} // namespace
