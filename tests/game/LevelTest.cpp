#include "game/ControlNode.h"
#include "game/Level.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Recorder : SceneNode {
    void command(int key) override { keys += static_cast<char>(key); }
    std::string keys;
};

// A level with a church, a priest and a marker, wired as the real levels
// wire theirs.
struct TestLevel : Level {
    TestLevel()
    {
        selectable = {&church, &priest};
        church.position.set(10, 0, 0);
        priest.position.set(9, 0, 0);
        marker.position.set(-10, 0, 0);
        addChild(&recorder);
    }
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

TEST(LevelTest, TheFirstMatchingRuleSelectsFlagsClearOnlyAtNothingAndCloseReleasesTheMovementKeys)
{
    TestLevel level;
    EXPECT_EQ(level.selectAt(9.5f, 0, 0), 0) << "both in reach: the first rule wins";
    EXPECT_FALSE(level.priest.selected);
    level.church.position.set(100, 0, 0);
    EXPECT_EQ(level.selectAt(9.5f, 0, 0), 1);
    EXPECT_TRUE(level.church.selected && level.priest.selected);
    EXPECT_EQ(level.selectAt(-10, 0, 1), 2);
    EXPECT_EQ(level.prompt, "Weiter");
    EXPECT_FALSE(level.marker.selected) << "a marker is never selected";
    EXPECT_EQ(level.selectAt(-50, 0, -50), -1);
    EXPECT_EQ(level.prompt, "Dorf");
    EXPECT_FALSE(level.church.selected || level.priest.selected);

    ControlNode controls;
    level.controls = &controls;
    controls.inputMode = 'g';
    controls.heldForward = controls.heldBack = controls.heldLeft = controls.heldRight = controls.heldLook = true;
    level.command('q');
    EXPECT_EQ(controls.inputMode, 'a');
    EXPECT_FALSE(controls.heldForward || controls.heldBack || controls.heldLeft || controls.heldRight);
    EXPECT_TRUE(controls.heldLook);
    EXPECT_EQ(level.recorder.keys, "q") << "every key is passed on";
}

} // namespace
