// A looped sound ends with the level that started it, unless the level
// entered has a loop of its own: its avatar still whistling.
#include "game/GameManager.h"
#include "platform/Sound.h"
#include "support/GameDriver.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <string>

TEST(LevelSoundTest, ALoopedSoundEndsWithItsLevel)
{
    const auto loopSounding = [] {
        const SoundStatus sound = soundStatus();
        return sound.lastMode == SoundMode::Looped && sound.playing ? sound.lastPath : "";
    };
    const std::string whistle = "data/sound/pfeifen.wav";
    struct Step {
        bool whistle;     // the left button starts the whistle before leaving
        int to;           // the level entered
        std::string loop; // what sounds there
    };
    GameDriver driver(KORVEL_RUN_DIR);
    for (const Step& step : {Step{true, 2, ""}, Step{true, 3, ""}, Step{false, 2, whistle}, Step{false, 4, ""}}) {
        SCOPED_TRACE(step.to);
        if (step.whistle) {
            driver.mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0);
            ASSERT_EQ(loopSounding(), whistle);
        }
        driver.level().nextLevel = step.to;
        driver.frames(1);
        ASSERT_EQ(driver.levelNumber(), step.to);
        EXPECT_EQ(loopSounding(), step.loop);
    }
}
