// The river's prompts, descriptions, set-up and script: the officer's task, the barrier, the exits.
// One file per level, so each area's objects and script read on their own.

#include "levels/Level4.h"

#include "levels/Level4Layout.h"
#include "platform/Sound.h"


namespace {

const LevelLayout& layout = level4::layout;

constexpr PromptRow prompts[] = {
    {"zoellner", "Mit Mensch sprechen (e = etwas sagen) oder Mensch anschauen (v = view)"},
    {"wald1", "Wald anschauen (v = view)"},
    {"wald2", "Wald anschauen (v = view)"},
    {"wald3", "Wald anschauen (v = view)"},
    {"baum1", "Baum anschauen (v = view)"},
    {"baum2", "Baum anschauen (v = view)"},
    {"bruecke", "Bruecke anschauen (v = view)"},
    {"sign1", "Schild anschauen (v = view)"},
    {"sign2", "Schild anschauen (v = view)"},
    {"northExit", "Da siehts gefaehrlich aus"},
    // Standing at the far bank's exit leaves the line as it was.
    {"eastExit", nullptr},
};

const char* promptFor(const char* name)
{
    return promptNamed(prompts, name, nullptr);
}

constexpr const char* idleText = "Hier gibt's nix zu sehn";

} // namespace

Level4::Level4()
{
    trees = {&baum1, &baum2};
    forests = {&wald1, &wald2, &wald3};
    const std::vector<NodeBinding> nodes = bindings();
    listObstacles(layout, nodes);
    partners = {&zoellner};
    lookOrder = {&zoellner, &wald1, &wald2, &wald3, &baum1, &baum2, &bruecke, &sign1, &sign2};
    selectable = lookOrder;
    exitTarget = exitMarker(layout, "northExit")->target;

    for (std::size_t i = 0; i < rules.size() && i < layout.selections.size(); ++i) {
        const SelectionRule& row = layout.selections[i];
        ModelNode* object = boundNode(nodes, row.node);
        const bool marker = object == &northExit || object == &eastExit;
        rules[i] = ProximityRule{object, row.radius, promptFor(row.node), marker};
        if (object == &zoellner) {
            actions[i] = &Level4::openBarrier;
        } else if (object == &northExit) {
            actions[i] = &Level4::leaveNorth;
        } else if (object == &eastExit) {
            actions[i] = &Level4::leaveEast;
        }
    }
}

std::vector<NodeBinding> Level4::bindings()
{
    return bindRows(layout, {
        &light, &light2, &baum1, &baum2, &wasser, &sign1, &sign2, &zaun1, &zaun2, &zaun3, &zaun4, &zoellner,
        &bruecke, &wald1, &wald2, &wald3, &avatar, &sky, &boundaryN, &boundaryS, &boundaryW, &boundaryE,
        &cBox1, &cBox2, &ground, &hill, &heavenBase,
    }, {&northExit, &eastExit});
}

void Level4::setup()
{
    Level::setup();
    load();
    attach();
    officerQuest.init("Plakette suchen", "trumbel", &zoellner, 1);
    officerQuest.setName("qTuev");
    describe();
    wasser.loadTexture();
}

void Level4::load()
{
    placeAll(layout, bindings());
    northExit.position = exitMarker(layout, "northExit")->position;
    eastExit.position = exitMarker(layout, "eastExit")->position;
    avatar.setAnimation(0);
    heavenBase.sheet.loadTexture();
}

void Level4::attach()
{
    linkSceneTop(heavenBase, {&wasser, &hill});
    addToGround({&boundaryN, &boundaryS, &boundaryW, &boundaryE, &wald1, &wald2, &wald3, &sign1, &sign2,
                 &baum1, &baum2, &bruecke, &zaun1, &zaun2, &zaun3, &zaun4, &cBox1, &cBox2, &zoellner});
    zoellner.addChild(&officerQuest);
}

void Level4::describe()
{
    zoellner.descriptionLines.push_back("Scheint ein Zoellner zu sein!");
    wald1.descriptionLines.push_back("Ein Wald");
    wald2.descriptionLines.push_back("Ein paar Baeume!");
    wald3.descriptionLines.push_back("W A L D");
    baum1.descriptionLines.push_back("Baum");
    baum2.descriptionLines.push_back("Baeumchen");
    bruecke.descriptionLines.push_back("Eine Bruecke");
    sign1.descriptionLines.push_back("Zu gemeinen Schlangen");
    sign2.descriptionLines.push_back("Nach Dorf2!");
}

void Level4::frame()
{
    heavenBase.sheet.viewer = camera.position;
    drawScene();
    paceAnimations();
    const int matched = select(rules, idleText);
    if (matched >= 0 && actions[matched] != nullptr) {
        (this->*actions[matched])();
    }
}

void Level4::openBarrier()
{
    if (!officerQuest.rewarded || barrierOpened) {
        return;
    }
    playSound("data/sound/dankefenno.wav", SoundMode::Once);
    cBox2.position = level4::openedBarrierPosition;
    // Loading again rebuilds the wall's box about its new place.
    cBox2.load("data/lvlbdry.ms3d");
    barrierOpened = true;
}

void Level4::leaveNorth()
{
    leaveWhen(officerQuest.accepted, exitMarker(layout, "northExit")->target);
}

void Level4::leaveEast()
{
    leaveWhen(true, exitMarker(layout, "eastExit")->target);
}

void Level4::returnFromSideTrip(int itemsBrought)
{
    officerQuest.collected += itemsBrought;
    applyReturn(*layout.returnSetup, northExit);
}
