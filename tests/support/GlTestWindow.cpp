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

bool GlTestWindow::showsText(void* font, const std::string& text, int x, int baseline, bool white)
{
    const auto* chars = reinterpret_cast<const unsigned char*>(text.c_str());
    GLint view[4];
    glGetIntegerv(GL_VIEWPORT, view);
    const int w = std::min(glutBitmapLength(font, chars), view[2] - x), h = glutBitmapHeight(font);
    const auto inked = [&] {
        std::vector<unsigned char> rgb(static_cast<std::size_t>(w * h * 3));
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(x, baseline - h / 3, w, h, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
        std::vector<bool> ink;
        for (std::size_t i = 0; i < rgb.size(); i += 3) {
            ink.push_back(white ? std::min({rgb[i], rgb[i + 1], rgb[i + 2]}) > 200 : rgb[i] + rgb[i + 1] + rgb[i + 2] < 60);
        }
        return ink;
    };
    const std::vector<bool> shown = inked();
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glClearColor(!white, !white, !white, 1), glClear(GL_COLOR_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION), glPushMatrix(), glLoadIdentity(), glOrtho(0, view[2], 0, view[3], -1, 1);
    glMatrixMode(GL_MODELVIEW), glPushMatrix(), glLoadIdentity();
    glDisable(GL_LIGHTING), glDisable(GL_TEXTURE_2D), glDisable(GL_DEPTH_TEST), glColor3f(white, white, white);
    glRasterPos2i(x, baseline);
    glutBitmapString(font, chars);
    glPopMatrix(), glMatrixMode(GL_PROJECTION), glPopMatrix(), glMatrixMode(GL_MODELVIEW), glPopAttrib();
    const std::vector<bool> expected = inked();
    int letters = 0, matched = 0, stray = 0;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        letters += expected[i], matched += expected[i] && shown[i], stray += !expected[i] && shown[i];
    }
    return letters > 0 && matched * 10 > letters * 9 && stray * 10 < letters;
}
