// The snake model, for the babies and their mother, and its poses.
// One file per animal, its poses beside its shape.

#include "ModelBuilder.h"
#include "Models.h"

#include <algorithm>
#include <cmath>

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
