// The pad's buttons and sticks handed to the control node, the pause screen and the start question as keys.
// Apart from the window callbacks because the pad is read, not called: once a frame, and while paused.

#include "app/GamepadInput.h"

#include "app/AppState.h"
#include "app/FrameLoop.h"
#include "app/GameObjects.h"
#include "app/PauseScreen.h"
#include "app/SavedGame.h"
#include "game/Avatar.h"
#include "game/KeyBindings.h"
#include "platform/Gamepad.h"
#include "platform/Host.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <array>
#include <utility>

namespace {

// A walk key is held while the left stick is pushed past half way.
constexpr float holdFrom = 0.5f;
// With the right stick at its stop the view turns and tilts as fast as the
// arrow keys turn it, whatever the frame rate.
constexpr float turnPerSecond = 150.0f;
constexpr float tiltPerSecond = 15.0f;
// A frame that comes very late turns no further than one this long.
constexpr int longestStepMs = 100;
constexpr unsigned int pausedReadMs = 50;

// The keys the pad holds down: what the left stick and Y stand for.
constexpr Action heldActions[] = {Action::Forward, Action::Back, Action::Left, Action::Right, Action::Look};

struct PadInput {
    GamepadState last;
    std::array<bool, std::size(heldActions)> holding{};
    int lastMs = -1;
    bool watching = false;
};

PadInput pad;

bool pressed(const GamepadState& now, PadButton button)
{
    return now.held(button) && !pad.last.held(button);
}

bool released(const GamepadState& now, PadButton button)
{
    return !now.held(button) && pad.last.held(button);
}

void pressKey(Action action)
{
    controlNode.keyDown(keyBindings.key(action), 0, 0);
}

// Holds or lets go of the walk and look keys as the pad wants them; while
// the game does not take keys the pad holds none, so they are pressed
// afresh once it does.
bool holdKeys(const GamepadState& now, bool walking)
{
    const bool wanted[] = {now.leftY < -holdFrom, now.leftY > holdFrom, now.leftX < -holdFrom,
                           now.leftX > holdFrom, now.held(PadButton::Y)};
    bool changed = false;
    for (std::size_t i = 0; i < std::size(heldActions); ++i) {
        const bool want = walking && wanted[i];
        if (want == pad.holding[i]) {
            continue;
        }
        pad.holding[i] = want;
        changed = true;
        const unsigned char key = keyBindings.key(heldActions[i]);
        want ? controlNode.keyDown(key, 0, 0) : controlNode.keyUp(key, 0, 0);
    }
    return changed;
}

// The d-pad as the arrow keys: the settings list while paused, else walking and turning.
void useDpad(const GamepadState& now)
{
    constexpr std::pair<PadButton, int> arrows[] = {{PadButton::DpadUp, GLUT_KEY_UP},
                                                    {PadButton::DpadDown, GLUT_KEY_DOWN},
                                                    {PadButton::DpadLeft, GLUT_KEY_LEFT},
                                                    {PadButton::DpadRight, GLUT_KEY_RIGHT}};
    for (const auto& [button, key] : arrows) {
        if (pressed(now, button)) {
            gamePaused() ? settingsKey(key) : controlNode.specialKey(key, 0, 0);
        } else if (released(now, button) && !gamePaused()) {
            controlNode.specialKeyUp(key, 0, 0);
        }
    }
}

void useButtons(const GamepadState& now)
{
    if (pressed(now, PadButton::Start)) {
        togglePause();
    }
    useDpad(now);
    if (gamePaused()) {
        return;
    }
    const bool talking = controlNode.inputMode == 'g';
    if (pressed(now, PadButton::A)) {
        pressKey(talking ? Action::Answer1 : Action::Talk);
    }
    if (pressed(now, PadButton::X)) {
        pressKey(talking ? Action::Answer2 : Action::Take);
    }
    if (pressed(now, PadButton::B)) {
        pressKey(Action::Close);
    }
    if (pressed(now, PadButton::RightShoulder) || released(now, PadButton::RightShoulder)) {
        controlNode.mouseButton(GLUT_LEFT_BUTTON, now.held(PadButton::RightShoulder) ? GLUT_DOWN : GLUT_UP, 0, 0);
    }
}

// Turning by time, not per frame: the same turn at any frame rate.
bool turnAndTilt(const GamepadState& now, bool walking)
{
    const int ms = Host::current().elapsedMs();
    const int step = pad.lastMs < 0 ? 0 : std::clamp(ms - pad.lastMs, 0, longestStepMs);
    pad.lastMs = ms;
    Avatar* avatar = controlNode.avatar;
    if (!walking || controlNode.inputMode != 'a' || avatar == nullptr || (now.rightX == 0.0f && now.rightY == 0.0f)) {
        return false;
    }
    const float seconds = static_cast<float>(step) / 1000.0f;
    if (now.rightX != 0.0f) {
        avatar->turnBy(-now.rightX * turnPerSecond * seconds);
    }
    if (now.rightY != 0.0f) {
        avatar->tiltBy(-now.rightY * tiltPerSecond * seconds);
    }
    return true;
}

bool anyPressed(const GamepadState& now)
{
    for (std::size_t i = 0; i < padButtonCount; ++i) {
        if (now.buttons[i] && !pad.last.buttons[i]) {
            return true;
        }
    }
    return false;
}

void readWhilePaused(int)
{
    pad.watching = false;
    if (!gamePaused()) {
        return;
    }
    if (useGamepad()) {
        glutPostRedisplay();
    }
    watchGamepadWhilePaused();
}

} // namespace

bool useGamepad()
{
    const GamepadState now = readGamepad();
    const bool acted = anyPressed(now);
    if (appState.videoRunning()) {
        if (pressed(now, PadButton::Start)) {
            endVideo();
        }
    } else if (appState.startQuestionOpen) {
        if (pressed(now, PadButton::A) || pressed(now, PadButton::X)) {
            answerStartQuestion(keyBindings.key(now.held(PadButton::A) ? Action::Answer1 : Action::Answer2));
        }
    } else if (appState.playing()) {
        // A button pressed closes the list of keys, as a key does.
        if (acted) {
            gameManager.closeHelp();
        }
        useButtons(now);
    }
    const bool walking = appState.playing() && !gamePaused();
    const bool held = holdKeys(now, walking);
    const bool turned = turnAndTilt(now, walking);
    pad.last = now;
    return acted || held || turned;
}

void watchGamepadWhilePaused()
{
    if (!pad.watching && appState.idleFrames) {
        pad.watching = true;
        glutTimerFunc(pausedReadMs, readWhilePaused, 0);
    }
}
