// The game as a packager installs it and a player starts it: from a
// relocated prefix, from an unrelated directory, and from a Debian package.
#include "support/RealGame.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// Runs a shell command; its exit status.
int run(const std::string& line)
{
    const int result = std::system(line.c_str());
    return WIFEXITED(result) ? WEXITSTATUS(result) : -1;
}

// Installs the build into `dir`/root below the prefix /opt/korvel.
fs::path install(const fs::path& dir)
{
    const fs::path root = dir / "root";
    EXPECT_EQ(run("DESTDIR=" + root.string() + " " KORVEL_CMAKE " --install " KORVEL_BUILD_DIR
                  " --prefix /opt/korvel >install.log 2>&1"),
              0)
        << readText("install.log");
    return root;
}

} // namespace

TEST(RealGameInstalled, StartsFromAnyDirectoryAndKeepsThePlayersOptions)
{
    ScratchDir dir;
    const fs::path root = install(dir.path());
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_directory()) {
            continue;
        }
        EXPECT_EQ(entry.path().string().rfind((root / "opt/korvel").string(), 0), 0u) << entry.path();
    }
    fs::create_directories(dir.path() / "elsewhere");
    const fs::path config = dir.path() / "config";
    const std::string own = "#windowwidth\n640\n#windowheight\n480\n";
    dir.write("config/korvel/options.txt", own);
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    RealGame game(dir.path() / "elsewhere", {}, (root / "opt/korvel/bin/korvel").string());
    unsetenv("XDG_CONFIG_HOME");

    ASSERT_TRUE(game.waitForWindow()) << game.errors();
    // The village's meadow covers much of the window only when the data was found.
    const auto meadow = [](const Screenshot& s) {
        return s.count([](int r, int g, int b) { return g > r + 20 && g > b; });
    };
    const Screenshot shot = game.screenshotWhen(10s, [&](const Screenshot& s) { return meadow(s) > 640 * 480 / 10; });
    EXPECT_EQ(shot.width, 640);
    EXPECT_GT(meadow(shot), 640 * 480 / 10);
    game.type({"Escape"}, 0ms);
    EXPECT_EQ(game.waitForExit(10s), 0);
    EXPECT_EQ(game.output(), "Viel Spass mit Korvel ....\n");
    EXPECT_EQ(readText(config / "korvel/options.txt"), own);
}

TEST(InstallTest, DesktopEntryIsValidAndItsIconIsInstalled)
{
    ScratchDir dir;
    const fs::path share = install(dir.path()) / "opt/korvel/share";
    EXPECT_EQ(run("desktop-file-validate " + (share / "applications/korvel.desktop").string()), 0);
    for (const char* size : {"64x64", "128x128"}) {
        EXPECT_EQ(readText(share / "icons/hicolor" / size / "apps/korvel.png").substr(1, 3), "PNG") << size;
    }
}

TEST(InstallTest, DebianPackageHoldsTheGameAndNamesItsLibraries)
{
    ScratchDir dir;
    ASSERT_EQ(run(KORVEL_CPACK " -G DEB --config " KORVEL_BUILD_DIR "/CPackConfig.cmake -B " + dir.path().string() +
                  " >cpack.log 2>&1"),
              0)
        << readText("cpack.log");
    ASSERT_EQ(run("dpkg-deb -c korvel_*.deb >contents.txt && dpkg-deb -f korvel_*.deb Depends >depends.txt"), 0);
    const std::string contents = readText("contents.txt");
    for (const char* file : {"./usr/bin/korvel\n", "./usr/bin/korvel-model\n", "./usr/share/korvel/options.txt\n",
                             "./usr/share/korvel/data/text/dialogues.txt\n",
                             "./usr/share/applications/korvel.desktop\n"}) {
        EXPECT_NE(contents.find(file), std::string::npos) << file << contents;
    }
    const std::string depends = readText("depends.txt");
    for (const char* library : {"libglut", "libdevil", "libsdl2-mixer", "libavformat"}) {
        EXPECT_NE(depends.find(library), std::string::npos) << library << " in " << depends;
    }
}
