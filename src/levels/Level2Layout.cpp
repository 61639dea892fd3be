// The settlement's placement table, animations, selection rules, exits, obstacles, camera and return.
// Apart from Level2 so the world generator can read the same table without the level's code.

#include "levels/Level2Layout.h"

namespace level2 {
namespace {

constexpr unsigned boxShadow = HasBox | CastsShadow;
constexpr unsigned character = HasBox | Animated | CastsShadow;
constexpr Vector3 carried{-100, 0, -100};
constexpr Vector3 third{0.3f, 0.3f, 0.3f};

constexpr Placement placements[] = {
    {"Licht", nullptr, lightPosition, unitScale, forwardReference},
    {"Licht2", nullptr, light2Position, unitScale, forwardReference},
    {"baum1", "data/baum.ms3d", {50, 0, 160}, {0.5f, 0.5f, 0.5f}, {-1, 0, 0.1f}, boxShadow},
    {"baum2", "data/baum.ms3d", {100, 0, 110}, {0.8f, 0.8f, 0.8f}, {-1, 0, 0.1f}, boxShadow},
    {"baum3", "data/baum.ms3d", {110, 0, 102}, unitScale, {-1, 0, 0.1f}, boxShadow},
    {"baum4", "data/baum.ms3d", {95, 0, 20}, {0.7f, 0.7f, 0.7f}, {-1, 0, 0.1f}, boxShadow},
    {"baum5", "data/baum.ms3d", {117, 0, 180}, {0.2f, 0.2f, 0.2f}, {-1, 0, 0.1f}, boxShadow},
    {"sign1", "data/sign.ms3d", {80, 0, 195}, {0.1f, 0.1f, 0.1f}, {-1, 0, -2}, boxShadow},
    {"sign2", "data/sign.ms3d", {190, 0, 140}, {0.1f, 0.1f, 0.1f}, {-2, 0, 1}, boxShadow},
    {"einsiedler", "data/einsiedler.ms3d", {180, 0, 90}, third, forwardReference, character},
    {"haus", "data/einsiedlerhaus.ms3d", {175, 0, 80}, {1.5f, 1.5f, 1.5f}, {1, 0, 0}, boxShadow},
    {"krippe", "data/futterkrippekaputt.ms3d", {190, 0, 115}, {0.5f, 0.5f, 0.5f}, {-1, 0, 0}, boxShadow},
    {"wald1", "data/klwald.ms3d", {150, 0, 80}, unitScale, {-1, 0, -10}, boxShadow},
    {"wald2", "data/klwald.ms3d", {40, 0, 40}, unitScale, {-1, 0, -10}, boxShadow},
    {"wald3", "data/klwald.ms3d", {40, 0, 120}, unitScale, {1, 0, 10}, boxShadow},
    {"wald4", "data/klwald.ms3d", {190, 0, 190}, unitScale, {1, 0, -1}, boxShadow},
    {"wald5", "data/klwald.ms3d", {170, 0, 70}, unitScale, {1, 0, -1}, boxShadow},
    {"boden", "data/wiese.ms3d", {100, -0.1f, 100}, unitScale, {1, 0, 0}},
    {"avatar", "data/avatarfinal.ms3d", {10, 0, 100}, third, {-1, 0, 0}, character},
    {"himmel", "data/sky.ms3d", {100, 0, 100}, {50, 50, 50}, {0, 0, 1}},
    {"lvlbdryN", "data/lvlbdry.ms3d", {100, 0, 200}, unitScale, {-1, 0, 0}, HasBox},
    {"lvlbdryS", "data/lvlbdry.ms3d", {100, 0, 0}, unitScale, {1, 0, 0}, HasBox},
    {"lvlbdryW", "data/lvlbdry.ms3d", {200, 0, 100}, unitScale, {0, 0, 1}, HasBox},
    {"lvlbdryE", "data/lvlbdry.ms3d", {0, 0, 100}, unitScale, {0, 0, -1}, HasBox},
    {"huegel", "data/berge4.ms3d", {100, 0, 100}, {1, 0.4f, 1}, {0, 0, 1}},
    {"particleBase", nullptr, {176, 7, 81.5f}, unitScale, {-1, 0, 0.1f}, DrawsParticleSpray | CastsShadow},
    {"heavenBase", nullptr, {0, 20, 0}, unitScale, {-1, 0, 0.1f}, DrawsParticleSheet | CastsShadow},
    {"schubkarre", "data/scheibtruhe.ms3d", {40, 0, 175}, third, forwardReference,
     HasBox | CastsShadow | StartsHidden, -1.5f},
    {"sack1", "data/sack.ms3d", carried, third, forwardReference, HasBox | StartsHidden, -1.0f},
    {"sack2", "data/sack.ms3d", carried, third, forwardReference, HasBox | StartsHidden, -1.2f},
    {"sack3", "data/sack.ms3d", carried, third, forwardReference, HasBox | StartsHidden, -1.4f},
    {"sack4", "data/sack.ms3d", carried, third, forwardReference, HasBox | StartsHidden, -1.6f},
    {"sack5", "data/sack.ms3d", carried, third, forwardReference, HasBox | StartsHidden, -1.8f},
};

constexpr AnimationSlot animations[] = {
    {"avatar", 0, "default", 3, 30, 1000},
    {"avatar", 1, "walk", 3, 10, 400},
    {"avatar", 2, "fight", 3, 50, 1600},
    {"einsiedler", 0, "default", 2, 10, 400},
};

constexpr SelectionRule selections[] = {
    {"einsiedler", 3}, {"haus", 8},
    {"wald1", 10}, {"wald2", 10}, {"wald3", 10}, {"wald4", 10}, {"wald5", 10},
    {"baum1", 4}, {"baum2", 4}, {"baum3", 4}, {"baum4", 4}, {"baum5", 4},
    {"krippe", 5}, {"sign1", 3}, {"sign2", 3},
    {"northExit", 12}, {"eastExit", 12},
};

constexpr ExitMarker exits[] = {
    {"eastExit", {205, 0, 115}, 12, 4},
    {"northExit", {100, 0, 205}, 12, 3},
};

constexpr const char* obstacles[] = {
    "einsiedler", "haus", "wald1", "wald2", "wald3", "wald4", "wald5",
    "baum1", "baum2", "baum3", "baum4", "baum5", "krippe",
    "lvlbdryN", "lvlbdryS", "lvlbdryW", "lvlbdryE",
};

constexpr ReturnSetup backFromLevel3 = {
    {100, 0, 195}, {0, 0, 1}, {{100, 5, 210}, {100, 1, 195}},
    "northExit", {-100, -100, -100}, 4,
};

} // namespace

const LevelLayout layout = {
    2, placements, animations, selections, exits, obstacles,
    {{-5, 5, 100}, {10, 1, 100}}, &backFromLevel3,
};

} // namespace level2
