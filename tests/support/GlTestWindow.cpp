#include "support/GlTestWindow.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {
int window = 0;
void drawNothing() {}
}

void GlTestWindow::ensure()
{
    if (window != 0) {
        glutSetWindow(window);
        return;
    }
    if (std::getenv("DISPLAY") == nullptr) {
        FAIL() << "GL tests need an X server: run them through scripts/test.sh";
    }
    int argc = 1;
    char name[] = "korvel-test";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(width, height);
    glutInitWindowPosition(0, 0);
    window = glutCreateWindow("Korvel test");
    glutDisplayFunc(drawNothing);
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
