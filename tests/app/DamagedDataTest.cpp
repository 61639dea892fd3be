// The real game over a copy of its data with files missing, cut in half or
// overwritten with noise: it names each such file, plays on without it and
// still ends on Escape at once.
#include "platform/Random.h"
#include "support/RealGame.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <thread>

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using std::this_thread::sleep_for;

namespace {

enum class Damage { Missing, Truncated, Noise };

// Escape ends the game at its next frame, well within a second; the limit leaves room for a loaded
// machine (and a sanitizer's leak check), while a game stalled over a damaged file never gets there.
constexpr auto escapeLimit = 5s;

void damage(const fs::path& file, Damage how)
{
    const auto size = fs::file_size(file);
    if (how == Damage::Missing) return void(fs::remove(file));
    if (how == Damage::Truncated) return fs::resize_file(file, size / 2);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    for (std::uintmax_t i = 0; i < size; ++i) out.put(static_cast<char>(nextRandom() & 0xff));
}

// Waits until every name shows in the game's output or 30 s have passed.
void waitForNames(RealGame& game, const std::vector<std::string>& names)
{
    const auto end = std::chrono::steady_clock::now() + 30s;
    const auto named = [&](const std::string& name) { return occurrences(game.output(), name) > 0; };
    while (!std::all_of(names.begin(), names.end(), named) && std::chrono::steady_clock::now() < end) sleep_for(100ms);
}

// A copy of the data with the shipped options file.
fs::path copyOfTheGame(const ScratchDir& dir)
{
    fs::copy(fs::path(KORVEL_RUN_DIR) / "data", dir.path() / "data", fs::copy_options::recursive);
    fs::copy_file(fs::path(KORVEL_SOURCE_DIR) / "src/app/options.txt", dir.path() / "options.txt");
    return dir.path();
}

} // namespace

TEST(RealGameDamagedData, EveryDamagedFileIsNamedOnceAndTheGamePlaysOn)
{
    // One file of every kind the game reads besides its options (none needs
    // another), with the intro switched on; the sound is played by F1.
    const std::vector<std::string> files = {"data/haus2.ms3d", "data/priest_default_1.ms3d", "data/bbbrunnen.ms3d",
                                            "data/texture/dach.jpg", "data/text/dialogues.txt",
                                            "data/video/intro.avi", "data/sound/hilfe.wav"};
    for (Damage how : {Damage::Missing, Damage::Truncated, Damage::Noise}) {
        SCOPED_TRACE(static_cast<int>(how));
        ScratchDir dir;
        std::ofstream(copyOfTheGame(dir) / "options.txt") << "#playintro\nyes\n#windowwidth\n16000\n#windowheight\n16000\n";
        // A window larger than the screen is cut down to it.
        std::vector<std::string> names{"options.txt will ein Fenster von 16000 x 16000, mehr als der Bildschirm "
                                       "zeigt; es gilt 1024 x 768"};
        for (const std::string& file : files) damage(dir.path() / file, how), names.push_back(file + " ");
        RealGame game(dir.path());
        ASSERT_TRUE(game.waitForWindow()) << game.output() << game.errors();
        waitForNames(game, {names.begin(), names.end() - 1}); // what the game loads at start
        game.type({"F1"}, 0ms);
        waitForNames(game, names);
        for (const std::string& name : names) {
            EXPECT_EQ(occurrences(game.output(), name), 1) << name << " not named once in:\n" << game.output();
        }
        game.type({"Escape"}, 0ms);
        EXPECT_EQ(game.waitForExit(escapeLimit), 0) << game.errors();
    }
}

TEST(RealGameDamagedData, ADamagedOptionsFileIsNamedAndTheDefaultsUsed)
{
    for (const auto& [how, message] : {std::pair{Damage::Missing, "Unable to open options file!"},
                                       std::pair{Damage::Truncated, "options.txt endet mit der Schluesselzeile"},
                                       std::pair{Damage::Noise, "options.txt enthaelt Bytes, die kein Text sind"}}) {
        ScratchDir dir;
        prepareRunDir(dir.path(), {});
        fs::copy_file(fs::path(KORVEL_SOURCE_DIR) / "src/app/options.txt", dir.path() / "options.txt",
                      fs::copy_options::overwrite_existing);
        damage(dir.path() / "options.txt", how);
        // A copy of the game beside its data: without an options file the
        // folder is no run directory, and the build's own must not stand in.
        fs::copy_file(fs::path(KORVEL_RUN_DIR) / "korvel", dir.path() / "korvel");
        RealGame game(dir.path(), {}, (dir.path() / "korvel").string());
        ASSERT_TRUE(game.waitForWindow()) << game.output() << game.errors();
        EXPECT_EQ(game.screenshot().width, 800);
        game.type({"Escape"}, 0ms);
        EXPECT_EQ(game.waitForExit(escapeLimit), 0) << game.errors();
        EXPECT_NE(game.output().find(message), std::string::npos) << game.output();
    }
}

TEST(RealGameDamagedData, WithoutThePlayerFigureTheGameSaysSoAndStops)
{
    ScratchDir dir;
    damage(copyOfTheGame(dir) / "data/avatarfinal.ms3d", Damage::Truncated);
    RealGame game(dir.path());
    EXPECT_EQ(game.waitForExit(30s), 1);
    EXPECT_NE(game.output().find("=== WARNING: data/avatarfinal.ms3d kuendigt"), std::string::npos) << game.output();
    EXPECT_NE(game.output().find("Ohne data/avatarfinal.ms3d kann Korvel nicht laufen"), std::string::npos);
}
