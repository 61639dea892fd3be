#include "app/Host.h"

#include <GL/freeglut.h>

namespace {

class GlutHost : public Host {
public:
    int elapsedMs() const override { return glutGet(GLUT_ELAPSED_TIME); }
    int windowWidth() const override { return glutGet(GLUT_WINDOW_WIDTH); }
    int windowHeight() const override { return glutGet(GLUT_WINDOW_HEIGHT); }
};

GlutHost glutHost;
Host* installed = nullptr;

} // namespace

Host& Host::current()
{
    return installed != nullptr ? *installed : glutHost;
}

void Host::install(Host* host)
{
    installed = host;
}
