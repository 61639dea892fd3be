#include "app/Startup.h"

#include "app/FrameLoop.h"
#include "app/GameObjects.h"
#include "app/InputCallbacks.h"
#include "app/MainWindow.h"
#include "app/Options.h"

#include <GL/freeglut.h>

#include <cstdio>

void startGame(int& argc, char** argv)
{
    std::printf("Viel Spass mit Korvel ....\n");
    std::fflush(stdout);
    loadOptions();
    glutInit(&argc, argv);
    // The stencil keeps translucent shadows from darkening a pixel twice.
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH | GLUT_STENCIL);
    createMainWindow(options.windowWidth, options.windowHeight);
    gameManager.controlNode = &controlNode;
    // Held keys come as one press and one release; movement repeats per frame.
    glutIgnoreKeyRepeat(1);
    registerInputCallbacks();
    glutSetCursor(GLUT_CURSOR_NONE);
    startIntroOrGame();
    glutDisplayFunc(renderFrame);
    glutReshapeFunc(onWindowReshaped);
    glutIdleFunc(renderFrame);
}
