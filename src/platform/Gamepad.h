// The game pad's sticks and buttons as a plain state, read through SDL's game-controller API.
// Its own header so the game never sees SDL.

#pragma once

#include <array>
#include <cstddef>

// The buttons the game uses, named as on an Xbox pad: A is the lower of the
// four face buttons, B the right one, X the left one, Y the upper one.
enum class PadButton { A, B, X, Y, RightShoulder, Start, DpadUp, DpadDown, DpadLeft, DpadRight };
inline constexpr std::size_t padButtonCount = 10;

// One reading of the pad. Sticks run from -1 to 1, right and down positive:
// 0 within the dead zone round the middle, from there rising to 1 at the stop.
// Without a pad everything rests.
struct GamepadState {
    float leftX = 0.0f;
    float leftY = 0.0f;
    float rightX = 0.0f;
    float rightY = 0.0f;
    std::array<bool, padButtonCount> buttons{};

    bool held(PadButton button) const { return buttons[static_cast<std::size_t>(button)]; }
};

// Reads the pad as it is now, taking note of pads plugged in or out since
// the last reading; with several, the first one plugged in counts. Without a
// pad, or where SDL cannot look for one, a resting state and not a word.
GamepadState readGamepad();
