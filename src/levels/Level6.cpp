// The inn village's prompts, descriptions, set-up and script: the hero's task and the farewell.
// One file per level, so each area's objects and script read on their own.

#include "levels/Level6.h"

#include "levels/Level6Layout.h"

#include <cstdio>

namespace {

const LevelLayout& layout = level6::layout;

constexpr const char* idleText = "Leider nichts zum anschauen";

// The line each rule shows, by the name of its object.
constexpr PromptRow prompts[] = {
    {"haus1", "Haus anschauen (v = view)"},
    {"haus2", "Haus anschauen (v = view)"},
    {"haus3", "Haus anschauen (v = view)"},
    {"haus4", "Haus anschauen (v = view)"},
    {"wirtshaus", "Wirtshaus anschauen (v = view)"},
    {"brunnen", "Brunnen anschauen (v = view)"},
    {"held", "Mit Held sprechen (e = etwas sagen) oder Held anschauen (v = view)"},
    {"wald1", "Wald anschauen (v = view)"},
    {"wald2", "Wald anschauen (v = view)"},
    {"wald3", "Wald anschauen (v = view)"},
    {"wald4", "Wald anschauen (v = view)"},
};

const char* promptFor(const char* name)
{
    return promptNamed(prompts, name, idleText);
}

} // namespace

Level6::Level6()
{
    forests = {&wald1, &wald2, &wald3, &wald4};
    const std::vector<NodeBinding> nodes = bindings();
    listObstacles(layout, nodes);
    partners = {&held};
    lookOrder = {&haus1, &haus2, &haus3, &haus4, &wirtshaus, &brunnen, &held, &wald1, &wald2, &wald3, &wald4};
    selectable = lookOrder;

    for (const SelectionRule& row : layout.selections) {
        if (ModelNode* object = boundNode(nodes, row.node)) {
            rules.push_back(ProximityRule{object, row.radius, promptFor(row.node)});
        }
    }
}

std::vector<NodeBinding> Level6::bindings()
{
    return bindRows(layout, {
        &light, &light2, &heavenBase, &haus1, &haus2, &haus3, &haus4, &wirtshaus, &ground, &hill, &brunnen,
        &avatar, &held, &sky, &wald1, &wald2, &wald3, &wald4, &boundaryN, &boundaryS, &boundaryW, &boundaryE,
    });
}

void Level6::setup()
{
    Level::setup();
    load();
    attach();
    heroQuest.init("Das verlorene Schaf", "held", &held, 1);
    describe();
}

void Level6::load()
{
    placeAll(layout, bindings());
    avatar.setAnimation(0);
    heavenBase.sheet.loadTexture();
}

void Level6::attach()
{
    linkSceneTop(heavenBase);
    addToGround({&haus1, &haus2, &haus3, &haus4, &wirtshaus, &brunnen, &wald1, &wald2, &wald3, &wald4,
                 &boundaryN, &boundaryS, &boundaryW, &boundaryE, &hill, &held});
    held.addChild(&heroQuest);
}

void Level6::describe()
{
    haus1.descriptionLines.push_back("Dies ist ein Haus");
    haus2.descriptionLines.push_back("Noch ein Haus, toll!");
    haus3.descriptionLines.push_back("Ein Haus");
    haus4.descriptionLines.push_back("Ein schoenes Haus");
    wirtshaus.descriptionLines.push_back("Das ist eine Wirtshaus");
    brunnen.descriptionLines.push_back("Noch ein tiefer Brunnen");
    held.descriptionLines.push_back("Ein vermummter Held");
    wald1.descriptionLines.push_back("Ein Wald!");
    wald2.descriptionLines.push_back("Wald!");
    wald3.descriptionLines.push_back("Wohl ein Wald!");
    wald4.descriptionLines.push_back("Baeume!");
}

void Level6::frame()
{
    drawScene();
    paceAnimations();
    select(rules, idleText);
}

void Level6::command(int key)
{
    if (key == 'l') {
        std::printf("Danke, dass Sie sich fuer Korvel entschieden haben.\nFreuen Sie sich auf Sarnik....");
        // No line end follows, so the text would otherwise wait in the buffer.
        std::fflush(stdout);
    } else if (key == 'q' && heroQuest.accepted) {
        // The hero asks for nothing to be fetched: saying yes and closing
        // the conversation is the whole task, and ends the game.
        heroQuest.finished = true;
    }
    Level::command(key);
}
