#include "app/Host.h"
#include "game/ControlNode.h"
#include "game/Level.h"
#include "support/GlTestWindow.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace {

// Records the keys that reach it through the level.
struct KeyRecorder : SceneNode {
    void command(int key) override { keys.push_back(key); }
    std::vector<int> keys;
};

// A level with a church, a priest and a marker, the way the real levels
// wire theirs.
class TestLevel : public Level {
public:
    TestLevel()
    {
        partners = {&priest};
        lookOrder = {&church, &priest};
        selectable = {&church, &priest};
        exitTarget = 2;
        church.position.set(10.0f, 0.0f, 0.0f);
        priest.position.set(0.0f, 0.0f, 10.0f);
        marker.position.set(-10.0f, 0.0f, 0.0f);
        addChild(&recorder);
    }
    using Level::exitTarget;
    using Level::pace;
    using Level::place;
    using Level::select;

    int selectHere()
    {
        const ProximityRule rules[] = {
            {&church, 5.0f, "Kirche anschauen (v = view)"},
            {&priest, 5.0f, "Priester ansprechen (e = etwas sagen)"},
            {&marker, 5.0f, "Hier geht es weiter", true},
        };
        return select(rules, "Dorf");
    }

    ModelNode church;
    ModelNode priest;
    ModelNode marker;
    KeyRecorder recorder;
};

class LevelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        level.controls = &controls;
        controls.inputMode = 'a';
    }
    TestLevel level;
    ControlNode controls;
};

TEST_F(LevelTest, ANewLevelHasItsLightsFrameRateAndDescriptionStyle)
{
    EXPECT_EQ(level.light.lightType, 0);
    EXPECT_EQ(level.light2.lightType, 1);
    EXPECT_FLOAT_EQ(level.fps, 1.0f);
    EXPECT_EQ(level.textStyle.font, GLUT_BITMAP_HELVETICA_12);
    EXPECT_FLOAT_EQ(level.textStyle.red, 1.0f);
    EXPECT_FLOAT_EQ(level.textStyle.green, 1.0f);
    EXPECT_FLOAT_EQ(level.textStyle.blue, 0.0f);
}

TEST_F(LevelTest, ARuleMatchesOnlyStrictlyInsideItsRadius)
{
    level.avatar.position.set(10.0f, 0.0f, 5.0f); // exactly 5 from the church
    EXPECT_EQ(level.selectHere(), -1);
    EXPECT_EQ(level.prompt, "Dorf");
    level.avatar.position.set(10.0f, 4.0f, 3.5f); // near on the ground, but 5.3 in 3-D
    EXPECT_EQ(level.selectHere(), -1);
    level.avatar.position.set(10.0f, 3.0f, 3.99f); // 3-D distance just under 5
    EXPECT_EQ(level.selectHere(), 0);
    EXPECT_EQ(level.prompt, "Kirche anschauen (v = view)");
    EXPECT_TRUE(level.church.selected);
}

TEST_F(LevelTest, TheFirstMatchWinsAndFlagsClearOnlyAtNothing)
{
    level.priest.position.set(9.0f, 0.0f, 0.0f); // both in reach
    level.avatar.position.set(9.5f, 0.0f, 0.0f);
    EXPECT_EQ(level.selectHere(), 0);
    EXPECT_TRUE(level.church.selected);
    EXPECT_FALSE(level.priest.selected);

    level.church.position.set(100.0f, 0.0f, 0.0f); // walked on to the priest only
    EXPECT_EQ(level.selectHere(), 1);
    EXPECT_TRUE(level.priest.selected);
    EXPECT_TRUE(level.church.selected);

    level.avatar.position.set(-10.0f, 0.0f, 1.0f); // the marker: no flag of its own
    EXPECT_EQ(level.selectHere(), 2);
    EXPECT_EQ(level.prompt, "Hier geht es weiter");
    EXPECT_FALSE(level.marker.selected);
    EXPECT_TRUE(level.church.selected);

    level.avatar.position.set(-50.0f, 0.0f, -50.0f);
    EXPECT_EQ(level.selectHere(), -1);
    EXPECT_EQ(level.prompt, "Dorf");
    EXPECT_FALSE(level.church.selected);
    EXPECT_FALSE(level.priest.selected);
}

TEST_F(LevelTest, TalkStartsAConversationOnlyWithASelectedPartner)
{
    level.command('e');
    EXPECT_EQ(controls.inputMode, 'a');
    level.church.selected = true;
    level.command('e');
    EXPECT_EQ(controls.inputMode, 'a');
    level.priest.selected = true;
    level.command('e');
    EXPECT_EQ(controls.inputMode, 'g');
}

TEST_F(LevelTest, CloseReleasesHeldMovementAndReturnsToWalking)
{
    controls.inputMode = 'g';
    controls.heldForward = controls.heldBack = controls.heldLeft = controls.heldRight = true;
    controls.heldLook = true;
    level.command('q');
    EXPECT_EQ(controls.inputMode, 'a');
    EXPECT_FALSE(controls.heldForward || controls.heldBack || controls.heldLeft || controls.heldRight);
    EXPECT_TRUE(controls.heldLook);
}

TEST_F(LevelTest, SkipAsksForTheExitTargetUnlessThereIsNone)
{
    level.nextLevel = 1;
    level.command('l');
    EXPECT_EQ(level.nextLevel, 2);
    TestLevel inn;
    inn.nextLevel = 6;
    inn.exitTarget = 0;
    inn.command('l');
    EXPECT_EQ(inn.nextLevel, 6);
}

TEST_F(LevelTest, EveryKeyIsForwardedAfterTheLevelsOwnHandling)
{
    for (int key : {'e', 'l', 'w', '1', 'q', 'z', 'v'}) {
        level.command(key);
    }
    EXPECT_EQ(level.recorder.keys, (std::vector<int>{'e', 'l', 'w', '1', 'q', 'z', 'v'}));
}

TEST_F(LevelTest, PacingTruncatesKOverTheFrameRate)
{
    level.fps = 40.0f;
    level.pace(level.avatar, 0, 1000);
    EXPECT_EQ(level.avatar.animations[0].stepsPerKeyframe, 25);
    level.fps = 30.0f;
    level.pace(level.avatar, 1, 400);
    EXPECT_EQ(level.avatar.animations[1].stepsPerKeyframe, 13);
    level.fps = 80.0f;
    level.pace(level.avatar, 2, 1600);
    EXPECT_EQ(level.avatar.animations[2].stepsPerKeyframe, 20);
}

TEST_F(LevelTest, APlacementRowPlacesFlagsAndLoadsTheModel)
{
    GlTestWindow::ensure();
    level.light.position = lightPosition;
    const Placement tree{"baum9", "data/baum.ms3d", {50, 0, 160}, {0.5f, 0.5f, 0.5f}, {1, 0, 0},
                         HasBox | CastsShadow | StartsHidden};
    const AnimationSlot noAnimations[] = {{"other", 0, "default", 3, 30, 1000}};
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(KORVEL_RUN_DIR);
    ModelNode node;
    level.place(node, tree, noAnimations);
    std::filesystem::current_path(previous);

    EXPECT_EQ(node.getName(), "baum9");
    EXPECT_FLOAT_EQ(node.position.z, 160.0f);
    EXPECT_FLOAT_EQ(node.scale.y, 0.5f);
    EXPECT_FLOAT_EQ(node.direction.x, 1.0f);
    EXPECT_FLOAT_EQ(node.heading, Vector3(1, 0, 0).headingTo(node.forward));
    EXPECT_TRUE(node.hidden);
    EXPECT_TRUE(node.hasBoundingBox);
    EXPECT_FALSE(node.animated);
    EXPECT_TRUE(node.castsShadow);
    EXPECT_FLOAT_EQ(node.shadowLight.x, lightPosition.x);
    EXPECT_FALSE(node.model.meshes.empty());
    EXPECT_TRUE(node.animations[0].name.empty());
    // The box stands around the placed tree.
    EXPECT_NEAR((node.box.corner[0].x + node.box.corner[2].x) / 2.0f, 50.0f, 5.0f);
}

TEST_F(LevelTest, AnimatedRowsGetTheirSlotsBeforeLoading)
{
    const Placement hen{"mob1", nullptr, {1, 0, 1}, unitScale, forwardReference, Animated | NoShadowCast};
    const AnimationSlot slots[] = {{"mob1", 1, "walk", 2, 10, 400}, {"mob2", 0, "default", 3, 30, 1000}};
    ModelNode node;
    level.place(node, hen, slots);
    EXPECT_TRUE(node.animated);
    EXPECT_FALSE(node.castsShadow);
    EXPECT_EQ(node.animations[1].name, "walk");
    EXPECT_EQ(node.animations[1].keyframeCount, 2);
    EXPECT_EQ(node.animations[1].stepsPerKeyframe, 10);
    EXPECT_TRUE(node.animations[0].name.empty());
    EXPECT_FLOAT_EQ(node.shadowLight.x, 0.0f); // no shadow light without the flag
}

class DescriptionTest : public LevelTest {
protected:
    void SetUp() override
    {
        LevelTest::SetUp();
        GlTestWindow::ensure();
        Host::install(&host);
        glViewport(0, 0, GlTestWindow::width, GlTestWindow::height);
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        level.church.descriptionLines = {"MMMMMM", "MMMMMM"};
        level.priest.descriptionLines = {"PPPPPP"};
    }
    void TearDown() override { Host::install(nullptr); }

    // Yellow ink in the row whose baseline is y pixels from the top,
    // starting at 0.5555... of the 800-pixel width (x = 444).
    static bool yellowRow(int y, int x0 = 444)
    {
        for (int x = x0; x < x0 + 50; ++x) {
            for (int row = y - 9; row < y; ++row) {
                const auto p = GlTestWindow::pixel(x, GlTestWindow::height - row);
                if (p[0] > 200 && p[1] > 200 && p[2] < 80) {
                    return true;
                }
            }
        }
        return false;
    }

    ManualHost host;
};

TEST_F(DescriptionTest, LookShowsTheFirstSelectedObjectOfTheLookOrder)
{
    level.priest.selected = true;
    level.church.selected = true;
    level.command('v');
    EXPECT_TRUE(yellowRow(180)); // 0.3 of 600
    EXPECT_TRUE(yellowRow(200));
    EXPECT_FALSE(yellowRow(220));
    EXPECT_FALSE(yellowRow(180, 390)); // nothing left of x = 444
}

TEST_F(DescriptionTest, LookWithNothingSelectedDrawsNothing)
{
    level.command('v');
    EXPECT_FALSE(yellowRow(180));
    level.showDescription(level.church); // not selected: nothing either
    EXPECT_FALSE(yellowRow(180));
}

} // namespace
