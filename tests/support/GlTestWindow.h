#pragma once

#include <array>

// A real GLUT window on the X server in $DISPLAY, opened once per test
// process (GLUT cannot be initialised twice). 800 x 600, double-buffered RGB
// with depth and stencil, like the game's own window.
class GlTestWindow {
public:
    static constexpr int width = 800;
    static constexpr int height = 600;

    // Opens the window on first use and makes its context current.
    static void ensure();

    // RGBA of one pixel of the back buffer; (0, 0) is the bottom-left corner.
    static std::array<unsigned char, 4> pixel(int x, int y);
};
