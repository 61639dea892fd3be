#include "AvatarScene.h"

#include <GL/freeglut.h>

using avatarscene::AvatarScene;

namespace {

class ControlNodeTest : public AvatarScene {
protected:
    void SetUp() override
    {
        AvatarScene::SetUp();
        avatar.frameRate = 40;
    }
};

} // namespace

TEST_F(ControlNodeTest, IsTheSteeringNode)
{
    EXPECT_EQ(ControlNode().getName(), "Steuerung");
}

TEST_F(ControlNodeTest, HeldKeysSendTheirCommandsEveryFrameInOrder)
{
    for (unsigned char key : {'d', 'v', 'a', 's', 'w'}) {
        control.keyDown(key, 0, 0);
    }
    EXPECT_EQ(below.keys, "");
    frame();
    frame();
    EXPECT_EQ(below.keys, "wsadvwsadv");

    below.keys.clear();
    control.keyUp('a', 0, 0);
    control.keyUp('v', 0, 0);
    frame();
    EXPECT_EQ(below.keys, "wsd");
}

TEST_F(ControlNodeTest, NothingHeldSendsXAndTheFigureStopsWalking)
{
    control.keyDown('w', 0, 0);
    frame();
    EXPECT_EQ(avatar.animationIndex, 1);
    control.keyUp('w', 0, 0);
    below.keys.clear();
    frame();
    EXPECT_EQ(below.keys, "x");
    EXPECT_EQ(avatar.animationIndex, 0);
    // Looking does not count as moving.
    control.keyDown('v', 0, 0);
    frame();
    EXPECT_EQ(below.keys, "xxv");
}

TEST_F(ControlNodeTest, ActionKeysAreSentOnceAtThePress)
{
    for (unsigned char key : {'e', 'l', 'm', 'q', '1', 'f', 'k'}) {
        control.keyDown(key, 0, 0);
        control.keyUp(key, 0, 0);
    }
    EXPECT_EQ(below.keys, "elm");
}

TEST_F(ControlNodeTest, ConversationTakesOnlyAnswersAndClose)
{
    control.inputMode = 'g';
    for (unsigned char key : {'w', '1', 'e', '2', 'v', 'q', 'm', 'l'}) {
        control.keyDown(key, 0, 0);
    }
    control.mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 10, 10);
    control.mouseMove(0, 0);
    frame();
    EXPECT_EQ(below.keys, "12q");
    EXPECT_FALSE(control.heldForward);
    EXPECT_FALSE(control.heldLook);
    EXPECT_FALSE(control.edgeLeft);
    EXPECT_FALSE(avatar.whistling);
    EXPECT_FLOAT_EQ(avatar.position.z, 0.0f);
}

TEST_F(ControlNodeTest, NoInputActsWhileLevelsSwitchOrBeforeTheFirstLevel)
{
    for (char mode : {'l', '\0'}) {
        control.inputMode = mode;
        for (unsigned char key : {'w', 'e', '1', 'q'}) {
            control.keyDown(key, 0, 0);
        }
        control.mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0);
        control.mouseMove(0, 0);
        control.mouseMove(400, 300);
        frame();
    }
    EXPECT_EQ(below.keys, "");
    EXPECT_FALSE(control.heldForward);
    EXPECT_FALSE(control.buttonDown);
}

TEST_F(ControlNodeTest, WReleasedInAConversationStaysHeld)
{
    control.keyDown('w', 0, 0);
    control.inputMode = 'g';
    control.keyUp('w', 0, 0);
    EXPECT_TRUE(control.heldForward);
    // Back to walking: the figure walks on until w is pressed and released again.
    control.inputMode = 'a';
    frame();
    EXPECT_FLOAT_EQ(avatar.position.z, -0.5f);
    control.keyDown('w', 0, 0);
    control.keyUp('w', 0, 0);
    EXPECT_FALSE(control.heldForward);
}

TEST_F(ControlNodeTest, EveryMouseMovementIsOneTurnOrPitchStep)
{
    control.mouseMove(400, 300);
    EXPECT_EQ(below.keys, "zn");
    below.keys.clear();
    control.mouseMove(100, 299); // far left, slightly up: still one step each
    control.mouseMove(100, 299); // no movement: nothing
    control.mouseMove(101, 310);
    EXPECT_EQ(below.keys, "ypzn");
    EXPECT_EQ(control.lastMouseX, 101);
    EXPECT_EQ(control.lastMouseY, 310);
    // Two 'n' and one 'p' at 40 frames per second: one net step of 150 / 40 degrees.
    EXPECT_NEAR(avatar.heading, 180.0f - 3.75f, 1e-3f);
}

TEST_F(ControlNodeTest, EdgesStartWithinOnePercentOfTheWindow)
{
    // 800 x 600: 1 % is 8 pixels across and 6 pixels down.
    struct Case {
        int x, y;
        bool left, right, top, bottom;
    };
    const Case cases[] = {
        {0, 0, true, false, true, false},       {7, 5, true, false, true, false},
        {8, 6, false, false, false, false},     {400, 300, false, false, false, false},
        {792, 594, false, false, false, false}, {793, 595, false, true, false, true},
        {800, 600, false, true, false, true},   {801, 601, false, false, false, false},
        {-1, -1, false, false, false, false},
    };
    for (const Case& c : cases) {
        control.mouseMove(c.x, c.y);
        EXPECT_EQ(control.edgeLeft, c.left) << c.x;
        EXPECT_EQ(control.edgeRight, c.right) << c.x;
        EXPECT_EQ(control.edgeTop, c.top) << c.y;
        EXPECT_EQ(control.edgeBottom, c.bottom) << c.y;
    }
    // A wider window moves the edge along.
    host.setWindowSize(1000, 600);
    control.mouseMove(991, 300);
    EXPECT_TRUE(control.edgeRight);
    control.mouseMove(990, 300);
    EXPECT_FALSE(control.edgeRight);
    control.mouseMove(9, 300);
    EXPECT_TRUE(control.edgeLeft);
    control.mouseMove(10, 300);
    EXPECT_FALSE(control.edgeLeft);
}

TEST_F(ControlNodeTest, MouseAtAnEdgeKeepsTheViewTurningEveryFrame)
{
    control.mouseMove(400, 300);
    control.mouseMove(0, 599);
    below.keys.clear();
    frame();
    frame();
    EXPECT_EQ(below.keys, "xpzxpz");
    control.mouseMove(799, 0);
    below.keys.clear();
    frame();
    EXPECT_EQ(below.keys, "xny");
}

TEST_F(ControlNodeTest, LeftButtonPressWhistlesOnce)
{
    control.mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 5, 5);
    EXPECT_TRUE(control.buttonDown);
    EXPECT_EQ(control.lastButton, GLUT_LEFT_BUTTON);
    control.mouseButton(GLUT_LEFT_BUTTON, GLUT_UP, 5, 5);
    EXPECT_FALSE(control.buttonDown);
    control.mouseButton(GLUT_RIGHT_BUTTON, GLUT_DOWN, 5, 5);
    EXPECT_EQ(control.lastButton, GLUT_RIGHT_BUTTON);
    EXPECT_EQ(below.keys, "f");
    EXPECT_TRUE(avatar.whistling);
}

TEST_F(ControlNodeTest, FunctionKeysReachEveryChildInEveryMode)
{
    struct KeyCounter : SceneNode {
        void onKey(int key) override { keys.push_back(key); }
        std::vector<int> keys;
    } manager, level;
    ControlNode node;
    node.addChild(&manager);
    node.addChild(&level);
    node.specialKey(GLUT_KEY_F1, 0, 0);
    node.inputMode = 'g';
    node.specialKey(GLUT_KEY_F8, 0, 0);
    const std::vector<int> expected{GLUT_KEY_F1, GLUT_KEY_F8};
    EXPECT_EQ(manager.keys, expected);
    EXPECT_EQ(level.keys, expected);
}

TEST(ControlNodeEscapeTest, EscapeEndsTheProgramInEveryMode)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (char mode : {'a', 'g', 'l', '\0'}) {
        ControlNode node;
        node.inputMode = mode;
        EXPECT_EXIT(node.keyDown(27, 0, 0), ::testing::ExitedWithCode(0), "") << int(mode);
    }
}
