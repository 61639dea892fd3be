// The small things: sign, ring, wheelbarrow, sack, feed, manger, cage, dialog panel; the catalogue.
// One file per kind of model, so the generator's recipes read in groups.

#include "ModelBuilder.h"
#include "Models.h"

namespace {

int wood(ModelBuilder& b) { return b.material("holz", texturePath("holz.jpg"), {0.9f, 0.8f, 0.7f}); }

BuiltModel finish(const ModelBuilder& b)
{
    BuiltModel built;
    built.model = b.model();
    return built;
}

} // namespace

BuiltModel buildSign()
{
    // Placed at scale 0.1: a signpost 22 units tall with an arrow board.
    ModelBuilder b;
    const int w = wood(b);
    const int paint = b.material("farbe", "", {0.95f, 0.92f, 0.8f});
    b.use(w);
    b.cylinder({0, 0, 0}, 1.2f, 1.0f, 22, 6, true, 1.0f, 3.0f);
    b.box({-8, 14, -0.6f}, {6, 20, 0.6f}, 4.0f);
    const int a = b.vertex({6, 13, -0.6f}), c = b.vertex({10, 17, -0.6f}), d = b.vertex({6, 21, -0.6f});
    const int a2 = b.vertex({6, 13, 0.6f}), c2 = b.vertex({10, 17, 0.6f}), d2 = b.vertex({6, 21, 0.6f});
    const float s[3] = {0, 1, 0}, t[3] = {0, 0.5f, 1};
    b.triangle(a2, c2, d2, s, t);
    b.triangle(a, d, c, s, t);
    b.quad({6, 13, -0.6f}, {10, 17, -0.6f}, {10, 17, 0.6f}, {6, 13, 0.6f});
    b.quad({10, 17, -0.6f}, {6, 21, -0.6f}, {6, 21, 0.6f}, {10, 17, 0.6f});
    b.use(paint);
    for (int line = 0; line < 2; ++line) {
        const float y = 16.0f + 2.0f * static_cast<float>(line);
        b.box({-6, y, 0.6f}, {line == 0 ? 4.0f : 2.0f, y + 0.7f, 0.75f}); // lettering
        b.box({-6, y, -0.75f}, {line == 0 ? 4.0f : 2.0f, y + 0.7f, -0.6f});
    }
    BuiltModel built = finish(b);
    built.customBox = true;
    built.boxMin = {-8, 0, -1.3f};
    built.boxMax = {8, 22, 1.3f};
    return built;
}

BuiltModel buildRing()
{
    // The avatar carries it at its own position, so the ring floats above
    // the figure's head (2.5 units tall) where the player sees it.
    ModelBuilder b;
    const int gold = b.material("gold", texturePath("metall.jpg"), {1.0f, 0.8f, 0.3f}, 0.25f, 80.0f);
    const int gem = b.material("stein", "", {0.9f, 0.05f, 0.1f}, 0.3f, 90.0f);
    b.use(gold);
    constexpr int pieces = 12;
    for (int i = 0; i < pieces; ++i) {
        const float angle = 360.0f * static_cast<float>(i) / pieces;
        b.place(Frame::rotation({0, 0, 1}, angle).then(Frame::translation({0, 3.3f, 0})));
        b.box({-0.12f, 0.36f, -0.06f}, {0.12f, 0.46f, 0.06f});
    }
    b.resetPlace();
    b.use(gem);
    b.ellipsoid({0, 3.8f, 0}, {0.12f, 0.12f, 0.12f}, 4, 6);
    return finish(b);
}

BuiltModel buildWheelbarrow()
{
    // Placed at scale 0.3 and pushed in front of the avatar: the wheel leads
    // at +z, the handles point back at the one pushing it.
    ModelBuilder b;
    const int w = wood(b);
    const int iron = b.material("eisen", texturePath("metall.jpg"), {0.5f, 0.5f, 0.55f}, 0.0f, 30.0f);
    b.use(w);
    b.box({-1.6f, 1.4f, -1.6f}, {1.6f, 1.6f, 2.0f});    // tray floor
    b.box({-1.7f, 1.6f, -1.7f}, {-1.5f, 2.9f, 2.1f});   // sides
    b.box({1.5f, 1.6f, -1.7f}, {1.7f, 2.9f, 2.1f});
    b.box({-1.5f, 1.6f, 1.9f}, {1.5f, 2.9f, 2.1f});
    b.box({-1.5f, 1.6f, -1.7f}, {1.5f, 2.9f, -1.5f});
    for (float x : {-1.3f, 1.1f}) {
        b.box({x, 1.3f, -5.0f}, {x + 0.2f, 1.55f, 3.0f}); // shafts
        b.box({x, 0, -1.3f}, {x + 0.2f, 1.4f, -1.1f});    // legs
    }
    b.use(iron);
    b.place(Frame::rotation({0, 0, 1}, 90.0f).then(Frame::translation({0.25f, 1.0f, 3.0f})));
    b.cylinder({0, 0, 0}, 1.0f, 1.0f, 0.5f, 10, true);
    b.resetPlace();
    return finish(b);
}

BuiltModel buildSack()
{
    // Drawn where the wheelbarrow is, at ground level: the sack itself sits
    // at the height of the tray so it rides in it.
    ModelBuilder b;
    const int burlap = b.material("sack", texturePath("sack.jpg"), {1.0f, 0.95f, 0.85f});
    const int string = b.material("schnur", "", {0.5f, 0.4f, 0.2f});
    b.use(burlap);
    b.ellipsoid({0, 3.5f, 0}, {1.2f, 1.0f, 0.95f}, 5, 8);
    b.ellipsoid({0.3f, 3.2f, 0.2f}, {0.9f, 0.7f, 0.8f}, 4, 6); // a lump of grain
    b.cylinder({0, 4.25f, 0}, 0.6f, 0.14f, 0.5f, 6, false);     // gathered neck
    b.cylinder({0, 4.75f, 0}, 0.14f, 0.4f, 0.35f, 6, true);     // tuft above the knot
    b.use(string);
    b.cylinder({0, 4.62f, 0}, 0.2f, 0.2f, 0.12f, 6, false);
    BuiltModel built = finish(b);
    built.customBox = true;
    built.boxMin = {-1.2f, 0, -0.95f};
    built.boxMax = {1.2f, 5.1f, 0.95f};
    return built;
}

BuiltModel buildFeedPile()
{
    // Placed at scale 0.3: a heap of grain with two full sacks leaning on it.
    ModelBuilder b;
    const int grain = b.material("futter", texturePath("stroh.jpg"), {1.0f, 0.9f, 0.6f});
    const int burlap = b.material("sack", texturePath("sack.jpg"), {1.0f, 0.95f, 0.85f});
    b.use(grain);
    b.ellipsoid({0, 0, 0}, {7, 4, 6}, 5, 12, 3.0f, 2.0f);
    b.ellipsoid({3, 0, 2}, {4, 3, 3.5f}, 4, 8, 2.0f, 1.0f);
    b.use(burlap);
    b.ellipsoid({-6, 1.5f, 4}, {1.6f, 2.2f, 1.4f}, 5, 8);
    b.ellipsoid({6.5f, 1.5f, -3}, {1.6f, 2.2f, 1.4f}, 5, 8);
    BuiltModel built = finish(b);
    built.customBox = true;
    built.boxMin = {-7.6f, 0, -6};
    built.boxMax = {8.1f, 4, 6};
    return built;
}

namespace {

// A trough on four legs, 12 long along x; broken, one side hangs loose and a leg is gone.
BuiltModel manger(bool broken)
{
    ModelBuilder b;
    const int w = wood(b);
    const int hay = b.material("heu", texturePath("stroh.jpg"), {0.95f, 0.95f, 0.6f});
    b.use(w);
    b.box({-6, 2.5f, -1.0f}, {6, 2.8f, 1.0f}); // bottom
    b.box({-6.2f, 2.5f, -2.0f}, {-5.9f, 5.0f, 2.0f}); // ends
    b.box({5.9f, 2.5f, -2.0f}, {6.2f, 5.0f, 2.0f});
    b.place(Frame::rotationAbout({0, 2.8f, 1.0f}, {1, 0, 0}, -25.0f));
    b.box({-6, 2.8f, 0.9f}, {6, 5.0f, 1.2f}); // front side, slanted outwards
    b.resetPlace();
    if (broken) {
        b.place(Frame::rotationAbout({0, 2.8f, -1.0f}, {1, 0, 0}, 80.0f).then(Frame::rotationAbout({0, 0, 0}, {0, 1, 0}, 8.0f)));
    } else {
        b.place(Frame::rotationAbout({0, 2.8f, -1.0f}, {1, 0, 0}, 25.0f));
    }
    b.box({-6, 2.8f, -1.2f}, {6, 5.0f, -0.9f}); // back side
    b.resetPlace();
    const V3 legs[4] = {{-5.5f, 0, -0.8f}, {5.2f, 0, -0.8f}, {-5.5f, 0, 0.5f}, {5.2f, 0, 0.5f}};
    for (int i = 0; i < 4; ++i) {
        if (broken && i == 1) {
            b.place(Frame::rotationAbout({0, 0, 0}, {0, 0, 1}, 85.0f).then(Frame::translation({6.5f, 0.3f, 2.5f})));
            b.box({0, 0, 0}, {0.3f, 2.5f, 0.3f}); // the fallen leg on the ground
            b.resetPlace();
            continue;
        }
        b.box(legs[i], legs[i] + V3{0.3f, 2.5f, 0.3f});
    }
    b.use(hay);
    if (!broken) {
        b.ellipsoid({0, 3.6f, 0}, {5.6f, 1.2f, 1.4f}, 4, 10, 3.0f, 1.0f);
    } else {
        b.ellipsoid({-2, 0.3f, 3.0f}, {3.0f, 0.6f, 1.5f}, 3, 8, 2.0f, 1.0f); // spilled
    }
    BuiltModel built;
    built.model = b.model();
    built.customBox = true;
    built.boxMin = {-6.3f, 0, -2.1f};
    built.boxMax = {6.3f, 5.0f, 2.1f};
    return built;
}

// A barred cage 10 x 10 units on a plank floor; the open one has its front door swung wide.
BuiltModel cage(bool open)
{
    ModelBuilder b;
    const int w = wood(b);
    const int iron = b.material("gitter", texturePath("metall.jpg"), {0.45f, 0.45f, 0.5f}, 0.0f, 30.0f);
    b.use(w);
    b.box({-5, 0, -5}, {5, 0.5f, 5}, 2.0f);
    b.box({-5.2f, 6.0f, -5.2f}, {5.2f, 6.6f, 5.2f}, 2.0f);
    for (float x : {-5.0f, 4.6f}) {
        for (float z : {-5.0f, 4.6f}) {
            b.box({x, 0.5f, z}, {x + 0.4f, 6.0f, z + 0.4f});
        }
    }
    b.use(iron);
    auto bars = [&b](V3 from, V3 step, int count) {
        for (int i = 1; i < count; ++i) {
            const V3 at = from + step * static_cast<float>(i);
            b.cylinder(at, 0.08f, 0.08f, 5.5f, 4, false);
        }
    };
    bars({-5, 0.5f, -4.8f}, {1, 0, 0}, 10);   // back
    bars({-4.8f, 0.5f, -5}, {0, 0, 1}, 10);   // sides
    bars({4.8f, 0.5f, -5}, {0, 0, 1}, 10);
    if (open) {
        b.place(Frame::rotationAbout({-4.8f, 0, 4.8f}, {0, 1, 0}, -110.0f));
    }
    bars({-5, 0.5f, 4.8f}, {1, 0, 0}, 10);    // front door
    b.box({-4.8f, 0.6f, 4.75f}, {4.6f, 0.8f, 4.85f});
    b.box({-4.8f, 5.7f, 4.75f}, {4.6f, 5.9f, 4.85f});
    b.resetPlace();
    BuiltModel built;
    built.model = b.model();
    built.customBox = true;
    built.boxMin = {-5.2f, 0, -5.2f};
    built.boxMax = {5.2f, 6.6f, 5.2f};
    return built;
}

} // namespace

BuiltModel buildBrokenManger() { return manger(true); }
BuiltModel buildManger() { return manger(false); }
BuiltModel buildOpenCage() { return cage(true); }
BuiltModel buildShutCage() { return cage(false); }

BuiltModel buildDialogPanel()
{
    // Drawn in normalised device coordinates at (0, -0.85) with scale
    // (0.25, 0.4): x -2.56..2.56 and y -0.325..1.925 put the panel in the
    // middle, from -0.64 to 0.64 across and -0.98 to -0.08 up, so the text
    // lines, which start at a quarter of the width and 60 % of the height
    // down, keep a margin of 56 pixels to the left and 24 above at 800 x 600.
    ModelBuilder b;
    const int panel = b.material("dialog", texturePath("dialog.jpg"), {0.7f, 0.65f, 0.6f}, 0.8f);
    b.use(panel);
    b.quad({-2.56f, -0.325f, 0}, {2.56f, -0.325f, 0}, {2.56f, 1.925f, 0}, {-2.56f, 1.925f, 0});
    return finish(b);
}

const std::vector<ModelRecipe>& modelCatalogue()
{
    static const std::vector<ModelRecipe> catalogue = {
        {"avatarfinal", buildAvatar},
        {"priest", buildPriest},
        {"altefrau", buildOldWoman},
        {"einsiedler", buildHermit},
        {"zoellner", buildCustomsOfficer},
        {"held", buildHero},
        {"sheep", buildSheep},
        {"huhn", buildChicken},
        {"schlange", buildSnake},
        {"haus2", buildHouse},
        {"kirSche", buildChurch},
        {"wiazhaus", buildInn},
        {"einsiedlerhaus", buildHermitHouse},
        {"brunnen", buildWell},
        {"lvlbdry", buildBoundaryWall},
        {"bruecke", buildBridge},
        {"zaun2", buildFence},
        {"baum", buildTree},
        {"klwald", buildForest},
        {"wiese", buildMeadow},
        {"wiese2", buildRiverMeadow},
        {"berge3", buildHills3},
        {"berge4", buildHills4},
        {"berge5", buildHills5},
        {"sky", buildSky},
        {"sign", buildSign},
        {"ring", buildRing},
        {"scheibtruhe", buildWheelbarrow},
        {"sack", buildSack},
        {"futterhaufen", buildFeedPile},
        {"futterkrippekaputt", buildBrokenManger},
        {"futterkrippe", buildManger},
        {"kaefigauf", buildOpenCage},
        {"kaefigzu", buildShutCage},
        {"dialogbox", buildDialogPanel},
    };
    return catalogue;
}
