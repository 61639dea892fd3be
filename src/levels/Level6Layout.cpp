// The inn village's placement table, animations, selection rules, obstacles and camera; no exits.
// Apart from Level6 so the world generator can read the same table without the level's code.

#include "levels/Level6Layout.h"

namespace level6 {
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
    {"wirtshaus", "data/wiazhaus.ms3d", {115, 0, 110}, unitScale, {15, 0, 10}, character},
    {"boden", "data/wiese.ms3d", {100, -0.1f, 100}, unitScale, {1, 0, 0}, HasBox},
    {"huegel", "data/berge3.ms3d", {100, 0, 100}, {1, 0.4f, 1}, {1, 0, 0}},
    {"brunnen", "data/brunnen.ms3d", {100, 0, 100}, {0.05f, 0.05f, 0.05f}, {0.1f, 0, 0.1f}, boxShadow},
    {"Avatar", "data/avatarfinal.ms3d", {104, 0, 13}, {0.3f, 0.3f, 0.3f}, {0, 0, -1}, character},
    {"held", "data/held.ms3d", {110, 0, 105}, unitScale, {15, 0, 15}, character},
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
    {"wirtshaus", 0, "default", 3, 30, 1000},
    {"held", 0, "default", 1, 10, 400},
};

constexpr SelectionRule selections[] = {
    {"haus1", 10}, {"haus2", 10}, {"haus3", 8}, {"haus4", 10},
    {"wirtshaus", 4}, {"brunnen", 3}, {"held", 3},
    {"wald1", 10}, {"wald2", 10}, {"wald3", 10}, {"wald4", 10},
};

constexpr const char* obstacles[] = {
    "haus1", "haus2", "haus3", "haus4", "wirtshaus", "brunnen", "held",
    "wald1", "wald2", "wald3", "wald4", "lvlbdryN", "lvlbdryS", "lvlbdryW", "lvlbdryE",
};

} // namespace

const LevelLayout layout = {
    6, placements, animations, selections, {}, obstacles,
    {{104, 5, -2}, {104, 1, 13}}, nullptr,
};

} // namespace level6
