// The real game with the intro switched on, on an X server of its own so
// that no other test's window can cover it or catch its keys.

#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

constexpr int windowWidth = 800;
constexpr int windowHeight = 600;

class PrivateDisplay {
public:
    PrivateDisplay()
    {
        int fds[2];
        if (pipe(fds) != 0) {
            return;
        }
        server = fork();
        if (server == 0) {
            dup2(fds[1], STDOUT_FILENO);
            close(fds[0]);
            if (!std::freopen("/dev/null", "w", stderr)) {
                _exit(127);
            }
            execlp("Xvfb", "Xvfb", "-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten",
                   "tcp", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        // Xvfb writes the display number it chose once it accepts clients.
        pollfd ready{fds[0], POLLIN, 0};
        char number[16] = {};
        if (server > 0 && poll(&ready, 1, 20000) == 1 && read(fds[0], number, sizeof number - 1) > 0) {
            name = ":" + std::to_string(std::atoi(number));
        }
        // Kept open while the server runs: it must not write into a closed pipe.
        announcements = fds[0];
    }

    ~PrivateDisplay()
    {
        if (server > 0) {
            kill(server, SIGTERM);
            waitpid(server, nullptr, 0);
        }
        close(announcements);
    }

    std::string name;

private:
    pid_t server = -1;
    int announcements = -1;
};

// Output of a shell command run against `display`.
std::string run(const std::string& display, const std::string& command)
{
    std::string output;
    // Nothing a test asks of the X server may wait forever.
    if (FILE* pipe = popen(("DISPLAY=" + display + " timeout 10 " + command + " 2>/dev/null").c_str(), "r")) {
        char buffer[4096];
        size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            output.append(buffer, got);
        }
        pclose(pipe);
    }
    return output;
}

class Game {
public:
    explicit Game(const std::string& display)
    {
        game = fork();
        if (game == 0) {
            setenv("DISPLAY", display.c_str(), 1);
            if (!std::freopen("stdout.txt", "w", stdout) || !std::freopen("stderr.txt", "w", stderr)) {
                _exit(127);
            }
            execl(KORVEL_RUN_DIR "/korvel", "korvel", static_cast<char*>(nullptr));
            _exit(127);
        }
    }

    ~Game()
    {
        if (game > 0 && status < 0) {
            kill(game, SIGKILL);
            waitpid(game, nullptr, 0);
        }
    }

    // The exit status, or -1 while the game still runs after `limit`.
    int waitForExit(std::chrono::milliseconds limit)
    {
        const auto end = std::chrono::steady_clock::now() + limit;
        do {
            int result = 0;
            if (status < 0 && waitpid(game, &result, WNOHANG) == game) {
                status = WIFEXITED(result) ? WEXITSTATUS(result) : 128 + WTERMSIG(result);
            }
            if (status >= 0) {
                return status;
            }
            std::this_thread::sleep_for(20ms);
        } while (std::chrono::steady_clock::now() < end);
        return -1;
    }

private:
    pid_t game = -1;
    int status = -1;
};

struct Screenshot {
    std::vector<unsigned char> rgb;

    const unsigned char* at(int x, int y) const { return &rgb[(size_t(y) * windowWidth + x) * 3]; }

    // Pixels in the golden colour of the intro's title.
    int goldenPixels() const
    {
        int count = 0;
        for (size_t i = 0; i + 2 < rgb.size(); i += 3) {
            count += (rgb[i] > 180 && rgb[i + 1] > 120 && rgb[i + 2] < 120) ? 1 : 0;
        }
        return count;
    }

    // Mean difference per channel from another picture, 0 to 255.
    double differenceFrom(const Screenshot& other) const
    {
        if (rgb.empty() || rgb.size() != other.rgb.size()) {
            return 255.0;
        }
        double sum = 0.0;
        for (size_t i = 0; i < rgb.size(); ++i) {
            sum += std::abs(int(rgb[i]) - int(other.rgb[i]));
        }
        return sum / double(rgb.size());
    }
};

Screenshot capture(const std::string& display, const std::string& window)
{
    const std::string raw = run(display, "import -window " + window + " -depth 8 rgb:-");
    Screenshot shot;
    shot.rgb.assign(raw.begin(), raw.end());
    return shot;
}

// Screenshots until one satisfies `wanted` or about `seconds` have passed;
// returns the last one taken. A loaded machine may need a while to draw.
template <typename Wanted>
Screenshot captureUntil(const std::string& display, const std::string& window, int seconds,
                        Wanted wanted)
{
    Screenshot shot;
    for (int attempt = 0; attempt < seconds * 5; ++attempt) {
        shot = capture(display, window);
        if (shot.rgb.size() == size_t(windowWidth * windowHeight * 3) && wanted(shot)) {
            break;
        }
        std::this_thread::sleep_for(200ms);
    }
    return shot;
}

std::string findWindow(const std::string& display)
{
    for (int attempt = 0; attempt < 200; ++attempt) {
        std::istringstream found(run(display, "xdotool search --name '^Korvel$'"));
        std::string id;
        if (std::getline(found, id) && !id.empty()) {
            return id;
        }
        std::this_thread::sleep_for(100ms);
    }
    return "";
}

std::string readText(const fs::path& file)
{
    std::ifstream in(file);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST(VideoIntroEndToEndTest, IntroPlaysIgnoresEscapeAndGivesWayToTheGameWhenWIsReleased)
{
    ScratchDir dir;
    fs::create_directory_symlink(fs::path(KORVEL_RUN_DIR) / "data", dir.path() / "data");
    dir.write("options.txt", "#fullscreen\nno\n#windowwidth\n800\n#windowheight\n600\n"
                             "#playintro\nyes\n#playoutro\nno\n");
    PrivateDisplay display;
    ASSERT_FALSE(display.name.empty()) << "Xvfb did not start";
    Game game(display.name);
    const std::string window = findWindow(display.name);
    ASSERT_FALSE(window.empty()) << "no window titled Korvel appeared on " << display.name << ": "
                                 << readText(dir.path() / "stderr.txt");
    constexpr int titlePixels = 10000;
    const auto showsTitle = [](const Screenshot& shot) { return shot.goldenPixels() > titlePixels; };

    const Screenshot intro = captureUntil(display.name, window, 20, showsTitle);
    ASSERT_EQ(intro.rgb.size(), size_t(windowWidth * windowHeight * 3));
    EXPECT_GT(intro.goldenPixels(), titlePixels) << "the title is missing";
    const unsigned char* sky = intro.at(60, 40);
    EXPECT_GT(sky[2], sky[0] + 20) << "no night sky in the top left corner";

    run(display.name, "xdotool windowfocus --sync " + window + " key Escape");
    std::this_thread::sleep_for(1000ms);
    ASSERT_EQ(game.waitForExit(0ms), -1) << "Escape ended the intro";
    const Screenshot afterEscape = capture(display.name, window);
    EXPECT_GT(afterEscape.goldenPixels(), titlePixels);
    EXPECT_LT(afterEscape.differenceFrom(intro), 8.0) << "Escape changed the picture";

    // Only the release of 'w' leaves the intro; the game is built then.
    run(display.name, "xdotool windowfocus --sync " + window + " keydown w");
    std::this_thread::sleep_for(500ms);
    EXPECT_GT(capture(display.name, window).goldenPixels(), titlePixels) << "pressing w left the intro";
    run(display.name, "xdotool windowfocus --sync " + window + " keyup w");
    const auto notTheIntro = [&intro](const Screenshot& shot) { return shot.differenceFrom(intro) > 20.0; };
    const Screenshot gameShot = captureUntil(display.name, window, 60, notTheIntro);
    ASSERT_EQ(game.waitForExit(0ms), -1) << "the game ended after the intro";
    EXPECT_TRUE(notTheIntro(gameShot)) << "the intro stays on screen";

    // In the game Escape ends the program normally.
    run(display.name, "xdotool windowfocus --sync " + window + " key Escape");
    EXPECT_EQ(game.waitForExit(30s), 0);
    EXPECT_EQ(readText(dir.path() / "stderr.txt").find("Error"), std::string::npos)
        << readText(dir.path() / "stderr.txt");
}
