// The textures painted from lattice noise, the game icon, half-size copies and PNG saving.
// Apart from the models because textures are painted pixel by pixel, not built.

#include "Textures.h"

#include "WholeFile.h"

#include <IL/il.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace {

constexpr float kPi = 3.14159265f;

// Deterministic lattice noise; the generator never touches the game's random sequence.
float lattice(int x, int y, int seed)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u +
                      static_cast<std::uint32_t>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return static_cast<float>(h & 0xffffu) / 65535.0f;
}

// Smooth noise in [0, 1] that tiles with the given period (in lattice cells).
float tiledNoise(float x, float y, int period, int seed)
{
    const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    const float fx = x - static_cast<float>(x0), fy = y - static_cast<float>(y0);
    auto at = [&](int i, int j) {
        return lattice(((i % period) + period) % period, ((j % period) + period) % period, seed);
    };
    const float sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    const float top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * sx;
    const float bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * sx;
    return top + (bottom - top) * sy;
}

// Sum of octaves over a texture of `size` pixels, tiling seamlessly.
float fractal(int px, int py, int size, int baseCells, int octaves, int seed)
{
    float sum = 0, weight = 1, total = 0;
    int cells = baseCells;
    for (int o = 0; o < octaves; ++o) {
        const float scale = static_cast<float>(cells) / static_cast<float>(size);
        sum += weight * tiledNoise(static_cast<float>(px) * scale, static_cast<float>(py) * scale, cells, seed + o);
        total += weight;
        weight *= 0.5f;
        cells *= 2;
    }
    return sum / total;
}

struct Rgb {
    float r, g, b;
};

Rgb mix(Rgb a, Rgb b, float t)
{
    t = std::clamp(t, 0.0f, 1.0f);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

template <typename F>
Image paint(int size, F colourAt)
{
    Image image;
    image.width = size;
    image.height = size;
    image.rgb.resize(static_cast<std::size_t>(size * size * 3));
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const Rgb c = colourAt(x, y);
            unsigned char* p = &image.rgb[static_cast<std::size_t>((y * size + x) * 3)];
            p[0] = static_cast<unsigned char>(std::clamp(c.r, 0.0f, 1.0f) * 255.0f + 0.5f);
            p[1] = static_cast<unsigned char>(std::clamp(c.g, 0.0f, 1.0f) * 255.0f + 0.5f);
            p[2] = static_cast<unsigned char>(std::clamp(c.b, 0.0f, 1.0f) * 255.0f + 0.5f);
        }
    }
    return image;
}

constexpr int size = 128;

Image wood()
{
    return paint(size, [](int x, int y) {
        const int plank = y / 32;
        const float grain = fractal(x, y * 8, size, 4, 3, 11 + plank);
        const float rings = 0.5f + 0.5f * std::sin(static_cast<float>(x) * 0.35f + grain * 9.0f);
        const float seam = (y % 32 < 2) ? 0.45f : 1.0f;
        const Rgb c = mix({0.42f, 0.27f, 0.14f}, {0.66f, 0.47f, 0.27f}, 0.3f + 0.5f * rings * grain);
        return Rgb{c.r * seam, c.g * seam, c.b * seam};
    });
}

Image plaster()
{
    return paint(size, [](int x, int y) {
        const float n = fractal(x, y, size, 8, 4, 21);
        const float fine = lattice(x, y, 22) * 0.06f;
        return mix({0.80f, 0.76f, 0.66f}, {0.96f, 0.93f, 0.85f}, n + fine);
    });
}

Image roofTiles()
{
    return paint(size, [](int x, int y) {
        const int row = y / 16;
        const int shift = (row % 2) * 8;
        const int col = (x + shift) / 16;
        const float inRow = static_cast<float>(y % 16) / 16.0f;
        const float arc = std::fabs(static_cast<float>((x + shift) % 16) - 8.0f) / 8.0f;
        const float shade = 0.55f + 0.45f * inRow - 0.25f * arc * arc;
        const float tone = lattice(col, row, 31) * 0.2f;
        return mix({0.45f, 0.13f, 0.08f}, {0.78f, 0.32f, 0.18f}, shade + tone);
    });
}

Image grass()
{
    return paint(size, [](int x, int y) {
        const float n = fractal(x, y, size, 8, 4, 41);
        const float blades = lattice(x, y / 3, 42);
        Rgb c = mix({0.20f, 0.42f, 0.12f}, {0.42f, 0.66f, 0.22f}, 0.6f * n + 0.4f * blades);
        if (lattice(x / 2, y / 2, 43) > 0.995f) {
            c = {0.95f, 0.92f, 0.45f}; // a few flowers
        }
        return c;
    });
}

Image bark()
{
    return paint(size, [](int x, int y) {
        const float n = fractal(x * 4, y, size, 4, 3, 51);
        const float furrow = 0.5f + 0.5f * std::sin(static_cast<float>(x) * 0.5f + n * 6.0f);
        const float v = 0.6f + 0.4f * (furrow * 0.8f + 0.2f * lattice(x, y, 52));
        return Rgb{v, v, v};
    });
}

Image leaves()
{
    return paint(size, [](int x, int y) {
        const float n = fractal(x, y, size, 16, 3, 61);
        const float spots = lattice(x / 3, y / 3, 62);
        const float v = 0.7f + 0.3f * (0.5f * n + 0.5f * spots);
        return Rgb{v, v, v};
    });
}

Image stone()
{
    return paint(size, [](int x, int y) {
        const int row = y / 21;
        const int shift = (row % 2) * 16;
        const int col = (x + shift) / 32;
        const bool mortar = (y % 21 < 2) || ((x + shift) % 32 < 2);
        const float n = fractal(x, y, size, 16, 3, 71);
        if (mortar) {
            return Rgb{0.55f, 0.53f, 0.48f};
        }
        const float tone = lattice(col, row, 72);
        return mix({0.38f, 0.37f, 0.36f}, {0.70f, 0.68f, 0.63f}, 0.5f * tone + 0.5f * n);
    });
}

Image cloth()
{
    return paint(size, [](int x, int y) {
        const float weave = ((x + y) % 4 < 2) ? 0.9f : 1.0f;
        const float n = fractal(x, y, size, 8, 2, 81);
        const float v = (0.78f + 0.2f * n) * weave;
        return Rgb{v, v, v};
    });
}

Image wool()
{
    return paint(size, [](int x, int y) {
        const float curls = fractal(x, y, size, 32, 2, 91);
        const float v = 0.55f + 0.45f * curls;
        return Rgb{v, v, v * 0.97f};
    });
}

Image skin()
{
    return paint(size, [](int x, int y) {
        const float n = fractal(x, y, size, 8, 3, 101);
        return mix({0.86f, 0.66f, 0.52f}, {0.96f, 0.78f, 0.64f}, n);
    });
}

Image sky()
{
    return paint(size, [](int x, int y) {
        // v runs from the horizon (row 0) to the zenith; clouds thin out upwards.
        const float height = static_cast<float>(y) / static_cast<float>(size);
        const Rgb blue = mix({0.78f, 0.86f, 0.96f}, {0.32f, 0.52f, 0.90f}, height * 1.4f);
        const float cloud = fractal(x, y, size, 8, 4, 111);
        return mix(blue, {1.0f, 1.0f, 1.0f}, (cloud - 0.55f) * 3.0f);
    });
}

Image hillside()
{
    return paint(size, [](int x, int y) {
        const float n = fractal(x, y, size, 8, 4, 121);
        const float rock = fractal(x, y, size, 4, 3, 122);
        const Rgb grassy = mix({0.22f, 0.40f, 0.14f}, {0.40f, 0.58f, 0.22f}, n);
        return mix(grassy, {0.50f, 0.48f, 0.44f}, (rock - 0.6f) * 4.0f);
    });
}

Image metal()
{
    return paint(size, [](int x, int y) {
        const float brushed = fractal(x, y * 16, size, 8, 2, 131);
        const float v = 0.62f + 0.3f * brushed;
        return Rgb{v, v * 0.97f, v * 0.9f};
    });
}

Image straw()
{
    return paint(size, [](int x, int y) {
        const float stalks = fractal(x * 6, y, size, 8, 3, 141);
        return mix({0.62f, 0.48f, 0.18f}, {0.93f, 0.82f, 0.45f}, stalks + 0.15f * lattice(x, y, 142));
    });
}

Image feathers()
{
    return paint(size, [](int x, int y) {
        const int row = y / 8;
        const float scallop = std::fabs(static_cast<float>((x + (row % 2) * 4) % 8) - 4.0f) / 4.0f;
        const float edge = static_cast<float>(y % 8) / 8.0f;
        const float v = 0.75f + 0.25f * edge - 0.15f * scallop;
        return Rgb{v, v * 0.97f, v * 0.92f};
    });
}

Image scales()
{
    return paint(size, [](int x, int y) {
        const int row = y / 8;
        const int sx = (x + (row % 2) * 4) % 8;
        const float d = std::hypot(static_cast<float>(sx) - 4.0f, static_cast<float>(y % 8) - 2.0f) / 6.0f;
        const float band = (y / 32) % 2 == 0 ? 1.0f : 0.8f;
        const float v = (0.55f + 0.45f * (1.0f - d)) * band;
        return Rgb{v * 0.75f, v, v * 0.55f};
    });
}

Image burlap()
{
    return paint(size, [](int x, int y) {
        const bool warp = (x % 4) < 2, weft = (y % 4) < 2;
        const float v = (warp != weft) ? 0.78f : 0.62f;
        const float n = 0.1f * fractal(x, y, size, 8, 2, 151);
        return Rgb{v + n, (v + n) * 0.85f, (v + n) * 0.6f};
    });
}

Image panel()
{
    return paint(size, [](int x, int y) {
        const float border = static_cast<float>(std::min(std::min(x, y), std::min(size - 1 - x, size - 1 - y)));
        const float n = fractal(x, y * 4, size, 4, 3, 161);
        Rgb c = mix({0.10f, 0.07f, 0.05f}, {0.22f, 0.15f, 0.10f}, n);
        if (border < 6.0f) {
            c = mix({0.55f, 0.42f, 0.20f}, {0.80f, 0.66f, 0.35f}, border / 6.0f);
        }
        return c;
    });
}

Image water()
{
    return paint(size, [](int x, int y) {
        const float a = 2.0f * kPi * static_cast<float>(x) / static_cast<float>(size);
        const float b = 2.0f * kPi * static_cast<float>(y) / static_cast<float>(size);
        const float ripple = 0.5f + 0.25f * std::sin(3 * a + 2 * std::sin(b)) + 0.25f * std::sin(5 * b + std::sin(2 * a));
        const float n = fractal(x, y, size, 8, 3, 171);
        return mix({0.05f, 0.28f, 0.38f}, {0.45f, 0.78f, 0.80f}, 0.6f * ripple + 0.4f * n);
    });
}

// Radial falloff on black: the glows are blended additively.
Image glow(float power, Rgb tint)
{
    return paint(size, [=](int x, int y) {
        const float dx = (static_cast<float>(x) + 0.5f) / (size / 2.0f) - 1.0f;
        const float dy = (static_cast<float>(y) + 0.5f) / (size / 2.0f) - 1.0f;
        const float r = std::min(1.0f, std::sqrt(dx * dx + dy * dy));
        const float v = std::pow(1.0f - r, power);
        return Rgb{tint.r * v, tint.g * v, tint.b * v};
    });
}

Image halo()
{
    return paint(size, [](int x, int y) {
        const float dx = (static_cast<float>(x) + 0.5f) / (size / 2.0f) - 1.0f;
        const float dy = (static_cast<float>(y) + 0.5f) / (size / 2.0f) - 1.0f;
        const float r = std::sqrt(dx * dx + dy * dy);
        const float ring = std::exp(-std::pow((r - 0.75f) / 0.08f, 2.0f));
        return Rgb{ring * 0.9f, ring * 0.8f, ring * 0.6f};
    });
}

Image streaks()
{
    return paint(size, [](int x, int y) {
        const float dx = (static_cast<float>(x) + 0.5f) / (size / 2.0f) - 1.0f;
        const float dy = (static_cast<float>(y) + 0.5f) / (size / 2.0f) - 1.0f;
        const float r = std::sqrt(dx * dx + dy * dy);
        const float angle = std::atan2(dy, dx);
        const float rays = std::pow(std::fabs(std::cos(angle * 4.0f)), 24.0f);
        const float v = std::max(0.0f, 1.0f - r) * (0.15f + 0.85f * rays);
        return Rgb{v, v * 0.95f, v * 0.85f};
    });
}

Image particleSoft() { return glow(2.0f, {1.0f, 1.0f, 1.0f}); }
Image particleSmoke() { return glow(1.5f, {0.85f, 0.85f, 0.85f}); }
Image glohSmall() { return glow(3.0f, {1.0f, 0.95f, 0.8f}); }
Image glohBig() { return glow(1.6f, {0.9f, 0.8f, 0.6f}); }


// The game's icon: a house and a church tower on a green hill under a
// daytime sky, the village the game starts in. u, v run 0..1 from the top left.
Rgb iconScene(float u, float v)
{
    const auto inTriangle = [u, v](float left, float right, float base, float apexU, float apexV) {
        if (v > base || v < apexV) {
            return false;
        }
        const float t = (v - apexV) / (base - apexV);
        return u >= apexU + (left - apexU) * t && u <= apexU + (right - apexU) * t;
    };
    const auto inBox = [u, v](float left, float right, float top, float bottom) {
        return u >= left && u <= right && v >= top && v <= bottom;
    };
    if (inBox(0.31f, 0.39f, 0.62f, 0.80f) || inBox(0.63f, 0.69f, 0.60f, 0.80f)) {
        return {0.30f, 0.18f, 0.10f}; // doors
    }
    if (inBox(0.42f, 0.48f, 0.56f, 0.63f) || inBox(0.645f, 0.675f, 0.38f, 0.46f)) {
        return {0.95f, 0.85f, 0.45f}; // lit windows
    }
    if (inBox(0.17f, 0.53f, 0.47f, 0.80f)) {
        return {0.93f, 0.88f, 0.76f}; // plastered wall
    }
    if (inTriangle(0.11f, 0.59f, 0.48f, 0.35f, 0.26f)) {
        return mix({0.55f, 0.16f, 0.09f}, {0.82f, 0.33f, 0.18f}, (v - 0.26f) / 0.22f); // roof
    }
    if (inBox(0.60f, 0.72f, 0.30f, 0.80f)) {
        return {0.78f, 0.76f, 0.72f}; // tower
    }
    if (inTriangle(0.58f, 0.74f, 0.31f, 0.66f, 0.08f)) {
        return {0.35f, 0.38f, 0.45f}; // spire
    }
    const float du = u - 0.82f, dv = v - 0.20f;
    if (du * du + dv * dv < 0.08f * 0.08f) {
        return {1.0f, 0.86f, 0.35f}; // sun
    }
    if (v > 0.74f + 0.05f * std::sin(u * 2.0f * kPi)) {
        return mix({0.36f, 0.62f, 0.22f}, {0.20f, 0.42f, 0.14f}, (v - 0.7f) / 0.3f); // hill
    }
    return mix({0.20f, 0.38f, 0.75f}, {0.68f, 0.84f, 0.96f}, v / 0.8f); // sky
}

} // namespace

const std::vector<TextureRecipe>& textureCatalogue()
{
    static const std::vector<TextureRecipe> catalogue = {
        {"holz.jpg", wood},         {"putz.jpg", plaster},     {"dach.jpg", roofTiles},
        {"wiese.jpg", grass},       {"rinde.jpg", bark},       {"blaetter.jpg", leaves},
        {"stein.jpg", stone},       {"stoff.jpg", cloth},      {"wolle.jpg", wool},
        {"haut.jpg", skin},         {"himmel.jpg", sky},       {"berg.jpg", hillside},
        {"metall.jpg", metal},      {"stroh.jpg", straw},      {"federn.jpg", feathers},
        {"schuppen.jpg", scales},   {"sack.jpg", burlap},      {"dialog.jpg", panel},
        {"wasser02.jpg", water},    {"Particle.jpg", particleSoft}, {"Particle.bmp", particleSmoke},
        {"gloh.jpg", glohSmall},    {"big_gloh.jpg", glohBig}, {"halo.jpg", halo},
        {"streaks.jpg", streaks},
    };
    return catalogue;
}

Image gameIcon(int pixels)
{
    // 4 x 4 samples a pixel keep the edges smooth at small sizes.
    constexpr int samples = 4;
    return paint(pixels, [pixels](int x, int y) {
        Rgb sum{0, 0, 0};
        for (int i = 0; i < samples * samples; ++i) {
            const float u = (static_cast<float>(x) + (static_cast<float>(i % samples) + 0.5f) / samples) / pixels;
            const float v = (static_cast<float>(y) + (static_cast<float>(i / samples) + 0.5f) / samples) / pixels;
            const Rgb c = iconScene(u, v);
            sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
        }
        constexpr float n = samples * samples;
        return Rgb{sum.r / n, sum.g / n, sum.b / n};
    });
}

Image halfSize(const Image& image)
{
    Image half;
    half.width = std::max(1, image.width / 2);
    half.height = std::max(1, image.height / 2);
    half.rgb.resize(static_cast<std::size_t>(half.width * half.height * 3));
    for (int y = 0; y < half.height; ++y) {
        for (int x = 0; x < half.width; ++x) {
            for (int c = 0; c < 3; ++c) {
                int sum = 0;
                for (int k = 0; k < 4; ++k) {
                    const int sx = std::min(image.width - 1, 2 * x + (k & 1));
                    const int sy = std::min(image.height - 1, 2 * y + (k >> 1));
                    sum += image.rgb[static_cast<std::size_t>((sy * image.width + sx) * 3 + c)];
                }
                half.rgb[static_cast<std::size_t>((y * half.width + x) * 3 + c)] =
                    static_cast<unsigned char>(sum / 4);
            }
        }
    }
    return half;
}

std::string lowQualityName(const std::string& file)
{
    const std::size_t dot = file.size() >= 4 ? file.size() - 4 : 0;
    return file.substr(0, dot) + "LOW" + file.substr(dot);
}

bool saveImage(const std::string& path, const Image& image)
{
    ilInit(); // returns at once once DevIL is set up
    ILuint name = 0;
    ilGenImages(1, &name);
    ilBindImage(name);
    // DevIL's rows run bottom-up in memory for the formats it writes; flip so
    // that row 0 of our images is the top of the file.
    std::vector<unsigned char> flipped(image.rgb.size());
    const std::size_t row = static_cast<std::size_t>(image.width * 3);
    for (int y = 0; y < image.height; ++y) {
        std::copy_n(&image.rgb[static_cast<std::size_t>(y) * row], row,
                    &flipped[static_cast<std::size_t>(image.height - 1 - y) * row]);
    }
    // Encoded in memory and written by us: DevIL's own file writing does not
    // notice a full disk.
    const ILenum type = ilTypeFromExt(path.c_str());
    bool ok = ilTexImage(static_cast<ILuint>(image.width), static_cast<ILuint>(image.height), 1, 3, IL_RGB,
                         IL_UNSIGNED_BYTE, flipped.data()) == IL_TRUE;
    std::vector<char> encoded(ok ? ilSaveL(type, nullptr, 0) : 0); // no buffer: the size it needs
    ok = ok && !encoded.empty() && ilSaveL(type, encoded.data(), static_cast<ILuint>(encoded.size())) > 0;
    while (ilGetError() != IL_NO_ERROR) {
    }
    ilDeleteImages(1, &name);
    return ok && writeWholeFile(path, [&encoded](const std::string& temporary) {
        std::ofstream file(temporary, std::ios::binary);
        file.write(encoded.data(), static_cast<std::streamsize>(encoded.size()));
        file.close();
        return !file.fail();
    });
}
