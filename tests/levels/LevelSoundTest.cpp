// Every sound of the game starts at the event that plays it, once, and not
// before; a looped sound ends with the level, unless the figure of the level
// entered still whistles. What the sound layer does with a file and a mode is
// its own test's.
#include "platform/Sound.h"
#include "support/GameDriver.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

namespace {

// The looped sound still playing a moment after a level change, or "".
std::string loopSounding()
{
    for (int i = 0; i < 100 && soundStatus().lastMode == SoundMode::Once && soundStatus().playing; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10)); // the silent sound that ends a loop
    }
    const SoundStatus sound = soundStatus();
    return sound.lastMode == SoundMode::Looped && sound.playing ? sound.lastPath : "";
}

TEST(LevelCues, EachSoundStartsAtItsEventAndALoopEndsWithItsLevel)
{
    GameDriver driver(KORVEL_RUN_DIR, 40, 160, 120);
    GameManager& game = driver.game();
    Level5& pit = game.level5;
    const auto enter = [&](int level) {
        game.currentLevel->nextLevel = level;
        driver.frames(1);
        ASSERT_EQ(driver.levelNumber(), level);
        EXPECT_EQ(loopSounding(), game.currentLevel->avatar.whistling ? "data/sound/pfeifen.wav" : "") << level;
    };
    const auto standAt = [&](Vector3 p) { game.currentLevel->avatar.position = p, game.currentLevel->frame(); };
    const auto click = [&] { driver.mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0); };
    const Vector3 atSheep{21, 0, 180}, atPriest{125, 0, 111}, atHermit{180, 0, 92.5f}, atChicken{81, 0, 175},
        atOfficer{142, 0, 56}, atMother{83, 0, 100}, farFromHer{60, 0, 175};
    // `before` leads up to the event, playing `soundsBefore` sounds, and
    // leaves the avatar where the event happens.
    using Step = std::function<void()>;
    constexpr SoundMode once = SoundMode::Once, looped = SoundMode::Looped;
    const struct {
        const char* what; int level; Step before, event; const char* sound; SoundMode mode; int soundsBefore = 0;
    } cues[] = {
        {"whistle on", 1, [] {}, click, "pfeifen", looped},
        {"whistle off", 1, [] {}, click, "leer", once},
        {"help", 1, [] {}, [&] { driver.specialKey(GLUT_KEY_F1); }, "hilfe", once},
        {"the sheep led", 1, [&] { standAt(atSheep); },
         [&] { game.level1.priestQuest.accepted = true, standAt(atSheep); }, "boeoeoeoe", looped},
        {"the hermit given the feed", 2, [&] { standAt(atHermit); },
         [&] { game.level2.hermitQuest.rewarded = true, standAt(atHermit); }, "dankefenno", once},
        {"the priest given his sheep", 1, [&] { standAt(atPriest); },
         [&] { game.level1.priestQuest.rewarded = true, standAt(atPriest); }, "dankefenno", once},
        {"whistling into the yard", 1, [] {}, click, "pfeifen", looped},
        {"a sack eaten", 3, [&] { standAt(atChicken); },
         [&] { game.level3.feedCount = 1, game.level3.sacks[0].hidden = false, standAt(atChicken); }, "huhn", once},
        {"the barrier opened", 4, [&] { standAt(atOfficer); },
         [&] { game.level4.officerQuest.rewarded = true, standAt(atOfficer); }, "dankefenno", once},
        {"the mother hissing", 5, [&] { standAt(atMother); }, [&] { pit.mother->hidden = false, standAt(atMother); },
         "zischeln", looped},
        {"the badge taken", 5, [&] { click(), standAt(atMother); }, [&] { driver.press('m'); }, "plakette", once, 1},
        {"the mother calm", 5, [&] { click(), standAt(atMother); }, [&] { standAt(farFromHer); }, "leer", once, 1},
        {"the mother hissing again", 5, [] {}, [&] { standAt(atMother); }, "zischeln", looped},
    };
    for (const auto& cue : cues) {
        SCOPED_TRACE(cue.what);
        if (driver.levelNumber() != cue.level) enter(cue.level);
        const int started = soundStatus().started + cue.soundsBefore;
        cue.before();
        game.currentLevel->frame();
        EXPECT_EQ(soundStatus().started, started) << "a sound before the event";
        cue.event();
        EXPECT_TRUE(soundStatus().lastPath == std::string("data/sound/") + cue.sound + ".wav" &&
                    soundStatus().lastMode == cue.mode) << soundStatus().lastPath;
        game.currentLevel->frame(); // and once only, however long one stays
        EXPECT_EQ(soundStatus().started, started + 1);
    }
    enter(4); // the hissing ends
    enter(1); // the village's figure still whistles
}

} // namespace
