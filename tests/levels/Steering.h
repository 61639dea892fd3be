#pragma once

#include "game/Level.h"
#include "support/GameDriver.h"

#include <initializer_list>
#include <string>

// Plays the running game as a player at keyboard and mouse would: 'w' held
// to walk, the mouse moved left or right to turn, the avatar's place and
// facing (what the screen shows) read to correct course every frame. Every
// input event takes one frame's time on the driver's clock.
class Steering {
public:
    // A fresh game at `fps` frames a second in a `width` x `height` window.
    Steering(int fps, int width, int height);

    void frames(int count = 1) { driver.frames(count); }
    void press(unsigned char key);
    void release(unsigned char key);
    void type(unsigned char key) { press(key), release(key); }
    void click(); // the left mouse button: the avatar whistles
    // One frame turning towards `aim` by a mouse step when it lies more than
    // 4 degrees off the walking direction.
    void steerTowards(Vector3 aim);
    // The same, holding 'w' only while `aim` lies ahead: far off course the
    // player stops and turns on the spot rather than walk a circle.
    void walkTowards(Vector3 aim);
    // Turns until the walking direction is within half a step of `target`;
    // false if the turns are blocked.
    bool face(Vector3 target);
    // Turns, then holds 'w' until the avatar is within `tolerance` of
    // `target` or `stop` says so; false when it gets no closer for 3 s.
    template <typename Stop>
    bool walkTo(Vector3 target, float tolerance, Stop stop);
    bool walkTo(Vector3 target) { return walkTo(target, 0.6f, [] { return false; }); }
    // Walks through the waypoints in order; a failure says where it stuck.
    bool follow(std::initializer_list<Vector3> path);

    Avatar& avatar() { return driver.level().avatar; }
    // Distance from the avatar in the ground plane.
    float distanceTo(Vector3 p);
    // Signed angle in degrees from the walking direction to p (positive: left).
    float bearing(Vector3 p);
    // With $KORVEL_SNAPSHOT_DIR set, saves the screen there as <name>.png.
    void snapshot(const std::string& name) const;

    GameDriver driver;

private:
    void moveMouse(int x);
    // One mouse step left (towards > 0) or right; false if the turn is blocked.
    bool turn(float towards);

    int fps;
    int frameMs;
    int width;
    int mouseX = 0;
    int mouseY;
    bool walking = false;
};

template <typename Stop>
bool Steering::walkTo(Vector3 target, float tolerance, Stop stop)
{
    if (!face(target)) {
        return false;
    }
    press('w');
    float best = distanceTo(target);
    for (int sinceCloser = 0; distanceTo(target) >= tolerance && !stop();) {
        steerTowards(target);
        if (distanceTo(target) < best - 0.01f) {
            best = distanceTo(target);
            sinceCloser = 0;
        } else if (++sinceCloser > 3 * fps) {
            release('w');
            return false;
        }
    }
    release('w');
    return true;
}
