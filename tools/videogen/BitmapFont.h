// A 5 x 7 pixel font with the letters the videos' captions use.
// Apart from the canvas so the font is data only.

#pragma once

#include "Canvas.h"

#include <string>

// A small 5 x 7 pixel font (two more rows for descenders) with the letters
// the videos' captions use. Characters it lacks are left as blanks.
namespace BitmapFont {

constexpr int glyphWidth = 5;
constexpr int glyphHeight = 9;
constexpr int advance = glyphWidth + 1;

// Width in pixels of `text` drawn at `scale` (each font pixel a square).
int textWidth(const std::string& text, int scale);
// Draws `text` with its top-left corner at (x, y).
void drawText(Canvas& canvas, int x, int y, int scale, const std::string& text, Rgb colour);
// Centres `text` horizontally; a dark copy offset by one font pixel gives
// it a shadow that keeps it readable on any background.
void drawCaption(Canvas& canvas, int y, int scale, const std::string& text, Rgb colour);

} // namespace BitmapFont
