// The game's window on the player's screen: where it lies, how large it is,
// who is blamed for a size the screen cannot show.
#include "support/RealGame.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace std::chrono_literals;

TEST(RealGameWindow, LiesWhollyOnTheScreenAndATooLargeSizeIsBlamedOnWhereItCameFrom)
{
    // RealGame's screen is 1024 x 768; the window's corner is (100, 100)
    // when it fits there.
    struct Run {
        std::vector<std::string> args;
        const char *width, *height; // in the options file
        const char* geometry;       // as xdotool tells it
        const char* warnings;
    };
    const Run runs[] = {
        {{"--window", "1000x700"}, "800", "600", "X=24\nY=68\nWIDTH=1000\nHEIGHT=700\n", ""},
        {{"--window", "2000x2000"}, "800", "600", "X=0\nY=0\nWIDTH=1024\nHEIGHT=768\n",
         "=== WARNING: --window will ein Fenster von 2000 x 2000, mehr als der Bildschirm zeigt; es gilt 1024 x 768 ===\n"},
        {{}, "99999999999", "300", "X=0\nY=100\nWIDTH=1024\nHEIGHT=300\n",
         "=== WARNING: options.txt windowwidth \"99999999999\" ist groesser als 16384; es gilt 16384 ===\n"
         "=== WARNING: options.txt will ein Fenster von 16384 x 300, mehr als der Bildschirm zeigt; es gilt 1024 x 300 ===\n"},
    };
    for (const Run& run : runs) {
        SCOPED_TRACE(run.geometry);
        ScratchDir dir;
        prepareRunDir(dir.path(), {{"windowwidth", run.width}, {"windowheight", run.height}});
        RealGame game(dir.path(), run.args);
        ASSERT_TRUE(game.waitForWindow()) << game.errors();
        std::string geometry;
        std::istringstream shell(game.onDisplay("xdotool getwindowgeometry --shell " + game.window()));
        for (std::string line; std::getline(shell, line);) {
            geometry += line.rfind("WINDOW=", 0) == 0 || line.rfind("SCREEN=", 0) == 0 ? "" : line + "\n";
        }
        EXPECT_EQ(geometry, run.geometry);
        game.type({"Escape"}, 0ms);
        EXPECT_EQ(game.waitForExit(10s), 0);
        EXPECT_EQ(game.output(), std::string("Viel Spass mit Korvel ....\n") + run.warnings);
    }
}
