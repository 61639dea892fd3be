// The houses, church, inn, hermit's house, well, boundary wall, bridge and fence.
// One file per kind of model, so the generator's recipes read in groups.

#include "ModelBuilder.h"
#include "Models.h"

#include <algorithm>

namespace {

struct HouseMaterials {
    int plaster, wood, roof, stone, glass;
};

HouseMaterials houseMaterials(ModelBuilder& b, V3 wallTint)
{
    return {b.material("putz", texturePath("putz.jpg"), wallTint), b.material("holz", texturePath("holz.jpg"), {0.9f, 0.85f, 0.8f}),
            b.material("dach", texturePath("dach.jpg"), {1.0f, 0.95f, 0.9f}),
            b.material("stein", texturePath("stein.jpg"), {0.95f, 0.95f, 0.95f}),
            b.material("fenster", "", {0.12f, 0.16f, 0.25f}, 0.0f, 40.0f)};
}

// A window with frame on the wall plane z = zFace (front when facing +z).
void frontWindow(ModelBuilder& b, const HouseMaterials& m, float x, float y, float w, float h, float zFace)
{
    b.use(m.wood);
    b.box({x - w / 2 - 0.12f, y - h / 2 - 0.12f, zFace}, {x + w / 2 + 0.12f, y + h / 2 + 0.12f, zFace + 0.06f});
    b.use(m.glass);
    b.box({x - w / 2, y - h / 2, zFace + 0.06f}, {x + w / 2, y + h / 2, zFace + 0.1f});
    b.use(m.wood);
    b.box({x - 0.05f, y - h / 2, zFace + 0.1f}, {x + 0.05f, y + h / 2, zFace + 0.14f});
}

// The same on a side wall x = xFace, facing outwards along sign.
void sideWindow(ModelBuilder& b, const HouseMaterials& m, float xFace, float sign, float z, float y, float w, float h)
{
    b.use(m.wood);
    const float x0 = xFace, x1 = xFace + sign * 0.06f, x2 = xFace + sign * 0.1f;
    b.box({std::min(x0, x1), y - h / 2 - 0.12f, z - w / 2 - 0.12f}, {std::max(x0, x1), y + h / 2 + 0.12f, z + w / 2 + 0.12f});
    b.use(m.glass);
    b.box({std::min(x1, x2), y - h / 2, z - w / 2}, {std::max(x1, x2), y + h / 2, z + w / 2});
}

} // namespace

BuiltModel buildHouse()
{
    // Timber-framed cottage, 8 x 6 units, door on the +z side.
    ModelBuilder b;
    const HouseMaterials m = houseMaterials(b, {1.0f, 0.97f, 0.9f});
    b.use(m.stone);
    b.box({-4.1f, 0, -3.1f}, {4.1f, 0.4f, 3.1f});
    b.use(m.plaster);
    b.box({-4, 0.4f, -3}, {4, 4, 3}, 2.0f);
    b.use(m.wood);
    for (float x : {-4.05f, 3.75f}) {
        for (float z : {-3.05f, 2.75f}) {
            b.box({x, 0.4f, z}, {x + 0.3f, 4.05f, z + 0.3f}); // corner posts
        }
    }
    b.box({-4.05f, 2.2f, 3.0f}, {4.05f, 2.45f, 3.08f});
    b.box({-4.05f, 2.2f, -3.08f}, {4.05f, 2.45f, -3.0f});
    b.box({-4.05f, 3.8f, 3.0f}, {4.05f, 4.05f, 3.08f});
    b.box({-0.7f, 0.4f, 3.0f}, {0.7f, 2.6f, 3.12f}); // door
    b.box({-0.9f, 2.6f, 3.0f}, {0.9f, 2.75f, 3.15f});
    frontWindow(b, m, -2.3f, 1.5f, 1.1f, 0.9f, 3.0f);
    frontWindow(b, m, 2.3f, 1.5f, 1.1f, 0.9f, 3.0f);
    frontWindow(b, m, 0.0f, 3.15f, 0.9f, 0.7f, 3.0f);
    sideWindow(b, m, 4.0f, 1.0f, 0.0f, 1.6f, 1.0f, 0.9f);
    sideWindow(b, m, -4.0f, -1.0f, 0.0f, 1.6f, 1.0f, 0.9f);
    b.use(m.roof);
    b.gableRoof(-4, 4, -3, 3, 4, 2.6f, 0.5f, 2.0f);
    b.use(m.stone);
    b.box({2.0f, 4.5f, -1.6f}, {2.7f, 7.2f, -0.9f}); // chimney
    BuiltModel built;
    built.model = b.model();
    built.customBox = true;
    built.boxMin = {-4.2f, 0, -3.2f};
    built.boxMax = {4.2f, 7.1f, 3.2f};
    return built;
}

BuiltModel buildChurch()
{
    // Placed at scale 2.5: a nave 5 x 7.5 units and a tower of 15 at the back.
    ModelBuilder b;
    const HouseMaterials m = houseMaterials(b, {1.0f, 1.0f, 0.95f});
    const int metal = b.material("kreuz", texturePath("metall.jpg"), {1.0f, 0.85f, 0.35f}, 0.2f, 60.0f);
    b.use(m.stone);
    b.box({-1.05f, 0, -1.45f}, {1.05f, 0.15f, 1.65f});
    b.use(m.plaster);
    b.box({-1.0f, 0.15f, -1.4f}, {1.0f, 1.8f, 1.6f}, 0.8f);
    b.use(m.roof);
    b.place(Frame::rotation({0, 1, 0}, 90.0f));
    b.gableRoof(-1.6f, 1.4f, -1.0f, 1.0f, 1.8f, 1.1f, 0.15f, 0.8f); // ridge along z
    b.resetPlace();
    b.use(m.plaster);
    b.box({-0.6f, 0.15f, -2.0f}, {0.6f, 4.3f, -0.8f}, 0.8f); // tower
    b.use(m.roof);
    b.place(Frame::rotation({0, 1, 0}, 45.0f).then(Frame::translation({0, 4.3f, -1.4f})));
    b.cylinder({0, 0, 0}, 0.95f, 0.0f, 2.0f, 4, true, 2.0f, 2.0f); // spire
    b.resetPlace();
    b.use(metal);
    b.box({-0.03f, 6.2f, -1.43f}, {0.03f, 6.75f, -1.37f});
    b.box({-0.15f, 6.52f, -1.43f}, {0.15f, 6.58f, -1.37f});
    b.use(m.wood);
    b.box({-0.3f, 0.15f, 1.6f}, {0.3f, 1.0f, 1.64f}); // portal
    b.use(m.glass);
    b.box({-0.2f, 1.15f, 1.6f}, {0.2f, 1.5f, 1.63f});
    b.box({-0.12f, 3.2f, -0.8f}, {0.12f, 3.7f, -0.77f}); // belfry openings
    for (float z : {-0.8f, 0.1f, 1.0f}) {
        sideWindow(b, m, 1.0f, 1.0f, z, 1.0f, 0.25f, 0.6f);
        sideWindow(b, m, -1.0f, -1.0f, z, 1.0f, 0.25f, 0.6f);
    }
    BuiltModel built;
    built.model = b.model();
    built.customBox = true;
    built.boxMin = {-1.05f, 0, -2.05f};
    built.boxMax = {1.05f, 6.8f, 1.65f};
    return built;
}

namespace {

enum InnPart { InnFixed, InnSign };
const V3 signHinge{2.4f, 4.05f, 4.0f};

} // namespace

BuiltModel buildInn()
{
    // Two storeys, 9 x 6 units, with a swinging sign over the door.
    ModelBuilder b;
    const HouseMaterials m = houseMaterials(b, {1.0f, 0.92f, 0.8f});
    const int gold = b.material("schild", texturePath("metall.jpg"), {1.0f, 0.8f, 0.3f}, 0.15f, 40.0f);
    b.part(InnFixed);
    b.use(m.stone);
    b.box({-4.5f, 0, -3.0f}, {4.5f, 3.2f, 3.0f}, 2.0f);
    b.use(m.plaster);
    b.box({-4.5f, 3.2f, -3.0f}, {4.5f, 6.2f, 3.0f}, 2.0f);
    b.use(m.wood);
    b.box({-4.55f, 3.1f, 3.0f}, {4.55f, 3.35f, 3.08f});
    for (float x : {-4.55f, -1.6f, 1.35f, 4.3f}) {
        b.box({x, 3.2f, 3.0f}, {x + 0.25f, 6.2f, 3.08f});
    }
    b.box({-0.9f, 0, 3.0f}, {0.9f, 2.4f, 3.12f}); // double door
    b.use(m.glass);
    b.box({-0.05f, 0, 3.12f}, {0.05f, 2.4f, 3.14f});
    frontWindow(b, m, -2.8f, 1.6f, 1.2f, 1.0f, 3.0f);
    frontWindow(b, m, 2.8f, 1.6f, 1.2f, 1.0f, 3.0f);
    for (float x : {-3.0f, 0.0f, 3.0f}) {
        frontWindow(b, m, x, 4.7f, 1.0f, 0.9f, 3.08f);
    }
    sideWindow(b, m, 4.5f, 1.0f, 0.0f, 4.7f, 1.0f, 0.9f);
    sideWindow(b, m, -4.5f, -1.0f, 0.0f, 4.7f, 1.0f, 0.9f);
    b.use(m.roof);
    b.gableRoof(-4.5f, 4.5f, -3.0f, 3.0f, 6.2f, 2.8f, 0.5f, 2.0f);
    b.use(m.stone);
    b.box({-3.2f, 7.0f, -1.8f}, {-2.5f, 10.0f, -1.1f});
    b.use(m.wood);
    b.box({signHinge.x - 0.08f, signHinge.y, 3.0f}, {signHinge.x + 0.08f, signHinge.y + 0.15f, 4.6f}); // bracket
    b.part(InnSign);
    b.box({signHinge.x - 0.02f, 3.4f, 3.65f}, {signHinge.x + 0.02f, signHinge.y, 3.7f}); // chains
    b.box({signHinge.x - 0.02f, 3.4f, 4.3f}, {signHinge.x + 0.02f, signHinge.y, 4.35f});
    b.box({signHinge.x - 0.06f, 2.55f, 3.5f}, {signHinge.x + 0.06f, 3.4f, 4.5f});
    b.use(gold);
    for (float x : {signHinge.x - 0.09f, signHinge.x + 0.06f}) {
        b.box({x, 2.75f, 3.8f}, {x + 0.03f, 3.2f, 4.15f}); // a tankard on both faces
    }
    BuiltModel built;
    built.model = b.model();
    built.customBox = true;
    built.boxMin = {-4.6f, 0, -3.1f};
    built.boxMax = {4.6f, 10.0f, 3.1f};
    built.pose = [](V3 p, int part, const std::string&, int k) {
        if (part != InnSign) {
            return p;
        }
        const float angle = k == 0 ? 16.0f : (k == 1 ? 5.0f : -14.0f);
        return Frame::rotationAbout(signHinge, {0, 0, 1}, angle).apply(p);
    };
    return built;
}

BuiltModel buildHermitHouse()
{
    // Log hut placed at scale 1.5; its chimney top sits where the level puts the smoke.
    ModelBuilder b;
    const HouseMaterials m = houseMaterials(b, {1, 1, 1});
    const int thatch = b.material("stroh", texturePath("stroh.jpg"), {1.0f, 0.95f, 0.85f});
    b.use(m.wood);
    for (int i = 0; i < 7; ++i) {
        const float y = 0.38f * static_cast<float>(i);
        b.box({-2.5f, y, -2.0f}, {2.5f, y + 0.36f, 2.0f}, 1.5f); // stacked logs
    }
    b.box({-0.55f, 0, 2.0f}, {0.55f, 1.9f, 2.1f});
    frontWindow(b, m, 1.5f, 1.4f, 0.7f, 0.6f, 2.0f);
    b.use(thatch);
    b.gableRoof(-2.5f, 2.5f, -2.0f, 2.0f, 2.66f, 1.5f, 0.45f, 1.5f);
    b.use(m.stone);
    b.box({0.72f, 2.0f, -0.95f}, {1.28f, 4.67f, -0.39f});
    BuiltModel built;
    built.model = b.model();
    built.customBox = true;
    built.boxMin = {-2.6f, 0, -2.1f};
    built.boxMax = {2.6f, 4.7f, 2.1f};
    return built;
}

BuiltModel buildWell()
{
    // Placed at scale 0.05: a ring wall of radius 22 and a little roof.
    ModelBuilder b;
    const HouseMaterials m = houseMaterials(b, {1, 1, 1});
    const int water = b.material("wasser", texturePath("wasser02.jpg"), {0.3f, 0.45f, 0.6f});
    b.use(m.stone);
    b.cylinder({0, 0, 0}, 22, 22, 16, 12, false, 6.0f);
    b.cylinder({0, 16, 0}, 22, 19, 2, 12, false, 6.0f);
    b.use(water);
    b.cylinder({0, 8, 0}, 19.5f, 19.5f, 0.5f, 12, true);
    b.use(m.wood);
    for (float x : {-20.0f, 18.0f}) {
        b.box({x, 16, -1.5f}, {x + 2, 46, 1.5f});
    }
    b.place(Frame::rotation({0, 0, 1}, 90.0f).then(Frame::translation({20, 36, 0})));
    b.cylinder({0, 0, 0}, 1.4f, 1.4f, 40, 6, true); // windlass
    b.resetPlace();
    b.box({-0.3f, 26, -0.3f}, {0.3f, 36, 0.3f}); // rope
    b.cylinder({0, 21, 0}, 3.2f, 3.8f, 5, 8, true); // bucket
    b.use(m.roof);
    b.gableRoof(-24, 24, -16, 16, 45, 13, 2, 12);
    BuiltModel built;
    built.model = b.model();
    built.customBox = true;
    built.boxMin = {-23, 0, -23};
    built.boxMax = {23, 58, 23};
    return built;
}

BuiltModel buildBoundaryWall()
{
    // A palisade 200 units long along z; the levels turn it onto each side
    // of the square, and Level 4 stretches it into the barrier at the river.
    ModelBuilder b;
    const int wood = b.material("palisade", texturePath("holz.jpg"), {0.85f, 0.75f, 0.65f});
    b.use(wood);
    b.box({-0.3f, 0, -100}, {0.3f, 2.4f, 100}, 2.0f);
    for (int i = 0; i <= 20; ++i) {
        const float z = -100.0f + 10.0f * static_cast<float>(i);
        const float z0 = std::max(-100.0f, z - 0.5f), z1 = std::min(100.0f, z + 0.5f);
        b.box({-0.5f, 0, z0}, {0.5f, 3.0f, z1});
    }
    BuiltModel built;
    built.model = b.model();
    built.customBox = true;
    built.boxMin = {-0.5f, 0, -100};
    built.boxMax = {0.5f, 3.0f, 100};
    return built;
}

BuiltModel buildBridge()
{
    // Arched footbridge 44 units long along z and 4.4 wide; Level 4 turns it
    // across the river and widens it by 1.2 to span the fences' gap.
    ModelBuilder b;
    const HouseMaterials m = houseMaterials(b, {1, 1, 1});
    const int planks = b.material("planken", texturePath("holz.jpg"), {0.8f, 0.65f, 0.5f});
    const int segments = 11;
    auto arch = [](float z) { return 1.0f * (1.0f - (z / 22.0f) * (z / 22.0f)); };
    for (int i = 0; i < segments; ++i) {
        const float z0 = -22.0f + 4.0f * static_cast<float>(i), z1 = z0 + 4.0f;
        const float y = arch(0.5f * (z0 + z1));
        b.use(planks);
        b.box({-2.2f, y, z0}, {2.2f, y + 0.3f, z1}, 2.0f);
        b.use(m.wood);
        for (float x : {-2.15f, 2.0f}) {
            b.box({x, y + 0.3f, z0}, {x + 0.15f, y + 1.3f, z0 + 0.2f}); // rail posts
            b.box({x - 0.02f, y + 1.2f, z0}, {x + 0.17f, y + 1.35f, z1}); // hand rail
        }
    }
    b.use(m.stone);
    for (float z : {-13.0f, 13.0f}) {
        b.box({-1.8f, -3.5f, z - 1.0f}, {1.8f, arch(z), z + 1.0f}); // piers
    }
    BuiltModel built;
    built.model = b.model();
    built.customBox = true;
    built.boxMin = {-2.3f, 0, -22};
    built.boxMax = {2.3f, 2.4f, 22};
    return built;
}

BuiltModel buildFence()
{
    // A rail fence running 55 units along +z from its post at the origin:
    // the river banks' fences start at the bridge and run away from it.
    ModelBuilder b;
    const int wood = b.material("zaun", texturePath("holz.jpg"), {0.75f, 0.6f, 0.45f});
    b.use(wood);
    for (int i = 0; i <= 11; ++i) {
        const float z = 5.0f * static_cast<float>(i);
        b.box({-0.15f, 0, std::max(0.0f, z - 0.15f)}, {0.15f, 1.5f, std::min(55.0f, z + 0.15f)});
    }
    for (float y : {0.55f, 1.15f}) {
        b.box({-0.08f, y, 0}, {0.08f, y + 0.15f, 55}, 2.0f);
    }
    BuiltModel built;
    built.model = b.model();
    return built;
}
