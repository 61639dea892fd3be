// The last quest finished with an outro wanted that is missing or cannot be
// played: the player stays in Level 6 and can still say farewell.
#include "app/AppState.h"
#include "app/Options.h"
#include "game/GameManager.h"
#include "support/GameDriver.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

constexpr int wentOn = 3;

// In a run directory whose only video is an outro of `outro` bytes (none
// when null): exits with `wentOn` when the game went on.
[[noreturn]] void finishTheGame(const char* outro)
{
    ScratchDir dir;
    fs::create_directories(dir.path() / "data/video");
    for (const auto& entry : fs::directory_iterator(fs::path(KORVEL_RUN_DIR) / "data")) {
        if (entry.path().filename() != "video") {
            fs::create_symlink(entry.path(), dir.path() / "data" / entry.path().filename());
        }
    }
    if (outro != nullptr) {
        dir.write("data/video/outro.avi", outro);
    }
    GameDriver driver(dir.path());
    driver.level().nextLevel = 6;
    driver.frames(1);
    driver.game().level6.heroQuest.finished = true;
    options.playOutro = true;
    driver.frames(3);
    testing::internal::CaptureStdout();
    driver.press('l');
    const bool farewell = testing::internal::GetCapturedStdout().starts_with("Danke, dass Sie sich");
    std::exit(farewell && driver.levelNumber() == 6 && !appState.videoRunning() ? wentOn : 1);
}

} // namespace

TEST(UnplayableOutroTest, TheGameGoesOnInTheLastLevel)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (const char* outro : {static_cast<const char*>(nullptr), "RIFF"}) {
        EXPECT_EXIT(finishTheGame(outro), testing::ExitedWithCode(wentOn), "") << (outro ? "unplayable" : "missing");
    }
}
