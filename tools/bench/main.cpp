// korvel-bench: how fast the game draws, switches levels and starts, measured on the current display.
// A program of its own so timing stays out of the game and out of the tests.

// Run it from the run directory (it needs data/ and options.txt):
//   xvfb-run -a -s "-screen 0 1920x1200x24" ./korvel-bench [--repeats N] [--frames N] [--size WxH]...
//   ./korvel-bench --shots DIR   pictures of each level on a fixed clock
#include "CameraPaths.h"
#include "PassCounter.h"
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
#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The benchmark measures the game: the intro the shipped options play is left out.
CommandLine gameWithoutIntro()
{
    CommandLine command;
    command.playIntro = false;
    return command;
}

constexpr int levelCount = 6;
constexpr const char* probeArgument = "--first-frame";

struct WindowSize {
    int width;
    int height;
};

struct Settings {
    int repeats = 5;
    int frames = 300;          // per walk along a level's path
    int emptyFrames = 600;     // per measurement of the empty frame
    int countedFrames = 30;    // per walk whose passes are counted
    std::vector<WindowSize> sizes; // none given: 800x600 and 1920x1080
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

// One level at one window size.
struct LevelResult {
    Costs costs;
    PassCounter passes;
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

// Asks the window system for the size and waits until the game has seen it;
// false when the screen cannot hold it.
bool resizeTo(const WindowSize& size)
{
    glutReshapeWindow(size.width, size.height);
    for (int i = 0; i < 200; ++i) {
        glutMainLoopEvent();
        if (Host::current().windowWidth() == size.width && Host::current().windowHeight() == size.height) {
            return true;
        }
        usleep(5000);
    }
    return false;
}

// A walk along the level's path whose frames are counted pass by pass.
void countPasses(int level, int frames, PassCounter& counter)
{
    for (int i = 0; i < frames; ++i) {
        placeCamera(level, static_cast<float>(i) / static_cast<float>(frames - 1));
        glutMainLoopEvent();
        counter.start();
        renderFrame();
        counter.stop();
    }
}

constexpr FramePass passes[framePassCount] = {FramePass::Sky,       FramePass::Surfaces, FramePass::Models,
                                              FramePass::Shadows,   FramePass::Water,    FramePass::Particles,
                                              FramePass::Flare,     FramePass::Text};
constexpr const char* passNames[framePassCount] = {"sky", "surfaces", "models", "shadows",
                                                   "water", "particles", "flare", "text"};

// Per level: fragments per screen pixel of each pass, drawn / shaded, and
// the vertices of the whole frame.
void printPasses(std::FILE* out, const WindowSize& size, const std::array<LevelResult, levelCount>& levels)
{
    const double pixels = static_cast<double>(size.width) * size.height;
    const bool shaded = levels[0].passes.countsStatistics();
    std::fprintf(out, "\nfragments per screen pixel and frame at %dx%d, by pass: %s\n", size.width, size.height,
                 shaded ? "drawn (passed depth and stencil) / shaded" : "drawn (passed depth and stencil)");
    std::fprintf(out, "%-8s", "");
    for (const char* name : passNames) {
        std::fprintf(out, " %11s", name);
    }
    std::fprintf(out, " %11s %9s\n", "all", shaded ? "kvertices" : "");
    for (int level = 1; level <= levelCount; ++level) {
        const PassCounter& counter = levels[level - 1].passes;
        std::fprintf(out, "level %d ", level);
        PassCounts all;
        for (const FramePass pass : passes) {
            const PassCounts c = counter.perFrame(pass);
            all.drawn += c.drawn;
            all.shaded += c.shaded;
            all.vertices += c.vertices;
            char cell[32];
            if (shaded) {
                std::snprintf(cell, sizeof cell, "%.2f/%.2f", c.drawn / pixels, c.shaded / pixels);
            } else {
                std::snprintf(cell, sizeof cell, "%.2f", c.drawn / pixels);
            }
            std::fprintf(out, " %11s", cell);
        }
        char cell[32];
        std::snprintf(cell, sizeof cell, shaded ? "%.2f/%.2f" : "%.2f", all.drawn / pixels, all.shaded / pixels);
        std::fprintf(out, " %11s", cell);
        if (shaded) {
            std::fprintf(out, " %9.1f", all.vertices / 1000.0);
        }
        std::fprintf(out, "\n");
    }
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
    if (!startGame(gameWithoutIntro(), argv[0])) {
        return 1;
    }
    waitForWindow();
    const double peakAfterStart = peakResidentMb();

    std::vector<WindowSize> sizes;
    for (const WindowSize& size : settings.sizes) {
        if (resizeTo(size)) {
            sizes.push_back(size);
        } else {
            std::fprintf(out, "korvel-bench: the screen cannot hold %dx%d; left out\n", size.width, size.height);
        }
    }
    if (sizes.empty()) {
        return 1;
    }
    resizeTo(sizes.front());
    PassCounter probe;
    const bool counting = probe.open();

    std::vector<Costs> empty(sizes.size());
    std::vector<std::array<LevelResult, levelCount>> levels(sizes.size());
    double switchMs[levelCount] = {};
    for (int level = 1; level <= levelCount; ++level) {
        for (std::size_t s = 0; s < sizes.size(); ++s) {
            resizeTo(sizes[s]);
            if (s == 0) {
                switchMs[level - 1] = switchToMs(level);
            }
            LevelResult& result = levels[s][level - 1];
            walk(level, 30); // warm-up
            for (int r = 0; r < settings.repeats; ++r) {
                empty[s].samples.push_back(emptyFrame(settings.emptyFrames));
                result.costs.samples.push_back(walk(level, settings.frames));
            }
            if (counting && result.passes.open()) {
                countPasses(level, settings.countedFrames, result.passes);
            }
        }
    }

    std::fprintf(out, "korvel-bench: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    std::fprintf(out, "medians of %d repeats; %d frames per walk, %d per empty run\n", settings.repeats,
                 settings.frames, settings.emptyFrames);
    std::fprintf(out, "ms/frame on the wall clock; cpu: processor ms/frame of all threads, main: of the game's\n\n");
    std::fprintf(out, "%-21s", "");
    for (const WindowSize& size : sizes) {
        char title[32];
        std::snprintf(title, sizeof title, "%dx%d", size.width, size.height);
        std::fprintf(out, " | %-42s", title);
    }
    std::fprintf(out, " |\n%-21s", "frame");
    for (std::size_t s = 0; s < sizes.size(); ++s) {
        std::fprintf(out, " | %7s %8s %7s %8s %8s", "fps", "ms/frame", "x empty", "cpu", "main");
    }
    std::fprintf(out, " | %9s\n", "switch ms");
    const auto row = [&](const char* label, auto costOf, const char* switchText, const char* sees) {
        std::fprintf(out, "%-21s", label);
        for (std::size_t s = 0; s < sizes.size(); ++s) {
            const FrameCost c = costOf(s);
            const double floor = empty[s].median().wallMs;
            std::fprintf(out, " | %7.1f %8.3f %7.2f %8.3f %8.3f", 1000.0 / c.wallMs, c.wallMs, c.wallMs / floor,
                         c.cpuMs, c.mainMs);
        }
        std::fprintf(out, " | %9s   %s\n", switchText, sees);
    };
    row("empty (clear + swap)", [&](std::size_t s) { return empty[s].median(); }, "-", "");
    for (int level = 1; level <= levelCount; ++level) {
        char label[16];
        char switchText[16];
        std::snprintf(label, sizeof label, "level %d", level);
        std::snprintf(switchText, sizeof switchText, "%.1f", switchMs[level - 1]);
        row(label, [&](std::size_t s) { return levels[s][level - 1].costs.median(); }, switchText,
            cameraPath(level).sees);
    }
    if (counting) {
        for (std::size_t s = 0; s < sizes.size(); ++s) {
            printPasses(out, sizes[s], levels[s]);
        }
    } else {
        std::fprintf(out, "\nno pass table: the renderer has no occlusion queries\n");
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
    if (!startGame(gameWithoutIntro(), argv[0])) {
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

// "WxH", each side from 64 to 8192 pixels.
bool readSize(const char* text, WindowSize& size)
{
    const std::string_view whole = text;
    const std::size_t x = whole.find('x');
    const std::string width(whole.substr(0, x));
    const std::string height(x == std::string_view::npos ? "" : whole.substr(x + 1));
    return readCount("--size width", width.c_str(), {64, 8192}, size.width) &&
           readCount("--size height", height.c_str(), {64, 8192}, size.height);
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
        } else if (std::strcmp(argv[i], "--size") == 0 && hasValue) {
            WindowSize size{};
            if (!readSize(argv[i + 1], size)) {
                return false;
            }
            settings.sizes.push_back(size);
            ++i;
        } else if (std::strcmp(argv[i], "--shots") == 0 && hasValue) {
            settings.shotsDir = argv[++i];
        } else {
            std::fprintf(stderr, "usage: korvel-bench [--repeats N] [--frames N] [--size WxH]... [--shots DIR]\n");
            return false;
        }
    }
    if (settings.sizes.empty()) {
        settings.sizes = {{800, 600}, {1920, 1080}};
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], probeArgument) == 0) {
        runFirstFrameProbe(gameWithoutIntro(), argv);
    }
    Settings settings;
    if (!parse(argc, argv, settings)) {
        return 2;
    }
    return settings.shotsDir.empty() ? measure(settings, argv) : takeShots(settings, argv);
}
