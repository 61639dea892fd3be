// The real program, started and played as a player would: through its
// window, by keys, on an X server of its own.
#include "support/RealGame.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// In the run directory the player skips through to the inn and says goodbye
// there; elsewhere the game asks for a game mode the display does not have.
TEST(RealGame, GreetsDrawsWithoutInputSaysGoodbyeAndEndsOnEscapeInAWindowWhereNoGameModeIs)
{
    ScratchDir dir;
    prepareRunDir(dir.path(), {{"fullscreen", "yes"}, {"glutGameModeString", "9999x9999:32@60"}});
    for (const fs::path& place : {fs::path(KORVEL_RUN_DIR), dir.path()}) {
        RealGame game(place);
        ASSERT_TRUE(game.waitForWindow()) << game.errors();
        const auto drawn = [](const Screenshot& s) { return s.count([](int r, int g, int b) { return r + g + b > 0; }); };
        const Screenshot shot = game.screenshotWhen(20s, [&](const Screenshot& s) { return drawn(s) > 800 * 600 / 2; });
        ASSERT_TRUE(shot.width == 800 && drawn(shot) > 800 * 600 / 2) << shot.width << " or the window stays black";
        // Frames keep coming without any input: the idle loop keeps drawing.
        std::this_thread::sleep_for(1000ms);
        EXPECT_GT(game.screenshot().differenceFrom(shot), 0.0) << "the picture stands still";
        const bool runDir = place != dir.path();
        // 1 -> 2 -> 3 -> 2 -> 4 -> 5 -> 4 -> 6, then two goodbyes.
        game.type(runDir ? std::vector<std::string>(9, "l") : std::vector<std::string>{});
        game.type({"Escape"}, 0ms);
        EXPECT_EQ(game.waitForExit(30s), 0) << game.errors();
        const std::string out = game.output();
        const std::string fallback = runDir ? "" : "Unable to enter game mode, playing in a window\n";
        const std::string farewell = "Danke, dass Sie sich fuer Korvel entschieden haben.\nFreuen Sie sich auf Sarnik....";
        EXPECT_EQ(out.rfind("Viel Spass mit Korvel ....\n" + fallback, 0), 0u) << out;
        // The second goodbye follows the first directly: no line end after it.
        EXPECT_EQ(occurrences(out, farewell), runDir ? 2 : 0) << out;
        EXPECT_EQ(out.find(farewell + farewell) != std::string::npos, runDir) << out;
    }
}

TEST(RealGame, IntroIgnoresEscapeAndGivesWayToTheGameWhenWIsReleased)
{
    ScratchDir dir;
    prepareRunDir(dir.path(), {{"fullscreen", "no"}, {"windowwidth", "800"}, {"windowheight", "600"}, {"playintro", "yes"}});
    RealGame game(dir.path());
    ASSERT_TRUE(game.waitForWindow()) << game.errors();

    // The intro's title is golden on a night sky.
    const auto golden = [](const Screenshot& shot) {
        return shot.count([](int r, int g, int b) { return r > 180 && g > 120 && b < 120; });
    };
    constexpr int titlePixels = 10000;
    const Screenshot intro = game.screenshotWhen(20s, [&](const Screenshot& s) { return golden(s) > titlePixels; });
    ASSERT_GT(golden(intro), titlePixels) << "the title is missing";
    EXPECT_GT(intro.at(60, 40)[2], intro.at(60, 40)[0] + 20) << "no night sky in the top left corner";

    game.type({"Escape"}, 1000ms);
    ASSERT_EQ(game.waitForExit(0ms), -1) << "Escape ended the intro";
    EXPECT_LT(game.screenshot().differenceFrom(intro), 8.0) << "Escape changed the picture";

    // Only the release of 'w' leaves the intro; the game is built then.
    game.xdotool("keydown w");
    std::this_thread::sleep_for(500ms);
    EXPECT_GT(golden(game.screenshot()), titlePixels) << "pressing w left the intro";
    game.xdotool("keyup w");
    const Screenshot play = game.screenshotWhen(60s, [&](const Screenshot& s) { return s.differenceFrom(intro) > 20.0; });
    ASSERT_EQ(game.waitForExit(0ms), -1) << "the game ended after the intro";
    EXPECT_GT(play.differenceFrom(intro), 20.0) << "the intro stays on screen";

    game.type({"Escape"}, 0ms);
    EXPECT_TRUE(game.waitForExit(30s) == 0 && game.errors().find("Error") == std::string::npos) << game.errors();
}
