// The pit's prompts, descriptions, set-up and script: drive the snakes into the cage, take the badge.
// One file per level, so each area's objects and script read on their own.

#include "levels/Level5.h"

#include "levels/Level5Layout.h"
#include "platform/Sound.h"

#include <cmath>
#include <initializer_list>
#include <span>

namespace {

const LevelLayout& layout = level5::layout;

constexpr PromptRow prompts[] = {
    {"kaefig", "Ding anschauen (v = view)"},
    {"baum1", "Baum anschauen (v = view)"},
    {"baum2", "Baum anschauen (v = view)"},
    {"baum3", "Baum anschauen (v = view)"},
    {"baum4", "Baum anschauen (v = view)"},
    {"baum5", "Baum anschauen (v = view)"},
    {"exit", "Ohne Plakete mag ich hier nicht weg!"},
    {"sign", "Schild anschauen (v = view)"},
};

const char* promptFor(const char* name)
{
    return promptNamed(prompts, name, nullptr);
}

constexpr const char* idleText = "Hier gibt's nix zu sehn";

constexpr int crawling = 0;
constexpr int attacking = 1;
constexpr int stunned = 2;
constexpr int avatarWhistling = 2;

float distance(const ModelNode& a, const ModelNode& b)
{
    return a.position.distanceTo(b.position.x, b.position.y, b.position.z);
}

// The closest that the straight way from a to b comes to c.
float closestApproach(const Vector3& a, const Vector3& b, const Vector3& c)
{
    const Vector3 ab(b.x - a.x, b.y - a.y, b.z - a.z);
    const float lengthSquared = ab.x * ab.x + ab.y * ab.y + ab.z * ab.z;
    float t = 0.0f;
    if (lengthSquared > 0.0f) {
        t = ((c.x - a.x) * ab.x + (c.y - a.y) * ab.y + (c.z - a.z) * ab.z) / lengthSquared;
        t = std::fmin(std::fmax(t, 0.0f), 1.0f);
    }
    return c.distanceTo(a.x + ab.x * t, a.y + ab.y * t, a.z + ab.z * t);
}

} // namespace

Level5::Level5()
{
    trees = {&baum1, &baum2, &baum3, &baum4, &baum5};
    const std::vector<NodeBinding> nodes = bindings();
    listObstacles(layout, nodes);
    lookOrder = {&baum1, &kaefig, &baum2, &baum3, &baum4, &baum5, &sign};
    selectable = lookOrder;
    exitTarget = exitMarker(layout, "exit")->target;
    for (std::size_t i = 0; i < rules.size() && i < layout.selections.size(); ++i) {
        const SelectionRule& row = layout.selections[i];
        ModelNode* object = boundNode(nodes, row.node);
        rules[i] = ProximityRule{object, row.radius, promptFor(row.node), object == &exitPoint};
    }
}

std::vector<NodeBinding> Level5::bindings()
{
    return bindRows(layout, {
        &light, &light2, &baum1, &baum2, &baum3, &baum4, &baum5, &sign, &mob1, &mob2, &mob3, &mob4, &mob5,
        &mob6, &ground, &avatar, &sky, &kaefig, &boundaryN, &boundaryS, &boundaryW, &boundaryE, &hill,
        &heavenBase,
    }, {&exitPoint});
}

void Level5::setup()
{
    Level::setup();
    load();
    attach();
    describe();
}

void Level5::load()
{
    placeAll(layout, bindings());
    exitPoint.position = exitMarker(layout, "exit")->position;
    Actor* snakes[] = {&mob1, &mob2, &mob3, &mob4, &mob5, &mob6};
    for (std::size_t i = 0; i < homes.size(); ++i) {
        homes[i] = snakes[i]->position;
        snakes[i]->setAnimation(crawling);
        snakes[i]->animationIndex = crawling;
    }
    avatar.setAnimation(0);
    heavenBase.sheet.loadTexture();
}

void Level5::attach()
{
    linkSceneTop(heavenBase);
    addToGround({&boundaryN, &boundaryS, &boundaryW, &boundaryE, &hill, &baum1, &baum2, &baum3, &baum4,
                 &baum5});
    for (Actor* snake : {&mob1, &mob2, &mob3, &mob4, &mob5, &mob6}) {
        ground.addChild(snake);
    }
    ground.addChild(&kaefig);
    ground.addChild(&sign);
}

void Level5::describe()
{
    baum1.descriptionLines.push_back("Baum");
    baum2.descriptionLines.push_back("Baum");
    baum3.descriptionLines.push_back("kleiner Wald");
    baum4.descriptionLines.push_back("gruen");
    baum5.descriptionLines.push_back("Apfel!");
    sign.descriptionLines = {"Zurueck zum Zoellner", "(nur mit der Plakette)"};
    kaefig.descriptionLines = {"Ein Kaefig ?!", "Was wohl passieren mag,", "wenn ich alle Babyschlangen hineintreibe ?!"};
}

void Level5::frame()
{
    heavenBase.sheet.viewer = camera.position;
    drawScene();
    paceAnimations();
    // The cage's rule counts only while the avatar does not carry a "kaefig".
    const std::size_t first = avatar.hasChild("kaefig") ? 1 : 0;
    const int matched = select(std::span<const ProximityRule>(rules).subspan(first), idleText);
    if (matched >= 0 && rules[first + static_cast<std::size_t>(matched)].object == &exitPoint) {
        leave();
    }
    shutCage();
    flee();
    flagCage();
    catchSnakes();
    guardBadge();
}

void Level5::command(int key)
{
    if (key == 'm' && mob6.animationIndex == stunned && badgeCount < 1) {
        ++badgeCount;
        playSound("data/sound/plakette.wav", SoundMode::Once);
    }
    Level::command(key);
}

void Level5::leave()
{
    leaveWhen(badgeCount >= 1, exitTarget);
}

void Level5::shutCage()
{
    if (caughtCount < 5 || cageClosed) {
        return;
    }
    kaefig.load(level5::shutCage);
    mob6.hidden = false;
    mob6.castsShadow = true;
    cageClosed = true;
}

void Level5::flee()
{
    for (std::size_t i = 0; i < babies.size(); ++i) {
        Actor& snake = *babies[i];
        fledFrom[i] = snake.position;
        if (distance(avatar, snake) >= level5::flightRadius || kaefig.hasChild(snake.getName())) {
            continue;
        }
        Vector3 d = avatar.position;
        d.add(-snake.position.x, -snake.position.y, -snake.position.z);
        snake.heading = d.headingTo(snake.direction);
        snake.move(level5::flightSpeeds[i] / avatar.frameRate, Vector3(-d.x, d.y, -d.z));
        const Vector3& p = snake.position;
        if (p.x < 0.0f || p.x > 200.0f || p.z < 0.0f || p.z > 200.0f) {
            snake.position = homes[i];
            fledFrom[i] = homes[i];
        }
    }
}

void Level5::flagCage()
{
    if (distance(avatar, kaefig) < level5::cagePromptRadius) {
        kaefig.selected = true;
    }
}

void Level5::catchSnakes()
{
    for (std::size_t i = 0; i < babies.size(); ++i) {
        Actor* snake = babies[i];
        // Caught anywhere on this frame's way: a slow frame's long step could
        // otherwise carry a snake past the cage.
        const float closest = closestApproach(fledFrom[i], snake->position, kaefig.position);
        if (closest < level5::cageCatchRadius && !kaefig.hasChild(snake->getName())) {
            prompt = "SCHLANGE GEFANGEN";
            ++caughtCount;
            // It stays below the ground as well; below the cage it counts as caught.
            kaefig.addChild(snake);
        }
    }
}

void Level5::switchBigSnake(int index)
{
    mob6.setAnimation(index);
    mob6.animationIndex = index;
}

void Level5::guardBadge()
{
    if (distance(mob6, avatar) >= level5::bigSnakeRadius || mob6.hidden) {
        if (mob6.animationIndex != crawling) {
            switchBigSnake(crawling);
            // The silent sound ends the looped hissing.
            playSound("data/sound/leer.wav", SoundMode::Once);
        }
        return;
    }
    prompt = badgeCount >= 1 ? "Das hab ich gut gemacht"
                             : "Oh sie hat die Plakette vor sich liegen, irgendwie muss ich sie ablenken.";
    Vector3 d = avatar.position;
    d.add(-mob6.position.x, -mob6.position.y, -mob6.position.z);
    mob6.heading = Vector3(-d.x, d.y, -d.z).headingTo(mob6.direction);
    if (mob6.animationIndex != attacking && mob6.animationIndex != stunned) {
        switchBigSnake(attacking);
        playSound("data/sound/zischeln.wav", SoundMode::Looped);
    }
    if (mob6.animationIndex != stunned && avatar.animationIndex == avatarWhistling) {
        switchBigSnake(stunned);
    }
    if (mob6.animationIndex == stunned) {
        prompt = badgeCount >= 1 ? "Ich hab die Plakette, nix wie weg."
                                 : "Die Plakette! Da ist sie! (m = Plakette mitnehmen)";
    }
    // The stun lasts only while the avatar whistles.
    if (mob6.animationIndex != attacking && avatar.animationIndex != avatarWhistling) {
        switchBigSnake(attacking);
    }
}
