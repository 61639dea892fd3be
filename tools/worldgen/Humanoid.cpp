// The humanoid body from its joints, its clothes, and its idle, walk and whistle poses.
// Apart from People.cpp so the body and its poses are written once for all six people.

#include "Humanoid.h"

#include "ModelBuilder.h"

namespace {

// Humanoid parts. Figures face +z, the way the game turns its characters.
enum HumanPart { Body, Head, ArmLeft, ArmRight, LegLeft, LegRight };

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

} // namespace

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
