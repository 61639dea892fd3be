// Trees, woods, the meadows, the three hill sets and the sky.
// One file per kind of model, so the generator's recipes read in groups.

#include "ModelBuilder.h"
#include "Models.h"

#include "levels/LevelTables.h"
#include "scene/Matrix4.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Deterministic hash noise in [0, 1] for scattering and heights.
float hash01(int a, int b, int seed)
{
    std::uint32_t h = static_cast<std::uint32_t>(a) * 73856093u ^ static_cast<std::uint32_t>(b) * 19349663u ^
                      static_cast<std::uint32_t>(seed) * 83492791u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return static_cast<float>(h & 0xffffu) / 65535.0f;
}

// Trees and forests are drawn from shared display lists that hold meshes 0
// and 1 only: trunks first, foliage second, and nothing else. The lists draw
// without textures, so the materials carry the colour and the light, neutral
// textures only the grain: switching the lists on keeps the trees' look.
struct TreeMaterials {
    int bark, leaves;
};

TreeMaterials treeMaterials(ModelBuilder& b)
{
    TreeMaterials m{b.material("rinde", texturePath("rinde.jpg"), {0.37f, 0.26f, 0.16f}),
                    b.material("blaetter", texturePath("blaetter.jpg"), {0.21f, 0.52f, 0.11f})};
    b.use(m.bark);
    b.use(m.leaves);
    return m;
}

void broadleaf(ModelBuilder& b, const TreeMaterials& m, V3 at, float height, int seed)
{
    const float k = height / 10.0f;
    b.use(m.bark);
    b.cylinder(at, 0.55f * k, 0.32f * k, 4.5f * k, 6, false, 1.0f, 2.0f);
    b.use(m.leaves);
    b.ellipsoid(at + V3{0, 6.2f, 0} * k, V3{3.0f, 2.8f, 3.0f} * k, 5, 8, 2.0f, 2.0f);
    b.ellipsoid(at + V3{1.4f, 7.4f, 0.6f - hash01(seed, 1, 3)} * k, V3{2.0f, 1.8f, 2.0f} * k, 4, 7);
    b.ellipsoid(at + V3{-1.3f, 5.3f, -0.8f + hash01(seed, 2, 3)} * k, V3{2.1f, 1.9f, 2.0f} * k, 4, 7);
}

void conifer(ModelBuilder& b, const TreeMaterials& m, V3 at, float height)
{
    const float k = height / 10.0f;
    b.use(m.bark);
    b.cylinder(at, 0.45f * k, 0.25f * k, 3.0f * k, 6, false, 1.0f, 2.0f);
    b.use(m.leaves);
    for (int tier = 0; tier < 3; ++tier) {
        const float t = static_cast<float>(tier);
        b.cylinder(at + V3{0, (2.0f + 2.4f * t) * k, 0}, (2.8f - 0.7f * t) * k, 0.0f, (4.2f - 0.6f * t) * k, 8, true, 2.0f);
    }
}

} // namespace

BuiltModel buildTree()
{
    ModelBuilder b;
    const TreeMaterials m = treeMaterials(b);
    broadleaf(b, m, {0, 0, 0}, 10.0f, 1);
    BuiltModel built;
    built.model = b.model();
    built.customBox = true; // the trunk and the low branches block, the crown does not
    built.boxMin = {-1.2f, 0, -1.2f};
    built.boxMax = {1.2f, 9.0f, 1.2f};
    return built;
}

BuiltModel buildForest()
{
    // A copse of seven trees within 7 units of its centre.
    ModelBuilder b;
    const TreeMaterials m = treeMaterials(b);
    const V3 spots[] = {{0, 0, 0}, {3.6f, 0, 2.2f}, {-3.2f, 0, 3.0f}, {-4.2f, 0, -2.4f},
                        {2.4f, 0, -3.8f}, {5.4f, 0, -1.0f}, {-0.8f, 0, 5.2f}};
    int seed = 0;
    for (const V3& spot : spots) {
        const float height = 8.0f + 4.0f * hash01(seed, 7, 11);
        if (seed % 3 == 1) {
            broadleaf(b, m, spot, height, seed);
        } else {
            conifer(b, m, spot, height);
        }
        ++seed;
    }
    BuiltModel built;
    built.model = b.model();
    built.customBox = true;
    built.boxMin = {-6, 0, -6};
    built.boxMax = {6, 12, 6};
    return built;
}

namespace {

// Level ground: a grass square larger than the walled 200 x 200 so the
// horizon never shows its edge. `skip` leaves holes, in model coordinates.
template <typename Skip>
BuiltModel ground(Skip skip)
{
    ModelBuilder b;
    const int grass = b.material("wiese", texturePath("wiese.jpg"), {0.85f, 0.95f, 0.8f}, 0.35f);
    b.use(grass);
    constexpr float half = 160.0f;
    constexpr float cell = 8.0f;
    const int cells = static_cast<int>(2 * half / cell);
    for (int i = 0; i < cells; ++i) {
        for (int j = 0; j < cells; ++j) {
            const float x0 = -half + cell * static_cast<float>(i), z0 = -half + cell * static_cast<float>(j);
            if (skip(x0 + cell / 2)) {
                continue;
            }
            // Texture repeats every 8 units; coordinates continue across cells.
            const int a = b.vertex({x0, 0, z0 + cell}), c = b.vertex({x0 + cell, 0, z0 + cell});
            const int d = b.vertex({x0 + cell, 0, z0}), e = b.vertex({x0, 0, z0});
            const float u0 = x0 / 8.0f, u1 = (x0 + cell) / 8.0f, v0 = z0 / 8.0f, v1 = (z0 + cell) / 8.0f;
            const float s1[3] = {u0, u1, u1}, t1[3] = {v1, v1, v0};
            const float s2[3] = {u0, u1, u0}, t2[3] = {v1, v0, v0};
            b.triangle(a, c, d, s1, t1);
            b.triangle(a, d, e, s2, t2);
        }
    }
    BuiltModel built;
    built.model = b.model();
    built.customBox = true;
    built.boxMin = {-half, 0, -half};
    built.boxMax = {half, 0.2f, half};
    return built;
}

// The river channel of Level 4 in world x, between the two bank fences.
constexpr float riverWest = 150.0f;
constexpr float riverEast = 186.0f;

} // namespace

BuiltModel buildMeadow()
{
    return ground([](float) { return false; });
}

BuiltModel buildRiverMeadow()
{
    // The water is drawn before the ground without depth, so the ground
    // leaves the channel open where the river shows.
    const ObjectRow* boden = findRow(*levelTable(4), "boden");
    const float heading = boden->facing.headingTo(forwardReference);
    return ground([boden, heading](float modelX) {
        const Vector3 world = Matrix4().translate(boden->at.x, 0, boden->at.z)
                                  .rotateY(heading)
                                  .transformPoint(Vector3(modelX, 0, 0));
        return world.x > riverWest && world.x < riverEast;
    });
}

namespace {

// Hills ring the walled square: flat inside, rising outside it.
BuiltModel hills(int seed)
{
    ModelBuilder b;
    const int rock = b.material("berg", texturePath("berg.jpg"), {0.85f, 0.95f, 0.8f}, 0.25f);
    b.use(rock);
    constexpr float half = 300.0f;
    constexpr float cell = 15.0f;
    const int n = static_cast<int>(2 * half / cell);
    auto height = [seed](int i, int j) {
        const float x = -half + cell * static_cast<float>(i), z = -half + cell * static_cast<float>(j);
        const float d = std::max(std::fabs(x), std::fabs(z));
        const float rise = std::clamp((d - 112.0f) / 70.0f, 0.0f, 1.0f);
        const float bumps = 0.55f * hash01(i / 2, j / 2, seed) + 0.45f * hash01(i, j, seed + 1);
        return rise * (30.0f + 70.0f * bumps);
    };
    std::vector<int> ids(static_cast<std::size_t>((n + 1) * (n + 1)), -1);
    auto at = [&](int i, int j) {
        int& id = ids[static_cast<std::size_t>(i * (n + 1) + j)];
        if (id < 0) {
            id = b.vertex({-half + cell * static_cast<float>(i), height(i, j), -half + cell * static_cast<float>(j)});
        }
        return id;
    };
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            if (height(i, j) + height(i + 1, j) + height(i, j + 1) + height(i + 1, j + 1) <= 0.0f) {
                continue;
            }
            const float u0 = static_cast<float>(i) * 0.5f, u1 = u0 + 0.5f;
            const float v0 = static_cast<float>(j) * 0.5f, v1 = v0 + 0.5f;
            const float s1[3] = {u0, u1, u1}, t1[3] = {v1, v1, v0};
            const float s2[3] = {u0, u1, u0}, t2[3] = {v1, v0, v0};
            // Vertices are made on first use, so their order must not depend on
            // the compiler's order of evaluating arguments.
            const int nw = at(i, j + 1), ne = at(i + 1, j + 1), se = at(i + 1, j), sw = at(i, j);
            b.triangle(nw, ne, se, s1, t1);
            b.triangle(nw, se, sw, s2, t2);
        }
    }
    BuiltModel built;
    built.model = b.model();
    return built;
}

} // namespace

BuiltModel buildHills3() { return hills(3); }
BuiltModel buildHills4() { return hills(4); }
BuiltModel buildHills5() { return hills(5); }

BuiltModel buildSky()
{
    // Radius 60 at scale 50: 3000 units, inside the far plane of 4000 from
    // anywhere in the level. Seen from inside, so faces and normals point in.
    ModelBuilder b;
    const int sky = b.material("himmel", texturePath("himmel.jpg"), {1.0f, 1.0f, 1.0f}, 0.9f);
    b.use(sky);
    b.ellipsoid({0, 0, 0}, {60, 60, 60}, 10, 16, 3.0f, 1.0f);
    GenModel& model = b.model();
    for (GenTriangle& t : model.triangles) {
        std::swap(t.vertices[1], t.vertices[2]);
        std::swap(t.s[1], t.s[2]);
        std::swap(t.t[1], t.t[2]);
        std::swap(t.normals[1], t.normals[2]);
        for (auto& normal : t.normals) {
            for (float& c : normal) {
                c = -c;
            }
        }
    }
    BuiltModel built;
    built.model = model;
    return built;
}
