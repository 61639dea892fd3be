// The river's table and script: the officer's task, the barrier, the exits.

#include "levels/Level4.h"

#include "levels/SharedRows.h"
#include "platform/Sound.h"

using namespace rows;

namespace {

constexpr ObjectRow wood(const char* name, Vector3 at, Vector3 facing, const char* line)
{
    return {.name = name, .kind = Kind::Forest, .model = "data/klwald.ms3d", .at = at, .facing = facing,
            .flags = solid, .reach = 10, .rule = 2, .look = 2, .prompt = lookAtForest, .lines = {line}};
}

constexpr ObjectRow sign(const char* name, Vector3 at, Vector3 facing, const char* line)
{
    return {.name = name, .model = "data/sign.ms3d", .at = at, .scale = {0.1f, 0.1f, 0.1f}, .facing = facing,
            .flags = shaded, .reach = 3, .rule = 5, .look = 5, .prompt = lookAtSign, .lines = {line}};
}

constexpr ObjectRow tree(const char* name, Vector3 at, float size, const char* line)
{
    return {.name = name, .kind = Kind::Tree, .model = "data/baum.ms3d", .at = at, .scale = {size, size, size},
            .facing = {-1, 0, 0.1f}, .flags = solid, .reach = 4, .rule = 3, .look = 3, .prompt = lookAtTree,
            .lines = {line}};
}

constexpr ObjectRow fence(const char* name, Vector3 at, Vector3 facing)
{
    return {.name = name, .model = "data/zaun2.ms3d", .at = at, .facing = facing, .flags = shaded};
}

// The walls that keep the player off the bridge's far end until the barrier opens.
constexpr ObjectRow barrier(const char* name, Vector3 at, Vector3 scale)
{
    return {.name = name, .model = "data/lvlbdry.ms3d", .at = at, .scale = scale, .facing = {0, 0, 1},
            .flags = HasBox | Obstacle};
}

constexpr auto objects = join(
    rows::sky, glow(289000),
    // The river is drawn before the ground, which leaves its channel open.
    ObjectRow{.name = "wasser", .kind = Kind::Water, .parent = Parent::Top, .at = {0, -2, 120}, .scale = {50, 1, 90},
              .facing = {1, 0, 0}},
    ObjectRow{.name = "huegel", .kind = Kind::Hill, .parent = Parent::Top, .model = "data/berge5.ms3d",
              .at = {100, -1, 100}, .scale = {1, 0.4f, 1}, .facing = {0, 0, 1}},
    avatar("avatar", {10, 0, 100}, {-1, 0, 0}),
    ObjectRow{.name = "boden", .kind = Kind::Ground, .parent = Parent::Top, .model = "data/wiese2.ms3d",
              .at = {100, -0.1f, 100}, .facing = {0, 0, 1}},
    walls,
    wood("wald1", {73, 0, 100}, {-1, 0, -10}, N_("Ein Wald")),
    wood("wald2", {112, 0, 75}, {-1, 0, -10}, N_("Ein paar Baeume!")),
    wood("wald3", {37, 0, 176}, {1, 0, 10}, N_("W A L D")),
    sign("sign1", {80, 0, 195}, {-1, 0, -2}, N_("Zu gemeinen Schlangen")),
    sign("sign2", {195, 0, 114}, {-2, 0, 1}, N_("Nach Dorf2!")),
    tree("baum1", {40, 0, 40}, 0.5f, N_("Baum")),
    tree("baum2", {120, 0, 180}, 0.8f, N_("Baeumchen")),
    ObjectRow{.name = "bruecke", .model = "data/bruecke.ms3d", .at = {168, 0, 57.5f}, .scale = {1, 1, 1.2f},
              .facing = {1, 0, 0}, .flags = HasBox, .reach = 10, .rule = 4, .look = 4,
              .prompt = N_("Bruecke anschauen (v = view)"), .lines = {N_("Eine Bruecke")}},
    fence("zaun1", {148, 0, 60}, {0, 0, -1}), fence("zaun2", {148, 0, 55}, {0, 0, 1}),
    fence("zaun3", {188, 0, 60}, {0, 0, -1}), fence("zaun4", {188, 0, 55}, {0, 0, 1}),
    barrier("cBox1", {147.5f, 0, 6}, {5.1f, 1, 0.5f}), barrier("cBox2", {147.5f, 0, 154}, {5.1f, 1, 1}),
    ObjectRow{.name = "zoellner", .kind = Kind::Person, .model = "data/zoellner.ms3d", .at = {142, 0, 58},
              .scale = {0.4f, 0.4f, 0.4f}, .flags = figure | Obstacle, .reach = 3, .rule = 1, .look = 1,
              .prompt = talkToHuman, .lines = {N_("Scheint ein Zoellner zu sein!")},
              .moves = {{{"default", 2, 10, 400}}}, .quest = {N_("Plakette suchen"), "trumbel", "qTuev",
                                     N_("Ohne Plakette laesst dich Trumbel nicht ueber den Fluss. Sag ja (1)."),
                                     N_("Hol die Plakette aus der Schlangengrube im Norden und bring sie Trumbel.")}},
    ObjectRow{.name = "northExit", .kind = Kind::Exit, .at = {87, 0, 204}, .reach = 12, .rule = 6,
              .prompt = dangerAhead, .target = 5},
    // Standing at the far bank's exit leaves the line as it was.
    ObjectRow{.name = "eastExit", .kind = Kind::Exit, .at = {203, 0, 92}, .reach = 12, .rule = 7, .target = 6});

} // namespace

const LevelTable Level4::layout{4, N_("Die Bruecke am Fluss"), objects, fromTheWest, nothingToSee, backFromTheNorth(6)};

Level4::Level4() : Level(layout)
{
    giveQuest(officerQuest, "zoellner");
}

void Level4::runScript(ModelNode* reached)
{
    // The officer's thanks open the barrier, once.
    if (reached != zoellner || !officerQuest.rewarded || barrierOpened) {
        return;
    }
    playSound("data/sound/dankefenno.wav", SoundMode::Once);
    openBarrier();
}

void Level4::openBarrier()
{
    cBox2->position = openedBarrierPosition;
    // Loading again rebuilds the wall's box about its new place.
    cBox2->load("data/lvlbdry.ms3d");
    barrierOpened = true;
}

bool Level4::exitOpen(int target) const
{
    return target != 5 || officerQuest.accepted;
}

void Level4::returnFromSideTrip(int itemsBrought)
{
    officerQuest.collected += itemsBrought;
    applyReturn();
}

Level4::Progress Level4::progress() const
{
    return {officerQuest, barrierOpened};
}

void Level4::restore(const Progress& saved)
{
    static_cast<QuestProgress&>(officerQuest) = saved.officer;
    // Every return from the snake pit counts for the task.
    if (officerQuest.collected > 0) {
        applyReturn();
    }
    if (saved.barrierOpened) {
        openBarrier();
    }
}
