// The river's placement table, animations, selection rules, exits, obstacles, camera and return.
// Apart from Level4 so the world generator can read the same table without the level's code.

#include "levels/Level4Layout.h"

namespace level4 {
namespace {

constexpr unsigned boxShadow = HasBox | CastsShadow;
constexpr unsigned character = HasBox | Animated | CastsShadow;

constexpr Placement placements[] = {
    {"Licht", nullptr, lightPosition, unitScale, forwardReference},
    {"Licht2", nullptr, light2Position, unitScale, forwardReference},
    {"baum1", "data/baum.ms3d", {40, 0, 40}, {0.5f, 0.5f, 0.5f}, {-1, 0, 0.1f}, boxShadow},
    {"baum2", "data/baum.ms3d", {120, 0, 180}, {0.8f, 0.8f, 0.8f}, {-1, 0, 0.1f}, boxShadow},
    {"wasser", nullptr, {0, -2, 120}, {50, 1, 90}, {1, 0, 0}},
    {"sign1", "data/sign.ms3d", {80, 0, 195}, {0.1f, 0.1f, 0.1f}, {-1, 0, -2}, boxShadow},
    {"sign2", "data/sign.ms3d", {195, 0, 114}, {0.1f, 0.1f, 0.1f}, {-2, 0, 1}, boxShadow},
    {"zaun1", "data/zaun2.ms3d", {148, 0, 60}, unitScale, {0, 0, -1}, boxShadow},
    {"zaun2", "data/zaun2.ms3d", {148, 0, 55}, unitScale, {0, 0, 1}, boxShadow},
    {"zaun3", "data/zaun2.ms3d", {188, 0, 60}, unitScale, {0, 0, -1}, boxShadow},
    {"zaun4", "data/zaun2.ms3d", {188, 0, 55}, unitScale, {0, 0, 1}, boxShadow},
    {"zoellner", "data/zoellner.ms3d", {142, 0, 58}, {0.4f, 0.4f, 0.4f}, forwardReference, character},
    {"bruecke", "data/bruecke.ms3d", {168, 0, 57.5f}, {1, 1, 1.2f}, {1, 0, 0}, HasBox},
    {"wald1", "data/klwald.ms3d", {73, 0, 100}, unitScale, {-1, 0, -10}, boxShadow},
    {"wald2", "data/klwald.ms3d", {112, 0, 75}, unitScale, {-1, 0, -10}, boxShadow},
    {"wald3", "data/klwald.ms3d", {37, 0, 176}, unitScale, {1, 0, 10}, boxShadow},
    {"avatar", "data/avatarfinal.ms3d", {10, 0, 100}, {0.3f, 0.3f, 0.3f}, {-1, 0, 0}, character},
    {"himmel", "data/sky.ms3d", {100, 0, 100}, {50, 50, 50}, {0, 0, 1}},
    {"lvlbdryN", "data/lvlbdry.ms3d", {100, 0, 200}, unitScale, {-1, 0, 0}, HasBox},
    {"lvlbdryS", "data/lvlbdry.ms3d", {100, 0, 0}, unitScale, {1, 0, 0}, HasBox},
    {"lvlbdryW", "data/lvlbdry.ms3d", {200, 0, 100}, unitScale, {0, 0, 1}, HasBox},
    {"lvlbdryE", "data/lvlbdry.ms3d", {0, 0, 100}, unitScale, {0, 0, -1}, HasBox},
    {"cBox1", "data/lvlbdry.ms3d", {147.5f, 0, 6}, {5.1f, 1, 0.5f}, {0, 0, 1}, HasBox},
    {"cBox2", "data/lvlbdry.ms3d", {147.5f, 0, 154}, {5.1f, 1, 1}, {0, 0, 1}, HasBox},
    {"boden", "data/wiese2.ms3d", {100, -0.1f, 100}, unitScale, {0, 0, 1}},
    {"huegel", "data/berge5.ms3d", {100, -1, 100}, {1, 0.4f, 1}, {0, 0, 1}},
    {"heavenBase", nullptr, {0, 20, 0}, unitScale, {-1, 0, 0.1f}, DrawsParticleSheet | CastsShadow},
};

constexpr AnimationSlot animations[] = {
    {"avatar", 0, "default", 3, 30, 1000},
    {"avatar", 1, "walk", 3, 10, 400},
    {"avatar", 2, "fight", 3, 50, 1600},
    {"zoellner", 0, "default", 2, 10, 400},
};

constexpr SelectionRule selections[] = {
    {"zoellner", 3}, {"wald1", 10}, {"wald2", 10}, {"wald3", 10},
    {"baum1", 4}, {"baum2", 4}, {"bruecke", 10}, {"sign1", 3}, {"sign2", 3},
    {"northExit", 12}, {"eastExit", 12},
};

constexpr ExitMarker exits[] = {
    {"northExit", {87, 0, 204}, 12, 5},
    {"eastExit", {203, 0, 92}, 12, 6},
};

constexpr const char* obstacles[] = {
    "zoellner", "wald1", "wald2", "wald3", "baum1", "baum2",
    "lvlbdryN", "lvlbdryS", "lvlbdryW", "lvlbdryE", "cBox1", "cBox2",
};

constexpr ReturnSetup backFromLevel5 = {
    {100, 0, 195}, {0, 0, 1}, {{100, 5, 210}, {100, 1, 195}},
    "northExit", {-100, -100, -100}, 6,
};

} // namespace

const LevelLayout layout = {
    4, placements, animations, selections, exits, obstacles,
    {{-5, 5, 100}, {10, 1, 100}}, &backFromLevel5,
};

} // namespace level4
