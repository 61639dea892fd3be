// The pit's placement table, animations, selection rules, exits, obstacles and camera.
// Apart from Level5 so the world generator can read the same table without the level's code.

#include "levels/Level5Layout.h"

namespace level5 {
namespace {

constexpr unsigned boxShadow = HasBox | CastsShadow;
constexpr unsigned character = HasBox | Animated | CastsShadow;
constexpr Vector3 baby{0.4f, 0.4f, 0.4f};
constexpr Vector3 south{0, 0, -1};
constexpr const char* snake = "data/schlange.ms3d";

constexpr Placement placements[] = {
    {"Licht", nullptr, lightPosition, unitScale, forwardReference},
    {"Licht2", nullptr, light2Position, unitScale, forwardReference},
    {"baum1", "data/baum.ms3d", {27, 0, 41}, {0.5f, 0.5f, 0.5f}, {-1, 0, 0.1f}, boxShadow},
    {"baum2", "data/baum.ms3d", {110, 0, 95}, {0.8f, 0.8f, 0.8f}, {-1, 0, 0.1f}, boxShadow},
    {"baum3", "data/baum.ms3d", {115, 0, 50}, unitScale, {-1, 0, 0.1f}, boxShadow},
    {"baum4", "data/baum.ms3d", {50, 0, 150}, {0.7f, 0.7f, 0.7f}, {-1, 0, 0.1f}, boxShadow},
    {"baum5", "data/baum.ms3d", {155, 0, 180}, {0.7f, 1, 0.8f}, {-1, 0, 0.1f}, boxShadow},
    {"sign", "data/sign.ms3d", {120, 0, 10}, {0.1f, 0.1f, 0.1f}, {15, 0, 20}, boxShadow},
    {"mob1", snake, {181, 0, 42}, baby, south, character},
    {"mob2", snake, {121, 0, 131}, baby, south, character},
    {"mob3", snake, {24, 0, 30}, baby, south, character},
    {"mob4", snake, {104, 0, 184}, baby, south, character},
    {"mob5", snake, {95, 0, 44}, baby, south, character},
    {"mob6", snake, {83, 0, 117}, {4, 4, 4}, south, character | StartsHidden | NoShadowCast},
    {"boden", "data/wiese.ms3d", {100, -0.1f, 100}, unitScale, {1, 0, 0}},
    {"avatar", "data/avatarfinal.ms3d", {100, 0, 10}, {0.3f, 0.3f, 0.3f}, south, character},
    {"himmel", "data/sky.ms3d", {100, 0, 100}, {50, 50, 50}, {0, 0, 1}},
    {"kaefig", "data/kaefigauf.ms3d", {161, 0, 127}, {0.6f, 0.6f, 0.6f}, {-1, 0, -1}, boxShadow},
    {"lvlbdryN", "data/lvlbdry.ms3d", {100, 0, 200}, unitScale, {-1, 0, 0}, HasBox},
    {"lvlbdryS", "data/lvlbdry.ms3d", {100, 0, 0}, unitScale, {1, 0, 0}, HasBox},
    {"lvlbdryW", "data/lvlbdry.ms3d", {200, 0, 100}, unitScale, {0, 0, 1}, HasBox},
    {"lvlbdryE", "data/lvlbdry.ms3d", {0, 0, 100}, unitScale, {0, 0, -1}, HasBox},
    {"huegel", "data/berge3.ms3d", {100, 0, 100}, {1, 0.4f, 1}, {0, 0, -1}},
    {"heavenBase", nullptr, {0, 20, 0}, unitScale, {-1, 0, 0.1f}, DrawsParticleSheet | CastsShadow},
};

constexpr AnimationSlot animations[] = {
    {"avatar", 0, "default", 3, 30, 1000},
    {"avatar", 1, "walk", 3, 10, 400},
    {"avatar", 2, "fight", 3, 50, 1600},
    {"mob1", 0, "walk", 3, 15, 550},
    {"mob2", 0, "walk", 3, 20, 700},
    {"mob3", 0, "walk", 3, 10, 400},
    {"mob4", 0, "walk", 3, 10, 400},
    {"mob5", 0, "walk", 3, 20, 700},
    {"mob6", 0, "walk", 3, 25, 850},
    {"mob6", 1, "attack", 3, 10, 400},
    {"mob6", 2, "stunned", 3, 25, 0},
};

constexpr SelectionRule selections[] = {
    {"kaefig", 5}, {"baum1", 2}, {"baum2", 4}, {"baum3", 4}, {"baum4", 4}, {"baum5", 4},
    {"exit", 12}, {"sign", 12},
};

constexpr ExitMarker exits[] = {
    {"exit", {100, 0, -5}, 12, 4},
};

constexpr const char* obstacles[] = {
    "baum1", "baum2", "baum3", "baum4", "baum5", "kaefig",
    "lvlbdryN", "lvlbdryS", "lvlbdryW", "lvlbdryE",
};

} // namespace

const LevelLayout layout = {
    5, placements, animations, selections, exits, obstacles,
    {{100, 5, -5}, {100, 1, 10}}, nullptr,
};

} // namespace level5
