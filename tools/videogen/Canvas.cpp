// Reading, setting and blending canvas pixels, clipped to the picture.
// Its own file because the font and the frames of both videos paint on it.

#include "Canvas.h"

#include <cmath>

Canvas::Canvas(int width, int height)
    : w(width), h(height), pixels(static_cast<size_t>(width) * height * 3, 0)
{
}

Rgb Canvas::at(int x, int y) const
{
    const unsigned char* p = &pixels[(static_cast<size_t>(y) * w + x) * 3];
    return {p[0], p[1], p[2]};
}

void Canvas::set(int x, int y, Rgb colour)
{
    if (x < 0 || y < 0 || x >= w || y >= h) {
        return;
    }
    unsigned char* p = &pixels[(static_cast<size_t>(y) * w + x) * 3];
    p[0] = colour.r;
    p[1] = colour.g;
    p[2] = colour.b;
}

void Canvas::fillRect(int x, int y, int width, int height, Rgb colour)
{
    for (int row = y; row < y + height; ++row) {
        for (int column = x; column < x + width; ++column) {
            set(column, row, colour);
        }
    }
}

void Canvas::verticalGradient(Rgb top, Rgb bottom)
{
    for (int row = 0; row < h; ++row) {
        fillRect(0, row, w, 1, mix(top, bottom, h > 1 ? float(row) / float(h - 1) : 0.0f));
    }
}

void Canvas::disc(int centreX, int centreY, int radius, Rgb colour)
{
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            if (dx * dx + dy * dy <= radius * radius) {
                set(centreX + dx, centreY + dy, colour);
            }
        }
    }
}

Rgb mix(Rgb a, Rgb b, float t)
{
    const auto channel = [t](unsigned char from, unsigned char to) {
        return static_cast<unsigned char>(std::lround(from + (to - from) * t));
    };
    return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}
