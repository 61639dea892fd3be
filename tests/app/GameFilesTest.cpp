#include "app/GameFiles.h"
#include "support/RealGame.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// A scratch world: "run" is a run directory, "prefix" an installed game with
// its default settings, "elsewhere" an unrelated directory.
struct Places {
    const char* workingDir;
    const char* programDir;
    const char* configHome; // "" for unset, "rel" as given, else below the scratch directory
    const char* home;
    const char* playerFileBefore; // contents of the player's file before the start, "" for none
};

struct Case {
    const char* what;
    Places places;
    const char* directory;   // expected, below the scratch directory
    const char* optionsFile; // expected: "options.txt", or a path below the scratch directory
    const char* settings;    // what that options file holds afterwards
};

const Case cases[] = {
    {"the working directory is a run directory", {"run", "prefix/bin", "cfg", "home", ""}, "run", "options.txt",
     "run"},
    {"the program lies in a run directory", {"elsewhere", "run", "cfg", "home", ""}, "run", "options.txt", "run"},
    {"installed: first start copies the default", {"elsewhere", "prefix/bin", "cfg", "home", ""},
     "prefix/share/korvel", "cfg/korvel/options.txt", "default"},
    {"installed: the player's file is kept", {"elsewhere", "prefix/bin", "cfg", "home", "mine"},
     "prefix/share/korvel", "cfg/korvel/options.txt", "mine"},
    {"installed: no XDG_CONFIG_HOME means ~/.config", {"elsewhere", "prefix/bin", "", "home", ""},
     "prefix/share/korvel", "home/.config/korvel/options.txt", "default"},
    {"installed: a relative XDG_CONFIG_HOME is ignored", {"elsewhere", "prefix/bin", "rel", "home", ""},
     "prefix/share/korvel", "home/.config/korvel/options.txt", "default"},
    {"installed: nowhere to keep settings reads the default", {"elsewhere", "prefix/bin", "", "", ""},
     "prefix/share/korvel", "prefix/share/korvel/options.txt", "default"},
    {"nothing found stays in the working directory", {"elsewhere", "elsewhere", "cfg", "home", ""}, "elsewhere",
     "options.txt", ""},
};

} // namespace

TEST(GameFilesTest, RunDirectoryWinsElseTheInstalledDataAndThePlayersOwnOptions)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchDir dir;
        const fs::path root = dir.path();
        dir.write("run/options.txt", "run");
        dir.write("run/data/x", "");
        dir.write("prefix/share/korvel/options.txt", "default");
        dir.write("prefix/share/korvel/data/x", "");
        fs::create_directories(root / "prefix/bin");
        fs::create_directories(root / "elsewhere/data");
        if (*c.places.playerFileBefore) {
            dir.write(std::string(c.places.configHome) + "/korvel/options.txt", c.places.playerFileBefore);
        }
        const auto below = [&](const char* part) { return *part ? (root / part).string() : std::string(); };
        const std::string configHome = std::string(c.places.configHome) == "rel" ? "rel" : below(c.places.configHome);
        testing::internal::CaptureStdout();
        const GameFiles files = findGameFiles({root / c.places.workingDir, root / c.places.programDir,
                                               "../share/korvel", configHome, below(c.places.home)});
        testing::internal::GetCapturedStdout();

        EXPECT_EQ(files.directory, root / c.directory);
        const bool inDirectory = std::string(c.optionsFile) == "options.txt";
        EXPECT_EQ(files.optionsFile, inDirectory ? fs::path("options.txt") : root / c.optionsFile);
        EXPECT_EQ(readText(files.directory / files.optionsFile), c.settings);
    }
}
