// Font and colour of on-screen text, printed by pixel position.

#pragma once

#include <GL/freeglut.h>

// Font and colour of on-screen text. Positions are pixels from the left and
// from the top of the window, so callers need not know the projection.
struct TextStyle {
    void* font = GLUT_BITMAP_HELVETICA_12;
    float red = 1.0f;
    float green = 1.0f;
    float blue = 0.0f;

    // Draws text with a thin outline of the contrasting colour (black or
    // white) in an overlay; depth test and lighting are on afterwards.
    void print(void* textFont, const char* text, float x, float y) const;
};

// One glutBitmapCharacter per byte at the current raster position; bytes
// above 127 reach GLUT as negative values, as the game always passed them.
void drawString(void* font, const char* text);
