// The game as a packager installs it and a player starts it: from a
// relocated prefix and an unrelated directory, and from a Debian package.
#include "support/RealGame.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

static int run(const std::string& line) { return WEXITSTATUS(std::system(line.c_str())); }

TEST(RealGameInstalled, StartsFromAnyDirectoryWithThePlayersOptionsAndAValidMenuEntry)
{
    ScratchDir dir;
    const fs::path root = dir.path() / "root", prefix = root / "opt/korvel";
    ASSERT_EQ(run("DESTDIR=" + root.string() + " " KORVEL_CMAKE " --install " KORVEL_BUILD_DIR
                  " --prefix /opt/korvel >install.log"), 0);
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        EXPECT_TRUE(entry.is_directory() || entry.path().string().rfind(prefix.string(), 0) == 0) << entry.path();
    }
    EXPECT_EQ(run("desktop-file-validate " + (prefix / "share/applications/korvel.desktop").string()), 0);
    EXPECT_EQ(readText(prefix / "share/icons/hicolor/64x64/apps/korvel.png").substr(1, 3), "PNG");

    const std::string own = "#windowwidth\n640\n#windowheight\n480\n#playintro\nyes\n";
    dir.write("config/korvel/options.txt", own);
    dir.write("elsewhere/.keep", "");
    setenv("XDG_CONFIG_HOME", (dir.path() / "config").c_str(), 1);
    RealGame game(dir.path() / "elsewhere", {"--no-intro"}, (prefix / "bin/korvel").string());
    unsetenv("XDG_CONFIG_HOME");
    ASSERT_TRUE(game.waitForWindow()) << game.errors();
    // The village's meadow covers much of the window only when the data was
    // found and the command line kept the intro away.
    const auto meadow = [](const Screenshot& s) {
        return s.count([](int r, int g, int b) { return g > r + 20 && g > b; });
    };
    const Screenshot shot = game.screenshotWhen(10s, [&](const Screenshot& s) { return meadow(s) > 640 * 480 / 10; });
    EXPECT_TRUE(shot.width == 640 && meadow(shot) > 640 * 480 / 10) << shot.width << " " << meadow(shot);
    game.type({"Escape"}, 0ms);
    EXPECT_EQ(game.waitForExit(10s), 0);
    EXPECT_EQ(game.output(), "Viel Spass mit Korvel ....\n");
    EXPECT_EQ(readText(dir.path() / "config/korvel/options.txt"), own);
}

TEST(InstallTest, DebianPackageHoldsTheGameAndNamesItsLibraries)
{
    ScratchDir dir;
    ASSERT_EQ(run(KORVEL_CPACK " -G DEB --config " KORVEL_BUILD_DIR "/CPackConfig.cmake -B . >cpack.log"), 0);
    ASSERT_EQ(run("dpkg-deb -c korvel_*.deb >contents && dpkg-deb -f korvel_*.deb Depends >depends"), 0);
    const std::string listed = readText("contents") + readText("depends");
    for (const char* part : {"/usr/bin/korvel\n", "/usr/bin/korvel-model\n", "/usr/share/korvel/options.txt\n",
                             "/usr/share/korvel/data/text/dialogues.txt\n", "/usr/share/applications/korvel.desktop\n",
                             "libglut", "libdevil", "libsdl2-mixer", "libavformat"}) {
        EXPECT_NE(listed.find(part), std::string::npos) << part << " not in " << listed;
    }
}
