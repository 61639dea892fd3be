// Start-up: GLUT, the game's files and options, the window, the callbacks, then the intro or the game.
// Apart from main so the benchmark tool can start the game the same way and drive the frames itself.

#include "app/Startup.h"

#include "app/AppState.h"
#include "app/FrameLoop.h"
#include "app/GameFiles.h"
#include "app/GameObjects.h"
#include "app/InputCallbacks.h"
#include "app/MainWindow.h"
#include "app/Options.h"
#include "app/PlayerSettings.h"
#include "app/SavedGame.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// GLUT sees the program's name and its own X options, nothing of ours.
void initGlut(const CommandLine& command, const char* program)
{
    std::vector<std::string> glutArgs{program};
    glutArgs.insert(glutArgs.end(), command.glutArgs.begin(), command.glutArgs.end());
    std::vector<char*> glutArgv;
    for (std::string& arg : glutArgs) {
        glutArgv.push_back(arg.data());
    }
    int glutArgc = static_cast<int>(glutArgv.size());
    glutArgv.push_back(nullptr);
    glutInit(&glutArgc, glutArgv.data());
}

} // namespace

bool startGame(const CommandLine& command, const char* program)
{
    const GameFiles files = useGameFiles();
    // The command line, else the options file, else the locale: before the
    // greeting, which the player reads in the language chosen.
    useLanguage(command.language.value_or(languageSetting().value_or(languageFromEnvironment())), files.catalogues);
    std::printf("%s\n", tr(N_("Viel Spass mit Korvel ....")));
    std::fflush(stdout);
    loadOptions();
    loadPlayerSettings();
    applyPlayerSettings();
    applyCommandLine(command, options);
    // Without the player's figure there is nothing to play: stop before a window opens.
    if (const std::string figure = GameManager::missingPlayerFigure(); !figure.empty()) {
        const std::string line =
            trf(N_("Ohne %s kann Korvel nicht laufen; bitte installiere die Spieldaten neu."), figure);
        std::printf("%s\n", line.c_str());
        return false;
    }
    initGlut(command, program);
    // The stencil keeps translucent shadows from darkening a pixel twice.
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH | GLUT_STENCIL);
    // A size from the command line is blamed on the command line.
    const std::string sizeSource = command.fullscreen == false ? "--window" : optionsFile.string();
    createMainWindow(options.windowWidth, options.windowHeight, sizeSource);
    showFullScreen(playerSettings.fullScreen);
    gameManager.controlNode = &controlNode;
    // Held keys come as one press and one release; movement repeats per frame.
    glutIgnoreKeyRepeat(1);
    registerInputCallbacks();
    glutSetCursor(GLUT_CURSOR_NONE);
    // Closing the window ends the program in freeglut; the game is kept first.
    glutCloseFunc(saveGame);
    openSavedGame(command.savedGame);
    startIntroOrGame();
    glutDisplayFunc(renderFrame);
    glutReshapeFunc(onWindowReshaped);
    glutIdleFunc(renderFrame);
    appState.idleFrames = true;
    return true;
}
