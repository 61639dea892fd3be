// The yard's prompts, descriptions, set-up and script: load the feed, flee the chickens, get out.
// One file per level, so each area's objects and script read on their own.

#include "levels/Level3.h"

#include "levels/Level3Layout.h"
#include "platform/Sound.h"

#include <cmath>
#include <cstring>

namespace {

const LevelLayout& layout = level3::layout;

// The line each rule shows, by the name of its object or exit.
constexpr PromptRow prompts[] = {
    {"schubkarre", "Ding anschauen (v = view), Ding mitnehmen (m = mitnehmen)"},
    {"baum", "Baum anschauen (v = view)"},
    {"futter", "Zeug anschauen (v = view)"},
    {"exit", "Ich soll doch Futter holen!"},
    {"sign", "Schild anschauen (v = view)"},
    {"mob", "Huhn anschauen (v = view)"},
};

const char* promptFor(const char* name)
{
    return promptByPrefix(prompts, name, "");
}

constexpr const char* idleText = "Hier gibt's nix zu sehn";
constexpr const char* wheelbarrowName = "schubkarre";

} // namespace

Level3::Level3()
{
    trees = {&baum1, &baum2, &baum3, &baum4, &baum5};
    const std::vector<NodeBinding> nodes = bindings();
    listObstacles(layout, nodes);
    for (Actor& mob : mobs) {
        lookOrder.push_back(&mob);
    }
    lookOrder.insert(lookOrder.end(), {&futter, &sign, &baum1, &baum2, &baum3, &baum4, &baum5, &schubkarre});
    selectable = lookOrder;
    exitTarget = exitMarker(layout, "exit")->target;
    exitPoint.position = exitMarker(layout, "exit")->position;

    for (std::size_t i = 0; i < rules.size() && i < layout.selections.size(); ++i) {
        const SelectionRule& row = layout.selections[i];
        if (std::strcmp(row.node, "exit") == 0) {
            rules[i] = ProximityRule{&exitPoint, row.radius, promptFor(row.node), true};
        } else {
            rules[i] = ProximityRule{boundNode(nodes, row.node), row.radius, promptFor(row.node)};
        }
        if (std::strcmp(row.node, wheelbarrowName) == 0) {
            wheelbarrowRadius = row.radius;
        }
    }
}

std::vector<NodeBinding> Level3::bindings()
{
    std::vector<ModelNode*> placed = {&light, &light2, &baum1, &baum2, &baum3, &baum4, &baum5, &sign, &futter};
    for (Actor& mob : mobs) {
        placed.push_back(&mob);
    }
    placed.insert(placed.end(), {&ground, &avatar, &sky, &schubkarre, &sacks[0], &sacks[1], &sacks[2], &sacks[3],
                                 &sacks[4], &boundaryN, &boundaryS, &boundaryW, &boundaryE, &hill, &heavenBase});
    return bindRows(layout, placed);
}

void Level3::setup()
{
    Level::setup();
    load();
    attach();
    describe();
}

void Level3::load()
{
    placeAll(layout, bindings());
    avatar.setAnimation(0);
    heavenBase.sheet.loadTexture();
    for (int i = 0; i < chickenCount; ++i) {
        homes[i] = mobs[i].position;
        mobs[i].setAnimation(0);
        mobs[i].animationIndex = 0;
    }
}

void Level3::attach()
{
    linkSceneTop(heavenBase);
    addToGround({&boundaryN, &boundaryS, &boundaryW, &boundaryE, &hill,
                 &baum1, &baum2, &baum3, &baum4, &baum5});
    for (Actor& mob : mobs) {
        ground.addChild(&mob);
    }
    ground.addChild(&schubkarre);
    ground.addChild(&futter);
    ground.addChild(&sign);
    // Hidden until loaded at the pile; then carried around the wheelbarrow.
    for (Actor& sack : sacks) {
        avatar.addChild(&sack);
    }
}

void Level3::unload()
{
    geoBranch.destroyTree();
    removeChild(&geoBranch);
}

void Level3::describe()
{
    baum1.descriptionLines.push_back("Baum");
    baum2.descriptionLines.push_back("Baum");
    baum3.descriptionLines.push_back("kleiner Wald");
    baum4.descriptionLines.push_back("gruen");
    baum5.descriptionLines.insert(baum5.descriptionLines.end(),
                                  {"Was glaubst du wohl was das ist?", "Apfel?", "Brot?",
                                   "oder vielleicht ein BAUM?"});
    for (int i = 0; i < chickenCount; ++i) {
        mobs[i].descriptionLines.push_back(i < 8 ? "Ein seltsames Huehnchen!" : "Freilaufend und gluecklich");
    }
    sign.descriptionLines.insert(sign.descriptionLines.end(), {"Zurueck zum Einsiedler", "(nur mit Futter)"});
    futter.descriptionLines.push_back("Huehnerfutter ?!");
    schubkarre.descriptionLines.push_back("Oh wie praktisch. Eine Scheibtruhe.");
}

void Level3::command(int key)
{
    if (key == 'm') {
        take();
    }
    if (key == 'q') {
        SceneNode::command(key);
        return;
    }
    Level::command(key);
}

void Level3::frame()
{
    heavenBase.sheet.viewer = camera.position;
    drawScene();
    paceAnimations();
    // The wheelbarrow's rule applies only while it stands on the ground; a
    // radius of 0 never matches.
    rules[0].radius = avatar.hasChild(wheelbarrowName) ? 0.0f : wheelbarrowRadius;
    const int matched = select(rules, idleText);
    if (matched >= 0 && rules[matched].object == &exitPoint) {
        leave();
    }
    chase();
    promptAtFeedPile();
    catchSacks();
}

void Level3::take()
{
    if (schubkarre.selected && !avatar.hasChild(wheelbarrowName)) {
        ground.removeChild(&schubkarre);
        schubkarre.followDistance = -1.5f;
        avatar.addChild(&schubkarre);
    } else if (futter.selected && avatar.hasChild(wheelbarrowName)) {
        feedCount = static_cast<int>(sacks.size());
        for (std::size_t n = 0; n < sacks.size(); ++n) {
            for (Actor& sack : sacks) {
                if (sack.hidden) {
                    sack.hidden = false;
                    break;
                }
            }
        }
    }
}

void Level3::leave()
{
    leaveWhen(feedCount >= 1, exitTarget);
}

void Level3::animate(Actor& chicken, int index)
{
    if (chicken.animationIndex != index) {
        chicken.setAnimation(index);
        chicken.animationIndex = index;
    }
}

void Level3::chase()
{
    // "mob1" runs twice each frame.
    chaseWith(mobs[0], level3::chaseSpeeds[0]);
    for (int i = 0; i < chickenCount; ++i) {
        chaseWith(mobs[i], level3::chaseSpeeds[i]);
    }
}

void Level3::chaseWith(Actor& chicken, float speed)
{
    const Vector3& at = avatar.position;
    if (chicken.position.distanceTo(at.x, at.y, at.z) >= level3::chaseRadius || feedCount < 1) {
        animate(chicken, 0);
        return;
    }
    animate(chicken, 1);
    const Vector3 d(at.x - chicken.position.x, at.y - chicken.position.y, at.z - chicken.position.z);
    // A chicken standing exactly on the player has no way to turn or go.
    if (d.x == 0.0f && d.z == 0.0f) {
        return;
    }
    chicken.heading = d.headingTo(chicken.direction);
    // However slow the frame, the chicken runs no further than the player:
    // jumping past it, it could miss the player frame after frame.
    const float reach = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
    chicken.move(std::fmin(speed / avatar.frameRate, reach), d);
}

void Level3::promptAtFeedPile()
{
    const Vector3& at = avatar.position;
    if (futter.position.distanceTo(at.x, at.y, at.z) >= level3::feedPileRadius) {
        return;
    }
    futter.selected = true;
    prompt = avatar.hasChild(wheelbarrowName) ? "Futter mitnehmen (m = mitnehmen)"
                                              : "Wenn ich doch nur eine Scheibtruhe haette!";
}

void Level3::catchSacks()
{
    const Vector3& at = avatar.position;
    for (int i = 0; i < chickenCount; ++i) {
        Actor& chicken = mobs[i];
        if (chicken.position.distanceTo(at.x, at.y, at.z) >= level3::catchRadius) {
            continue;
        }
        Actor* last = nullptr;
        for (auto sack = sacks.rbegin(); sack != sacks.rend(); ++sack) {
            if (!sack->hidden) {
                last = &*sack;
                break;
            }
        }
        if (last == nullptr) {
            continue;
        }
        --feedCount;
        playSound("data/sound/huhn.wav", SoundMode::Once);
        animate(chicken, 0);
        last->hidden = true;
        chicken.position = homes[i];
    }
}
