// The kinds of drawing a frame is made of, and the hook through which a benchmark sees them.
// The game itself never watches: each mark is one test of a null pointer.

#pragma once

// What is being drawn: each drawing site marks its kind before it draws.
enum class FramePass : unsigned char {
    Sky,
    Surfaces, // the ground and the hills
    Models,
    Shadows,
    Water,
    Particles,
    Flare,
    Text, // the texts and the dialog panel over the picture
};
inline constexpr int framePassCount = 8;

// Called at every mark while set; only a benchmark sets it, to count what
// each kind of drawing costs (between two marks, the first one's kind draws).
inline void (*framePassWatcher)(FramePass) = nullptr;

inline void markFramePass(FramePass pass)
{
    if (framePassWatcher != nullptr) {
        framePassWatcher(pass);
    }
}
