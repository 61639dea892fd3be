// The village's table and script: carry the sheep home, get the ring, leave.

#include "levels/Level1.h"

#include "levels/SharedRows.h"
#include "platform/Sound.h"

using namespace rows;

namespace {

constexpr auto objects = join(
    village::sky, glow(57000), avatar("Avatar", {75, 0, 112}, {-1, 0, 0}), village::ground,
    village::haus1, village::haus2, village::haus3, village::haus4,
    ObjectRow{.name = "kirche", .model = "data/kirSche.ms3d", .at = {115, 0, 110}, .scale = {2.5f, 2.5f, 2.5f},
              .facing = {15, 0, 10}, .flags = solid, .reach = 7, .rule = 2, .look = 2,
              .prompt = N_("Kirche anschauen (v = view)"), .lines = {N_("Das ist eine Kirche")}},
    village::well, village::woods, walls, village::hills,
    ObjectRow{.name = "priest", .kind = Kind::Person, .model = "data/priest.ms3d", .at = {123, 0, 110},
              .scale = {0.3f, 0.3f, 0.3f}, .facing = {15, 0, 15}, .flags = figure | Obstacle, .reach = 3, .rule = 6,
              .look = 5, .prompt = N_("Mit Priester sprechen (e = etwas sagen) oder Priester anschauen (v = view)"),
              .lines = {N_("Bruder Friedbert")}, .moves = {{{"default", 3, 30, 1000}}},
              .quest = {N_("Das verlorene Schaf"), "priester", nullptr,
                        N_("Bruder Friedbert bei der Kirche braucht Hilfe. Sag ja (1)."),
                        N_("Hol das schwarze Schaf vom Wald hinter dem Dorf zur Kirche.")}},
    ObjectRow{.name = "sign", .model = "data/sign.ms3d", .at = {120, 0, 10}, .scale = {0.1f, 0.1f, 0.1f},
              .facing = {15, 0, 25}, .flags = shaded, .reach = 3, .rule = 4, .look = 7, .prompt = lookAtSign,
              .lines = {N_("Hier geht's in die weite Welt hinaus")}},
    ObjectRow{.name = "frau", .kind = Kind::Person, .model = "data/altefrau.ms3d", .at = {110, 0, 10},
              .scale = {0.3f, 0.3f, 0.3f}, .facing = {0, 0, -1}, .flags = figure | Obstacle, .reach = 3, .rule = 8,
              .look = 3, .prompt = N_("Mit Frau sprechen (e = etwas sagen) oder Frau anschauen (v = view)"),
              .lines = {N_("Eine alte Frau")}, .moves = {{{"default", 3, 30, 1000}}},
              .quest = {N_("Halleluja"), "altefrau", nullptr,
                        N_("Die alte Frau am Dorfausgang will einen Gefallen. Sag ja (1)."),
                        N_("Bring der alten Frau den Ring von Bruder Friedbert.")}},
    ObjectRow{.name = "sheep", .kind = Kind::Actor, .model = "data/sheep.ms3d", .at = {20, 0, 180},
              .scale = {0.04f, 0.04f, 0.04f}, .flags = figure, .reach = 2, .rule = 7, .look = 6,
              .prompt = N_("maehaehaehaeh"), .lines = {N_("Das ist ein schwarzes Schaf")},
              .moves = {{{"default", 3, 60, 1900}, {"walk", 2, 10, 400}}}, .headingFacing = {15, 0, 15}},
    // Handed over by the priest; until then nowhere.
    ObjectRow{.name = "ring", .kind = Kind::Actor, .parent = Parent::Nowhere, .model = "data/ring.ms3d",
              .at = {100, 0, 100}},
    ObjectRow{.name = "exit", .kind = Kind::Exit, .at = {108, 0, -5}, .reach = 12, .rule = 9,
              .prompt = N_("Diese alte Frau laesst mich nicht vorbei...."), .target = 2});

} // namespace

const LevelTable Level1::layout{1, N_("Das Dorf"), objects, {{60, 5, 112}, {75, 1, 112}}, nothingToLookAt};

Level1::Level1() : Level(layout)
{
    giveQuest(priestQuest, "priest");
    giveQuest(womanQuest, "frau");
}

void Level1::runScript(ModelNode* reached)
{
    if (reached == sheep) {
        pickUpSheep();
    } else if (reached == priest) {
        thank();
    } else if (reached == frau) {
        handOverRing();
    }
}

bool Level1::exitOpen(int) const
{
    return womanQuest.finished;
}

Level1::Progress Level1::progress() const
{
    return {priestQuest, womanQuest};
}

void Level1::restore(const Progress& saved)
{
    static_cast<QuestProgress&>(priestQuest) = saved.priest;
    static_cast<QuestProgress&>(womanQuest) = saved.woman;
    if (priestQuest.rewarded) {
        sheep->position = sheepAtPriest;
        leaveSheepAtPriest();
        if (!womanQuest.rewarded) {
            carryRing();
        }
    } else if (priestQuest.collected > 0) {
        carrySheep();
    }
}

void Level1::pickUpSheep()
{
    if (!priestQuest.accepted || avatar.hasChild("sheep")) {
        return;
    }
    carrySheep();
    ++priestQuest.collected;
}

void Level1::carrySheep()
{
    ground.removeChild(sheep);
    sheep->followDistance = 4.0f;
    sheep->setAnimation(1);
    avatar.addChild(sheep);
    playSound("data/sound/boeoeoeoe.wav", SoundMode::Looped);
}

void Level1::thank()
{
    if (!priestQuest.rewarded) {
        return;
    }
    if (avatar.hasChild("sheep")) {
        leaveSheepAtPriest();
        // Starting the thanks also ends the looped bleating.
        playSound("data/sound/dankefenno.wav", SoundMode::Once);
    }
    carryRing();
    if (womanQuest.accepted) {
        ++womanQuest.collected;
    } else {
        womanQuest.finished = true;
    }
}

void Level1::leaveSheepAtPriest()
{
    avatar.removeChild(sheep);
    // The priest goes back behind the sheep: he, and with him the dialog
    // box of his quest, is drawn last, over the sheep.
    ground.removeChild(sheep);
    ground.removeChild(priest);
    ground.addChild(sheep);
    ground.addChild(priest);
    sheep->setAnimation(0);
}

void Level1::carryRing()
{
    ring->position = avatar.position;
    if (!avatar.hasChild("ring")) {
        avatar.addChild(ring);
    }
}

void Level1::handOverRing()
{
    if (womanQuest.rewarded && avatar.hasChild("ring")) {
        avatar.removeChild(ring);
    }
}
