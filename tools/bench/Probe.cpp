// Starts this program again as the game, times it to its first frame, and reads VmHWM.
// Apart from the frame timings because it runs the game again as a child process.

#include "Probe.h"

#include "app/AppState.h"
#include "app/FrameLoop.h"
#include "app/Startup.h"

#include <GL/freeglut.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>

extern char** environ;

namespace {

constexpr const char* reportTag = "first-frame-ns ";

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

void probeFrame()
{
    renderFrame();
    if (!appState.gameInitialised || appState.videoRunning()) {
        return;
    }
    glFinish();
    std::printf("%s%lld\n", reportTag, monotonicNs());
    std::fflush(stdout);
    std::_Exit(0);
}

} // namespace

double peakResidentMb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
        }
    }
    return 0.0;
}

std::optional<double> timeToFirstFrame(const char* probeArgument)
{
    int out[2];
    if (pipe(out) != 0) {
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char self[] = "/proc/self/exe";
    char name[] = "korvel-bench";
    std::string argument = probeArgument;
    char* argv[] = {name, argument.data(), nullptr};

    const long long start = monotonicNs();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, self, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return std::nullopt;
    }
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<std::size_t>(n));
    }
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);
    const std::size_t at = text.find(reportTag);
    if (at == std::string::npos || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    const long long shown = std::strtoll(text.c_str() + at + std::strlen(reportTag), nullptr, 10);
    return static_cast<double>(shown - start) / 1e6;
}

void runFirstFrameProbe(const CommandLine& command, char** argv)
{
    // GLUT gets no arguments of ours.
    if (!startGame(command, argv[0])) {
        std::_Exit(1);
    }
    glutDisplayFunc(probeFrame);
    glutIdleFunc(probeFrame);
    glutMainLoop();
    std::_Exit(1);
}
