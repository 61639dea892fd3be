// Game pads through SDL's game-controller API: plugging in and out, the dead zone, one pad at a time.
// Its own file so the game never sees SDL.

#include "platform/Gamepad.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Sticks rest a little off the middle; less than this much of the way to
// the stop counts as the middle.
constexpr float deadZone = 0.2f;

// SDL's name of each PadButton, in its order.
constexpr SDL_GameControllerButton sdlButtons[padButtonCount] = {
    SDL_CONTROLLER_BUTTON_A,         SDL_CONTROLLER_BUTTON_B,          SDL_CONTROLLER_BUTTON_X,
    SDL_CONTROLLER_BUTTON_Y,         SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, SDL_CONTROLLER_BUTTON_START,
    SDL_CONTROLLER_BUTTON_DPAD_UP,   SDL_CONTROLLER_BUTTON_DPAD_DOWN,  SDL_CONTROLLER_BUTTON_DPAD_LEFT,
    SDL_CONTROLLER_BUTTON_DPAD_RIGHT};

struct Pads {
    bool initialised = false;
    bool available = false;
    SDL_GameController* open = nullptr;
};

Pads pads;

void closePads()
{
    if (pads.open != nullptr) {
        SDL_GameControllerClose(pads.open);
        pads.open = nullptr;
    }
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

// The joystick subsystem starts SDL's event loop, which would catch Ctrl-C
// and kill unless told not to, as the sound layer tells it.
void initialiseOnce()
{
    if (pads.initialised) {
        return;
    }
    pads.initialised = true;
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    pads.available = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    if (pads.available) {
        std::atexit(closePads);
    }
}

// The first pad still plugged in, when the one in use has gone.
void openAnyPad()
{
    for (int i = 0; i < SDL_NumJoysticks() && pads.open == nullptr; ++i) {
        if (SDL_IsGameController(i)) {
            pads.open = SDL_GameControllerOpen(i);
        }
    }
}

void takeNoteOfPlugging()
{
    SDL_Event event;
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_CONTROLLERDEVICEADDED, SDL_CONTROLLERDEVICEREMOVED) > 0) {
        if (event.type == SDL_CONTROLLERDEVICEADDED && pads.open == nullptr) {
            pads.open = SDL_GameControllerOpen(event.cdevice.which);
        } else if (event.type == SDL_CONTROLLERDEVICEREMOVED && pads.open != nullptr &&
                   event.cdevice.which == SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pads.open))) {
            SDL_GameControllerClose(pads.open);
            pads.open = nullptr;
            openAnyPad();
        }
    }
    // Nobody else reads SDL's queue: what the pad and the sound device post
    // besides is dropped, so the queue never fills.
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
}

float stick(SDL_GameControllerAxis axis)
{
    const float raw = static_cast<float>(SDL_GameControllerGetAxis(pads.open, axis)) / SDL_JOYSTICK_AXIS_MAX;
    const float beyond = (std::abs(raw) - deadZone) / (1.0f - deadZone);
    if (beyond <= 0.0f) {
        return 0.0f;
    }
    return raw < 0.0f ? -std::min(beyond, 1.0f) : std::min(beyond, 1.0f);
}

} // namespace

GamepadState readGamepad()
{
    initialiseOnce();
    GamepadState state;
    if (!pads.available) {
        return state;
    }
    SDL_GameControllerUpdate();
    takeNoteOfPlugging();
    if (pads.open == nullptr) {
        return state;
    }
    state.leftX = stick(SDL_CONTROLLER_AXIS_LEFTX);
    state.leftY = stick(SDL_CONTROLLER_AXIS_LEFTY);
    state.rightX = stick(SDL_CONTROLLER_AXIS_RIGHTX);
    state.rightY = stick(SDL_CONTROLLER_AXIS_RIGHTY);
    for (std::size_t i = 0; i < padButtonCount; ++i) {
        state.buttons[i] = SDL_GameControllerGetButton(pads.open, sdlButtons[i]) != 0;
    }
    return state;
}
