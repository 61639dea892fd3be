// The settlement's prompts, descriptions, set-up and script: mend the manger, open north and east.
// One file per level, so each area's objects and script read on their own.

#include "levels/Level2.h"

#include "levels/Level2Layout.h"
#include "platform/Sound.h"

#include <cstring>

namespace {

const LevelLayout& layout = level2::layout;

// The line each rule shows, by the name of its object or exit.
constexpr PromptRow prompts[] = {
    {"einsiedler", "Mit Mensch sprechen (e = etwas sagen) oder Mensch anschauen (v = view)"},
    {"haus", "Haus anschauen (v = view)"},
    {"wald", "Wald anschauen (v = view)"},
    {"baum", "Baum anschauen (v = view)"},
    {"krippe", "Ding anschauen (v = view)"},
    {"sign", "Schild anschauen (v = view)"},
    {"northExit", "Da siehts gefaehrlich aus"},
    {"eastExit", "Diese Krippe versperrt den Weg"},
};

const char* promptFor(const char* name)
{
    return promptByPrefix(prompts, name, "");
}

constexpr const char* idleText = "Hier gibt's nix zu sehn";

} // namespace

Level2::Level2()
{
    trees = {&baum1, &baum2, &baum3, &baum4, &baum5};
    forests = {&wald1, &wald2, &wald3, &wald4, &wald5};
    const std::vector<NodeBinding> nodes = bindings();
    listObstacles(layout, nodes);
    partners = {&einsiedler};
    lookOrder = {&einsiedler, &haus, &wald1, &wald2, &wald3, &wald4, &wald5,
                 &baum1, &baum2, &baum3, &baum4, &baum5, &krippe, &sign1, &sign2};
    selectable = lookOrder;
    exitTarget = exitMarker(layout, "northExit")->target;
    northExit.position = exitMarker(layout, "northExit")->position;
    eastExit.position = exitMarker(layout, "eastExit")->position;

    for (std::size_t i = 0; i < rules.size() && i < layout.selections.size(); ++i) {
        const SelectionRule& row = layout.selections[i];
        if (std::strcmp(row.node, "northExit") == 0) {
            rules[i] = ProximityRule{&northExit, row.radius, promptFor(row.node), true};
            actions[i] = &Level2::leaveNorth;
        } else if (std::strcmp(row.node, "eastExit") == 0) {
            rules[i] = ProximityRule{&eastExit, row.radius, promptFor(row.node), true};
            actions[i] = &Level2::leaveEast;
        } else {
            ModelNode* object = boundNode(nodes, row.node);
            rules[i] = ProximityRule{object, row.radius, promptFor(row.node)};
            if (object == &einsiedler) {
                actions[i] = &Level2::deliver;
            }
        }
    }
}

std::vector<NodeBinding> Level2::bindings()
{
    return bindRows(layout, {
        &light, &light2, &baum1, &baum2, &baum3, &baum4, &baum5, &sign1, &sign2, &einsiedler, &haus,
        &krippe, &wald1, &wald2, &wald3, &wald4, &wald5, &ground, &avatar, &sky, &boundaryN, &boundaryS,
        &boundaryW, &boundaryE, &hill, &particleBase, &heavenBase, &schubkarre,
        &sacks[0], &sacks[1], &sacks[2], &sacks[3], &sacks[4],
    });
}

void Level2::setup()
{
    Level::setup();
    load();
    attach();
    hermitQuest.init("Krippe flicken", "einsiedler", &einsiedler, 1);
    hermitQuest.setName("qEinsiedler");
    describe();
}

void Level2::load()
{
    placeAll(layout, bindings());
    avatar.setAnimation(0);
    particleBase.spray.loadTexture();
    particleBase.spray.particleSize = level2::sprayParticleSize;
    heavenBase.sheet.loadTexture();
}

void Level2::attach()
{
    linkSceneTop(heavenBase);
    addToGround({&boundaryN, &boundaryS, &boundaryW, &boundaryE, &hill, &haus, &wald1, &wald2,
                 &wald3, &wald4, &wald5, &sign1, &sign2, &baum1, &baum2, &baum3, &baum4, &baum5,
                 &krippe, &particleBase, &einsiedler});
    einsiedler.addChild(&hermitQuest);
    // Hidden until the return from the chicken yard; then pushed ahead.
    avatar.addChild(&schubkarre);
    for (Actor& sack : sacks) {
        avatar.addChild(&sack);
    }
}

void Level2::unload()
{
    geoBranch.destroyTree();
    removeChild(&geoBranch);
}

void Level2::describe()
{
    einsiedler.descriptionLines.push_back("Ein Einsiedler");
    haus.descriptionLines.push_back("Eine Einsiedler Siedlung");
    wald1.descriptionLines.push_back("Ein Wald");
    wald2.descriptionLines.push_back("Ein paar Baeume!");
    wald3.descriptionLines.push_back("Ein Klasse M Wald");
    wald4.descriptionLines.insert(wald4.descriptionLines.end(), {"Es lebe der", "W A L D M E I S T E R"});
    wald5.descriptionLines.insert(wald5.descriptionLines.end(),
                                  {"Herzlichen Glueckwunsch!", "S I E sind der 1.000.000",
                                   "Betrachter dieses Waldes!", "Besuchen Sie auch unsere anderen Waelder"});
    baum1.descriptionLines.push_back("Baum");
    baum2.descriptionLines.push_back("Baum");
    baum3.descriptionLines.push_back("kleiner Wald");
    baum4.descriptionLines.push_back("gruen");
    baum5.descriptionLines.insert(baum5.descriptionLines.end(),
                                  {"Was glaubst du wohl was das ist?", "Apfel?", "Brot?",
                                   "oder vielleicht ein BAUM?"});
    krippe.descriptionLines.push_back("Eine Vogelkrippe");
    sign1.descriptionLines.insert(sign1.descriptionLines.end(), {"Zum Futter", "(kleiner Hinweis)"});
    sign2.descriptionLines.insert(sign2.descriptionLines.end(),
                                  {"Zum Fluss", "(sobald die Krippe wieder ganz ist)"});
}

void Level2::frame()
{
    heavenBase.sheet.viewer = camera.position;
    particleBase.spray.viewer = camera.position;
    drawScene();
    paceAnimations();
    const int matched = select(rules, idleText);
    if (matched >= 0 && actions[matched] != nullptr) {
        (this->*actions[matched])();
    }
}

void Level2::deliver()
{
    if (!hermitQuest.rewarded || !avatar.hasChild("schubkarre")) {
        return;
    }
    playSound("data/sound/dankefenno.wav", SoundMode::Once);
    avatar.removeChild(&schubkarre);
    for (Actor& sack : sacks) {
        avatar.removeChild(&sack);
    }
    krippe.load(level2::mendedManger);
}

void Level2::leaveNorth()
{
    leaveWhen(hermitQuest.accepted, exitMarker(layout, "northExit")->target);
}

void Level2::leaveEast()
{
    leaveWhen(hermitQuest.finished, exitMarker(layout, "eastExit")->target);
}

void Level2::returnFromSideTrip(int sacksBrought)
{
    ++hermitQuest.collected;
    schubkarre.hidden = false;
    for (int i = 0; i < sacksBrought; ++i) {
        for (Actor& sack : sacks) {
            if (sack.hidden) {
                sack.hidden = false;
                break;
            }
        }
    }
    applyReturn(*layout.returnSetup, northExit);
}
