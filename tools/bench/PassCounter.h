// Counting, per kind of drawing, the fragments and vertices of a frame with the renderer's queries.
// Apart from the timings: a counted frame is slower, so it is never a timed one.

#pragma once

#include "scene/FramePass.h"

#include <array>
#include <vector>

// What one kind of drawing cost over the counted frames.
struct PassCounts {
    double drawn = 0.0;    // fragments that passed the depth and stencil tests
    double shaded = 0.0;   // fragments the renderer shaded (0 without pipeline statistics)
    double vertices = 0.0; // vertices submitted (0 without pipeline statistics)
};

// Counts the frames drawn between `start` and `stop` by kind of drawing, as
// the game marks them (scene/FramePass.h), with OpenGL queries.
class PassCounter {
public:
    // False when the renderer has no occlusion queries; the counter then counts nothing.
    bool open();
    void start();
    // Ends counting and adds what the frames since `start` drew.
    void stop();

    // Per frame, averaged over the counted frames.
    PassCounts perFrame(FramePass pass) const;
    bool countsStatistics() const { return statistics; }

private:
    enum Query { Drawn, Shaded, Vertices, queryKinds };
    struct Span {
        FramePass pass;
        std::array<unsigned int, queryKinds> ids;
    };

    static void watch(FramePass pass);
    void switchTo(FramePass pass);
    void endSpan();
    unsigned int nextId();

    bool opened = false;
    bool statistics = false;
    bool active = false;
    int frames = 0;
    std::vector<unsigned int> pool;
    std::size_t used = 0;
    std::vector<Span> spans;
    std::array<PassCounts, framePassCount> totals{};
};
