#include "app/FrameLoop.h"
#include "app/GameObjects.h"
#include "app/InputCallbacks.h"
#include "app/MainWindow.h"
#include "app/Options.h"

#include <GL/freeglut.h>

#include <cstdio>

int main(int argc, char** argv)
{
    std::printf("Viel Spass mit Korvel ....\n");
    std::fflush(stdout);
    loadOptions();
    // Without the player's figure there is nothing to play: stop before a window opens.
    if (const std::string figure = GameManager::missingPlayerFigure(); !figure.empty()) {
        std::printf("Korvel cannot run without %s; please reinstall the game data.\n", figure.c_str());
        return 1;
    }
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    createMainWindow(options.windowWidth, options.windowHeight);
    gameManager.controlNode = &controlNode;
    // Held keys come as one press and one release; movement repeats per frame.
    glutIgnoreKeyRepeat(1);
    registerInputCallbacks();
    glutSetCursor(GLUT_CURSOR_NONE);
    startIntroOrGame();
    glutDisplayFunc(renderFrame);
    glutReshapeFunc(reshapeWindow);
    glutIdleFunc(renderFrame);
    glutMainLoop();
    return 0;
}
