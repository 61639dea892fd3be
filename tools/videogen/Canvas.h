// An RGB picture to paint a video frame on, and colour mixing.
// Its own file because the font and the frames of both videos paint on it.

#pragma once

#include <vector>

struct Rgb {
    unsigned char r, g, b;
};

// An RGB picture to paint video frames on; top row first, as the video
// writer takes it. Painting outside the picture is clipped.
class Canvas {
public:
    Canvas(int width, int height);

    int width() const { return w; }
    int height() const { return h; }
    const unsigned char* data() const { return pixels.data(); }
    Rgb at(int x, int y) const;

    void set(int x, int y, Rgb colour);
    void fillRect(int x, int y, int width, int height, Rgb colour);
    // Each row blends from `top` to `bottom`.
    void verticalGradient(Rgb top, Rgb bottom);
    void disc(int centreX, int centreY, int radius, Rgb colour);

private:
    int w;
    int h;
    std::vector<unsigned char> pixels;
};

// a + (b - a) * t for t in 0..1, per channel.
Rgb mix(Rgb a, Rgb b, float t);
