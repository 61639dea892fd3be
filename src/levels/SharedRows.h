// The rows, prompts and flags several levels' tables share, and how a table joins them.
// One header so a row that stands in two levels is written once: the walls, the village, the sacks.

#pragma once

#include "game/LevelTable.h"
#include "levels/Translation.h"

#include <cstddef>
#include <type_traits>

namespace rows {

inline constexpr unsigned shaded = HasBox | CastsShadow;
inline constexpr unsigned solid = HasBox | CastsShadow | Obstacle;
inline constexpr unsigned figure = HasBox | Animated | CastsShadow;

inline constexpr const char* lookAtHouse = N_("Haus anschauen (v = view)");
inline constexpr const char* lookAtForest = N_("Wald anschauen (v = view)");
inline constexpr const char* lookAtTree = N_("Baum anschauen (v = view)");
inline constexpr const char* lookAtSign = N_("Schild anschauen (v = view)");
inline constexpr const char* lookAtThing = N_("Ding anschauen (v = view)");
inline constexpr const char* lookAtWell = N_("Brunnen anschauen (v = view)");
inline constexpr const char* talkToHuman = N_("Mit Mensch sprechen (e = etwas sagen) oder Mensch anschauen (v = view)");
inline constexpr const char* dangerAhead = N_("Da siehts gefaehrlich aus");
inline constexpr const char* nothingToLookAt = N_("Leider nichts zum anschauen");
inline constexpr const char* nothingToSee = N_("Hier gibt's nix zu sehn");

inline constexpr Moves avatarMoves{{{"default", 3, 30, 1000}, {"walk", 3, 10, 400}, {"fight", 3, 50, 1600}}};

constexpr ObjectRow avatar(const char* name, Vector3 at, Vector3 facing)
{
    return {.name = name, .kind = Kind::Avatar, .parent = Parent::Top, .model = "data/avatarfinal.ms3d", .at = at,
            .scale = {0.3f, 0.3f, 0.3f}, .facing = facing, .flags = figure, .moves = avatarMoves};
}

// The glow above every level, its fade rates from draw `randomFrom` on.
constexpr ObjectRow glow(long randomFrom)
{
    return {.name = "heavenBase", .kind = Kind::Sheet, .parent = Parent::Top, .at = {0, 20, 0},
            .facing = {-1, 0, 0.1f}, .randomFrom = randomFrom};
}

// A shared row with a reach or lines of its own in one level.
constexpr ObjectRow withReach(ObjectRow row, float reach)
{
    row.reach = reach;
    return row;
}
constexpr ObjectRow withLines(ObjectRow row, Lines lines)
{
    row.lines = lines;
    return row;
}

// Levels 2 and 4 begin at the west edge; back from their side trip north the
// player stands at the north edge, the north exit is gone and 'l' leads to `next`.
inline constexpr CameraSetup fromTheWest{{-5, 5, 100}, {10, 1, 100}};
constexpr ReturnSetup backFromTheNorth(int next)
{
    return {{100, 0, 195}, {0, 0, 1}, {{100, 5, 210}, {100, 1, 195}}, "northExit", {-100, -100, -100}, next};
}

// The walls round the square every level stands on.
constexpr ObjectRow wall(const char* name, Vector3 at, Vector3 facing)
{
    return {.name = name, .model = "data/lvlbdry.ms3d", .at = at, .facing = facing, .flags = HasBox | Obstacle};
}
inline constexpr std::array<ObjectRow, 4> walls{
    wall("lvlbdryN", {100, 0, 200}, {-1, 0, 0}), wall("lvlbdryS", {100, 0, 0}, {1, 0, 0}),
    wall("lvlbdryW", {200, 0, 100}, {0, 0, 1}), wall("lvlbdryE", {0, 0, 100}, {0, 0, -1})};

// The sky, ground and hills of the settlement, the yard and the snake pit.
inline constexpr ObjectRow sky{.name = "himmel", .kind = Kind::Sky, .parent = Parent::Top, .model = "data/sky.ms3d",
                               .at = {100, 0, 100}, .scale = {50, 50, 50}, .facing = {0, 0, 1}};
inline constexpr ObjectRow meadow{.name = "boden", .kind = Kind::Ground, .parent = Parent::Top,
                                  .model = "data/wiese.ms3d", .at = {100, -0.1f, 100}, .facing = {1, 0, 0}};
inline constexpr ObjectRow hills{.name = "huegel", .kind = Kind::Hill, .model = "data/berge3.ms3d", .at = {100, 0, 100},
                                 .scale = {1, 0.4f, 1}, .facing = {0, 0, -1}};

// The five feed sacks, hidden until loaded, carried round the wheelbarrow.
constexpr ObjectRow sack(const char* name, float followDistance)
{
    return {.name = name, .kind = Kind::Actor, .parent = Parent::Avatar, .model = "data/sack.ms3d",
            .at = {-100, 0, -100}, .scale = {0.3f, 0.3f, 0.3f}, .flags = HasBox | StartsHidden,
            .followDistance = followDistance};
}
inline constexpr std::array<ObjectRow, 5> sacks{
    sack("sack1", -1.0f), sack("sack2", -1.2f), sack("sack3", -1.4f), sack("sack4", -1.6f), sack("sack5", -1.8f)};

// The village of Level 1, whose houses, well and woods stand again in Level 6.
namespace village {
inline constexpr ObjectRow sky{.name = "Himmel", .kind = Kind::Sky, .parent = Parent::Top, .model = "data/sky.ms3d",
                               .at = {100, 0, 100}, .scale = {50, 50, 50}, .facing = {0, 0, 1}};
inline constexpr ObjectRow ground{.name = "boden", .kind = Kind::Ground, .parent = Parent::Top,
                                  .model = "data/wiese.ms3d", .at = {100, -0.1f, 100}, .facing = {1, 0, 0},
                                  .flags = HasBox};
inline constexpr ObjectRow hills{.name = "huegel", .kind = Kind::Hill, .model = "data/berge3.ms3d",
                                 .at = {100, 0, 100}, .scale = {1, 0.4f, 1}, .facing = {1, 0, 0}};
constexpr ObjectRow house(const char* name, Vector3 at, Vector3 facing, const char* line)
{
    return {.name = name, .model = "data/haus2.ms3d", .at = at, .facing = facing, .flags = solid, .reach = 10,
            .rule = 1, .look = 1, .prompt = lookAtHouse, .lines = {line}};
}
inline constexpr ObjectRow haus1 = house("haus1", {80, 0, 100}, {-1, 0, 0.1f}, N_("Dies ist ein Haus"));
inline constexpr ObjectRow haus2 = house("haus2", {85, 0, 120}, {-15, 0, 20}, N_("Noch ein Haus, toll!"));
inline constexpr ObjectRow haus3 = house("haus3", {105, 0, 118}, {5, 0, 18}, N_("Ein Haus"));
inline constexpr ObjectRow haus4 = house("haus4", {115, 0, 85}, {15, 0, -15}, N_("Ein schoenes Haus"));
inline constexpr ObjectRow well{.name = "brunnen", .model = "data/brunnen.ms3d", .at = {100, 0, 100},
                                .scale = {0.05f, 0.05f, 0.05f}, .facing = {0.1f, 0, 0.1f}, .flags = solid, .reach = 3,
                                .rule = 3, .look = 4, .prompt = lookAtWell, .lines = {N_("Ein tiefer Brunnen")}};
constexpr ObjectRow wood(const char* name, Vector3 at, Vector3 facing, const char* line)
{
    return {.name = name, .kind = Kind::Forest, .model = "data/klwald.ms3d", .at = at, .facing = facing,
            .flags = solid, .reach = 10, .rule = 5, .look = 8, .prompt = lookAtForest, .lines = {line}};
}
inline constexpr std::array<ObjectRow, 4> woods{
    wood("wald1", {160, 0, 40}, {-1, 0, -10}, N_("Ein Wald!")),
    wood("wald2", {40, 0, 40}, {-1, 0, -10}, N_("Wald!")),
    wood("wald3", {40, 0, 160}, {1, 0, 10}, N_("Wohl ein Wald!")),
    wood("wald4", {160, 0, 160}, {1, 0, -1}, N_("Baeume!")),
};
} // namespace village

// The rows and arrays of rows given, one after the other, as one array.
template <typename... Parts>
constexpr auto join(const Parts&... parts)
{
    constexpr auto size = []<typename Part>(const Part*) {
        if constexpr (std::is_same_v<Part, ObjectRow>) {
            return std::size_t{1};
        } else {
            return std::tuple_size_v<Part>;
        }
    };
    std::array<ObjectRow, (size(static_cast<const Parts*>(nullptr)) + ...)> all{};
    std::size_t i = 0;
    const auto append = [&](const auto& part) {
        if constexpr (std::is_same_v<std::decay_t<decltype(part)>, ObjectRow>) {
            all[i++] = part;
        } else {
            for (const ObjectRow& row : part) {
                all[i++] = row;
            }
        }
    };
    (append(parts), ...);
    return all;
}

} // namespace rows
