#include "support/RealGame.h"

#include <X11/Xlib.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

RealGame::RealGame(const fs::path& workingDir, const std::vector<std::string>& args, const std::string& program,
                   const fs::path& home, const Environment& environment)
    : outFile(workingDir / "stdout.txt"), errFile(workingDir / "stderr.txt")
{
    std::string player = home.string();
    if (player.empty() && mkdtemp((player = (fs::temp_directory_path() / "korvel-player-XXXXXX").string()).data())) {
        ownHome = player;
    }
    // On a busy machine the server now and then fails to come up; a second one usually does.
    if (!startServer() && !startServer()) return;
    const std::string path = program.empty() ? std::string(KORVEL_RUN_DIR) + "/korvel" : program;
    game = fork();
    if (game == 0) {
        setenv("DISPLAY", display.c_str(), 1);
        setenv("HOME", player.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (player + "/.config").c_str(), 1);
        setenv("XDG_DATA_HOME", (player + "/.local/share").c_str(), 1);
        for (const auto& [name, value] : environment) setenv(name.c_str(), value.c_str(), 1);
        std::vector<char*> raw{const_cast<char*>(path.c_str())}; // execv's arguments are not const
        for (const std::string& arg : args) raw.push_back(const_cast<char*>(arg.c_str()));
        raw.push_back(nullptr);
        if (chdir(workingDir.c_str()) == 0 && std::freopen(outFile.c_str(), "w", stdout) &&
            std::freopen(errFile.c_str(), "w", stderr)) {
            execv(path.c_str(), raw.data());
        }
        _exit(127);
    }
}

RealGame::~RealGame()
{
    if (game > 0 && status < 0) kill(game, SIGKILL), waitpid(game, nullptr, 0);
    stopServer();
    std::error_code ignored;
    if (!ownHome.empty()) fs::remove_all(ownHome, ignored);
}

bool RealGame::startServer()
{
    // Xvfb writes the display number it chose once it accepts clients.
    int fds[2];
    if (pipe(fds) != 0) return false;
    server = fork();
    if (server == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        if (std::freopen("/dev/null", "w", stderr)) {
            execlp("Xvfb", "Xvfb", "-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp", nullptr);
        }
        _exit(127);
    }
    close(fds[1]);
    serverPipe = fds[0]; // kept open while the server runs: it must not write into a closed pipe
    pollfd ready{fds[0], POLLIN, 0};
    char number[16] = {};
    if (server > 0 && poll(&ready, 1, 20000) == 1 && read(fds[0], number, sizeof number - 1) > 0) {
        display = ":" + std::to_string(std::atoi(number));
    } else {
        stopServer();
    }
    return !display.empty();
}

void RealGame::stopServer()
{
    if (server > 0) kill(server, SIGTERM), waitpid(server, nullptr, 0);
    if (serverPipe >= 0) close(serverPipe);
    server = serverPipe = -1;
}

std::string RealGame::onDisplay(const std::string& command) const
{
    std::string result;
    const std::string line = "DISPLAY=" + display + " timeout 10 " + command + " 2>/dev/null";
    FILE* pipe = display.empty() ? nullptr : popen(line.c_str(), "r");
    if (pipe != nullptr) {
        char buffer[65536];
        for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) result.append(buffer, got);
        pclose(pipe);
    }
    return result;
}

bool RealGame::waitForWindow()
{
    const auto end = std::chrono::steady_clock::now() + 30s;
    while (game > 0 && windowId.empty() && std::chrono::steady_clock::now() < end && waitForExit(100ms) < 0) {
        std::istringstream(onDisplay("xdotool search --name '^Korvel$'")) >> windowId;
    }
    return !windowId.empty();
}

void RealGame::repeatKeys() const
{
    if (Display* x = XOpenDisplay(display.c_str())) XAutoRepeatOn(x), XCloseDisplay(x);
}

Screenshot RealGame::screenshot() const
{
    Screenshot shot;
    std::istringstream size(onDisplay("xdotool getwindowgeometry --shell " + windowId));
    for (std::string line; std::getline(size, line);) {
        std::sscanf(line.c_str(), "WIDTH=%d", &shot.width), std::sscanf(line.c_str(), "HEIGHT=%d", &shot.height);
    }
    const std::string raw = onDisplay("import -window " + windowId + " -depth 8 rgb:-");
    if (shot.width <= 0 || raw.size() != size_t(shot.width) * shot.height * 3) return {};
    return {shot.width, shot.height, {raw.begin(), raw.end()}};
}

int RealGame::waitForExit(std::chrono::milliseconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    for (int result = 0; status < 0 && game > 0; std::this_thread::sleep_for(20ms)) {
        if (waitpid(game, &result, WNOHANG) == game) status = WIFEXITED(result) ? WEXITSTATUS(result) : 128 + WTERMSIG(result);
        else if (std::chrono::steady_clock::now() >= end) break;
    }
    return status;
}

void prepareRunDir(const fs::path& dir, const std::vector<std::pair<std::string, std::string>>& options)
{
    fs::create_directory_symlink(fs::path(KORVEL_RUN_DIR) / "data", dir / "data");
    std::error_code made; // made before, for a game started again
    fs::create_directory_symlink(fs::path(KORVEL_RUN_DIR) / "locale", dir / "locale", made);
    std::ofstream file(dir / "options.txt");
    for (const auto& [key, value] : options) file << '#' << key << '\n' << value << '\n';
}

std::string readText(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

int occurrences(const std::string& text, const std::string& part)
{
    int n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++n;
    return n;
}

double RealGame::cpuSeconds() const
{
    // After the name in brackets, user and system time are fields 14 and 15.
    std::string stat = readText("/proc/" + std::to_string(game) + "/stat");
    std::istringstream fields(stat.substr(stat.rfind(')') + 2));
    std::string field;
    long ticks = 0;
    for (int n = 3; n <= 15 && fields >> field; ++n) ticks += n >= 14 ? std::stol(field) : 0;
    return double(ticks) / double(sysconf(_SC_CLK_TCK));
}
