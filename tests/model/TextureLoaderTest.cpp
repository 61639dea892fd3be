#include "model/TextureLoader.h"
#include "support/BmpFile.h"
#include "support/GlTestWindow.h"
#include "support/ScratchDir.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

namespace {

// Level 0 of a texture as RGBA, and its width.
std::pair<std::vector<unsigned char>, int> texels(unsigned int texture)
{
    GLint w = 0, h = 0;
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
    std::vector<unsigned char> rgba(static_cast<std::size_t>(w * h * 4));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return {rgba, w};
}

class TextureLoaderTest : public ::testing::Test {
protected:
    void SetUp() override { GlTestWindow::ensure(); }
    ScratchDir dir; // the cache lives for the whole process: every test uses names of its own
};

TEST_F(TextureLoaderTest, ANameIsReadOnceButMipmapsAreBuiltAfreshEachTime)
{
    dir.write("data/texture/once.bmp", bmp::solid(8, 8, {200, 10, 10}));
    const unsigned int plain = loadTexture("./texture/once.bmp", 0, false);
    const unsigned int mipmapped = loadTexture("./texture/once.bmp", 0, true);
    ASSERT_TRUE(glIsTexture(plain) && glIsTexture(mipmapped));
    EXPECT_NE(loadTexture("./texture/once.bmp", 0, true), mipmapped);
    GLint smallest = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 3, GL_TEXTURE_WIDTH, &smallest);
    EXPECT_EQ(smallest, 1);
    std::filesystem::remove(dir.path() / "data/texture/once.bmp"); // only the cache can answer now
    EXPECT_EQ(loadTexture("./texture/once.bmp", 0, false), plain);

    EXPECT_EQ(loadTexture("./texture/later.bmp", 0, false), 0u);
    dir.write("data/texture/later.bmp", bmp::solid(2, 2, {9, 9, 9}));
    EXPECT_NE(loadTexture("./texture/later.bmp", 0, false), 0u) << "a missing file is tried again";
}

TEST_F(TextureLoaderTest, TheFirstTwoCharactersGiveWayToDataAndUnreadableNamesGiveZero)
{
    dir.write("data/prefix.bmp", bmp::solid(2, 2, {1, 2, 3}));
    dir.write("data/r/prefix.bmp", bmp::solid(2, 2, {4, 5, 6}));
    const unsigned int slash = loadTexture("./prefix.bmp", 0, false);
    EXPECT_NE(loadTexture(".\\prefix.bmp", 0, false), slash) << "two spellings, two cache entries";
    EXPECT_EQ(texels(slash).first[0], 1);
    EXPECT_EQ(texels(loadTexture("dir/prefix.bmp", 0, false)).first[0], 4); // data/r/prefix.bmp
    std::string deep = "./";
    while (deep.size() < 300) {
        deep += std::string(60, 'd') + "/";
    }
    dir.write("data/" + deep.substr(2) + "long.bmp", bmp::solid(2, 2, {33, 66, 99}));
    EXPECT_EQ(texels(loadTexture((deep + "long.bmp").c_str(), 0, false)).first[2], 99) << "over 256 characters";

    dir.write("data/texture/broken.bmp", "BM this is no bitmap");
    dir.write("data/texture/empty.bmp", "");
    dir.write("data/x.bmp", bmp::solid(2, 2, {9, 9, 9}));
    for (const char* name : {"./texture/broken.bmp", "./texture/empty.bmp", "./texture", "", ".", "./", "x"}) {
        EXPECT_EQ(loadTexture(name, 0, false) + loadTexture(name, 0, true), 0u) << '"' << name << '"';
    }
    EXPECT_EQ(loadTexture(nullptr, 0, false), 0u);
    EXPECT_EQ(loadTexture(("./" + std::string(2000, 'm')).c_str(), 0, false), 0u);
}

TEST_F(TextureLoaderTest, OddWidthsAndPalettesArrivePixelForPixel)
{
    // 3 x 2 at 24 bits: rows are not a multiple of four bytes.
    const std::vector<bmp::Rgb> odd = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {10, 20, 30}, {40, 50, 60}, {70, 80, 90}};
    dir.write("data/odd.bmp", bmp::image(3, 2, odd));
    dir.write("data/palette.bmp", bmp::image(2, 1, {{1}, {2}}, {{0, 0, 0}, {250, 100, 50}, {5, 6, 7}}));
    const auto [rgba, width] = texels(loadTexture("./odd.bmp", 0, false));
    ASSERT_EQ(width, 3);
    std::vector<unsigned char> expected;
    for (const bmp::Rgb& c : odd) {
        expected.insert(expected.end(), {c[0], c[1], c[2], 255});
    }
    EXPECT_EQ(rgba, expected);
    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 4) << "unpack alignment restored";
    const std::vector<unsigned char> colours = texels(loadTexture("./palette.bmp", 0, false)).first;
    EXPECT_EQ(std::vector<unsigned char>(colours.begin(), colours.begin() + 7),
              (std::vector<unsigned char>{250, 100, 50, 255, 5, 6, 7}));
}

} // namespace
