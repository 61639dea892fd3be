// Opening the window or game mode, with a size cut down to what the screen and GL can show.
// Its own file because fitting the size asks the screen and GL for their limits, which nothing else does.

#include "app/MainWindow.h"

#include "app/Options.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <cstdio>

namespace {

// A window larger than the screen cannot be seen whole, and one larger than
// the GL implementation's viewport breaks its renderer at the first frame:
// such a size from the options file is cut down, and the player told.
bool fitWindowSize(int maxWidth, int maxHeight, const char* limit)
{
    const int width = std::min(options.windowWidth, maxWidth);
    const int height = std::min(options.windowHeight, maxHeight);
    if (maxWidth <= 0 || maxHeight <= 0 || (width == options.windowWidth && height == options.windowHeight)) {
        return false;
    }
    std::printf("=== WARNING: options.txt asks for a window of %d x %d, more than %s shows; using %d x %d ===\n",
                options.windowWidth, options.windowHeight, limit, width, height);
    std::fflush(stdout);
    options.windowWidth = width;
    options.windowHeight = height;
    return true;
}

void openWindow(int width, int height)
{
    options.windowWidth = width;
    options.windowHeight = height;
    fitWindowSize(glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT), "the screen");
    glutInitWindowSize(options.windowWidth, options.windowHeight);
    glutInitWindowPosition(100, 100);
    glutCreateWindow("Korvel");
    GLint viewport[2] = {};
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, viewport);
    if (fitWindowSize(viewport[0], viewport[1], "OpenGL")) {
        glutReshapeWindow(options.windowWidth, options.windowHeight);
    }
}

} // namespace

void createMainWindow(int width, int height)
{
    if (options.fullscreen) {
        glutGameModeString(readOption("glutGameModeString").c_str());
        if (glutEnterGameMode() != 0) {
            return;
        }
        // A display that cannot switch modes would leave no window at all.
        std::printf("Unable to enter game mode, playing in a window\n");
        std::fflush(stdout);
        options.fullscreen = false;
    }
    openWindow(width, height);
}
