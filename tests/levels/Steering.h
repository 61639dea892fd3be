#pragma once

#include "scene/Vector3.h"
#include "support/GameDriver.h"

#include <initializer_list>
#include <string>

class Avatar;

// Plays the running game as a player at keyboard and mouse would: 'w' held
// to walk, the mouse moved left or right to turn, the avatar's place and
// facing (what the screen shows) read to correct course every frame. Every
// input event takes one frame's time on the driver's clock.
class Steering {
public:
    // A fresh game from the build's run directory at `fps` frames a second in
    // a `width` x `height` window. The pointer is taken to the middle first:
    // its first movement is measured from the corner and turns the view once.
    Steering(int fps, int width, int height);

    void frames(int count = 1);
    void press(unsigned char key);
    void release(unsigned char key);
    void type(unsigned char key); // pressed and released
    void click();                 // the left mouse button: the avatar whistles
    // One frame turning towards `aim` with one mouse step when it lies more
    // than 4 degrees off the walking direction.
    void steerTowards(Vector3 aim);
    // One frame walking towards `aim`, holding 'w' only while it lies ahead.
    void walkTowards(Vector3 aim);

    // Turns with mouse steps until the walking direction is within half a
    // step of `target`; false if the turns are blocked.
    bool face(Vector3 target);
    // Turns, then holds 'w' until the avatar is within `tolerance` of
    // `target`. Stops early (true) when `stop` says so after a frame; false
    // when the avatar gets no closer for three seconds.
    template <typename Stop>
    bool walkTo(Vector3 target, float tolerance, Stop stop);
    bool walkTo(Vector3 target, float tolerance = 0.6f)
    {
        return walkTo(target, tolerance, [] { return false; });
    }
    // Walks through the waypoints in order; a failure names where it stuck.
    bool follow(std::initializer_list<Vector3> path);

    Avatar& avatar();
    // Distance from the avatar in the ground plane.
    float distanceTo(Vector3 p);
    // Signed angle in degrees from the walking direction to p (positive: left).
    float bearing(Vector3 p);

    // Grabs the screen as PNG into $KORVEL_SNAPSHOT_DIR/<name>.png when that
    // variable is set, for watching what the walk does.
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
    int sinceCloser = 0;
    while (distanceTo(target) >= tolerance && !stop()) {
        steerTowards(target);
        const float d = distanceTo(target);
        if (d < best - 0.01f) {
            best = d;
            sinceCloser = 0;
        } else if (++sinceCloser > 3 * fps) {
            release('w');
            return false;
        }
    }
    release('w');
    return true;
}
