// The inn village's table and script: the hero's task and the farewell.

#include "levels/Level6.h"

#include "levels/SharedRows.h"

#include <cstdio>

using namespace rows;

namespace {

// The village of Level 1 again, with an inn for the church and a hero for its people.
constexpr auto objects = join(
    village::sky, glow(395000), avatar("Avatar", {104, 0, 13}, {0, 0, -1}), village::ground,
    village::haus1, village::haus2, withReach(village::haus3, 8), village::haus4,
    ObjectRow{.name = "wirtshaus", .model = "data/wiazhaus.ms3d", .at = {115, 0, 110}, .facing = {15, 0, 10},
              .flags = figure | Obstacle, .reach = 4, .rule = 2, .look = 2,
              .prompt = N_("Wirtshaus anschauen (v = view)"), .lines = {N_("Das ist eine Wirtshaus")},
              .moves = {{{"default", 3, 30, 1000}}}},
    withLines(village::well, {N_("Noch ein tiefer Brunnen")}), village::woods, walls, village::hills,
    ObjectRow{.name = "held", .kind = Kind::Person, .model = "data/held.ms3d", .at = {110, 0, 105},
              .facing = {15, 0, 15}, .flags = figure | Obstacle, .reach = 3, .rule = 4, .look = 5,
              .prompt = N_("Mit Held sprechen (e = etwas sagen) oder Held anschauen (v = view)"),
              .lines = {N_("Ein vermummter Held")}, .moves = {{{"default", 1, 10, 400}}},
              .quest = {N_("Das verlorene Schaf"), "held", nullptr,
                        N_("Der vermummte Held sucht einen Gefaehrten. Sag ja (1)."),
                        N_("Beende das Gespraech mit dem Helden (q): die Reise beginnt.")}});

} // namespace

const LevelTable Level6::layout{6, N_("Das Wirtshaus"), objects, {{104, 5, -2}, {104, 1, 13}}, nothingToLookAt};

Level6::Level6() : Level(layout)
{
    giveQuest(heroQuest, "held");
}

void Level6::command(int key)
{
    if (key == 'l') {
        std::fputs(tr(farewell), stdout);
        // No line end follows, so the text would otherwise wait in the buffer.
        std::fflush(stdout);
    } else if (key == 'q' && heroQuest.accepted) {
        // The hero asks for nothing to be fetched: saying yes and closing
        // the conversation is the whole task, and ends the game.
        heroQuest.finished = true;
    }
    Level::command(key);
}
