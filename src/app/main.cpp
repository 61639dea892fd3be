// The program's entry: parse the command line, answer it or start the game, then GLUT's main loop.
// Kept this small: the rest is in korvel_core, which the tools and tests link too.

#include "app/CommandLine.h"
#include "app/GameFiles.h"
#include "app/Startup.h"

#include <GL/freeglut.h>

int main(int argc, char** argv)
{
    // The language comes first, so that every word printed is in it, the
    // answers to --help and to mistakes too: the options file's or the
    // locale's, then the command line's. None of this wants a display.
    const StartPlaces places = startPlaces();
    useLanguage(languageSetting(findOptionsFile(places)).value_or(languageFromEnvironment()), findCatalogues(places));
    const CommandLine command = parseCommandLine(argc, argv);
    if (command.language) {
        useLanguage(*command.language, {});
    }
    if (const auto status = answerWithoutPlaying(command)) {
        return *status;
    }
    if (!startGame(command, argv[0])) {
        return 1;
    }
    glutMainLoop();
    return 0;
}
