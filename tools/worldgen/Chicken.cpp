// The chicken model and its walking poses.
// One file per animal, its poses beside its shape.

#include "ModelBuilder.h"
#include "Models.h"

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
