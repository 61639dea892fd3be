#include "app/CommandLine.h"
#include "app/FrameLoop.h"
#include "app/GameFiles.h"
#include "app/GameObjects.h"
#include "app/InputCallbacks.h"
#include "app/MainWindow.h"
#include "app/Options.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    // --help, --version and mistakes are answered before GLUT wants a display.
    const CommandLine command = parseCommandLine(argc, argv);
    if (const auto status = answerWithoutPlaying(command)) {
        return *status;
    }
    std::printf("Viel Spass mit Korvel ....\n");
    std::fflush(stdout);
    useGameFiles();
    loadOptions();
    applyCommandLine(command, options);
    // Without the player's figure there is nothing to play: stop before a window opens.
    if (const std::string figure = GameManager::missingPlayerFigure(); !figure.empty()) {
        std::printf("Korvel cannot run without %s; please reinstall the game data.\n", figure.c_str());
        return 1;
    }
    std::vector<std::string> glutArgs{argv[0]};
    glutArgs.insert(glutArgs.end(), command.glutArgs.begin(), command.glutArgs.end());
    std::vector<char*> glutArgv;
    for (std::string& arg : glutArgs) {
        glutArgv.push_back(arg.data());
    }
    int glutArgc = static_cast<int>(glutArgv.size());
    glutArgv.push_back(nullptr);
    glutInit(&glutArgc, glutArgv.data());
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
