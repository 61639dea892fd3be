#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace {

using namespace std::chrono_literals;

std::string runCommand(const std::string& command)
{
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof(buffer), pipe) != nullptr) {
            output += buffer;
        }
        pclose(pipe);
    }
    return output;
}

std::string firstLine(const std::string& text)
{
    return text.substr(0, text.find('\n'));
}

// CPU time (user + system, in clock ticks) a process has used so far.
long cpuTicks(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string all((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(all.substr(all.rfind(')') + 2));
    std::string field;
    long utime = 0;
    long stime = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14) utime = std::stol(field);
        if (i == 15) stime = std::stol(field);
    }
    return utime + stime;
}

// The built game started in a working directory, standard output into a
// file, on the test's X display.
class RunningGame {
public:
    RunningGame(const std::string& workingDir, const std::string& outputFile)
    {
        const std::string program = std::string(KORVEL_RUN_DIR) + "/korvel";
        pid = fork();
        if (pid == 0) {
            if (chdir(workingDir.c_str()) != 0 || !std::freopen(outputFile.c_str(), "w", stdout)) {
                _exit(127);
            }
            execl(program.c_str(), "korvel", static_cast<char*>(nullptr));
            _exit(127);
        }
    }

    ~RunningGame()
    {
        if (pid > 0 && !finished) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }

    // The exit status, or -1 when the game is still running after the wait.
    int waitForExit(std::chrono::milliseconds limit)
    {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < end) {
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid) {
                finished = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(20ms);
        }
        return -1;
    }

    pid_t pid = -1;

private:
    bool finished = false;
};

// The window of this very process: tests that start the game may run side
// by side on one display, and each must only ever touch its own window.
std::string findWindow(pid_t pid)
{
    for (int i = 0; i < 100; ++i) {
        const std::string id = firstLine(runCommand(
            "timeout 10 xdotool search --pid " + std::to_string(pid) + " --name '^Korvel$' 2>/dev/null"));
        if (!id.empty()) {
            return id;
        }
        std::this_thread::sleep_for(100ms);
    }
    return "";
}

} // namespace

TEST(SmokeTest, GameGreetsOpensItsWindowDrawsAndEndsOnEscape)
{
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "run through scripts/test.sh";
    ScratchDir dir;
    const std::string output = (dir.path() / "stdout.txt").string();
    RunningGame game(KORVEL_RUN_DIR, output);
    ASSERT_GT(game.pid, 0);

    const std::string window = findWindow(game.pid);
    ASSERT_FALSE(window.empty()) << "no window titled Korvel appeared";
    ASSERT_EQ(game.waitForExit(0ms), -1) << "the game ended by itself";

    // Frames keep coming without any input: the idle loop keeps drawing.
    const long before = cpuTicks(game.pid);
    std::this_thread::sleep_for(1500ms);
    EXPECT_GT(cpuTicks(game.pid), before);
    // Raised, and sampled where the GL test windows of parallel tests (at
    // the screen's top left, 800 x 600) cannot cover it.
    runCommand("timeout 10 xdotool windowraise " + window + " 2>&1");
    const std::string pixel = runCommand("timeout 10 import -window " + window + " -crop 1x1+750+550 txt:- 2>/dev/null");
    EXPECT_NE(pixel.find("srgb"), std::string::npos) << pixel;
    EXPECT_EQ(pixel.find("#000000"), std::string::npos) << "the window stays black: " << pixel;

    runCommand("timeout 10 xdotool windowfocus --sync " + window + " key Escape 2>&1");
    EXPECT_EQ(game.waitForExit(10s), 0);

    std::ifstream greeting(output);
    std::string line;
    std::getline(greeting, line);
    EXPECT_EQ(line, "Viel Spass mit Korvel ....");
}

TEST(SmokeTest, DisplayWithoutGameModeGetsAWindow)
{
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "run through scripts/test.sh";
    ScratchDir dir;
    dir.write("options.txt", "#fullscreen\nyes\n#glutGameModeString\n9999x9999:32@60\n");
    const std::string output = (dir.path() / "stdout.txt").string();
    RunningGame game(dir.path().string(), output);
    ASSERT_GT(game.pid, 0);

    const std::string window = findWindow(game.pid);
    ASSERT_FALSE(window.empty()) << "no window titled Korvel appeared";
    EXPECT_EQ(firstLine(runCommand("timeout 10 xdotool getwindowgeometry --shell " + window + " | grep WIDTH")), "WIDTH=800");
    runCommand("timeout 10 xdotool windowfocus --sync " + window + " key Escape 2>&1");
    EXPECT_EQ(game.waitForExit(10s), 0);

    std::ifstream lines(output);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "Viel Spass mit Korvel ....");
    std::getline(lines, line);
    EXPECT_EQ(line, "Unable to enter game mode, playing in a window");
}
