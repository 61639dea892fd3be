#include "ModelBuilder.h"
#include "Models.h"

#include <algorithm>
#include <cmath>

namespace {

// Humanoid parts. Figures face +z, the way the game turns its characters.
enum HumanPart { Body, Head, ArmLeft, ArmRight, LegLeft, LegRight };

enum class Headwear { None, Cap, Scarf, Hood, Feather };

struct Look {
    V3 shirt;
    V3 trousers;
    V3 hair;
    V3 robe;
    bool robed = false;
    Headwear headwear = Headwear::None;
    V3 headwearColour;
    bool beard = false;
    bool staff = false;
    bool backpack = false;
    bool badge = false;
    float height = 8.0f; // model units
};

// Joint positions for a figure 8 units tall, scaled with the figure.
struct Joints {
    float u;
    V3 hip(int side) const { return V3{0.45f * static_cast<float>(side), 3.6f, 0} * u; }
    V3 shoulder(int side) const { return V3{1.1f * static_cast<float>(side), 6.0f, 0} * u; }
    V3 neck() const { return V3{0, 6.2f, 0} * u; }
    V3 waist() const { return V3{0, 3.8f, 0} * u; }
};

GenModel buildHumanoid(const Look& look)
{
    const float u = look.height / 8.0f;
    ModelBuilder b;
    const int cloth = b.material("shirt", texturePath("stoff.jpg"), look.shirt);
    const int legs = b.material("trousers", texturePath("stoff.jpg"), look.trousers);
    const int skin = b.material("skin", texturePath("haut.jpg"), {1.0f, 0.9f, 0.85f});
    const int hair = b.material("hair", texturePath("wolle.jpg"), look.hair);
    const int leather = b.material("leather", texturePath("holz.jpg"), {0.45f, 0.3f, 0.2f});
    const int dark = b.material("eyes", "", {0.05f, 0.05f, 0.08f});
    auto s = [u](V3 v) { return v * u; };

    for (int side : {1, -1}) {
        const float x = 0.45f * static_cast<float>(side);
        b.part(side > 0 ? LegLeft : LegRight);
        b.use(legs);
        b.cylinder(s({x, 0.4f, 0}), 0.33f * u, 0.4f * u, 3.3f * u, 6, true);
        b.use(leather);
        b.box(s({x - 0.28f, 0, -0.35f}), s({x + 0.28f, 0.45f, 0.6f}));
    }

    b.part(Body);
    b.use(legs);
    b.box(s({-0.85f, 3.4f, -0.45f}), s({0.85f, 4.1f, 0.45f}));
    b.use(cloth);
    b.cylinder(s({0, 4.0f, 0}), 0.8f * u, 0.95f * u, 2.2f * u, 8, true, 2.0f);
    b.use(leather);
    b.cylinder(s({0, 3.9f, 0}), 0.86f * u, 0.86f * u, 0.3f * u, 8, false); // belt
    if (look.robed) {
        const int robe = b.material("robe", texturePath("stoff.jpg"), look.robe);
        b.use(robe);
        b.cylinder(s({0, 0.25f, 0}), 1.3f * u, 0.92f * u, 3.9f * u, 10, true, 3.0f, 2.0f);
    }
    if (look.backpack) {
        b.use(leather);
        b.box(s({-0.6f, 4.4f, -1.3f}), s({0.6f, 5.9f, -0.75f}));
    }
    if (look.badge) {
        const int brass = b.material("badge", texturePath("metall.jpg"), {1.0f, 0.85f, 0.3f}, 0.2f, 60.0f);
        b.use(brass);
        b.box(s({0.25f, 5.3f, 0.9f}), s({0.6f, 5.65f, 1.0f}));
    }

    for (int side : {1, -1}) {
        const float x = 1.1f * static_cast<float>(side);
        b.part(side > 0 ? ArmLeft : ArmRight);
        b.use(look.robed ? b.material("sleeve", texturePath("stoff.jpg"), look.robe) : cloth);
        b.cylinder(s({x, 3.8f, 0}), 0.24f * u, 0.3f * u, 2.3f * u, 6, true);
        b.use(skin);
        b.ellipsoid(s({x, 3.6f, 0}), V3{0.26f, 0.3f, 0.26f} * u, 4, 6);
        if (look.staff && side > 0) {
            b.use(leather);
            b.cylinder(s({x + 0.05f, 0.0f, 0.35f}), 0.1f * u, 0.1f * u, 7.8f * u, 5, true);
        }
    }

    b.part(Head);
    b.use(skin);
    b.cylinder(s({0, 6.15f, 0}), 0.26f * u, 0.26f * u, 0.35f * u, 6, false);
    b.ellipsoid(s({0, 6.95f, 0}), V3{0.55f, 0.66f, 0.55f} * u, 6, 10);
    b.box(s({-0.07f, 6.78f, 0.48f}), s({0.07f, 6.98f, 0.66f})); // nose
    b.use(dark);
    for (int side : {1, -1}) {
        const float x = 0.2f * static_cast<float>(side);
        b.box(s({x - 0.07f, 7.02f, 0.47f}), s({x + 0.07f, 7.14f, 0.55f}));
    }
    b.use(dark);
    b.box(s({-0.16f, 6.6f, 0.45f}), s({0.16f, 6.65f, 0.53f})); // mouth
    b.use(hair);
    b.ellipsoid(s({0, 7.2f, -0.12f}), V3{0.6f, 0.5f, 0.56f} * u, 5, 10);
    if (look.beard) {
        b.ellipsoid(s({0, 6.45f, 0.32f}), V3{0.45f, 0.6f, 0.3f} * u, 5, 8);
    }
    switch (look.headwear) {
    case Headwear::None:
        break;
    case Headwear::Cap: {
        const int cap = b.material("cap", texturePath("stoff.jpg"), look.headwearColour);
        b.use(cap);
        b.cylinder(s({0, 7.35f, -0.05f}), 0.62f * u, 0.66f * u, 0.45f * u, 10, true);
        b.box(s({-0.45f, 7.35f, 0.3f}), s({0.45f, 7.45f, 0.95f}));
        break;
    }
    case Headwear::Scarf: {
        const int scarf = b.material("scarf", texturePath("stoff.jpg"), look.headwearColour);
        b.use(scarf);
        b.ellipsoid(s({0, 7.1f, -0.15f}), V3{0.68f, 0.74f, 0.64f} * u, 6, 10);
        b.cylinder(s({0, 6.1f, -0.1f}), 0.55f * u, 0.35f * u, 0.6f * u, 8, false);
        break;
    }
    case Headwear::Hood: {
        const int hood = b.material("hood", texturePath("stoff.jpg"), look.headwearColour);
        b.use(hood);
        b.ellipsoid(s({0, 7.05f, -0.2f}), V3{0.74f, 0.82f, 0.72f} * u, 6, 10);
        b.cylinder(s({0, 7.5f, -0.45f}), 0.45f * u, 0.0f, 0.9f * u, 6, true);
        b.cylinder(s({0, 5.9f, 0}), 1.05f * u, 0.6f * u, 0.5f * u, 10, false); // cape shoulders
        break;
    }
    case Headwear::Feather: {
        const int hat = b.material("hat", texturePath("stoff.jpg"), look.headwearColour);
        const int feather = b.material("feather", texturePath("federn.jpg"), {0.9f, 0.2f, 0.15f});
        b.use(hat);
        b.cylinder(s({0, 7.3f, -0.05f}), 0.64f * u, 0.5f * u, 0.55f * u, 10, true);
        b.cylinder(s({0, 7.3f, -0.05f}), 0.95f * u, 0.95f * u, 0.08f * u, 10, true);
        b.use(feather);
        b.box(s({0.45f, 7.4f, -0.5f}), s({0.55f, 8.2f, -0.3f}));
        break;
    }
    }
    return b.model();
}

float wave(int keyframe, float a, float b, float c)
{
    return keyframe == 0 ? a : (keyframe == 1 ? b : c);
}

// Idle breathing, walking and the whistle pose, shared by every figure.
V3 poseHumanoid(V3 p, int part, const std::string& animation, int k, float u)
{
    const Joints j{u};
    auto side = [](int part) { return (part == ArmLeft || part == LegLeft) ? 1 : -1; };
    Frame f;
    if (animation == "walk") {
        const float swing = wave(k, 28.0f, 0.0f, -28.0f);
        const float lift = wave(k, 0.0f, 0.15f, 0.0f) * u;
        if (part == LegLeft || part == LegRight) {
            f = Frame::rotationAbout(j.hip(side(part)), {1, 0, 0}, side(part) > 0 ? -swing : swing);
        } else if (part == ArmLeft || part == ArmRight) {
            f = Frame::rotationAbout(j.shoulder(side(part)), {1, 0, 0}, side(part) > 0 ? 0.8f * swing : -0.8f * swing);
        }
        f = f.then(Frame::translation({0, lift, 0}));
        if (part != LegLeft && part != LegRight) {
            f = f.then(Frame::rotationAbout(j.waist(), {1, 0, 0}, 4.0f)); // lean into the step
        }
        return f.apply(p);
    }
    if (animation == "fight") {
        // Fingers to the mouth, the other arm waving: the whistle.
        if (part == ArmLeft) {
            f = Frame::rotationAbout(j.shoulder(1), {1, 0, 0}, wave(k, -125.0f, -135.0f, -128.0f))
                    .then(Frame::rotationAbout(j.shoulder(1), {0, 1, 0}, -25.0f));
        } else if (part == ArmRight) {
            f = Frame::rotationAbout(j.shoulder(-1), {0, 0, 1}, wave(k, -110.0f, -150.0f, -120.0f));
        } else if (part == Head) {
            f = Frame::rotationAbout(j.neck(), {1, 0, 0}, wave(k, -8.0f, -14.0f, -6.0f));
        }
        return f.then(Frame::translation({0, wave(k, 0.0f, 0.1f, 0.05f) * u, 0})).apply(p);
    }
    // "default": breathing, looking around.
    const float breath = wave(k, 0.08f, 0.03f, 0.0f) * u;
    if (part == ArmLeft || part == ArmRight) {
        f = Frame::rotationAbout(j.shoulder(side(part)), {0, 0, 1},
                                 static_cast<float>(side(part)) * wave(k, 5.0f, 2.0f, 3.0f));
    } else if (part == Head) {
        f = Frame::rotationAbout(j.neck(), {0, 1, 0}, wave(k, 0.0f, 18.0f, -14.0f))
                .then(Frame::rotationAbout(j.neck(), {1, 0, 0}, wave(k, 4.0f, 0.0f, -3.0f)));
    }
    if (part != LegLeft && part != LegRight) {
        f = f.then(Frame::translation({0, breath, 0}));
    }
    return f.apply(p);
}

BuiltModel humanoid(const Look& look)
{
    BuiltModel built;
    built.model = buildHumanoid(look);
    const float u = look.height / 8.0f;
    built.pose = [u](V3 p, int part, const std::string& animation, int k) {
        return poseHumanoid(p, part, animation, k, u);
    };
    return built;
}

} // namespace

BuiltModel buildAvatar()
{
    Look look;
    look.shirt = {0.3f, 0.6f, 0.3f};
    look.trousers = {0.45f, 0.33f, 0.2f};
    look.hair = {0.5f, 0.3f, 0.12f};
    look.headwear = Headwear::Feather;
    look.headwearColour = {0.25f, 0.45f, 0.22f};
    look.backpack = true;
    return humanoid(look);
}

BuiltModel buildPriest()
{
    Look look;
    look.shirt = {0.12f, 0.12f, 0.14f};
    look.trousers = {0.12f, 0.12f, 0.14f};
    look.hair = {0.55f, 0.55f, 0.55f};
    look.robed = true;
    look.robe = {0.16f, 0.15f, 0.2f};
    look.badge = true; // a brass cross on the chest
    return humanoid(look);
}

BuiltModel buildOldWoman()
{
    Look look;
    look.shirt = {0.55f, 0.25f, 0.25f};
    look.trousers = {0.3f, 0.3f, 0.35f};
    look.hair = {0.85f, 0.85f, 0.85f};
    look.robed = true;
    look.robe = {0.35f, 0.3f, 0.45f};
    look.headwear = Headwear::Scarf;
    look.headwearColour = {0.75f, 0.62f, 0.3f};
    look.height = 7.2f;
    return humanoid(look);
}

BuiltModel buildHermit()
{
    Look look;
    look.shirt = {0.45f, 0.38f, 0.25f};
    look.trousers = {0.35f, 0.3f, 0.2f};
    look.hair = {0.8f, 0.8f, 0.78f};
    look.robed = true;
    look.robe = {0.42f, 0.34f, 0.2f};
    look.beard = true;
    look.staff = true;
    return humanoid(look);
}

BuiltModel buildCustomsOfficer()
{
    Look look;
    look.shirt = {0.2f, 0.3f, 0.55f};
    look.trousers = {0.15f, 0.18f, 0.3f};
    look.hair = {0.2f, 0.15f, 0.1f};
    look.headwear = Headwear::Cap;
    look.headwearColour = {0.15f, 0.2f, 0.4f};
    look.badge = true;
    return humanoid(look);
}

BuiltModel buildHero()
{
    Look look;
    look.shirt = {0.3f, 0.3f, 0.32f};
    look.trousers = {0.2f, 0.2f, 0.22f};
    look.hair = {0.1f, 0.1f, 0.1f};
    look.robed = true;
    look.robe = {0.45f, 0.12f, 0.1f};
    look.headwear = Headwear::Hood;
    look.headwearColour = {0.4f, 0.1f, 0.08f};
    look.staff = true;
    look.height = 2.4f; // placed at scale 1, unlike the other figures
    return humanoid(look);
}

namespace {

enum SheepPart { SheepBody, SheepHead, LegFrontLeft, LegFrontRight, LegBackLeft, LegBackRight };

} // namespace

BuiltModel buildSheep()
{
    // Placed at scale 0.04: 40 units long, 28 tall.
    ModelBuilder b;
    const int fleece = b.material("fleece", texturePath("wolle.jpg"), {0.22f, 0.2f, 0.2f});
    const int face = b.material("face", texturePath("haut.jpg"), {0.12f, 0.1f, 0.1f});
    const int eyes = b.material("eyes", "", {0.9f, 0.85f, 0.6f});
    const int hoof = b.material("legs", texturePath("haut.jpg"), {0.1f, 0.09f, 0.09f});
    b.part(SheepBody);
    b.use(fleece);
    b.ellipsoid({0, 17, -1}, {10, 8.5f, 15}, 7, 12);
    b.ellipsoid({0, 23, -13}, {4, 3, 4}, 4, 6); // tail tuft
    b.part(SheepHead);
    b.use(fleece);
    b.ellipsoid({0, 24, 12}, {6, 5.5f, 5.5f}, 5, 8);
    b.use(face);
    b.ellipsoid({0, 22, 17}, {4, 4.5f, 6}, 5, 8);
    for (int side : {1, -1}) {
        const float x = static_cast<float>(side);
        b.use(face);
        b.ellipsoid({x * 6.5f, 25, 14}, {3, 1.2f, 1.8f}, 3, 6); // ears
        b.use(eyes);
        b.box({x * 2.2f - 0.8f, 24, 19.5f}, {x * 2.2f + 0.8f, 25.5f, 21});
    }
    const V3 legs[4] = {{5, 0, 9}, {-5, 0, 9}, {5, 0, -10}, {-5, 0, -10}};
    for (int i = 0; i < 4; ++i) {
        b.part(LegFrontLeft + i);
        b.use(hoof);
        b.cylinder(legs[i], 1.6f, 2.0f, 12, 6, true);
    }
    BuiltModel built;
    built.model = b.model();
    built.pose = [](V3 p, int part, const std::string& animation, int k) {
        Frame f;
        const V3 neck{0, 20, 10};
        if (animation == "walk") {
            const float swing = k == 0 ? 22.0f : -22.0f;
            const V3 hips[4] = {{5, 12, 9}, {-5, 12, 9}, {5, 12, -10}, {-5, 12, -10}};
            if (part >= LegFrontLeft) {
                const int leg = part - LegFrontLeft;
                const bool diagonal = (leg == 0 || leg == 3);
                f = Frame::rotationAbout(hips[leg], {1, 0, 0}, diagonal ? -swing : swing);
            } else if (part == SheepHead) {
                f = Frame::rotationAbout(neck, {1, 0, 0}, k == 0 ? 6.0f : -4.0f);
            }
            if (part < LegFrontLeft) {
                f = f.then(Frame::translation({0, 0.8f, 0}));
            }
            return f.apply(p);
        }
        // "default": grazing, chewing, looking up.
        if (part == SheepHead) {
            f = Frame::rotationAbout(neck, {1, 0, 0}, k == 0 ? 40.0f : (k == 1 ? 34.0f : -5.0f));
            if (k == 2) {
                f = f.then(Frame::rotationAbout(neck, {0, 1, 0}, 25.0f));
            }
        } else if (part == SheepBody) {
            f = Frame::translation({0, k == 1 ? 0.6f : 0.0f, 0});
        }
        return f.apply(p);
    };
    return built;
}

namespace {

enum ChickenPart { ChickenBody, ChickenHead, ChickenLegLeft, ChickenLegRight, WingLeft, WingRight };

} // namespace

BuiltModel buildChicken()
{
    // Placed at scale 0.7 to 2: about 0.8 units tall.
    ModelBuilder b;
    const int feathers = b.material("feathers", texturePath("federn.jpg"), {1.0f, 0.95f, 0.88f});
    const int comb = b.material("comb", "", {0.85f, 0.1f, 0.08f});
    const int beak = b.material("beak", "", {0.95f, 0.65f, 0.1f});
    const int eye = b.material("eye", "", {0.02f, 0.02f, 0.02f});
    b.part(ChickenBody);
    b.use(feathers);
    b.ellipsoid({0, 0.42f, -0.02f}, {0.22f, 0.2f, 0.3f}, 6, 8);
    b.ellipsoid({0, 0.58f, -0.28f}, {0.1f, 0.16f, 0.1f}, 4, 6); // tail
    for (int side : {1, -1}) {
        b.part(side > 0 ? WingLeft : WingRight);
        b.use(feathers);
        b.ellipsoid({0.2f * static_cast<float>(side), 0.44f, -0.04f}, {0.05f, 0.13f, 0.22f}, 4, 6);
    }
    b.part(ChickenHead);
    b.use(feathers);
    b.ellipsoid({0, 0.57f, 0.17f}, {0.09f, 0.13f, 0.09f}, 4, 6); // neck
    b.ellipsoid({0, 0.7f, 0.22f}, {0.1f, 0.12f, 0.11f}, 5, 8);
    b.use(comb);
    b.box({-0.02f, 0.8f, 0.16f}, {0.02f, 0.88f, 0.3f});
    b.box({-0.02f, 0.58f, 0.3f}, {0.02f, 0.66f, 0.34f}); // wattle
    b.use(beak);
    b.cylinder({0, 0.7f, 0.31f}, 0.035f, 0.0f, 0.09f, 4, true);
    b.use(eye);
    for (int side : {1, -1}) {
        b.box({0.09f * static_cast<float>(side) - 0.015f, 0.73f, 0.26f},
              {0.09f * static_cast<float>(side) + 0.015f, 0.76f, 0.29f});
    }
    for (int side : {1, -1}) {
        b.part(side > 0 ? ChickenLegLeft : ChickenLegRight);
        b.use(beak);
        const float x = 0.08f * static_cast<float>(side);
        b.cylinder({x, 0.0f, 0.0f}, 0.018f, 0.018f, 0.26f, 4, false);
        b.box({x - 0.04f, 0.0f, -0.02f}, {x + 0.04f, 0.02f, 0.1f});
    }
    BuiltModel built;
    built.model = b.model();
    built.pose = [](V3 p, int part, const std::string& animation, int k) {
        Frame f;
        const V3 neck{0, 0.6f, 0.15f};
        if (animation == "walk") {
            const float swing = wave(k, 30.0f, 0.0f, -30.0f);
            if (part == ChickenLegLeft || part == ChickenLegRight) {
                const float x = part == ChickenLegLeft ? 0.08f : -0.08f;
                f = Frame::rotationAbout({x, 0.26f, 0}, {1, 0, 0}, part == ChickenLegLeft ? -swing : swing);
            } else if (part == ChickenHead) {
                f = Frame::translation({0, 0, wave(k, 0.05f, -0.02f, 0.05f)});
            } else if (part == WingLeft || part == WingRight) {
                const float side = part == WingLeft ? 1.0f : -1.0f;
                f = Frame::rotationAbout({0.18f * side, 0.55f, 0}, {0, 0, 1}, side * wave(k, 15.0f, 30.0f, 10.0f));
            }
            if (part != ChickenLegLeft && part != ChickenLegRight) {
                f = f.then(Frame::translation({0, wave(k, 0.0f, 0.03f, 0.0f), 0}));
            }
            return f.apply(p);
        }
        // "default": pecking, looking, ruffling.
        if (part == ChickenHead) {
            f = Frame::rotationAbout(neck, {1, 0, 0}, wave(k, 65.0f, 0.0f, -10.0f));
            if (k == 1) {
                f = f.then(Frame::rotationAbout(neck, {0, 1, 0}, 35.0f));
            }
        } else if (part == ChickenBody && k == 0) {
            f = Frame::rotationAbout({0, 0.2f, 0}, {1, 0, 0}, 15.0f);
        } else if ((part == WingLeft || part == WingRight) && k == 2) {
            const float side = part == WingLeft ? 1.0f : -1.0f;
            f = Frame::rotationAbout({0.18f * side, 0.55f, 0}, {0, 0, 1}, side * 40.0f);
        }
        return f.apply(p);
    };
    return built;
}

namespace {

enum SnakePart { SnakeBody, SnakeHead };
constexpr float snakeTail = -2.5f;
constexpr float snakeNeck = 1.7f;

// Points of the spine, tail to neck, with the body radius at each.
constexpr int spineRings = 14;

} // namespace

BuiltModel buildSnake()
{
    // 5 units from tail to snout; babies are placed at 0.4, the mother at 4.
    ModelBuilder b;
    const int scales = b.material("scales", texturePath("schuppen.jpg"), {0.7f, 0.85f, 0.45f});
    const int belly = b.material("belly", texturePath("schuppen.jpg"), {0.9f, 0.85f, 0.5f});
    const int eye = b.material("eye", "", {0.9f, 0.75f, 0.05f}, 0.3f);
    const int tongue = b.material("tongue", "", {0.8f, 0.1f, 0.15f});
    b.part(SnakeBody);
    b.use(scales);
    for (int i = 0; i < spineRings; ++i) {
        const float t0 = static_cast<float>(i) / spineRings, t1 = static_cast<float>(i + 1) / spineRings;
        const float z0 = snakeTail + (snakeNeck - snakeTail) * t0;
        const float r0 = 0.05f + 0.22f * std::sqrt(t0), r1 = 0.05f + 0.22f * std::sqrt(t1);
        // A segment is a cylinder lying along +z: turn a y-cylinder about x.
        b.place(Frame::rotation({1, 0, 0}, 90.0f).then(Frame::translation({0, 0.25f, z0})));
        b.cylinder({0, 0, 0}, r0, r1, (snakeNeck - snakeTail) / spineRings, 8, i == 0, 1.0f, 0.5f);
    }
    b.resetPlace();
    b.use(belly);
    b.box({-0.16f, 0.02f, snakeTail + 0.6f}, {0.16f, 0.06f, snakeNeck});
    b.part(SnakeHead);
    b.use(scales);
    b.ellipsoid({0, 0.3f, snakeNeck + 0.3f}, {0.3f, 0.2f, 0.42f}, 5, 8);
    b.use(eye);
    for (int side : {1, -1}) {
        const float x = 0.2f * static_cast<float>(side);
        b.box({x - 0.05f, 0.38f, snakeNeck + 0.4f}, {x + 0.05f, 0.46f, snakeNeck + 0.5f});
    }
    b.use(tongue);
    b.box({-0.02f, 0.26f, snakeNeck + 0.7f}, {0.02f, 0.28f, snakeNeck + 0.95f});
    BuiltModel built;
    built.model = b.model();
    built.pose = [](V3 p, int part, const std::string& animation, int k) {
        const float along = std::clamp((p.z - snakeTail) / (snakeNeck - snakeTail), 0.0f, 1.0f);
        const float phase = 2.0f * pi * static_cast<float>(k) / 3.0f;
        if (animation == "walk") {
            const float sway = 0.35f * std::sin(2.0f * pi * along * 1.5f + phase);
            return p + V3{sway, 0, 0};
        }
        if (animation == "attack") {
            // Rears up and strikes forward.
            const float rise = wave(k, 1.1f, 0.7f, 1.2f);
            const float lunge = wave(k, 0.0f, 0.6f, 0.1f);
            const float front = std::max(0.0f, (along - 0.55f) / 0.45f);
            // The head follows the neck, where `along` reaches 1.
            const V3 q = p + V3{0, rise * front * front, lunge * front};
            return q + V3{0.15f * std::sin(2.0f * pi * along + phase), 0, 0};
        }
        // "stunned": flat, head down and lolling.
        V3 q = p + V3{0.1f * std::sin(2.0f * pi * along * 2.0f + phase), 0, 0};
        if (part == SnakeHead) {
            const Frame loll = Frame::rotationAbout({0, 0.25f, snakeNeck}, {0, 0, 1}, wave(k, 35.0f, 50.0f, 25.0f))
                                   .then(Frame::rotationAbout({0, 0.25f, snakeNeck}, {1, 0, 0}, 20.0f));
            q = loll.apply(q);
        }
        return q;
    };
    return built;
}
