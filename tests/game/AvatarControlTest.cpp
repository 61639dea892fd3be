// Input as the player gives it: the control node turns keys and the mouse
// into commands, the avatar below it walks, turns, whistles and passes them on.
#include "app/Host.h"
#include "app/Sound.h"
#include "game/Avatar.h"
#include "game/ControlNode.h"
#include "scene/Camera.h"
#include "support/GlTestWindow.h"
#include "support/Ms3dBuilder.h"
#include "support/ScratchDir.h"
#include "support/SilentWav.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

namespace {

struct Recorder : SceneNode {
    void command(int key) override { keys += static_cast<char>(key); }
    void onKey(int key) override { special.push_back(key); }
    std::string keys;
    std::vector<int> special;
};

void expectNear(const Vector3& v, const Vector3& expected, float tolerance = 1e-4f)
{
    EXPECT_NEAR(v.x, expected.x, tolerance);
    EXPECT_NEAR(v.y, expected.y, tolerance);
    EXPECT_NEAR(v.z, expected.z, tolerance);
}

// The control node walking, the avatar below it facing -Z (its front) at the
// origin, a camera 10 behind and 5 above it; a recorder below the avatar.
class AvatarControlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GlTestWindow::ensure();
        Host::install(&host);
        dir.write("data/sound/pfeifen.wav", silentWav(200));
        dir.write("data/sound/leer.wav", silentWav(20));
        control.inputMode = 'a';
        control.addChild(&avatar);
        avatar.addChild(&below);
        avatar.castsShadow = false;
        avatar.frameRate = 40;
        avatar.setCamera(&camera);
        standAt({0, 0, 0}, {0, 0, 1});
    }
    void TearDown() override { Host::install(nullptr); }

    void standAt(Vector3 position, Vector3 direction)
    {
        avatar.position = position;
        avatar.direction = direction;
        avatar.heading = direction.headingTo(avatar.forward);
        camera.position.set(position.x + 10 * direction.x, 5, position.z + 10 * direction.z);
        camera.target = position;
    }
    // A node with the given box outline about its position, as its file gives it.
    void giveBox(ModelNode& node, const char* name, float x0, float z0, float x1, float z1)
    {
        dir.write(std::string("data/") + name + ".ms3d", Ms3dBuilder::square(0.5f).bytes());
        dir.write(std::string("data/bb") + name + ".ms3d", Ms3dBuilder::box(x0, z0, x1, z1).bytes());
        node.hasBoundingBox = true;
        ASSERT_TRUE(node.load((std::string("data/") + name + ".ms3d").c_str()));
    }
    void hold(const std::string& keys, int frames)
    {
        for (char k : keys) {
            control.keyDown(k, 0, 0);
        }
        for (int i = 0; i < frames; ++i) {
            control.sendHeldCommands(); // what each game frame does
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
    const struct {
        const char* keys;
        float frameRate;
        int frames;
        Vector3 facing, expected;
    } cases[] = {
        {"w", 40, 1, {0, 0, 1}, {0, 0, -0.5f}},  // 20 a second against `direction`
        {"w", 10, 1, {0, 0, 1}, {0, 0, -2}},     // no clamp at a low frame rate
        {"s", 40, 2, {0, 0, 1}, {0, 0, 0.75f}},  // 15 back
        {"ws", 40, 40, {0, 0, 1}, {0, 0, -5}},   // both: 5 a second
        {"a", 40, 1, {0, 0, 1}, {-0.3f, 0, 0}},  // 12 to the figure's left
        {"d", 40, 1, {0, 0, 1}, {0.3f, 0, 0}},
        {"a", 40, 1, {1, 0, 0}, {0, 0, 0.3f}},   // facing -X the left is +Z
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        standAt({0, 0, 0}, c.facing);
        avatar.frameRate = c.frameRate;
        hold(c.keys, c.frames);
        expectNear(avatar.position, c.expected, 1e-3f);
        expectNear(camera.target, c.expected, 1e-3f);
        EXPECT_NEAR(camera.position.x - c.expected.x, 10 * c.facing.x, 1e-3f);
        EXPECT_NEAR(camera.position.z - c.expected.z, 10 * c.facing.z, 1e-3f);
    }
}

TEST_F(AvatarControlTest, AWallStopsTheFigureAtItsEdgeAndKeepsItFromTurning)
{
    ModelNode wall;
    wall.position.set(0, 0, -5);
    giveBox(wall, "mauer", -10, -1, 10, 1); // z from -6 to -4
    giveBox(avatar, "figur", -1, -1, 1, 1);
    const std::vector<ModelNode*> obstacles{&wall};
    avatar.obstacles = &obstacles;

    hold("w", 20); // steps of 0.5: the front may touch the wall at z = -4, not pass it
    expectNear(avatar.position, {0, 0, -3});
    expectNear(camera.position, {0, 5, 7});
    EXPECT_EQ(avatar.animationIndex, 1) << "blocked, the legs still move";
    hold("d", 1); // along the wall is free
    expectNear(avatar.position, {0.3f, 0, -3});

    // Turning would swing the corners into the wall: the figure stays as it is.
    avatar.frameRate = 5; // 30 degrees a step
    const Vector3 corner = avatar.box.points[0];
    for (int key : {'p', 'n'}) {
        avatar.command(key);
        EXPECT_FLOAT_EQ(avatar.heading, 180.0f) << char(key);
        expectNear(avatar.box.points[0], corner);
    }
    avatar.obstacles = nullptr;
    avatar.command('p');
    EXPECT_FLOAT_EQ(avatar.heading, 210.0f);
}

TEST_F(AvatarControlTest, TheHeadingStaysWithinAFullTurnAndTheFigureWalksTheWayItFaces)
{
    avatar.frameRate = 15; // 10 degrees a step
    using Turn = std::tuple<float, char, float>;
    for (const auto& [start, key, end] : {Turn{300.0f, 'p', 140.0f}, Turn{100.0f, 'n', 260.0f}}) {
        avatar.heading = start;
        for (int i = 0; i < 20; ++i) {
            avatar.command(key);
            ASSERT_GE(avatar.heading, 0.0f);
            ASSERT_LT(avatar.heading, 360.0f);
        }
        EXPECT_NEAR(avatar.heading, end, 1e-3f);
    }
    avatar.heading = 0;
    avatar.turn(-1e-6f); // a hair below 0 must not end on 360
    EXPECT_LT(avatar.heading, 360.0f);

    standAt({0, 0, 0}, {0, 0, 1});
    avatar.turn(90);
    avatar.walk(1);
    expectNear(avatar.position, {-1, 0, 0}, 1e-5f);
    expectNear(camera.position, {9, 5, 0}, 1e-3f); // the eye swung behind the figure
}

TEST_F(AvatarControlTest, WalkCycleAndWhistleFollowTheKeys)
{
    avatar.frameRate = 70;
    hold("w", 1);
    EXPECT_EQ(avatar.currentAnimation, 1);
    EXPECT_EQ(avatar.animations[1].stepsPerKeyframe, 4); // 300 / 70: forward legs twice as fast
    for (const char* key : {"s", "a", "d"}) {
        hold("", 1); // nothing held: 'x', idle
        EXPECT_EQ(avatar.currentAnimation, 0);
        hold(key, 1);
        EXPECT_EQ(avatar.animations[1].stepsPerKeyframe, 8) << key; // 600 / 70
    }
    hold("", 1);
    for (int key : {'p', 'n', 'y', 'z'}) {
        avatar.command(key); // turning and tilting do not walk
    }
    EXPECT_EQ(avatar.animationIndex, 0);

    control.mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 1, 1);
    EXPECT_TRUE(avatar.whistling);
    EXPECT_EQ(soundStatus().lastPath, "data/sound/pfeifen.wav");
    EXPECT_EQ(soundStatus().lastMode, SoundMode::Looped);
    hold("", 2);
    EXPECT_EQ(avatar.currentAnimation, 2) << "standing still keeps whistling";
    control.mouseButton(GLUT_LEFT_BUTTON, GLUT_UP, 1, 1);
    control.mouseButton(GLUT_RIGHT_BUTTON, GLUT_DOWN, 1, 1); // only the left button whistles
    control.mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 1, 1);
    EXPECT_FALSE(avatar.whistling);
    EXPECT_EQ(avatar.currentAnimation, 0);
    EXPECT_EQ(soundStatus().lastPath, "data/sound/leer.wav");
    EXPECT_EQ(soundStatus().lastMode, SoundMode::Once);
}

TEST_F(AvatarControlTest, HeldKeysSendCommandsEveryFrameAndActionKeysOnceThroughTheFigure)
{
    for (unsigned char key : {'d', 'v', 'a', 's', 'w'}) {
        control.keyDown(key, 0, 0);
    }
    for (unsigned char key : {'e', 'l', 'm', 'q', '1', 'f', 'k'}) {
        control.keyDown(key, 0, 0);
        control.keyUp(key, 0, 0);
    }
    EXPECT_EQ(below.keys, "elm");
    control.sendHeldCommands();
    control.sendHeldCommands();
    control.keyUp('a', 0, 0);
    control.keyUp('v', 0, 0);
    control.sendHeldCommands();
    EXPECT_EQ(below.keys, "elmwsadvwsadvwsd");
    hold("wsd", 0);
    below.keys.clear();
    hold("", 1);
    hold("v", 1); // looking is not moving
    EXPECT_EQ(below.keys, "xxv");
}

TEST_F(AvatarControlTest, ConversationsTakeOnlyAnswersAndSwitchingLevelsTakesNothing)
{
    using Mode = std::pair<char, std::string>;
    for (const auto& [mode, expected] : {Mode{'g', "12q"}, Mode{'l', ""}, Mode{'\0', ""}}) {
        SCOPED_TRACE(int(mode));
        below.keys.clear();
        control.inputMode = mode;
        for (unsigned char key : {'w', '1', 'e', '2', 'v', 'q', 'm', 'l'}) {
            control.keyDown(key, 0, 0);
        }
        control.mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 10, 10);
        control.mouseMove(0, 0);
        control.mouseMove(400, 300);
        control.sendHeldCommands();
        EXPECT_EQ(below.keys, expected);
        EXPECT_FALSE(control.heldForward || control.heldLook || control.buttonDown || avatar.whistling);
    }
    // w released during a conversation stays held: the figure walks on afterwards.
    control.inputMode = 'a';
    control.keyDown('w', 0, 0);
    control.inputMode = 'g';
    control.keyUp('w', 0, 0);
    control.inputMode = 'a';
    control.sendHeldCommands();
    EXPECT_FLOAT_EQ(avatar.position.z, -0.5f);
}

TEST_F(AvatarControlTest, EveryMouseMovementIsOneStepAndTheWindowEdgesKeepTurning)
{
    control.mouseMove(400, 300);
    control.mouseMove(100, 299); // far left, slightly up: still one step each
    control.mouseMove(100, 299);
    control.mouseMove(101, 310);
    EXPECT_EQ(below.keys, "znypzn");
    EXPECT_NEAR(avatar.heading, 180.0f - 3.75f, 1e-3f); // two 'n', one 'p' of 150 / 40 degrees
    EXPECT_LT(camera.position.y, 5.0f); // down, up, down: the view tilts down one step

    // 1 % of 800 x 600 is 8 pixels across and 6 down.
    const struct {
        int x, y;
        bool left, right, top, bottom;
    } edges[] = {
        {0, 0, true, false, true, false},     {7, 5, true, false, true, false},
        {8, 6, false, false, false, false},   {792, 594, false, false, false, false},
        {793, 595, false, true, false, true}, {800, 600, false, true, false, true},
        {801, 601, false, false, false, false}, {-1, -1, false, false, false, false},
    };
    for (const auto& e : edges) {
        control.mouseMove(e.x, e.y);
        EXPECT_EQ((std::array{control.edgeLeft, control.edgeRight, control.edgeTop, control.edgeBottom}),
                  (std::array{e.left, e.right, e.top, e.bottom}))
            << e.x << ", " << e.y;
    }
    host.setWindowSize(1000, 600);
    control.mouseMove(991, 300);
    EXPECT_TRUE(control.edgeRight);
    control.mouseMove(990, 300);
    EXPECT_FALSE(control.edgeRight);

    control.mouseMove(0, 599);
    below.keys.clear();
    hold("", 2);
    EXPECT_EQ(below.keys, "xpzxpz");
    control.mouseMove(999, 0);
    below.keys.clear();
    hold("", 1);
    EXPECT_EQ(below.keys, "xny");
}

TEST_F(AvatarControlTest, FunctionKeysReachEveryChildInEveryModeAndEscapeEndsTheProgram)
{
    Recorder manager;
    control.addChild(&manager);
    control.specialKey(GLUT_KEY_F1, 0, 0);
    control.inputMode = 'g';
    control.specialKey(GLUT_KEY_F8, 0, 0);
    EXPECT_EQ(manager.special, (std::vector<int>{GLUT_KEY_F1, GLUT_KEY_F8}));
    EXPECT_TRUE(below.special.empty()) << "function keys go to the children only";

    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (char mode : {'a', 'g', 'l', '\0'}) {
        control.inputMode = mode;
        EXPECT_EXIT(control.keyDown(27, 0, 0), ::testing::ExitedWithCode(0), "") << int(mode);
    }
}

} // namespace
