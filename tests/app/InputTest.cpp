#include "ShellFixture.h"

#include "app/FrameLoop.h"
#include "app/InputCallbacks.h"

#include <GL/freeglut.h>

class InputTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        startIntroOrGame();
        recorder.commands.clear();
    }
};

TEST_F(InputTest, EscapeEndsTheProgramWhileWalking)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(onKeyDown(27, 0, 0), ::testing::ExitedWithCode(0), "");
}

TEST_F(InputTest, EscapeEndsTheProgramInAConversation)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    controlNode.inputMode = 'g';
    EXPECT_EXIT(onKeyDown(27, 0, 0), ::testing::ExitedWithCode(0), "");
}

TEST_F(InputTest, HeldKeysSendOneCommandPerFrame)
{
    onKeyDown('w', 0, 0);
    onKeyDown('s', 0, 0);
    onKeyDown('v', 0, 0);
    recorder.commands.clear();
    renderFrame();
    EXPECT_EQ(recorder.commands, "wsv");
    onKeyUp('w', 0, 0);
    onKeyUp('s', 0, 0);
    onKeyUp('v', 0, 0);
    recorder.commands.clear();
    renderFrame();
    EXPECT_EQ(recorder.commands, "x");
}

TEST_F(InputTest, EveryKeyEventDrawsAFrame)
{
    const int before = framesDrawn();
    onKeyDown('e', 0, 0);
    onKeyUp('e', 0, 0);
    onSpecialKey(GLUT_KEY_F2, 0, 0);
    onSpecialKeyUp(GLUT_KEY_F2, 0, 0);
    EXPECT_EQ(framesDrawn(), before + 4);
    // 'e' is sent once at the press, before its frame.
    EXPECT_EQ(recorder.commands, "exxxx");
    EXPECT_EQ(recorder.keys, std::vector<int>{GLUT_KEY_F2});
}

TEST_F(InputTest, ConversationTakesOnlyAnswersAndClose)
{
    controlNode.inputMode = 'g';
    // 'q' closes the conversation, so it comes last.
    for (unsigned char key : {'w', '1', 'e', '2', 'm', 'q'}) {
        controlNode.keyDown(key, 0, 0);
    }
    EXPECT_EQ(recorder.commands, "12q");
    EXPECT_FALSE(controlNode.heldForward);
}

TEST_F(InputTest, ReleaseInAConversationLeavesTheKeyHeld)
{
    onKeyDown('w', 0, 0);
    controlNode.inputMode = 'g';
    onKeyUp('w', 0, 0);
    EXPECT_TRUE(controlNode.heldForward);
}

TEST_F(InputTest, ClickWhistlesWithoutAnExtraFrame)
{
    const int before = framesDrawn();
    onMouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 400, 300);
    onMouseButton(GLUT_LEFT_BUTTON, GLUT_UP, 400, 300);
    onMouseButton(GLUT_RIGHT_BUTTON, GLUT_DOWN, 400, 300);
    EXPECT_EQ(framesDrawn(), before);
    EXPECT_EQ(recorder.commands, "f");
    EXPECT_TRUE(controlNode.buttonDown);
    EXPECT_EQ(controlNode.lastButton, GLUT_RIGHT_BUTTON);
}

TEST_F(InputTest, DraggingDrawsAFrameButDoesNotTurn)
{
    const int before = framesDrawn();
    onMouseDrag(600, 100);
    EXPECT_EQ(framesDrawn(), before + 1);
    EXPECT_EQ(recorder.commands, "x");
}

TEST_F(InputTest, MouseMovementTurnsAndTiltsOnceAndDrawsAFrame)
{
    const int before = framesDrawn();
    onMouseMove(400, 300); // right and down from (0, 0)
    onMouseMove(350, 310); // left and down
    onMouseMove(350, 200); // up only
    onMouseMove(350, 200); // no change
    EXPECT_EQ(framesDrawn(), before + 4);
    EXPECT_EQ(recorder.commands, "znxzpxyxx");
}

TEST_F(InputTest, MouseAtAWindowEdgeKeepsTurning)
{
    host.setWindowSize(800, 600);
    controlNode.mouseMove(0, 300);
    EXPECT_TRUE(controlNode.edgeLeft);
    controlNode.mouseMove(8, 300); // exactly 1 % of the width: not at the edge
    EXPECT_FALSE(controlNode.edgeLeft);
    controlNode.mouseMove(799, 599);
    EXPECT_TRUE(controlNode.edgeRight);
    EXPECT_TRUE(controlNode.edgeBottom);
    controlNode.mouseMove(400, 5);
    EXPECT_FALSE(controlNode.edgeRight);
    EXPECT_TRUE(controlNode.edgeTop);
    recorder.commands.clear();
    renderFrame();
    renderFrame();
    EXPECT_EQ(recorder.commands, "xyxy");
}

TEST_F(InputTest, FrameRateIsMeasuredOverMoreThanFiftyMilliseconds)
{
    gameManager.fpsTime = 0;
    gameManager.frameCount = 0;
    gameManager.framesPerSecond = 80.0f;
    for (int i = 0; i < 4; ++i) {
        host.advance(10);
        renderFrame();
    }
    EXPECT_FLOAT_EQ(gameManager.framesPerSecond, 80.0f);
    host.advance(40); // 80 ms, 5 frames
    renderFrame();
    EXPECT_FLOAT_EQ(gameManager.framesPerSecond, 62.5f);
    EXPECT_EQ(gameManager.frameCount, 0);
    EXPECT_EQ(gameManager.fpsTime, 80);
}
