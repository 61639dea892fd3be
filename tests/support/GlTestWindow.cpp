#include "support/GlTestWindow.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

// Last: Xlib's macros (None, Bool, ...) would break the headers above.
#include <X11/Xlib.h>

void GlTestWindow::ensure()
{
    static int window = 0;
    if (window != 0) return glutSetWindow(window);
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "GL tests need an X server: run them through scripts/test.sh";
    // GLUT ends the process when it cannot reach the display. An X server
    // resets when its last client leaves and refuses connections meanwhile, so
    // wait until it accepts one and keep that one open for the life of the
    // process: our own leaving can then never start a reset under GLUT.
    static Display* probe = nullptr; // kept open, as said above
    for (int attempt = 0; attempt < 50 && (probe = XOpenDisplay(nullptr)) == nullptr; ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ASSERT_NE(probe, nullptr) << "the X server " << std::getenv("DISPLAY") << " does not accept connections";
    int argc = 1;
    char name[] = "korvel-test";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH | GLUT_STENCIL);
    glutInitWindowSize(width, height);
    glutInitWindowPosition(0, 0);
    window = glutCreateWindow("Korvel test");
    glutDisplayFunc([] {});
    glReadBuffer(GL_BACK);
    glViewport(0, 0, width, height);
}

std::array<unsigned char, 4> GlTestWindow::pixel(int x, int y)
{
    std::array<unsigned char, 4> rgba{};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return rgba;
}

int GlTestWindow::count(int x0, int x1, int yTop, int yBottom,
                        const std::function<bool(const std::array<unsigned char, 4>&)>& test)
{
    std::vector<std::array<unsigned char, 4>> block(static_cast<std::size_t>((x1 - x0) * (yBottom - yTop)));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x0, height - yBottom, x1 - x0, yBottom - yTop, GL_RGBA, GL_UNSIGNED_BYTE, block.data());
    return static_cast<int>(std::count_if(block.begin(), block.end(), test));
}
