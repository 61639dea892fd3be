// The pit's table and script: drive the snakes into the cage, take the badge.

#include "levels/Level5.h"

#include "levels/SharedRows.h"
#include "platform/Sound.h"

#include <cmath>

using namespace rows;

namespace {

// Flight speed of "mob1" to "mob5" in units per second.
constexpr float flightSpeeds[5] = {21, 22, 20, 19, 21.5f};
constexpr float flightRadius = 10.0f;
constexpr float cageCatchRadius = 2.0f;
constexpr float cagePromptRadius = 10.0f;
constexpr float bigSnakeRadius = 35.0f;

constexpr int crawling = 0;
constexpr int attacking = 1;
constexpr int stunned = 2;
constexpr int avatarWhistling = 2;

constexpr ObjectRow tree(const char* name, Vector3 at, Vector3 scale, const char* line, float reach = 4, int look = 3)
{
    return {.name = name, .kind = Kind::Tree, .model = "data/baum.ms3d", .at = at, .scale = scale,
            .facing = {-1, 0, 0.1f}, .flags = solid, .reach = reach, .rule = 2, .look = look, .prompt = lookAtTree,
            .lines = {line}};
}

constexpr ObjectRow snake(const char* name, Vector3 at, Move move)
{
    return {.name = name, .kind = Kind::Actor, .model = "data/schlange.ms3d", .at = at, .scale = {0.4f, 0.4f, 0.4f},
            .facing = {0, 0, -1}, .flags = figure, .moves = {move}};
}

constexpr auto objects = join(
    rows::sky, glow(345000), avatar("avatar", {100, 0, 10}, {0, 0, -1}), meadow, walls, hills,
    tree("baum1", {27, 0, 41}, {0.5f, 0.5f, 0.5f}, N_("Baum"), 2, 1),
    tree("baum2", {110, 0, 95}, {0.8f, 0.8f, 0.8f}, N_("Baum")),
    tree("baum3", {115, 0, 50}, unitScale, N_("kleiner Wald")),
    tree("baum4", {50, 0, 150}, {0.7f, 0.7f, 0.7f}, N_("gruen")),
    tree("baum5", {155, 0, 180}, {0.7f, 1, 0.8f}, N_("Apfel!")),
    snake("mob1", {181, 0, 42}, {"walk", 3, 15, 550}), snake("mob2", {121, 0, 131}, {"walk", 3, 20, 700}),
    snake("mob3", {24, 0, 30}, {"walk", 3, 10, 400}), snake("mob4", {104, 0, 184}, {"walk", 3, 10, 400}),
    snake("mob5", {95, 0, 44}, {"walk", 3, 20, 700}),
    // Their mother, hidden below the ground until the cage is shut.
    ObjectRow{.name = "mob6", .kind = Kind::Actor, .model = "data/schlange.ms3d", .at = {83, 0, 117},
              .scale = {4, 4, 4}, .facing = {0, 0, -1}, .flags = figure | StartsHidden | NoShadowCast,
              .moves = {{{"walk", 3, 25, 850}, {"attack", 3, 10, 400}, {"stunned", 3, 25, 0}}}},
    ObjectRow{.name = "kaefig", .model = "data/kaefigauf.ms3d", .at = {161, 0, 127}, .scale = {0.6f, 0.6f, 0.6f},
              .facing = {-1, 0, -1}, .flags = solid, .reach = 5, .rule = 1, .look = 2, .prompt = lookAtThing,
              .lines = {N_("Ein Kaefig ?!"), N_("Was wohl passieren mag,"),
                        N_("wenn ich alle Babyschlangen hineintreibe ?!")}},
    ObjectRow{.name = "sign", .model = "data/sign.ms3d", .at = {120, 0, 10}, .scale = {0.1f, 0.1f, 0.1f},
              .facing = {15, 0, 20}, .flags = shaded, .reach = 12, .rule = 4, .look = 4, .prompt = lookAtSign,
              .lines = {N_("Zurueck zum Zoellner"), N_("(nur mit der Plakette)")}},
    ObjectRow{.name = "exit", .kind = Kind::Exit, .at = {100, 0, -5}, .reach = 12, .rule = 3,
              .prompt = N_("Ohne Plakete mag ich hier nicht weg!"), .target = 4});

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

const LevelTable Level5::layout{5, N_("Die Schlangengrube"), objects, {{100, 5, -5}, {100, 1, 10}}, nothingToSee};

void Level5::setUpScript()
{
    for (std::size_t i = 0; i < homes.size(); ++i) {
        homes[i] = babies[i].position;
        babies[i].setAnimation(crawling);
        babies[i].animationIndex = crawling;
    }
    mother->setAnimation(crawling);
    mother->animationIndex = crawling;
}

void Level5::runScript(ModelNode*)
{
    closeCage();
    flee();
    flagCage();
    catchSnakes();
    guardBadge();
}

bool Level5::exitOpen(int) const
{
    return badgeCount >= 1;
}

void Level5::command(int key)
{
    if (key == 'm' && mother->animationIndex == stunned && badgeCount < 1) {
        ++badgeCount;
        playSound("data/sound/plakette.wav", SoundMode::Once);
    }
    Level::command(key);
}

Level5::Progress Level5::progress() const
{
    Progress p{.cageClosed = cageClosed, .badgeCount = badgeCount};
    for (std::size_t i = 0; i < babies.size(); ++i) {
        p.caught[i] = kaefig->hasChild(babies[i].getName());
    }
    return p;
}

void Level5::restore(const Progress& saved)
{
    for (std::size_t i = 0; i < babies.size(); ++i) {
        if (saved.caught[i]) {
            // Side by side across the middle of the cage.
            babies[i].position = kaefig->position;
            babies[i].position.add(0.5f * (static_cast<float>(i) - 2.0f), 0.0f, 0.0f);
            kaefig->addChild(&babies[i]);
            ++caughtCount;
        }
    }
    if (saved.cageClosed) {
        shutCageOnMother();
    }
    badgeCount = saved.badgeCount;
}

void Level5::closeCage()
{
    if (caughtCount >= 5 && !cageClosed) {
        shutCageOnMother();
    }
}

void Level5::shutCageOnMother()
{
    kaefig->load(shutCage);
    mother->hidden = false;
    mother->castsShadow = true;
    cageClosed = true;
}

void Level5::flee()
{
    for (std::size_t i = 0; i < babies.size(); ++i) {
        Actor& snake = babies[i];
        fledFrom[i] = snake.position;
        if (distance(avatar, snake) >= flightRadius || kaefig->hasChild(snake.getName())) {
            continue;
        }
        Vector3 d = avatar.position;
        d.add(-snake.position.x, -snake.position.y, -snake.position.z);
        snake.heading = d.headingTo(snake.direction);
        snake.move(flightSpeeds[i] / avatar.frameRate, Vector3(-d.x, d.y, -d.z));
        const Vector3& p = snake.position;
        if (p.x < 0.0f || p.x > 200.0f || p.z < 0.0f || p.z > 200.0f) {
            snake.position = homes[i];
            fledFrom[i] = homes[i];
        }
    }
}

void Level5::flagCage()
{
    if (distance(avatar, *kaefig) < cagePromptRadius) {
        kaefig->selected = true;
    }
}

void Level5::catchSnakes()
{
    for (std::size_t i = 0; i < babies.size(); ++i) {
        Actor& snake = babies[i];
        // Caught anywhere on this frame's way: a slow frame's long step could
        // otherwise carry a snake past the cage.
        const float closest = closestApproach(fledFrom[i], snake.position, kaefig->position);
        if (closest < cageCatchRadius && !kaefig->hasChild(snake.getName())) {
            prompt = N_("SCHLANGE GEFANGEN");
            ++caughtCount;
            // It stays below the ground as well; below the cage it counts as caught.
            kaefig->addChild(&snake);
        }
    }
}

void Level5::switchBigSnake(int index)
{
    mother->setAnimation(index);
    mother->animationIndex = index;
}

void Level5::guardBadge()
{
    if (distance(*mother, avatar) >= bigSnakeRadius || mother->hidden) {
        if (mother->animationIndex != crawling) {
            switchBigSnake(crawling);
            // The silent sound ends the looped hissing.
            playSound("data/sound/leer.wav", SoundMode::Once);
        }
        return;
    }
    prompt = badgeCount >= 1 ? N_("Das hab ich gut gemacht")
                             : N_("Oh sie hat die Plakette vor sich liegen, irgendwie muss ich sie ablenken.");
    Vector3 d = avatar.position;
    d.add(-mother->position.x, -mother->position.y, -mother->position.z);
    mother->heading = Vector3(-d.x, d.y, -d.z).headingTo(mother->direction);
    if (mother->animationIndex != attacking && mother->animationIndex != stunned) {
        switchBigSnake(attacking);
        playSound("data/sound/zischeln.wav", SoundMode::Looped);
    }
    if (mother->animationIndex != stunned && avatar.animationIndex == avatarWhistling) {
        switchBigSnake(stunned);
    }
    if (mother->animationIndex == stunned) {
        prompt = badgeCount >= 1 ? N_("Ich hab die Plakette, nix wie weg.")
                                 : N_("Die Plakette! Da ist sie! (m = Plakette mitnehmen)");
    }
    // The stun lasts only while the avatar whistles.
    if (mother->animationIndex != attacking && avatar.animationIndex != avatarWhistling) {
        switchBigSnake(attacking);
    }
}
