// Opening the window or game mode, with a size cut down to what the screen and GL can show.
// Its own file because fitting the size asks the screen and GL for their limits, which nothing else does.

#include "app/MainWindow.h"

#include "app/GameFiles.h"
#include "app/Options.h"
#include "app/WindowIdentity.h"
#include "platform/DataFile.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xatom.h>

#include <algorithm>
#include <cstdio>

namespace {

// The window's place and size before it filled the screen.
struct WindowPlace {
    bool full = false;
    int x = 0, y = 0, width = 0, height = 0;
};
WindowPlace place;

// Whether a window manager runs that lets a window fill the screen on
// request (_NET_WM_STATE_FULLSCREEN), as glutFullScreen asks. Without one
// GLUT would move the window by its own place, off the screen's corner.
bool managerFillsScreen()
{
    Display* display = glXGetCurrentDisplay();
    const Atom supported = display != nullptr ? XInternAtom(display, "_NET_SUPPORTED", True) : None;
    const Atom full = display != nullptr ? XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", True) : None;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (supported == None || full == None ||
        XGetWindowProperty(display, DefaultRootWindow(display), supported, 0, 4096, False, XA_ATOM, &type, &format,
                           &count, &after, &data) != Success || data == nullptr) {
        return false;
    }
    const Atom* atoms = reinterpret_cast<const Atom*>(data);
    const bool found = format == 32 && std::find(atoms, atoms + count, full) != atoms + count;
    XFree(data);
    return found;
}

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

void showFullScreen(bool full)
{
    if (options.fullscreen || glutGetWindow() == 0 || full == place.full) {
        return;
    }
    place.full = full;
    if (full) {
        // GLUT gives the corner of the drawing area, and places the frame
        // around it: the frame's corner is where it goes back to.
        place.x = glutGet(GLUT_WINDOW_X) - glutGet(GLUT_WINDOW_BORDER_WIDTH);
        place.y = glutGet(GLUT_WINDOW_Y) - glutGet(GLUT_WINDOW_HEADER_HEIGHT);
        place.width = glutGet(GLUT_WINDOW_WIDTH);
        place.height = glutGet(GLUT_WINDOW_HEIGHT);
        if (managerFillsScreen()) {
            glutFullScreen();
        } else {
            // Nothing decorates or moves the window: at the corner, at the
            // screen's size, it is the full screen.
            glutPositionWindow(0, 0);
            glutReshapeWindow(glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT));
        }
    } else {
        // Either leaves GLUT's full screen first.
        glutReshapeWindow(place.width, place.height);
        glutPositionWindow(place.x, place.y);
    }
}
