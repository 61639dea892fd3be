// The village's placement table, animations, selection rules, exits, obstacles and camera.
// Apart from Level1 so the world generator can read the same table without the level's code.

#include "levels/Level1Layout.h"

namespace level1 {
namespace {

constexpr unsigned boxShadow = HasBox | CastsShadow;
constexpr unsigned character = HasBox | Animated | CastsShadow;

constexpr Placement placements[] = {
    {"Licht", nullptr, lightPosition, unitScale, forwardReference},
    {"Licht2", nullptr, light2Position, unitScale, forwardReference},
    {"heavenBase", nullptr, {0, 20, 0}, unitScale, {-1, 0, 0.1f}, DrawsParticleSheet | CastsShadow},
    {"haus1", "data/haus2.ms3d", {80, 0, 100}, unitScale, {-1, 0, 0.1f}, boxShadow},
    {"haus2", "data/haus2.ms3d", {85, 0, 120}, unitScale, {-15, 0, 20}, boxShadow},
    {"haus3", "data/haus2.ms3d", {105, 0, 118}, unitScale, {5, 0, 18}, boxShadow},
    {"haus4", "data/haus2.ms3d", {115, 0, 85}, unitScale, {15, 0, -15}, boxShadow},
    {"sign", "data/sign.ms3d", {120, 0, 10}, {0.1f, 0.1f, 0.1f}, {15, 0, 25}, boxShadow},
    {"kirche", "data/kirSche.ms3d", {115, 0, 110}, {2.5f, 2.5f, 2.5f}, {15, 0, 10}, boxShadow},
    {"boden", "data/wiese.ms3d", {100, -0.1f, 100}, unitScale, {1, 0, 0}, HasBox},
    {"huegel", "data/berge3.ms3d", {100, 0, 100}, {1, 0.4f, 1}, {1, 0, 0}},
    {"brunnen", "data/brunnen.ms3d", {100, 0, 100}, {0.05f, 0.05f, 0.05f}, {0.1f, 0, 0.1f}, boxShadow},
    {"Avatar", "data/avatarfinal.ms3d", {75, 0, 112}, {0.3f, 0.3f, 0.3f}, {-1, 0, 0}, character},
    {"ring", "data/ring.ms3d", {100, 0, 100}, unitScale, forwardReference},
    {"priest", "data/priest.ms3d", {123, 0, 110}, {0.3f, 0.3f, 0.3f}, {15, 0, 15}, character},
    {"frau", "data/altefrau.ms3d", {110, 0, 10}, {0.3f, 0.3f, 0.3f}, {0, 0, -1}, character},
    {"sheep", "data/sheep.ms3d", {20, 0, 180}, {0.04f, 0.04f, 0.04f}, forwardReference, character, 0.0f,
     {15, 0, 15}},
    {"Himmel", "data/sky.ms3d", {100, 0, 100}, {50, 50, 50}, {0, 0, 1}},
    {"wald1", "data/klwald.ms3d", {160, 0, 40}, unitScale, {-1, 0, -10}, boxShadow},
    {"wald2", "data/klwald.ms3d", {40, 0, 40}, unitScale, {-1, 0, -10}, boxShadow},
    {"wald3", "data/klwald.ms3d", {40, 0, 160}, unitScale, {1, 0, 10}, boxShadow},
    {"wald4", "data/klwald.ms3d", {160, 0, 160}, unitScale, {1, 0, -1}, boxShadow},
    {"lvlbdryN", "data/lvlbdry.ms3d", {100, 0, 200}, unitScale, {-1, 0, 0}, HasBox},
    {"lvlbdryS", "data/lvlbdry.ms3d", {100, 0, 0}, unitScale, {1, 0, 0}, HasBox},
    {"lvlbdryW", "data/lvlbdry.ms3d", {200, 0, 100}, unitScale, {0, 0, 1}, HasBox},
    {"lvlbdryE", "data/lvlbdry.ms3d", {0, 0, 100}, unitScale, {0, 0, -1}, HasBox},
};

constexpr AnimationSlot animations[] = {
    {"Avatar", 0, "default", 3, 30, 1000},
    {"Avatar", 1, "walk", 3, 10, 400},
    {"Avatar", 2, "fight", 3, 50, 1600},
    {"priest", 0, "default", 3, 30, 1000},
    {"frau", 0, "default", 3, 30, 1000},
    {"sheep", 0, "default", 3, 60, 1900},
    {"sheep", 1, "walk", 2, 10, 400},
};

constexpr SelectionRule selections[] = {
    {"haus1", 10}, {"haus2", 10}, {"haus3", 10}, {"haus4", 10},
    {"kirche", 7}, {"brunnen", 3}, {"sign", 3},
    {"wald1", 10}, {"wald2", 10}, {"wald3", 10}, {"wald4", 10},
    {"priest", 3}, {"sheep", 2}, {"frau", 3}, {"exit", 12},
};

constexpr ExitMarker exits[] = {
    {"exit", {108, 0, -5}, 12, 2},
};

constexpr const char* obstacles[] = {
    "haus1", "haus2", "haus3", "haus4", "kirche", "brunnen", "priest", "frau",
    "wald1", "wald2", "wald3", "wald4", "lvlbdryN", "lvlbdryS", "lvlbdryW", "lvlbdryE",
};

} // namespace

const LevelLayout layout = {
    1, placements, animations, selections, exits, obstacles,
    {{60, 5, 112}, {75, 1, 112}}, nullptr,
};

} // namespace level1
