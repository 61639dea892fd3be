// The sheep model and its walking poses.
// One file per animal, its poses beside its shape.

#include "ModelBuilder.h"
#include "Models.h"

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
