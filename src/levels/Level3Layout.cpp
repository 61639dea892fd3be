// The yard's placement table with its fifteen chickens, animations, selection rules, exits and camera.
// Apart from Level3 so the world generator can read the same table without the level's code.

#include "levels/Level3Layout.h"

#include <array>

namespace level3 {
namespace {

constexpr unsigned boxShadow = HasBox | CastsShadow;
constexpr unsigned character = HasBox | Animated | CastsShadow;
constexpr Vector3 carried{-100, 0, -100};
constexpr Vector3 third{0.3f, 0.3f, 0.3f};
constexpr Vector3 north{0, 0, 1};
constexpr const char* chicken = "data/huhn.ms3d";

constexpr Placement placements[] = {
    {"Licht", nullptr, lightPosition, unitScale, forwardReference},
    {"Licht2", nullptr, light2Position, unitScale, forwardReference},
    {"baum1", "data/baum.ms3d", {100, 0, 100}, {0.5f, 0.5f, 0.5f}, {-1, 0, 0.1f}, boxShadow},
    {"baum2", "data/baum.ms3d", {110, 0, 95}, {0.8f, 0.8f, 0.8f}, {-1, 0, 0.1f}, boxShadow},
    {"baum3", "data/baum.ms3d", {115, 0, 50}, unitScale, {-1, 0, 0.1f}, boxShadow},
    {"baum4", "data/baum.ms3d", {50, 0, 150}, {0.7f, 0.7f, 0.7f}, {-1, 0, 0.1f}, boxShadow},
    {"baum5", "data/baum.ms3d", {155, 0, 180}, {0.7f, 1, 0.8f}, {-1, 0, 0.1f}, boxShadow},
    {"sign", "data/sign.ms3d", {120, 0, 10}, {0.1f, 0.1f, 0.1f}, {15, 0, 20}, boxShadow},
    {"futter", "data/futterhaufen.ms3d", {175, 0, 175}, third, {-1, 0, 0.1f}, boxShadow},
    {"mob1", chicken, {40, 0, 30}, unitScale, north, character},
    {"mob2", chicken, {50, 0, 32}, {1.2f, 1.2f, 1.2f}, north, character},
    {"mob3", chicken, {180, 0, 30}, {2, 2, 2}, north, character},
    {"mob4", chicken, {80, 0, 50}, unitScale, north, character},
    {"mob5", chicken, {190, 0, 55}, unitScale, north, character},
    {"mob6", chicken, {20, 0, 75}, {1.3f, 1.3f, 1.3f}, north, character},
    {"mob7", chicken, {175, 0, 75}, {1.1f, 1.1f, 1}, north, character},
    {"mob8", chicken, {40, 0, 100}, {0.9f, 0.9f, 0.9f}, north, character},
    {"mob9", chicken, {60, 0, 100}, unitScale, north, character},
    {"mob10", chicken, {123, 0, 100}, {1.2f, 1.2f, 1.2f}, north, character},
    {"mob11", chicken, {90, 0, 110}, {1.4f, 1.4f, 1.4f}, north, character},
    {"mob12", chicken, {190, 0, 110}, {0.8f, 0.8f, 0.8f}, north, character},
    {"mob13", chicken, {150, 0, 145}, {0.7f, 0.7f, 0.7f}, {0, 0, -1}, character},
    {"mob14", chicken, {80, 0, 175}, unitScale, north, character},
    {"mob15", chicken, {105, 0, 95}, {2, 2, 2}, north, character},
    {"boden", "data/wiese.ms3d", {100, -0.1f, 100}, unitScale, {1, 0, 0}},
    {"avatar", "data/avatarfinal.ms3d", {100, 0, 10}, third, {0, 0, -1}, character},
    {"himmel", "data/sky.ms3d", {100, 0, 100}, {50, 50, 50}, {0, 0, 1}},
    {"schubkarre", "data/scheibtruhe.ms3d", {40, 0, 175}, third, forwardReference, boxShadow},
    {"sack1", "data/sack.ms3d", carried, third, forwardReference, HasBox | StartsHidden, -1.0f},
    {"sack2", "data/sack.ms3d", carried, third, forwardReference, HasBox | StartsHidden, -1.2f},
    {"sack3", "data/sack.ms3d", carried, third, forwardReference, HasBox | StartsHidden, -1.4f},
    {"sack4", "data/sack.ms3d", carried, third, forwardReference, HasBox | StartsHidden, -1.6f},
    {"sack5", "data/sack.ms3d", carried, third, forwardReference, HasBox | StartsHidden, -1.8f},
    {"lvlbdryN", "data/lvlbdry.ms3d", {100, 0, 200}, unitScale, {-1, 0, 0}, HasBox},
    {"lvlbdryS", "data/lvlbdry.ms3d", {100, 0, 0}, unitScale, {1, 0, 0}, HasBox},
    {"lvlbdryW", "data/lvlbdry.ms3d", {200, 0, 100}, unitScale, {0, 0, 1}, HasBox},
    {"lvlbdryE", "data/lvlbdry.ms3d", {0, 0, 100}, unitScale, {0, 0, -1}, HasBox},
    {"huegel", "data/berge3.ms3d", {100, 0, 100}, {1, 0.4f, 1}, {0, 0, -1}},
    {"heavenBase", nullptr, {0, 20, 0}, unitScale, {-1, 0, 0.1f}, DrawsParticleSheet | CastsShadow},
};

constexpr const char* chickens[15] = {"mob1", "mob2", "mob3", "mob4", "mob5", "mob6", "mob7", "mob8",
                                      "mob9", "mob10", "mob11", "mob12", "mob13", "mob14", "mob15"};

constexpr auto animations = [] {
    std::array<AnimationSlot, 3 + 2 * 15> slots{};
    slots[0] = {"avatar", 0, "default", 3, 30, 1000};
    slots[1] = {"avatar", 1, "walk", 3, 10, 400};
    slots[2] = {"avatar", 2, "fight", 3, 50, 1600};
    for (int i = 0; i < 15; ++i) {
        slots[3 + 2 * i] = {chickens[i], 0, "default", 3, 60, 1900};
        slots[4 + 2 * i] = {chickens[i], 1, "walk", 3, 10, 400};
    }
    return slots;
}();

constexpr auto selections = [] {
    std::array<SelectionRule, 9 + 15> rules = {{
        {"schubkarre", 5},
        {"baum1", 4}, {"baum2", 4}, {"baum3", 4}, {"baum4", 4}, {"baum5", 4},
        {"futter", 4}, {"exit", 12}, {"sign", 3},
    }};
    for (int i = 0; i < 15; ++i) {
        rules[9 + i] = {chickens[i], 2};
    }
    return rules;
}();

constexpr ExitMarker exits[] = {
    {"exit", {100, 0, -5}, 12, 2},
};

constexpr const char* obstacles[] = {
    "baum1", "baum2", "baum3", "baum4", "lvlbdryN", "lvlbdryS", "lvlbdryW", "lvlbdryE",
};

} // namespace

const LevelLayout layout = {
    3, placements, animations, selections, exits, obstacles,
    {{100, 5, -5}, {100, 1, 10}}, nullptr,
};

} // namespace level3
