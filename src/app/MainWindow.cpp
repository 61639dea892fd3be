#include "app/MainWindow.h"

#include "app/Options.h"

#include <GL/freeglut.h>

#include <cstdio>

namespace {

void openWindow(int width, int height)
{
    glutInitWindowSize(width, height);
    glutInitWindowPosition(100, 100);
    glutCreateWindow("Korvel");
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
