#include "app/MainWindow.h"

#include "app/Options.h"

#include <GL/freeglut.h>

void createMainWindow(int width, int height)
{
    if (options.fullscreen) {
        glutGameModeString(readOption("glutGameModeString").c_str());
        glutEnterGameMode();
        return;
    }
    glutInitWindowSize(width, height);
    glutInitWindowPosition(100, 100);
    glutCreateWindow("Korvel");
}
