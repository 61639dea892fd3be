// GLUT's host, which keeps the window size the reshape callback told it, and the switch between hosts.
// Its own file so only this one place asks GLUT for time and size.

#include "platform/Host.h"

#include <GL/freeglut.h>

namespace {

// Asking GLUT for the window size is a round trip to the X server (70 us
// under Xvfb), and the size is read several times a frame; so once the
// reshape callback has told it, the host keeps it.
class GlutHost : public Host {
public:
    int windowWidth() const override { return width > 0 ? width : glutGet(GLUT_WINDOW_WIDTH); }
    int windowHeight() const override { return height > 0 ? height : glutGet(GLUT_WINDOW_HEIGHT); }
    void windowResized(int w, int h) override
    {
        width = w;
        height = h;
    }
    void warpPointer(int x, int y) override { glutWarpPointer(x, y); }

protected:
    int clockMs() const override { return glutGet(GLUT_ELAPSED_TIME); }

private:
    int width = 0;
    int height = 0;
};

GlutHost glutHost;
Host* installed = nullptr;

} // namespace

void Host::setPaused(bool paused)
{
    if (paused && pausedAt < 0) {
        pausedAt = clockMs();
    } else if (!paused && pausedAt >= 0) {
        pausedFor += clockMs() - pausedAt;
        pausedAt = -1;
    }
}

Host& Host::current()
{
    return installed != nullptr ? *installed : glutHost;
}

void Host::install(Host* host)
{
    installed = host;
}
