// The program's entry: parse the command line, answer it or start the game, then GLUT's main loop.
// Kept this small: the rest is in korvel_core, which the tools and tests link too.

#include "app/CommandLine.h"
#include "app/GameFiles.h"
#include "app/Startup.h"

#include <GL/freeglut.h>

int main(int argc, char** argv)
{
    // --help, --version and mistakes are answered before GLUT wants a display.
    const CommandLine command = parseCommandLine(argc, argv);
    useLanguage(command.language.value_or(languageFromEnvironment()), findCatalogues(startPlaces()));
    if (const auto status = answerWithoutPlaying(command)) {
        return *status;
    }
    if (!startGame(command, argv[0])) {
        return 1;
    }
    glutMainLoop();
    return 0;
}
