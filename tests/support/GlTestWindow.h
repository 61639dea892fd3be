#pragma once

#include <array>
#include <functional>
#include <string>

// A real GLUT window on the X server in $DISPLAY, opened once per test
// process (GLUT cannot be initialised twice). 800 x 600, double-buffered RGB
// with depth and stencil, like the game's own window.
class GlTestWindow {
public:
    static constexpr int width = 800, height = 600;

    // Opens the window on first use and makes its context current.
    static void ensure();

    // RGBA of one pixel of the back buffer; (0, 0) is the bottom-left corner.
    static std::array<unsigned char, 4> pixel(int x, int y);
    // How many back-buffer pixels with x0 <= x < x1 and yTop <= y < yBottom,
    // rows counted from the top of the window as text is placed, pass `test`.
    static int count(int x0, int x1, int yTop, int yBottom,
                     const std::function<bool(const std::array<unsigned char, 4>&)>& test);
    // Whether the back buffer shows `text` in white (else black) where GLUT
    // draws it in `font` from (x, baseline), pixels from the bottom left: nine
    // in ten of its pixels, and few others of that colour around them. Leaves
    // the back buffer cleared.
    static bool showsText(void* font, const std::string& text, int x, int baseline, bool white);
};
