// The game pad through SDL's virtual joystick in the game's own frames: the path a real pad takes from SDL on.
#include "app/PauseScreen.h"
#include "app/SaveText.h"
#include "support/GameDriver.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace {
using Axis = SDL_GameControllerAxis;
using Button = SDL_GameControllerButton;
constexpr Button A = SDL_CONTROLLER_BUTTON_A, B = SDL_CONTROLLER_BUTTON_B, X = SDL_CONTROLLER_BUTTON_X,
                 Start = SDL_CONTROLLER_BUTTON_START;

// A pad SDL takes for a game controller, plugged in while it lives; the only one, so its index stays.
struct VirtualPad {
    int index = (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER),
                 SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0));
    SDL_Joystick* stick = SDL_JoystickOpen(index);
    ~VirtualPad() { SDL_JoystickClose(stick), SDL_JoystickDetachVirtual(index), SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER); }
    // From -1 to 1, right and down positive.
    void push(Axis axis, float at) { SDL_JoystickSetVirtualAxis(stick, axis, Sint16(std::lround(at * 32767))); }
    // Each button a frame down and a frame up.
    void press(GameDriver& driver, std::initializer_list<Button> buttons)
    {
        for (Button b : buttons) SDL_JoystickSetVirtualButton(stick, b, 1), driver.frames(1), SDL_JoystickSetVirtualButton(stick, b, 0), driver.frames(1);
    }
};

float moved(const Vector3& to, const Vector3& from) { return to.distanceTo(from.x, from.y, from.z); }

TEST(Gamepad, SticksWalkAsTheKeysAndTurnByTimeBeyondTheDeadZone)
{
    const struct { int fps; Axis axis; float at; unsigned char key; float turned; } cases[] = {
        {40, SDL_CONTROLLER_AXIS_LEFTY, -1.0f, 'w', 0}, {40, SDL_CONTROLLER_AXIS_LEFTY, 0.8f, 's', 0},
        {40, SDL_CONTROLLER_AXIS_LEFTX, -1.0f, 'a', 0}, {40, SDL_CONTROLLER_AXIS_LEFTX, 0.7f, 'd', 0},
        {40, SDL_CONTROLLER_AXIS_LEFTY, -0.55f, 0, 0},   // not half way beyond the dead zone walks nowhere
        {40, SDL_CONTROLLER_AXIS_RIGHTX, 1.0f, 0, -150}, // to the right, as fast as the arrow keys
        {20, SDL_CONTROLLER_AXIS_RIGHTX, -1.0f, 0, 150}, // the same in a second at any frame rate
        {50, SDL_CONTROLLER_AXIS_RIGHTX, -0.6f, 0, 75},  // half way beyond the dead zone, half as fast
        {40, SDL_CONTROLLER_AXIS_RIGHTX, 0.15f, 0, 0},   // resting a little off the middle
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.axis << " at " << c.at << ", " << c.fps << " fps");
        GameDriver driver(KORVEL_RUN_DIR, c.fps, 160, 120);
        const Avatar& avatar = driver.level().avatar;
        // From the start of the clock, so the game measures the same frame rates each time.
        const auto played = [&](auto&& hold) {
            driver.clock().setTime(0), driver.restart(), driver.frames(1);
            const float heading = avatar.heading;
            hold(true), driver.frames(c.fps), hold(false), driver.frames(2);
            return std::pair(avatar.position, std::remainder(avatar.heading - heading, 360.0f));
        };
        std::optional<VirtualPad> pad(std::in_place);
        const auto [byPad, turned] = played([&](bool down) { pad->push(c.axis, down ? c.at : 0.0f); });
        const auto byKey = played([&](bool down) {
            if (c.key) down ? driver.controls().keyDown(c.key, 0, 0) : driver.controls().keyUp(c.key, 0, 0);
        });
        driver.restart();
        EXPECT_EQ(moved(byPad, avatar.position) > 1.0f, c.key != 0);
        EXPECT_LT(moved(byPad, byKey.first), 1e-4f);
        EXPECT_NEAR(turned, c.turned, 0.5f);
        if (c.key == 'w') { // pulled out while walking the avatar stands; another one plugged in walks it on
            pad->push(c.axis, -1.0f), driver.frames(2), pad.reset(), driver.frames(1);
            const Vector3 left = avatar.position;
            driver.frames(3);
            EXPECT_EQ(moved(avatar.position, left), 0.0f);
            pad.emplace(), pad->push(c.axis, -1.0f), driver.frames(3);
            EXPECT_GT(moved(avatar.position, left), 1.0f);
        }
    }
}

TEST(Gamepad, ButtonsTalkAnswerCloseAndTakeAsTheKeysAndStartPauses)
{
    const struct { std::initializer_list<Button> buttons; const char* keys; char mode; } cases[] = {
        {{A}, "e", 'g'}, {{A, X}, "e2", 'g'}, {{A, A, A, B}, "e11q", 'a'}, {{X}, "m", 'a'},
    };
    GameDriver driver(KORVEL_RUN_DIR, 40, 160, 120);
    const auto played = [&](auto&& input) { // at the woman
        driver.restart(), driver.level().avatar.position = {110, 0, 12}, driver.frames(2), input(), driver.frames(1);
        return saveText(driver.game().progress()) + driver.message() + driver.controls().inputMode;
    };
    driver.frames(3);
    VirtualPad pad; // plugged in during play
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        const std::string byPad = played([&] { pad.press(driver, c.buttons); });
        EXPECT_EQ(driver.controls().inputMode, c.mode);
        EXPECT_EQ(byPad, played([&] { for (const char* k = c.keys; *k; ++k) driver.press(*k); }));
    }
    pad.press(driver, {Start});
    EXPECT_TRUE(gamePaused());
    pad.press(driver, {Start});
    EXPECT_FALSE(gamePaused());
    forgetPause();
}

} // namespace
