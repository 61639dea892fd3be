#include "app/GameFiles.h"
#include "support/RealGame.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// Places below a scratch directory: "run" is a run directory, "prefix" an
// installed game, "elsewhere" holds only a data/ folder. XDG_CONFIG_HOME
// "rel" stays relative; "" means unset.
struct Case {
    const char *workingDir, *programDir, *configHome, *home, *playersFileBefore;
    const char *directory, *optionsFile, *settings; // found, and what the options file then holds
    const char* iconTheme;
};

const Case cases[] = {
    {"run", "prefix/bin", "cfg", "home", "", "run", "options.txt", "run", "run/icons/hicolor"},
    {"elsewhere", "run", "cfg", "home", "", "run", "options.txt", "run", "run/icons/hicolor"},
    {"elsewhere", "prefix/bin", "cfg", "home", "", "prefix/share/korvel", "cfg/korvel/options.txt", "default",
     "prefix/share/icons/hicolor"},
    {"elsewhere", "prefix/bin", "cfg", "home", "mine", "prefix/share/korvel", "cfg/korvel/options.txt", "mine",
     "prefix/share/icons/hicolor"},
    {"elsewhere", "prefix/bin", "", "home", "", "prefix/share/korvel", "home/.config/korvel/options.txt", "default",
     "prefix/share/icons/hicolor"},
    {"elsewhere", "prefix/bin", "rel", "home", "", "prefix/share/korvel", "home/.config/korvel/options.txt", "default",
     "prefix/share/icons/hicolor"},
    {"elsewhere", "prefix/bin", "", "", "", "prefix/share/korvel", "prefix/share/korvel/options.txt", "default",
     "prefix/share/icons/hicolor"},
    {"elsewhere", "elsewhere", "cfg", "home", "", "elsewhere", "options.txt", "", "elsewhere/icons/hicolor"},
};

} // namespace

TEST(GameFilesTest, RunDirectoryWinsElseTheInstalledDataAndThePlayersOwnOptions)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.workingDir) + " " + c.programDir + " " + c.configHome + " " + c.home);
        ScratchDir dir;
        const fs::path root = dir.path();
        for (const char* file : {"run/options.txt", "run/data/x", "prefix/share/korvel/data/x", "elsewhere/data/x"}) dir.write(file, "run");
        dir.write("prefix/share/korvel/options.txt", "default");
        dir.write("prefix/bin/korvel", "");
        if (*c.playersFileBefore) dir.write(std::string(c.configHome) + "/korvel/options.txt", c.playersFileBefore);
        const auto below = [&](const std::string& part) {
            return part.empty() || part == "rel" ? part : (root / part).string();
        };
        const StartPlaces places{root / c.workingDir, root / c.programDir, "../share/korvel", "../share/icons/hicolor",
                                 "../share/locale", below(c.configHome), below(c.home)};
        // What --help reads, before the first start has made the player's file.
        EXPECT_EQ(readText(findOptionsFile(places)), c.settings);
        testing::internal::CaptureStdout();
        const GameFiles files = findGameFiles(places);
        testing::internal::GetCapturedStdout();
        EXPECT_EQ(files.directory, root / c.directory);
        EXPECT_EQ(files.optionsFile, fs::path(c.optionsFile).has_parent_path() ? root / c.optionsFile : c.optionsFile);
        EXPECT_EQ(readText(files.directory / files.optionsFile), c.settings);
        EXPECT_EQ(files.iconTheme, root / c.iconTheme);
        // The catalogues lie beside the icons, as share/locale beside share/icons.
        EXPECT_EQ(files.catalogues, root / fs::path(c.iconTheme).parent_path().parent_path() / "locale");
    }
}
