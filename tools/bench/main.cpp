// korvel-bench: how fast the game draws, switches levels and starts, measured on the current display.
// A program of its own so timing stays out of the game and out of the tests.

// Run it from the run directory (it needs data/ and options.txt):
//   xvfb-run -a -s "-screen 0 1024x768x24" ./korvel-bench [--repeats N] [--frames N]
//   ./korvel-bench --shots DIR   pictures of each level on a fixed clock
#include "CameraPaths.h"
#include "Probe.h"

#include "app/AppState.h"
#include "app/FrameLoop.h"
#include "app/GameObjects.h"
#include "app/Startup.h"
#include "platform/Host.h"
#include "platform/NumberText.h"
#include "platform/PictureFile.h"

#include <GL/freeglut.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int levelCount = 6;
constexpr const char* probeArgument = "--first-frame";

struct Settings {
    int repeats = 5;
    int frames = 300;          // per walk along a level's path
    int emptyFrames = 600;     // per measurement of the empty frame
    std::string shotsDir;      // set: take pictures instead of measuring
};

using Clock = std::chrono::steady_clock;

double cpuMs(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Time per frame: on the wall clock, and of the processor, for the whole
// process (the renderer's threads included) and for the game's own thread.
// On a busy machine the processor times stay put while the wall time grows.
struct FrameCost {
    double wallMs = 0.0;
    double cpuMs = 0.0;
    double mainMs = 0.0;
};

class CostMeter {
public:
    CostMeter() : wall(Clock::now()), cpu(cpuMs(RUSAGE_SELF)), main(cpuMs(RUSAGE_THREAD)) {}
    FrameCost perFrame(int frames) const
    {
        const double n = frames;
        return {std::chrono::duration<double, std::milli>(Clock::now() - wall).count() / n,
                (cpuMs(RUSAGE_SELF) - cpu) / n, (cpuMs(RUSAGE_THREAD) - main) / n};
    }

private:
    Clock::time_point wall;
    double cpu;
    double main;
};

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values)
{
    if (values.empty()) {
        return 0.0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

// Puts the current level's camera where the path is at t.
void placeCamera(int level, float t)
{
    const CameraStation s = stationAt(cameraPath(level), t);
    Camera& camera = gameManager.currentLevel->camera;
    camera.position = s.eye;
    camera.target = s.target;
    camera.apply();
}

// One frame as GLUT's main loop runs it: pending window events, then the
// idle callback, which draws and swaps.
void presentFrame()
{
    glutMainLoopEvent();
    renderFrame();
}

// The game's frame with the game hidden: clear and swap, nothing else.
FrameCost emptyFrame(int frames)
{
    appState.gameInitialised = false;
    const CostMeter meter;
    for (int i = 0; i < frames; ++i) {
        presentFrame();
    }
    glFinish();
    const FrameCost cost = meter.perFrame(frames);
    appState.gameInitialised = true;
    return cost;
}

FrameCost walk(int level, int frames)
{
    const CostMeter meter;
    for (int i = 0; i < frames; ++i) {
        placeCamera(level, static_cast<float>(i) / static_cast<float>(frames - 1));
        presentFrame();
    }
    glFinish();
    return meter.perFrame(frames);
}

// Asks for the level as the levels themselves do and draws the frame that
// switches; the time until it is presented.
double switchToMs(int level)
{
    gameManager.currentLevel->nextLevel = level;
    const Clock::time_point start = Clock::now();
    placeCamera(level, 0.0f);
    presentFrame();
    glFinish();
    return msSince(start);
}

void waitForWindow()
{
    for (int i = 0; i < 100 && glutGet(GLUT_WINDOW_WIDTH) == 0; ++i) {
        glutMainLoopEvent();
    }
    for (int i = 0; i < 10; ++i) {
        glutMainLoopEvent();
    }
}

struct Costs {
    std::vector<FrameCost> samples;

    FrameCost median() const
    {
        std::vector<double> wall, cpu, main;
        for (const FrameCost& c : samples) {
            wall.push_back(c.wallMs);
            cpu.push_back(c.cpuMs);
            main.push_back(c.mainMs);
        }
        return {::median(wall), ::median(cpu), ::median(main)};
    }
};

struct LevelResult {
    Costs costs;
    double switchMs = 0.0;
};

// The lens flare's trace lines and the game's messages would cost the
// measured frames a terminal; they go to /dev/null and the table to `out`.
std::FILE* keepStdoutForTable()
{
    std::fflush(stdout);
    const int table = dup(STDOUT_FILENO);
    const int sink = open("/dev/null", O_WRONLY);
    dup2(sink, STDOUT_FILENO);
    close(sink);
    return fdopen(table, "w");
}

int measure(const Settings& settings, char** argv)
{
    std::vector<double> startMs;
    for (int i = 0; i < settings.repeats; ++i) {
        if (const auto ms = timeToFirstFrame(probeArgument)) {
            startMs.push_back(*ms);
        }
    }

    std::FILE* out = keepStdoutForTable();
    if (!startGame(CommandLine{}, argv[0])) {
        return 1;
    }
    waitForWindow();
    const double peakAfterStart = peakResidentMb();

    Costs empty;
    LevelResult levels[levelCount];
    for (int level = 1; level <= levelCount; ++level) {
        LevelResult& result = levels[level - 1];
        result.switchMs = switchToMs(level);
        walk(level, 30); // warm-up
        for (int r = 0; r < settings.repeats; ++r) {
            empty.samples.push_back(emptyFrame(settings.emptyFrames));
            result.costs.samples.push_back(walk(level, settings.frames));
        }
    }

    const FrameCost floor = empty.median();
    std::fprintf(out, "korvel-bench: %dx%d, %s\n", glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT),
                 reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    std::fprintf(out, "medians of %d repeats; %d frames per walk, %d per empty run\n", settings.repeats,
                 settings.frames, settings.emptyFrames);
    std::fprintf(out, "ms/frame on the wall clock; cpu: processor ms/frame of all threads, main: of the game's\n\n");
    std::fprintf(out, "%-21s %8s %9s %8s %8s %8s %10s\n", "frame", "fps", "ms/frame", "x empty", "cpu", "main",
                 "switch ms");
    const auto row = [&](const char* label, const FrameCost& c, const char* switchText, const char* sees) {
        std::fprintf(out, "%-21s %8.1f %9.3f %8.2f %8.3f %8.3f %10s   %s\n", label, 1000.0 / c.wallMs, c.wallMs,
                     c.wallMs / floor.wallMs, c.cpuMs, c.mainMs, switchText, sees);
    };
    row("empty (clear + swap)", floor, "-", "");
    for (int level = 1; level <= levelCount; ++level) {
        char label[16];
        char switchText[16];
        std::snprintf(label, sizeof label, "level %d", level);
        std::snprintf(switchText, sizeof switchText, "%.1f", levels[level - 1].switchMs);
        row(label, levels[level - 1].costs.median(), switchText, cameraPath(level).sees);
    }
    std::fprintf(out, "\nstart to first game frame  %8.1f ms (median of %zu starts)\n", median(startMs),
                 startMs.size());
    std::fprintf(out, "peak resident memory       %8.1f MB (%.1f MB after start-up)\n", peakResidentMb(),
                 peakAfterStart);
    std::fclose(out);
    return startMs.empty() ? 1 : 0;
}

// Pictures at the start, middle and end of every level's path, drawn on a
// clock that advances 1/60 s per frame, so two builds can be compared
// pixel by pixel.
int takeShots(const Settings& settings, char** argv)
{
    static ManualHost host;
    Host::install(&host);
    std::FILE* out = keepStdoutForTable();
    if (!startGame(CommandLine{}, argv[0])) {
        return 1;
    }
    waitForWindow();
    const int frames = 121;
    for (int level = 1; level <= levelCount; ++level) {
        gameManager.currentLevel->nextLevel = level;
        for (int i = 0; i < frames; ++i) {
            host.advance(1000 / 60);
            placeCamera(level, static_cast<float>(i) / (frames - 1));
            glutMainLoopEvent();
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
            gameManager.runFrame();
            if (i % 60 == 0) {
                const std::string file = settings.shotsDir + "/level" + std::to_string(level) + "-" +
                                         std::to_string(i / 60) + ".png";
                glReadBuffer(GL_BACK);
                savePicture(file, glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT));
                std::fprintf(out, "%s\n", file.c_str());
            }
            glutSwapBuffers();
        }
    }
    std::fclose(out);
    return 0;
}

// The count an option gives; false, said on standard error, when it is no
// whole number in `range`.
bool readCount(const char* option, const char* text, NumberRange range, int& count)
{
    const NumberReading reading = readNumber(text, range);
    if (reading.verdict != NumberReading::Verdict::Valid) {
        std::fprintf(stderr, "korvel-bench: %s \"%s\" %s\n", option, text, reading.problem.c_str());
        return false;
    }
    count = reading.value;
    return true;
}

bool parse(int argc, char** argv, Settings& settings)
{
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--repeats") == 0 && hasValue) {
            if (!readCount(argv[i], argv[i + 1], {1, 1000}, settings.repeats)) {
                return false;
            }
            ++i;
        } else if (std::strcmp(argv[i], "--frames") == 0 && hasValue) {
            if (!readCount(argv[i], argv[i + 1], {2, 1000000}, settings.frames)) {
                return false;
            }
            ++i;
        } else if (std::strcmp(argv[i], "--shots") == 0 && hasValue) {
            settings.shotsDir = argv[++i];
        } else {
            std::fprintf(stderr, "usage: korvel-bench [--repeats N] [--frames N] [--shots DIR]\n");
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], probeArgument) == 0) {
        runFirstFrameProbe(argv);
    }
    Settings settings;
    if (!parse(argc, argv, settings)) {
        return 2;
    }
    return settings.shotsDir.empty() ? measure(settings, argv) : takeShots(settings, argv);
}
