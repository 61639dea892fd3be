// Input as the player gives it: the control node turns keys and the mouse
// into commands, the avatar below it walks, turns, whistles and passes them
// on; a level selects what the avatar stands at.
#include "game/Avatar.h"
#include "game/ControlNode.h"
#include "game/Level.h"
#include "model/Camera.h"
#include "platform/Host.h"
#include "support/GlTestWindow.h"
#include "support/Ms3dBuilder.h"
#include "support/ScratchDir.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {

struct Recorder : SceneNode {
    void command(int key) override { keys += static_cast<char>(key); }
    std::string keys;
};

void expectNear(const Vector3& v, const Vector3& e) { EXPECT_LT(v.distanceTo(e.x, e.y, e.z), 1e-3f) << v.x << ", " << v.z; }

// The control node walking; the avatar below it at 40 frames a second, at
// the origin facing -Z (the model's front is against `direction`), its camera
// 10 behind and 5 above it; a recorder below the avatar.
class AvatarControlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GlTestWindow::ensure();
        Host::install(&host);
        control.inputMode = 'a';
        control.addChild(&avatar);
        avatar.addChild(&below);
        avatar.castsShadow = false;
        avatar.frameRate = 40;
        avatar.setCamera(&camera);
        standAt({0, 0, 1});
    }
    void TearDown() override { Host::install(nullptr); }

    void standAt(Vector3 direction)
    {
        avatar.position = {};
        avatar.direction = direction;
        avatar.heading = direction.headingTo(avatar.forward);
        camera.position.set(10 * direction.x, 5, 10 * direction.z);
        camera.target = {};
    }
    // Held for some frames (what each game frame sends), then released.
    void hold(const std::string& keys, int frames)
    {
        for (char k : keys) {
            control.keyDown(k, 0, 0);
        }
        for (int i = 0; i < frames; ++i) {
            control.sendHeldCommands();
        }
        for (char k : keys) {
            control.keyUp(k, 0, 0);
        }
    }

    ManualHost host;
    ScratchDir dir;
    ControlNode control;
    Avatar avatar;
    Recorder below;
    Camera camera;
};

TEST_F(AvatarControlTest, HeldKeysWalkAtSpeedsPerSecondAndTheCameraComesAlong)
{
    const struct { const char* keys; float frameRate; int frames; Vector3 facing, expected; } cases[] = {
        {"w", 40, 1, {0, 0, 1}, {0, 0, -0.5f}}, // 20 a second
        {"w", 10, 1, {0, 0, 1}, {0, 0, -2}},    // no clamp at a low frame rate
        {"s", 40, 2, {0, 0, 1}, {0, 0, 0.75f}}, // 15 back
        {"ws", 40, 40, {0, 0, 1}, {0, 0, -5}},  // both: 5 a second
        {"a", 40, 1, {0, 0, 1}, {-0.3f, 0, 0}}, // 12 to the figure's left
        {"a", 40, 1, {1, 0, 0}, {0, 0, 0.3f}},  // facing -X the left is +Z
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        standAt(c.facing);
        avatar.frameRate = c.frameRate;
        hold(c.keys, c.frames);
        expectNear(avatar.position, c.expected);
        expectNear(camera.target, c.expected);
        expectNear(camera.position, {c.expected.x + 10 * c.facing.x, 5, c.expected.z + 10 * c.facing.z});
    }
}

TEST_F(AvatarControlTest, AWallStopsTheFigureAtItsEdgeAndKeepsItFromTurning)
{
    ModelNode wall;
    wall.position.set(0, 0, -5);
    using Boxed = std::tuple<ModelNode*, const char*, float>; // a box 2 deep, `half` to each side
    for (auto [node, name, half] : {Boxed{&wall, "mauer", 10.0f}, Boxed{&avatar, "figur", 1.0f}}) {
        dir.write(std::string("data/") + name + ".ms3d", Ms3dBuilder::square(0.5f).bytes());
        dir.write(std::string("data/bb") + name + ".ms3d", Ms3dBuilder::box(-half, -1, half, 1).bytes());
        node->hasBoundingBox = true;
        ASSERT_TRUE(node->load((std::string("data/") + name + ".ms3d").c_str()));
    }
    const std::vector<ModelNode*> obstacles{&wall}; // z from -6 to -4
    avatar.obstacles = &obstacles;
    hold("w", 20); // steps of 0.5: the front may touch the wall at z = -4, not pass it
    expectNear(avatar.position, {0, 0, -3});
    EXPECT_EQ(avatar.animationIndex, 1) << "blocked, the legs still move";
    hold("d", 1); // along the wall is free
    expectNear(avatar.position, {0.3f, 0, -3});

    avatar.frameRate = 5; // 30 degrees a step would swing a corner into the wall
    const Vector3 corner = avatar.box.points[0];
    for (int key : {'p', 'n'}) {
        avatar.command(key);
        EXPECT_FLOAT_EQ(avatar.heading, 180.0f) << char(key);
        expectNear(avatar.box.points[0], corner);
    }
    avatar.obstacles = nullptr;
    avatar.command('p');
    EXPECT_FLOAT_EQ(avatar.heading, 210.0f);
    expectNear(camera.position, {0.3f + 5, 5, -3 + 8.660254f}); // the eye swung round to stay behind
}

TEST_F(AvatarControlTest, HeldKeysSendCommandsEveryFrameActionKeysOnceEscapeEndsAndClicksWhistleOnlyWhileWalking)
{
    for (unsigned char key : {'d', 'v', 'a', 's', 'w'}) {
        control.keyDown(key, 0, 0);
    }
    hold("elmq1fk", 0);
    control.sendHeldCommands();
    control.keyUp('a', 0, 0);
    control.keyUp('v', 0, 0);
    control.sendHeldCommands();
    hold("wsd", 0);
    hold("", 1);
    hold("v", 1); // looking is not moving
    EXPECT_EQ(below.keys, "elmwsadvwsdxxv");

    GTEST_FLAG_SET(death_test_style, "threadsafe");
    using Mode = std::pair<char, std::string>;
    for (const auto& [mode, expected] : {Mode{'g', "12q"}, Mode{'l', ""}, Mode{'\0', ""}}) {
        below.keys.clear();
        control.inputMode = mode; // a conversation takes only answers, a level switch nothing
        hold("w1e2vqml", 1);
        control.mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 10, 10);
        control.mouseMove(400, 300);
        EXPECT_EQ(below.keys, expected) << int(mode);
        EXPECT_FALSE(control.heldForward || control.heldLook || control.buttonDown || avatar.whistling) << int(mode);
        EXPECT_EXIT(control.keyDown(27, 0, 0), ::testing::ExitedWithCode(0), "") << "Escape in mode " << int(mode);
    }
    control.inputMode = 'a'; // w released in a conversation stays held: the figure walks on
    standAt({0, 0, 1});
    control.keyDown('w', 0, 0);
    control.inputMode = 'g';
    control.keyUp('w', 0, 0);
    control.inputMode = 'a';
    control.sendHeldCommands();
    EXPECT_FLOAT_EQ(avatar.position.z, -0.5f);

    control.mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 1, 1); // whistles until the next left click
    control.mouseButton(GLUT_RIGHT_BUTTON, GLUT_DOWN, 1, 1);
    EXPECT_TRUE(avatar.whistling);
    control.mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 1, 1);
    EXPECT_FALSE(avatar.whistling);
}

// Every mouse movement is one step of 150 / 40 degrees, however long; in
// the outer 1 % of the window (8 pixels across, 6 down) every frame is one.
TEST_F(AvatarControlTest, EveryMouseMovementIsOneStepAndTheWindowEdgesKeepTurning)
{
    control.mouseMove(400, 300);
    control.mouseMove(100, 299); // far left, slightly up: still one step each
    control.mouseMove(100, 299);
    control.mouseMove(101, 310);
    EXPECT_NEAR(avatar.heading, 180.0f - 3.75f, 1e-3f); // two steps right, one left
    EXPECT_LT(camera.position.y, 5.0f);                  // down, up, down: one step down
    // Resting at (x, y) in a window `width` wide: degrees turned left and the
    // eye's way up (1) or down (-1) in a frame.
    const struct { int width, x, y; float turned; int rises; } rests[] = {{800, 0, 0, 3.75f, 1}, {800, 7, 5, 3.75f, 1},
        {800, 8, 6, 0, 0}, {800, 792, 594, 0, 0}, {800, 793, 595, -3.75f, -1}, {800, 800, 600, -3.75f, -1},
        {800, 801, 601, 0, 0}, {800, -1, -1, 0, 0}, {1000, 990, 300, 0, 0}, {1000, 991, 300, -3.75f, 0}};
    for (const auto& r : rests) {
        host.setWindowSize(r.width, 600);
        control.mouseMove(r.x, r.y);
        const float heading = avatar.heading, eye = camera.position.y;
        hold("", 1);
        EXPECT_NEAR(std::remainder(avatar.heading - heading, 360.0f), r.turned, 1e-3f) << r.x << ", " << r.y;
        EXPECT_EQ((camera.position.y > eye) - (camera.position.y < eye), r.rises) << r.x << ", " << r.y;
    }
}

TEST(LevelTest, TheFirstRuleInReachSelectsFlagsClearOnlyAtNothingAndClosingReleasesTheMovementKeys)
{
    static constexpr LevelTable nothing{0, {}, {}, ""};
    struct Probe : Level {
        Probe() : Level(nothing) {}
        using Level::select, Level::selectable;
    } level;
    ModelNode church, priest, marker;
    Recorder recorder;
    level.addChild(&recorder);
    level.selectable = {&church, &priest};
    church.position.set(10, 0, 0);
    priest.position.set(9, 0, 0);
    marker.position.set(-10, 0, 0);
    const ProximityRule rules[] = {
        {&church, 5, "Kirche anschauen"}, {&priest, 5, "Priester ansprechen"}, {&marker, 5, "Weiter", 2}};
    const auto selectAt = [&](float x, float z) { return level.avatar.position.set(x, 0, z), level.select(rules, "Dorf"); };
    EXPECT_EQ(selectAt(9.5f, 0), 0) << "both in reach: the first rule wins";
    EXPECT_FALSE(priest.selected);
    level.avatar.addChild(&church);
    EXPECT_EQ(selectAt(9.5f, 0), 1) << "what the avatar carries has no rule";
    EXPECT_TRUE(church.selected && priest.selected);
    EXPECT_EQ(selectAt(-10, 1), 2);
    EXPECT_EQ(level.prompt, "Weiter");
    EXPECT_FALSE(marker.selected) << "a marker is never selected";
    EXPECT_EQ(selectAt(-50, -50), -1);
    EXPECT_EQ(level.prompt, "Dorf");
    EXPECT_FALSE(church.selected || priest.selected);

    ControlNode controls;
    level.controls = &controls;
    controls.inputMode = 'g';
    controls.heldForward = controls.heldBack = controls.heldLeft = controls.heldRight = controls.heldLook = true;
    level.command('q');
    EXPECT_EQ(controls.inputMode, 'a');
    EXPECT_FALSE(controls.heldForward || controls.heldBack || controls.heldLeft || controls.heldRight);
    EXPECT_TRUE(controls.heldLook);
    EXPECT_EQ(recorder.keys, "q") << "every key is passed on";
}

} // namespace
