// The saved game through the real program: every way of leaving keeps it, --continue finds it, damage is set aside.
#include "app/SaveText.h"
#include "support/SavedGames.h"
#include "support/RealGame.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <thread>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

class RealSave : public ::testing::Test {
protected:
    RealSave() { prepareRunDir(dir.path(), {{"windowwidth", "640"}, {"windowheight", "480"}}); }

    // The game started with `args` for this test's player, once its window is there.
    RealGame& start(const std::vector<std::string>& args)
    {
        game.emplace(dir.path(), args, "", home);
        EXPECT_TRUE(game->waitForWindow()) << game->errors();
        return *game;
    }
    void write(const std::string& text)
    {
        fs::create_directories(save.parent_path());
        std::ofstream(save, std::ios::binary) << text;
    }
    SaveReading saved() const { return readSaveText(readText(save)); }

    ScratchDir dir;
    const fs::path home = dir.path() / "player";
    const fs::path save = home / ".local/share/korvel/savegame.txt";
    std::optional<RealGame> game;
};

TEST_F(RealSave, EveryWayOfLeavingKeepsTheGameAndContinueFindsIt)
{
    // Escape, the hang-up of a closed terminal and a logout's SIGTERM each save first.
    const std::pair<const char*, int> ends[] = {{"Escape", 0}, {"SIGHUP", 128 + SIGHUP}, {"SIGTERM", 128 + SIGTERM}};
    for (const auto& [end, status] : ends) {
        SCOPED_TRACE(end);
        write(saveText(inTheYard()));
        RealGame& running = start({"--continue", "--no-intro"});
        std::this_thread::sleep_for(1s);
        fs::remove(save); // only the game's own save at the end brings it back
        std::string(end) == "Escape" ? running.type({"Escape"}, 0ms)
                                     : running.signal(std::string(end) == "SIGHUP" ? SIGHUP : SIGTERM);
        EXPECT_EQ(running.waitForExit(30s), status) << running.errors();
        ASSERT_TRUE(saved().progress) << saved().problem;
        EXPECT_TRUE(*saved().progress == inTheYard()) << readText(save);
    }
    // A kill gives no chance to save: the save of before stays whole.
    RealGame& killed = start({"--continue", "--no-intro"});
    std::this_thread::sleep_for(1s);
    killed.signal(SIGKILL);
    EXPECT_EQ(killed.waitForExit(30s), 128 + SIGKILL);
    EXPECT_TRUE(saved().progress && *saved().progress == inTheYard());
}

TEST_F(RealSave, ADamagedSaveIsNamedAndKeptAsideAndANewGameStarts)
{
    write("korvel-savegame 1.0\nlevelNumber 9\n");
    RealGame& running = start({"--no-intro"});
    std::this_thread::sleep_for(1s);
    running.type({"Escape"}, 0ms);
    EXPECT_EQ(running.waitForExit(30s), 0);
    EXPECT_NE(running.output().find("=== WARNING: " + save.string() + " levelNumber \"9\""), std::string::npos)
        << running.output();
    EXPECT_EQ(readText(save.string() + ".damaged-1"), "korvel-savegame 1.0\nlevelNumber 9\n");
    ASSERT_TRUE(saved().progress) << "the new game is saved in its place";
    EXPECT_EQ(saved().progress->levelNumber, 1);
}

TEST_F(RealSave, TheStartQuestionAnswersToTheKeysInForce)
{
    // The answer keys swapped: '1' now starts anew.
    std::ofstream(dir.path() / "options.txt", std::ios::app) << "#keyanswer1\n2\n#keyanswer2\n1\n";
    write(saveText(inTheYard()));
    RealGame& running = start({"--no-intro"});
    running.type({"1", "Escape"});
    EXPECT_EQ(running.waitForExit(30s), 0) << running.errors();
    ASSERT_TRUE(saved().progress) << saved().problem;
    EXPECT_EQ(saved().progress->levelNumber, 1);
}

} // namespace
