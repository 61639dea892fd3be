// The real game over a copy of its data with files missing, cut in half or
// overwritten with noise: it names each such file, plays on without it and
// still ends on Escape at once.
#include "app/Random.h"
#include "support/RealGame.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <thread>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

enum class Damage { Missing, Truncated, Noise };

// Escape ends the game within a second; a sanitized build checks for leaks on the way out.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KORVEL_CHECKS_LEAKS_AT_EXIT
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(KORVEL_CHECKS_LEAKS_AT_EXIT)
constexpr auto escapeLimit = 5s;
#else
constexpr auto escapeLimit = 1s;
#endif

// One file of every kind the game reads besides its options; none needs
// another, so one game start damages all of them at once.
const char* const samples[] = {
    "data/haus2.ms3d",             // model: the village's houses
    "data/priest_default_1.ms3d",  // keyframe pose
    "data/bbbrunnen.ms3d",         // bounding box
    "data/texture/dach.jpg",       // texture
    "data/sound/hilfe.wav",        // sound, played by F1
    "data/text/dialogues.txt",     // dialogue text
    "data/video/intro.avi",        // video, with the intro switched on
};

void damage(const fs::path& file, Damage how)
{
    const auto size = fs::file_size(file);
    if (how == Damage::Missing) {
        fs::remove(file);
    } else if (how == Damage::Truncated) {
        fs::resize_file(file, size / 2);
    } else {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        for (std::uintmax_t i = 0; i < size; ++i) {
            out.put(static_cast<char>(nextRandom() & 0xff));
        }
    }
}

int occurrences(const std::string& text, const std::string& part)
{
    int n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++n;
    }
    return n;
}

// Starts the game, plays the sound and waits until every name shows; then Escape.
void expectNamedAndEscapable(const fs::path& dir, const std::vector<std::string>& names)
{
    RealGame game(dir);
    ASSERT_TRUE(game.waitForWindow()) << game.output() << game.errors();
    game.type({"F1"}, 0ms);
    const auto end = std::chrono::steady_clock::now() + 30s;
    const auto allNamed = [&] {
        const std::string out = game.output();
        return std::all_of(names.begin(), names.end(), [&](const std::string& n) { return occurrences(out, n) > 0; });
    };
    while (!allNamed() && std::chrono::steady_clock::now() < end && game.waitForExit(0ms) < 0) {
        std::this_thread::sleep_for(100ms);
    }
    const std::string out = game.output();
    for (const std::string& name : names) {
        EXPECT_EQ(occurrences(out, name), 1) << name << " is not named once in:\n" << out << game.errors();
    }
    game.type({"Escape"}, 0ms);
    EXPECT_EQ(game.waitForExit(escapeLimit), 0) << game.errors();
}

} // namespace

TEST(RealGameDamagedData, EveryDamagedFileIsNamedOnceAndTheGamePlaysOn)
{
    for (Damage how : {Damage::Missing, Damage::Truncated, Damage::Noise}) {
        SCOPED_TRACE(static_cast<int>(how));
        ScratchDir dir;
        fs::copy(fs::path(KORVEL_RUN_DIR) / "data", dir.path() / "data", fs::copy_options::recursive);
        std::ofstream(dir.path() / "options.txt") << "#playintro\nyes\n#windowwidth\n32767\n#windowheight\n32767\n";
        std::vector<std::string> names;
        for (const char* file : samples) {
            damage(dir.path() / file, how);
            names.push_back(std::string(file) + " ");
        }
        // A window larger than the screen is cut down to it.
        names.push_back("options.txt asks for a window of 32767 x 32767, more than the screen shows; using 1024 x 768");
        expectNamedAndEscapable(dir.path(), names);
    }
}

TEST(RealGameDamagedData, ADamagedOptionsFileIsNamedAndTheDefaultsUsed)
{
    const struct {
        Damage how;
        const char* name;
    } cases[] = {
        {Damage::Missing, "Unable to open options file!"},
        {Damage::Truncated, "options.txt ends with the key line"},
        {Damage::Noise, "options.txt holds bytes that are not text"},
    };
    for (const auto& c : cases) {
        ScratchDir dir;
        prepareRunDir(dir.path(), {});
        fs::copy_file(fs::path(KORVEL_SOURCE_DIR) / "src/app/options.txt", dir.path() / "options.txt",
                      fs::copy_options::overwrite_existing);
        damage(dir.path() / "options.txt", c.how);
        RealGame game(dir.path());
        ASSERT_TRUE(game.waitForWindow()) << game.output() << game.errors();
        EXPECT_EQ(game.screenshot().width, 800);
        game.type({"Escape"}, 0ms);
        EXPECT_EQ(game.waitForExit(escapeLimit), 0) << game.errors();
        EXPECT_NE(game.output().find(c.name), std::string::npos) << game.output();
    }
}

TEST(RealGameDamagedData, WithoutThePlayerFigureTheGameSaysSoAndStops)
{
    ScratchDir dir;
    fs::copy(fs::path(KORVEL_RUN_DIR) / "data", dir.path() / "data", fs::copy_options::recursive);
    damage(dir.path() / "data/avatarfinal.ms3d", Damage::Truncated);
    RealGame game(dir.path());
    EXPECT_EQ(game.waitForExit(30s), 1);
    EXPECT_NE(game.output().find("=== WARNING: data/avatarfinal.ms3d announces"), std::string::npos) << game.output();
    EXPECT_NE(game.output().find("Korvel cannot run without data/avatarfinal.ms3d"), std::string::npos);
}
