// The game as a packager installs it and a player starts it: from a
// relocated prefix and an unrelated directory, and from a Debian package.
#include "support/RealGame.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdint>
#include <tuple>
#include <vector>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

static int run(const std::string& line) { return WEXITSTATUS(std::system(line.c_str())); }

// The PNG's own width, from its header.
static int pngWidth(const std::string& png) { return png.size() < 20 ? 0 : (uint8_t(png[18]) << 8) | uint8_t(png[19]); }

TEST(RealGameInstalled, StartsFromAnyDirectoryWithThePlayersOptionsAndShowsItselfAsItsMenuEntry)
{
    ScratchDir dir;
    const fs::path root = dir.path() / "root", prefix = root / "opt/korvel";
    ASSERT_EQ(run("DESTDIR=" + root.string() + " " KORVEL_CMAKE " --install " KORVEL_BUILD_DIR
                  " --prefix /opt/korvel >install.log"), 0);
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        EXPECT_TRUE(entry.is_directory() || entry.path().string().rfind(prefix.string(), 0) == 0) << entry.path();
    }
    const fs::path desktop = prefix / "share/applications" / KORVEL_APP_ID ".desktop";
    EXPECT_EQ(run("desktop-file-validate " + desktop.string()), 0);
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        EXPECT_EQ(pngWidth(readText(prefix / "share/icons/hicolor" / name / "apps/korvel.png")), size) << name;
    }

    // The player's own options, cut short after a key line: named, and read all the same.
    const std::string own = "#windowwidth\n640\n#windowheight\n480\n#playintro\nyes\n#playoutro";
    const fs::path home = dir.path() / "home", options = home / ".config/korvel/options.txt";
    dir.write(options.lexically_relative(dir.path()), own);
    dir.write("elsewhere/.keep", "");
    // In English, which this machine need not have generated: the catalogue too is found from the program.
    RealGame game(dir.path() / "elsewhere", {"--no-intro"}, (prefix / "games/korvel").string(), home,
                  {{"LANG", "en_US.UTF-8"}});
    ASSERT_TRUE(game.waitForWindow()) << game.errors();
    // The village's meadow covers much of the window only when the data was
    // found and the command line kept the intro away.
    const auto meadow = [](const Screenshot& s) {
        return s.count([](int r, int g, int b) { return g > r + 20 && g > b; });
    };
    const Screenshot shot = game.screenshotWhen(10s, [&](const Screenshot& s) { return meadow(s) > 640 * 480 / 10; });
    EXPECT_TRUE(shot.width == 640 && meadow(shot) > 640 * 480 / 10) << shot.width << " " << meadow(shot);
    // The prompt's black letters end where "Sadly nothing to look at" does
    // (241 pixels in), well short of "Leider nichts zum anschauen" (297).
    int promptEnd = 0;
    for (int i = 0; i < 640 * 24; ++i) {
        const unsigned char* p = shot.at(i % 640, 10 + i / 640);
        promptEnd = p[0] + p[1] + p[2] == 0 ? std::max(promptEnd, i % 640) : promptEnd;
    }
    EXPECT_TRUE(promptEnd > 230 && promptEnd < 260) << promptEnd;
    // A dock groups the window under the menu entry whose StartupWMClass is
    // the window's class, and shows the window's icon.
    const std::string entry = readText(desktop);
    const auto at = entry.find("StartupWMClass=");
    const std::string wmClass = at == std::string::npos ? "?" : entry.substr(at + 15, entry.find('\n', at) - at - 15);
    EXPECT_EQ(game.onDisplay("xprop -id " + game.window() + " WM_CLASS"),
              "WM_CLASS(STRING) = \"korvel\", \"" + wmClass + "\"\n");
    const std::string icon = game.onDisplay("xprop -id " + game.window() + " _NET_WM_ICON");
    for (const char* size : {"16 x 16", "32 x 32", "48 x 48", "64 x 64", "128 x 128"}) {
        EXPECT_NE(icon.find(std::string("Icon (") + size + "):"), std::string::npos) << size << icon.substr(0, 200);
    }
    game.type(std::vector<std::string>(8, "l")); // 2, 3, 2, 4, 5, 4, the inn, and its farewell
    game.type({"Escape"}, 0ms);
    EXPECT_EQ(game.waitForExit(10s), 0);
    EXPECT_EQ(game.output(), "Have fun with Korvel ....\n=== WARNING: " + options.string() +
                                 " ends with the key line #playoutro without its value ===\n"
                                 "Thank you for choosing Korvel.\nLook forward to Sarnik....");
    EXPECT_EQ(readText(options), own);
    EXPECT_NE(readText(home / ".local/share/korvel/savegame.txt").find("\nlevelNumber 6\n"), std::string::npos);
}

TEST(InstallTest, DebianPackagesHoldTheGameItsDataAndTheToolsAndNameWhatTheyNeed)
{
    ScratchDir dir;
    ASSERT_EQ(run(KORVEL_CPACK " -G DEB --config " KORVEL_BUILD_DIR "/CPackConfig.cmake -B . >cpack.log"), 0);
    // Each package: its file, what it must hold, what it must depend on.
    const std::tuple<const char*, std::vector<std::string>, std::vector<std::string>> packages[] = {
        {"korvel_*.deb",
         {"/usr/games/korvel\n", "/usr/share/man/man6/korvel.6.gz\n", "/usr/share/man/de/man6/korvel.6.gz\n", "/usr/share/doc/korvel/copyright\n",
          "/usr/share/applications/" KORVEL_APP_ID ".desktop\n", "/usr/share/metainfo/" KORVEL_APP_ID ".metainfo.xml\n",
          "/usr/share/icons/hicolor/256x256/apps/korvel.png\n"},
         {"korvel-data (= ", "libglut", "libdevil", "libsdl2-mixer", "libavformat", "libx11"}},
        {"korvel-data_*_all.deb",
         {"/usr/share/games/korvel/options.txt\n", "/usr/share/games/korvel/data/text/dialogues.txt\n",
          "/usr/share/doc/korvel-data/changelog.gz\n", "/usr/share/locale/en/LC_MESSAGES/korvel.mo\n"},
         {}},
        {"korvel-tools_*.deb",
         {"/usr/bin/korvel-model\n", "/usr/bin/korvel-bench\n", "/usr/share/man/man1/korvel-bench.1.gz\n"},
         {"korvel-data (= ", "libglut"}},
    };
    for (const auto& [file, contents, depends] : packages) {
        SCOPED_TRACE(file);
        ASSERT_EQ(run(std::string("dpkg-deb -c ") + file + " | sed 's/.* \\.//' >contents && dpkg-deb -f " + file +
                      " Depends >depends"), 0);
        const std::string listed = readText("contents"), needed = readText("depends");
        for (const std::string& part : contents) EXPECT_NE(listed.find(part), std::string::npos) << part;
        for (const std::string& part : depends) EXPECT_NE(needed.find(part), std::string::npos) << part << " " << needed;
        EXPECT_EQ(depends.empty(), needed == "\n") << needed;
    }
}
