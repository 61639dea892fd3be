// The settlement's table and script: mend the manger, open north and east.

#include "levels/Level2.h"

#include "levels/SharedRows.h"
#include "platform/Sound.h"

#include <algorithm>

using namespace rows;

namespace {

constexpr ObjectRow wood(const char* name, Vector3 at, Vector3 facing, Lines lines)
{
    return {.name = name, .kind = Kind::Forest, .model = "data/klwald.ms3d", .at = at, .facing = facing,
            .flags = solid, .reach = 10, .rule = 3, .look = 3, .prompt = lookAtForest, .lines = lines};
}

constexpr ObjectRow tree(const char* name, Vector3 at, float size, Lines lines)
{
    return {.name = name, .kind = Kind::Tree, .model = "data/baum.ms3d", .at = at, .scale = {size, size, size},
            .facing = {-1, 0, 0.1f}, .flags = solid, .reach = 4, .rule = 4, .look = 4, .prompt = lookAtTree,
            .lines = lines};
}

constexpr ObjectRow sign(const char* name, Vector3 at, Vector3 facing, Lines lines)
{
    return {.name = name, .model = "data/sign.ms3d", .at = at, .scale = {0.1f, 0.1f, 0.1f}, .facing = facing,
            .flags = shaded, .reach = 3, .rule = 6, .look = 6, .prompt = lookAtSign, .lines = lines};
}

constexpr auto objects = join(
    rows::sky, glow(139000), avatar("avatar", {10, 0, 100}, {-1, 0, 0}), meadow, walls,
    ObjectRow{.name = "huegel", .kind = Kind::Hill, .model = "data/berge4.ms3d", .at = {100, 0, 100},
              .scale = {1, 0.4f, 1}, .facing = {0, 0, 1}},
    ObjectRow{.name = "haus", .model = "data/einsiedlerhaus.ms3d", .at = {175, 0, 80}, .scale = {1.5f, 1.5f, 1.5f},
              .facing = {1, 0, 0}, .flags = solid, .reach = 8, .rule = 2, .look = 2, .prompt = lookAtHouse,
              .lines = {N_("Eine Einsiedler Siedlung")}},
    wood("wald1", {150, 0, 80}, {-1, 0, -10}, {N_("Ein Wald")}),
    wood("wald2", {40, 0, 40}, {-1, 0, -10}, {N_("Ein paar Baeume!")}),
    wood("wald3", {40, 0, 120}, {1, 0, 10}, {N_("Ein Klasse M Wald")}),
    wood("wald4", {190, 0, 190}, {1, 0, -1}, {N_("Es lebe der"), N_("W A L D M E I S T E R")}),
    wood("wald5", {170, 0, 70}, {1, 0, -1},
         {N_("Herzlichen Glueckwunsch!"), N_("S I E sind der 1.000.000"), N_("Betrachter dieses Waldes!"),
          N_("Besuchen Sie auch unsere anderen Waelder")}),
    sign("sign1", {80, 0, 195}, {-1, 0, -2}, {N_("Zum Futter"), N_("(kleiner Hinweis)")}),
    sign("sign2", {190, 0, 140}, {-2, 0, 1}, {N_("Zum Fluss"), N_("(sobald die Krippe wieder ganz ist)")}),
    tree("baum1", {50, 0, 160}, 0.5f, {N_("Baum")}),
    tree("baum2", {100, 0, 110}, 0.8f, {N_("Baum")}),
    tree("baum3", {110, 0, 102}, 1.0f, {N_("kleiner Wald")}),
    tree("baum4", {95, 0, 20}, 0.7f, {N_("gruen")}),
    tree("baum5", {117, 0, 180}, 0.2f,
         {N_("Was glaubst du wohl was das ist?"), N_("Apfel?"), N_("Brot?"), N_("oder vielleicht ein BAUM?")}),
    ObjectRow{.name = "krippe", .model = "data/futterkrippekaputt.ms3d", .at = {190, 0, 115},
              .scale = {0.5f, 0.5f, 0.5f}, .facing = {-1, 0, 0}, .flags = solid, .reach = 5, .rule = 5, .look = 5,
              .prompt = lookAtThing, .lines = {N_("Eine Vogelkrippe")}},
    ObjectRow{.name = "particleBase", .kind = Kind::Spray, .at = {176, 7, 81.5f}, .randomFrom = 136000},
    ObjectRow{.name = "einsiedler", .kind = Kind::Person, .model = "data/einsiedler.ms3d", .at = {180, 0, 90},
              .scale = {0.3f, 0.3f, 0.3f}, .flags = figure | Obstacle, .reach = 3, .rule = 1, .look = 1,
              .prompt = talkToHuman, .lines = {N_("Ein Einsiedler")}, .moves = {{{"default", 2, 10, 400}}},
              .quest = {N_("Krippe flicken"), "einsiedler", "qEinsiedler",
                        N_("Der Einsiedler braucht Futter fuer seine Voegel. Sag ja (1)."),
                        N_("Hol Futter vom Huehnerhof im Norden (m) und bring es dem Einsiedler.")}},
    // Hidden until the return from the chicken yard; then pushed ahead.
    ObjectRow{.name = "schubkarre", .kind = Kind::Actor, .parent = Parent::Avatar, .model = "data/scheibtruhe.ms3d",
              .at = {40, 0, 175}, .scale = {0.3f, 0.3f, 0.3f}, .flags = shaded | StartsHidden,
              .followDistance = -1.5f},
    sacks,
    ObjectRow{.name = "northExit", .kind = Kind::Exit, .at = {100, 0, 205}, .reach = 12, .rule = 7,
              .prompt = dangerAhead, .target = 3},
    ObjectRow{.name = "eastExit", .kind = Kind::Exit, .at = {205, 0, 115}, .reach = 12, .rule = 8,
              .prompt = N_("Diese Krippe versperrt den Weg"), .target = 4});

} // namespace

const LevelTable Level2::layout{2, N_("Die Siedlung des Einsiedlers"), objects, fromTheWest, nothingToSee,
                                backFromTheNorth(4)};

Level2::Level2() : Level(layout)
{
    giveQuest(hermitQuest, "einsiedler");
}

void Level2::runScript(ModelNode* reached)
{
    // The thanks take the feed off the wheelbarrow and mend the manger.
    if (reached != einsiedler || !hermitQuest.rewarded || !avatar.hasChild("schubkarre")) {
        return;
    }
    playSound("data/sound/dankefenno.wav", SoundMode::Once);
    mendManger();
}

void Level2::mendManger()
{
    avatar.removeChild(schubkarre);
    for (Actor& sack : sacks) {
        avatar.removeChild(&sack);
    }
    krippe->load(mendedManger);
}

bool Level2::exitOpen(int target) const
{
    return target == 3 ? hermitQuest.accepted : hermitQuest.finished;
}

void Level2::returnFromSideTrip(int sacksBrought)
{
    ++hermitQuest.collected;
    comeBack(sacksBrought);
}

void Level2::comeBack(int sacksBrought)
{
    schubkarre->hidden = false;
    showHidden(sacks, sacksBrought);
    applyReturn();
}

Level2::Progress Level2::progress() const
{
    return {hermitQuest, static_cast<int>(std::ranges::count(sacks, false, &Actor::hidden))};
}

void Level2::restore(const Progress& saved)
{
    static_cast<QuestProgress&>(hermitQuest) = saved.hermit;
    // Every return from the chicken yard counts for the task.
    if (hermitQuest.collected > 0) {
        comeBack(saved.sacksBrought);
    }
    if (hermitQuest.rewarded) {
        mendManger();
    }
}
