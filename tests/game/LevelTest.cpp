#include "app/Host.h"
#include "game/ControlNode.h"
#include "game/Level.h"
#include "support/GlTestWindow.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>

namespace {

struct Recorder : SceneNode {
    void command(int key) override { keys += static_cast<char>(key); }
    std::string keys;
};

// A level with a church, a priest to talk to and a marker, wired as the real
// levels wire theirs; the avatar stands at the origin.
class TestLevel : public Level {
public:
    TestLevel()
    {
        partners = {&priest};
        lookOrder = {&church, &priest};
        selectable = {&church, &priest};
        exitTarget = 2;
        church.position.set(10, 0, 0);
        priest.position.set(0, 0, 10);
        marker.position.set(-10, 0, 0);
        addChild(&recorder);
    }
    using Level::exitTarget;
    using Level::pace;

    int selectAt(float x, float y, float z)
    {
        avatar.position.set(x, y, z);
        const ProximityRule rules[] = {
            {&church, 5, "Kirche anschauen"}, {&priest, 5, "Priester ansprechen"}, {&marker, 5, "Weiter", true}};
        return select(rules, "Dorf");
    }

    ModelNode church, priest, marker;
    Recorder recorder;
};

TEST(LevelTest, TheFirstRuleStrictlyWithinItsRadiusInThreeDimensionsSelects)
{
    TestLevel level;
    EXPECT_EQ(level.selectAt(10, 0, 5), -1) << "exactly on the radius";
    EXPECT_EQ(level.selectAt(10, 4, 3.5f), -1) << "near on the ground, 5.3 away in space";
    EXPECT_EQ(level.prompt, "Dorf");
    EXPECT_EQ(level.selectAt(10, 3, 3.99f), 0);
    EXPECT_EQ(level.prompt, "Kirche anschauen");

    level.priest.position.set(9, 0, 0); // both in reach: the first rule wins
    EXPECT_EQ(level.selectAt(9.5f, 0, 0), 0);
    EXPECT_FALSE(level.priest.selected);
    level.church.position.set(100, 0, 0);
    EXPECT_EQ(level.selectAt(9.5f, 0, 0), 1);
    EXPECT_TRUE(level.church.selected && level.priest.selected) << "flags clear only at nothing";
    EXPECT_EQ(level.selectAt(-10, 0, 1), 2);
    EXPECT_EQ(level.prompt, "Weiter");
    EXPECT_FALSE(level.marker.selected) << "a marker is never selected";
    EXPECT_EQ(level.selectAt(-50, 0, -50), -1);
    EXPECT_FALSE(level.church.selected || level.priest.selected);
}

TEST(LevelTest, TalkSkipAndCloseActAndEveryKeyIsPassedOn)
{
    TestLevel level;
    ControlNode controls;
    level.controls = &controls;
    controls.inputMode = 'a';
    level.church.selected = true;
    level.command('e');
    EXPECT_EQ(controls.inputMode, 'a') << "the church is no one to talk to";
    level.priest.selected = true;
    level.command('e');
    EXPECT_EQ(controls.inputMode, 'g');

    controls.heldForward = controls.heldBack = controls.heldLeft = controls.heldRight = controls.heldLook = true;
    level.command('q');
    EXPECT_EQ(controls.inputMode, 'a');
    EXPECT_FALSE(controls.heldForward || controls.heldBack || controls.heldLeft || controls.heldRight);
    EXPECT_TRUE(controls.heldLook);

    level.nextLevel = 1;
    level.command('l');
    EXPECT_EQ(level.nextLevel, 2);
    level.exitTarget = 0; // the inn has no way out
    level.nextLevel = 6;
    level.command('l');
    EXPECT_EQ(level.nextLevel, 6);
    EXPECT_EQ(level.recorder.keys, "eeqll");

    level.fps = 30; // animations are paced K / fps, truncated
    level.pace(level.avatar, 1, 400);
    EXPECT_EQ(level.avatar.animations[1].stepsPerKeyframe, 13);
}

TEST(LevelTest, LookPrintsTheFirstSelectedObjectOfTheLookOrderRightOfTheMiddle)
{
    GlTestWindow::ensure();
    ManualHost host;
    Host::install(&host);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    TestLevel level;
    level.church.descriptionLines = {"MMMMMM", "MMMMMM"};
    level.priest.descriptionLines = {"PPPPPP"};
    level.command('v'); // nothing selected: nothing shown
    level.priest.selected = level.church.selected = true;
    level.command('v');
    Host::install(nullptr);

    const auto yellow = [](const auto& p) { return p[0] > 200 && p[1] > 200 && p[2] < 80; };
    const auto row = [&](int y) { return GlTestWindow::count(444, 494, y - 9, y, yellow); };
    EXPECT_GT(row(180), 0); // 0.3 of the height, from 0.5555 of the width
    EXPECT_GT(row(200), 0);
    EXPECT_EQ(row(220), 0);
    EXPECT_EQ(GlTestWindow::count(0, 444, 0, 600, yellow), 0);
}

} // namespace
