// The yard's table and script: load the feed, flee the chickens, get out.

#include "levels/Level3.h"

#include "levels/SharedRows.h"
#include "platform/Sound.h"

#include <cmath>

using namespace rows;

namespace {

// Chase speed of "mob1" to "mob15" in units per second ("mob1" runs twice a frame).
constexpr float chaseSpeeds[Level3::chickenCount] = {23, 25, 23, 22, 24.5f, 21, 25, 23.5f, 24, 24, 24, 24, 24, 24, 24};
constexpr float chaseRadius = 40.0f;
constexpr float catchRadius = 2.0f;
constexpr float feedPileRadius = 10.0f;

constexpr ObjectRow tree(const char* name, Vector3 at, Vector3 scale, unsigned flags, Lines lines)
{
    return {.name = name, .kind = Kind::Tree, .model = "data/baum.ms3d", .at = at, .scale = scale,
            .facing = {-1, 0, 0.1f}, .flags = flags, .reach = 4, .rule = 2, .look = 4, .prompt = lookAtTree,
            .lines = lines};
}

constexpr ObjectRow chicken(const char* name, Vector3 at, Vector3 scale, const char* line, Vector3 facing = {0, 0, 1})
{
    return {.name = name, .kind = Kind::Actor, .model = "data/huhn.ms3d", .at = at, .scale = scale,
            .facing = facing, .flags = figure, .reach = 2, .rule = 6, .look = 1,
            .prompt = N_("Huhn anschauen (v = view)"), .lines = {line},
            .moves = {{{"default", 3, 60, 1900}, {"walk", 3, 10, 400}}}};
}

constexpr Vector3 size(float s)
{
    return {s, s, s};
}

constexpr const char* odd = N_("Ein seltsames Huehnchen!");
constexpr const char* happy = N_("Freilaufend und gluecklich");

constexpr auto objects = join(
    rows::sky, glow(225000), avatar("avatar", {100, 0, 10}, {0, 0, -1}), meadow, walls, hills,
    tree("baum1", {100, 0, 100}, size(0.5f), solid, {N_("Baum")}),
    tree("baum2", {110, 0, 95}, size(0.8f), solid, {N_("Baum")}),
    tree("baum3", {115, 0, 50}, unitScale, solid, {N_("kleiner Wald")}),
    tree("baum4", {50, 0, 150}, size(0.7f), solid, {N_("gruen")}),
    tree("baum5", {155, 0, 180}, {0.7f, 1, 0.8f}, shaded,
         {N_("Was glaubst du wohl was das ist?"), N_("Apfel?"), N_("Brot?"), N_("oder vielleicht ein BAUM?")}),
    chicken("mob1", {40, 0, 30}, unitScale, odd), chicken("mob2", {50, 0, 32}, size(1.2f), odd),
    chicken("mob3", {180, 0, 30}, size(2), odd), chicken("mob4", {80, 0, 50}, unitScale, odd),
    chicken("mob5", {190, 0, 55}, unitScale, odd), chicken("mob6", {20, 0, 75}, size(1.3f), odd),
    chicken("mob7", {175, 0, 75}, {1.1f, 1.1f, 1}, odd), chicken("mob8", {40, 0, 100}, size(0.9f), odd),
    chicken("mob9", {60, 0, 100}, unitScale, happy), chicken("mob10", {123, 0, 100}, size(1.2f), happy),
    chicken("mob11", {90, 0, 110}, size(1.4f), happy), chicken("mob12", {190, 0, 110}, size(0.8f), happy),
    chicken("mob13", {150, 0, 145}, size(0.7f), happy, {0, 0, -1}), chicken("mob14", {80, 0, 175}, unitScale, happy),
    chicken("mob15", {105, 0, 95}, size(2), happy),
    ObjectRow{.name = "schubkarre", .kind = Kind::Actor, .model = "data/scheibtruhe.ms3d", .at = {40, 0, 175},
              .scale = {0.3f, 0.3f, 0.3f}, .flags = shaded, .reach = 5, .rule = 1, .look = 5,
              .prompt = N_("Ding anschauen (v = view), Ding mitnehmen (m = mitnehmen)"),
              .lines = {N_("Oh wie praktisch. Eine Scheibtruhe.")}},
    ObjectRow{.name = "futter", .model = "data/futterhaufen.ms3d", .at = {175, 0, 175}, .scale = {0.3f, 0.3f, 0.3f},
              .facing = {-1, 0, 0.1f}, .flags = shaded, .reach = 4, .rule = 3, .look = 2,
              .prompt = N_("Zeug anschauen (v = view)"), .lines = {N_("Huehnerfutter ?!")}},
    ObjectRow{.name = "sign", .model = "data/sign.ms3d", .at = {120, 0, 10}, .scale = {0.1f, 0.1f, 0.1f},
              .facing = {15, 0, 20}, .flags = shaded, .reach = 3, .rule = 5, .look = 3, .prompt = lookAtSign,
              .lines = {N_("Zurueck zum Einsiedler"), N_("(nur mit Futter)")}},
    // Hidden until loaded at the pile; then carried around the wheelbarrow.
    sacks,
    ObjectRow{.name = "exit", .kind = Kind::Exit, .at = {100, 0, -5}, .reach = 12, .rule = 4,
              .prompt = N_("Ich soll doch Futter holen!"), .target = 2});

} // namespace

const LevelTable Level3::layout{3, N_("Der Huehnerhof"), objects, {{100, 5, -5}, {100, 1, 10}}, nothingToSee};

void Level3::setUpScript()
{
    for (int i = 0; i < chickenCount; ++i) {
        homes[i] = mobs[i].position;
        mobs[i].setAnimation(0);
        mobs[i].animationIndex = 0;
    }
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

void Level3::runScript(ModelNode*)
{
    chase();
    promptAtFeedPile();
    catchSacks();
}

bool Level3::exitOpen(int) const
{
    return feedCount >= 1;
}

Level3::Progress Level3::progress() const
{
    return {avatar.hasChild("schubkarre"), feedCount};
}

void Level3::restore(const Progress& saved)
{
    if (saved.barrowTaken) {
        takeBarrow();
    }
    feedCount = saved.feedCount;
    showHidden(sacks, feedCount);
}

void Level3::take()
{
    if (schubkarre->selected && !avatar.hasChild("schubkarre")) {
        takeBarrow();
    } else if (futter->selected && avatar.hasChild("schubkarre")) {
        feedCount = static_cast<int>(sacks.size());
        showHidden(sacks, feedCount);
    }
}

void Level3::takeBarrow()
{
    ground.removeChild(schubkarre);
    schubkarre->followDistance = -1.5f;
    avatar.addChild(schubkarre);
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
    chaseWith(mobs[0], chaseSpeeds[0]);
    for (int i = 0; i < chickenCount; ++i) {
        chaseWith(mobs[i], chaseSpeeds[i]);
    }
}

void Level3::chaseWith(Actor& chicken, float speed)
{
    const Vector3& at = avatar.position;
    if (chicken.position.distanceTo(at.x, at.y, at.z) >= chaseRadius || feedCount < 1) {
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
    if (futter->position.distanceTo(at.x, at.y, at.z) >= feedPileRadius) {
        return;
    }
    futter->selected = true;
    prompt = avatar.hasChild("schubkarre") ? N_("Futter mitnehmen (m = mitnehmen)")
                                           : N_("Wenn ich doch nur eine Scheibtruhe haette!");
}

void Level3::catchSacks()
{
    const Vector3& at = avatar.position;
    for (int i = 0; i < chickenCount; ++i) {
        Actor& chicken = mobs[i];
        if (chicken.position.distanceTo(at.x, at.y, at.z) >= catchRadius) {
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
