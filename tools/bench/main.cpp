// korvel-bench: how fast the game draws, measured on the current display.
//
// Run it from the run directory (it needs data/ and options.txt):
//   xvfb-run -a -s "-screen 0 1024x768x24" ./korvel-bench [--repeats N] [--frames N]
//   ./korvel-bench --shots DIR   pictures of each level on a fixed clock
#include "CameraPaths.h"
#include "Probe.h"

#include "app/AppState.h"
#include "app/FrameLoop.h"
#include "app/GameObjects.h"
#include "app/Host.h"
#include "app/Startup.h"

#include <GL/freeglut.h>
#include <IL/il.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
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
double emptyFrameMs(int frames)
{
    appState.gameInitialised = false;
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < frames; ++i) {
        presentFrame();
    }
    glFinish();
    const double ms = msSince(start) / frames;
    appState.gameInitialised = true;
    return ms;
}

double walkMs(int level, int frames)
{
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < frames; ++i) {
        placeCamera(level, static_cast<float>(i) / static_cast<float>(frames - 1));
        presentFrame();
    }
    glFinish();
    return msSince(start) / frames;
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

struct LevelResult {
    std::vector<double> frameMs;
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

int measure(const Settings& settings, int argc, char** argv)
{
    std::vector<double> startMs;
    for (int i = 0; i < settings.repeats; ++i) {
        if (const auto ms = timeToFirstFrame(probeArgument)) {
            startMs.push_back(*ms);
        }
    }

    std::FILE* out = keepStdoutForTable();
    startGame(argc, argv);
    waitForWindow();
    const double peakAfterStart = peakResidentMb();

    std::vector<double> emptyMs;
    LevelResult levels[levelCount];
    for (int level = 1; level <= levelCount; ++level) {
        LevelResult& result = levels[level - 1];
        result.switchMs = switchToMs(level);
        walkMs(level, 30); // warm-up
        for (int r = 0; r < settings.repeats; ++r) {
            emptyMs.push_back(emptyFrameMs(settings.emptyFrames));
            result.frameMs.push_back(walkMs(level, settings.frames));
        }
    }

    const double empty = median(emptyMs);
    std::fprintf(out, "korvel-bench: %dx%d, %s\n", glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT),
                 reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    std::fprintf(out, "medians of %d repeats; %d frames per walk, %d per empty run\n\n", settings.repeats,
                 settings.frames, settings.emptyFrames);
    std::fprintf(out, "%-22s %9s %9s %8s %10s\n", "frame", "fps", "ms/frame", "x empty", "switch ms");
    std::fprintf(out, "%-22s %9.1f %9.3f %8.2f %10s\n", "empty (clear + swap)", 1000.0 / empty, empty, 1.0, "-");
    for (int level = 1; level <= levelCount; ++level) {
        const LevelResult& result = levels[level - 1];
        const double ms = median(result.frameMs);
        char label[32];
        std::snprintf(label, sizeof label, "level %d", level);
        std::fprintf(out, "%-22s %9.1f %9.3f %8.2f %10.1f   %s\n", label, 1000.0 / ms, ms, ms / empty,
                     result.switchMs, cameraPath(level).sees);
    }
    std::fprintf(out, "\nstart to first game frame  %8.1f ms (median of %zu starts)\n", median(startMs),
                 startMs.size());
    std::fprintf(out, "peak resident memory       %8.1f MB (%.1f MB after start-up)\n", peakResidentMb(),
                 peakAfterStart);
    std::fclose(out);
    return startMs.empty() ? 1 : 0;
}

void savePicture(const std::string& file)
{
    const int w = glutGet(GLUT_WINDOW_WIDTH);
    const int h = glutGet(GLUT_WINDOW_HEIGHT);
    std::vector<unsigned char> pixels(static_cast<std::size_t>(w) * h * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    ilInit();
    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);
    ilTexImage(w, h, 1, 3, IL_RGB, IL_UNSIGNED_BYTE, pixels.data());
    ilEnable(IL_FILE_OVERWRITE);
    ilSave(IL_PNG, file.c_str());
    ilDeleteImages(1, &image);
}

// Pictures at the start, middle and end of every level's path, drawn on a
// clock that advances 1/60 s per frame, so two builds can be compared
// pixel by pixel.
int takeShots(const Settings& settings, int argc, char** argv)
{
    static ManualHost host;
    Host::install(&host);
    std::FILE* out = keepStdoutForTable();
    startGame(argc, argv);
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
                savePicture(file);
                std::fprintf(out, "%s\n", file.c_str());
            }
            glutSwapBuffers();
        }
    }
    std::fclose(out);
    return 0;
}

bool parse(int argc, char** argv, Settings& settings)
{
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--repeats") == 0 && hasValue) {
            settings.repeats = std::max(1, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "--frames") == 0 && hasValue) {
            settings.frames = std::max(2, std::atoi(argv[++i]));
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
    // GLUT gets no arguments of ours.
    int glutArgc = 1;
    return settings.shotsDir.empty() ? measure(settings, glutArgc, argv) : takeShots(settings, glutArgc, argv);
}
