// The village's prompts, descriptions, set-up and script: carry the sheep home, get the ring, leave.
// One file per level, so each area's objects and script read on their own.

#include "levels/Level1.h"

#include "levels/Level1Layout.h"
#include "platform/Sound.h"

#include <cstring>

namespace {

const LevelLayout& layout = level1::layout;

// The line each rule shows, by the name of its object.
constexpr PromptRow prompts[] = {
    {"haus1", "Haus anschauen (v = view)"},
    {"haus2", "Haus anschauen (v = view)"},
    {"haus3", "Haus anschauen (v = view)"},
    {"haus4", "Haus anschauen (v = view)"},
    {"kirche", "Kirche anschauen (v = view)"},
    {"brunnen", "Brunnen anschauen (v = view)"},
    {"sign", "Schild anschauen (v = view)"},
    {"wald1", "Wald anschauen (v = view)"},
    {"wald2", "Wald anschauen (v = view)"},
    {"wald3", "Wald anschauen (v = view)"},
    {"wald4", "Wald anschauen (v = view)"},
    {"priest", "Mit Priester sprechen (e = etwas sagen) oder Priester anschauen (v = view)"},
    {"sheep", "maehaehaehaeh"},
    {"frau", "Mit Frau sprechen (e = etwas sagen) oder Frau anschauen (v = view)"},
};

const char* promptFor(const char* name)
{
    // The exit marker: the old woman stands in the way until her quest is done.
    return promptNamed(prompts, name, "Diese alte Frau laesst mich nicht vorbei....");
}

constexpr const char* idleText = "Leider nichts zum anschauen";

} // namespace

Level1::Level1()
{
    forests = {&wald1, &wald2, &wald3, &wald4};
    const std::vector<NodeBinding> nodes = bindings();
    listObstacles(layout, nodes);
    partners = {&priest, &frau};
    lookOrder = {&haus1, &haus2, &haus3, &haus4, &kirche, &frau, &brunnen,
                 &priest, &sheep, &sign, &wald1, &wald2, &wald3, &wald4};
    selectable = {&haus1, &haus2, &haus3, &haus4, &wald1, &wald2, &wald3, &wald4,
                  &kirche, &brunnen, &priest, &frau, &sheep, &sign};
    const ExitMarker* gate = ::exitMarker(layout, "exit");
    exitTarget = gate->target;
    exitMarker.position = gate->position;

    for (const SelectionRule& row : layout.selections) {
        ModelNode* object = boundNode(nodes, row.node);
        void (Level1::*action)() = nullptr;
        if (object == &priest) {
            action = &Level1::thank;
        } else if (object == &sheep) {
            action = &Level1::pickUpSheep;
        } else if (object == &frau) {
            action = &Level1::handOverRing;
        }
        if (object != nullptr) {
            rules.push_back({object, row.radius, promptFor(row.node)});
        } else if (std::strcmp(row.node, "exit") == 0) {
            rules.push_back({&exitMarker, row.radius, promptFor(row.node), true});
            action = &Level1::leave;
        } else {
            continue;
        }
        actions.push_back(action);
    }
}

std::vector<NodeBinding> Level1::bindings()
{
    return bindRows(layout, {
        &light, &light2, &heavenBase, &haus1, &haus2, &haus3, &haus4, &sign, &kirche, &ground, &hill,
        &brunnen, &avatar, &ring, &priest, &frau, &sheep, &sky, &wald1, &wald2, &wald3, &wald4,
        &boundaryN, &boundaryS, &boundaryW, &boundaryE,
    });
}

void Level1::setup()
{
    Level::setup();
    load();
    attach();
    priestQuest.init("Das verlorene Schaf", "priester", &priest, 1);
    womanQuest.init("Halleluja", "altefrau", &frau, 1);
    describe();
}

void Level1::load()
{
    placeAll(layout, bindings());
    avatar.setAnimation(0);
    heavenBase.sheet.loadTexture();
}

void Level1::attach()
{
    linkSceneTop(heavenBase);
    addToGround({&haus1, &haus2, &haus3, &haus4, &kirche, &brunnen, &wald1, &wald2, &wald3,
                 &wald4, &boundaryN, &boundaryS, &boundaryW, &boundaryE, &hill, &priest,
                 &sign, &frau});
    ground.addChild(&sheep);
    priest.addChild(&priestQuest);
    frau.addChild(&womanQuest);
}

void Level1::describe()
{
    haus1.descriptionLines.push_back("Dies ist ein Haus");
    haus2.descriptionLines.push_back("Noch ein Haus, toll!");
    haus3.descriptionLines.push_back("Ein Haus");
    haus4.descriptionLines.push_back("Ein schoenes Haus");
    kirche.descriptionLines.push_back("Das ist eine Kirche");
    brunnen.descriptionLines.push_back("Ein tiefer Brunnen");
    priest.descriptionLines.push_back("Bruder Friedbert");
    sheep.descriptionLines.push_back("Das ist ein schwarzes Schaf");
    frau.descriptionLines.push_back("Eine alte Frau");
    sign.descriptionLines.push_back("Hier geht's in die weite Welt hinaus");
    wald1.descriptionLines.push_back("Ein Wald!");
    wald2.descriptionLines.push_back("Wald!");
    wald3.descriptionLines.push_back("Wohl ein Wald!");
    wald4.descriptionLines.push_back("Baeume!");
}

void Level1::frame()
{
    drawScene();
    paceAnimations();
    const int matched = select(rules, idleText);
    if (matched >= 0 && actions[matched] != nullptr) {
        (this->*actions[matched])();
    }
}

void Level1::pickUpSheep()
{
    if (!priestQuest.accepted || avatar.hasChild("sheep")) {
        return;
    }
    ground.removeChild(&sheep);
    sheep.followDistance = 4.0f;
    sheep.setAnimation(1);
    avatar.addChild(&sheep);
    playSound("data/sound/boeoeoeoe.wav", SoundMode::Looped);
    ++priestQuest.collected;
}

void Level1::thank()
{
    if (!priestQuest.rewarded) {
        return;
    }
    if (avatar.hasChild("sheep")) {
        avatar.removeChild(&sheep);
        // The priest goes back behind the sheep: he, and with him the
        // dialog box of his quest, is drawn last, over the sheep.
        ground.removeChild(&priest);
        ground.addChild(&sheep);
        ground.addChild(&priest);
        // Starting the thanks also ends the looped bleating.
        playSound("data/sound/dankefenno.wav", SoundMode::Once);
        sheep.setAnimation(0);
    }
    ring.position = avatar.position;
    if (!avatar.hasChild("ring")) {
        avatar.addChild(&ring);
    }
    if (womanQuest.accepted) {
        ++womanQuest.collected;
    } else {
        womanQuest.finished = true;
    }
}

void Level1::handOverRing()
{
    if (womanQuest.rewarded && avatar.hasChild("ring")) {
        avatar.removeChild(&ring);
    }
}

void Level1::leave()
{
    leaveWhen(womanQuest.finished, exitTarget);
}
