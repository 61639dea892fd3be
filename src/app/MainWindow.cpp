// Opening the window or game mode, with a size cut down to what the screen and GL can show.
// Its own file because fitting the size asks the screen and GL for their limits, which nothing else does.

#include "app/MainWindow.h"

#include "app/GameFiles.h"
#include "app/Options.h"
#include "app/WindowIdentity.h"
#include "platform/DataFile.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <cstdio>

namespace {

// A window larger than the screen cannot be seen whole, and one larger than
// the GL implementation's viewport breaks its renderer at the first frame:
// such a size is cut down, and the player told where it came from.
// `warning` fills in the size asked for, then the size used.
bool fitWindowSize(int maxWidth, int maxHeight, const char* warning, const std::string& source)
{
    const int width = std::min(options.windowWidth, maxWidth);
    const int height = std::min(options.windowHeight, maxHeight);
    if (maxWidth <= 0 || maxHeight <= 0 || (width == options.windowWidth && height == options.windowHeight)) {
        return false;
    }
    printWarning(source, trf(warning, options.windowWidth, options.windowHeight, width, height));
    options.windowWidth = width;
    options.windowHeight = height;
    return true;
}

// The window's corner: (100, 100) unless that would push the window off the
// screen's right or bottom edge.
int placeOnScreen(int size, int screen)
{
    constexpr int preferred = 100;
    return screen <= 0 ? preferred : std::clamp(screen - size, 0, preferred);
}

void openWindow(int width, int height, const std::string& sizeSource)
{
    options.windowWidth = width;
    options.windowHeight = height;
    const int screenWidth = glutGet(GLUT_SCREEN_WIDTH);
    const int screenHeight = glutGet(GLUT_SCREEN_HEIGHT);
    fitWindowSize(screenWidth, screenHeight,
                  N_("will ein Fenster von %d x %d, mehr als der Bildschirm zeigt; es gilt %d x %d"), sizeSource);
    glutInitWindowSize(options.windowWidth, options.windowHeight);
    glutInitWindowPosition(placeOnScreen(options.windowWidth, screenWidth),
                           placeOnScreen(options.windowHeight, screenHeight));
    glutCreateWindow("Korvel");
    identifyWindow(iconTheme);
    GLint viewport[2] = {};
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, viewport);
    if (fitWindowSize(viewport[0], viewport[1],
                      N_("will ein Fenster von %d x %d, mehr als OpenGL zeigt; es gilt %d x %d"), sizeSource)) {
        glutReshapeWindow(options.windowWidth, options.windowHeight);
    }
}

} // namespace

void createMainWindow(int width, int height, const std::string& sizeSource)
{
    if (options.fullscreen) {
        if (const auto mode = gameModeSetting()) {
            glutGameModeString(mode->c_str());
            if (glutEnterGameMode() != 0) {
                identifyWindow(iconTheme);
                return;
            }
            // A display that cannot switch modes would leave no window at all.
            std::printf("%s\n", tr(N_("Der Spielmodus laesst sich nicht einschalten; gespielt wird im Fenster")));
            std::fflush(stdout);
        }
        options.fullscreen = false;
    }
    openWindow(width, height, sizeSource);
}
