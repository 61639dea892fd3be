// The first sound opens the audio device. After it, Ctrl-C and kill still
// end the game, and a machine without a sound card says so in one line.
#include "support/RealGame.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>

using namespace std::chrono_literals;

TEST(RealGameSound, InterruptAndTerminateEndTheGameAfterTheFirstSound)
{
    const std::string cards = readText("/proc/asound/cards");
    const bool soundCard = !cards.empty() && cards.find("no soundcards") == std::string::npos;
    for (int signal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signal);
        RealGame game(KORVEL_RUN_DIR);
        ASSERT_TRUE(game.waitForWindow()) << game.errors();
        game.type({"F1"}, 0ms); // the help sound
        const auto end = std::chrono::steady_clock::now() + 10s;
        while (!soundCard && game.errors().empty() && std::chrono::steady_clock::now() < end) game.waitForExit(100ms);
        game.signal(signal);
        EXPECT_EQ(game.waitForExit(10s), 128 + signal);
        EXPECT_EQ(game.errors(), soundCard ? "" : "no sound device: playing silently\n");
    }
}
