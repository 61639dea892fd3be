#pragma once

#include "scene/Vector3.h"
#include "support/GameDriver.h"

#include <string>

class Avatar;

// Walks the avatar of the running game as a player at the keyboard and
// mouse would: 'w' held to walk, mouse movements left or right to turn,
// looking at the screen (the avatar's place and facing) to correct course.
// Every input event takes one frame's time on the driver's clock.
class Steering {
public:
    // A fresh game from the build's run directory at `fps` frames per
    // second. The pointer is taken to the middle of the window first: its
    // first movement is measured from the origin and turns the view once.
    explicit Steering(int fps);

    void frame();
    void press(unsigned char key);
    void release(unsigned char key);
    // Presses and releases a key, as a typed key.
    void type(unsigned char key);
    // One mouse movement: a step to the left turns the avatar left ('p').
    void mouseLeft();
    void mouseRight();

    // Turns toward `target` with mouse steps until the walking direction is
    // within half a step of it; false if the turns are blocked.
    bool face(Vector3 target);
    // Turns, then holds 'w' until the avatar is within `tolerance` of
    // `target`, correcting its course on the way. Stops early (true) when
    // `stop` reports so after a frame; false if the avatar gets stuck.
    template <typename Stop>
    bool walkTo(Vector3 target, float tolerance, Stop stop);
    bool walkTo(Vector3 target, float tolerance = 0.6f)
    {
        return walkTo(target, tolerance, [] { return false; });
    }

    // The current level's avatar and how far it is from p in the ground plane.
    Avatar& avatar();
    float distanceTo(Vector3 p);
    // Signed angle in degrees from the walking direction to p (positive: left).
    float bearing(Vector3 p);

    // Grabs the screen as PNG into $KORVEL_SNAPSHOT_DIR/<name>.png when that
    // variable is set (for looking at the game while the test plays it).
    void snapshot(const std::string& name) const;

    GameDriver driver;

private:
    int frameMs;
    int mouseX = 400;
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
    while (distanceTo(target) >= tolerance) {
        const float b = bearing(target);
        if (b > 4.0f) {
            mouseLeft();
        } else if (b < -4.0f) {
            mouseRight();
        } else {
            frame();
        }
        if (stop()) {
            break;
        }
        const float d = distanceTo(target);
        if (d < best - 0.01f) {
            best = d;
            sinceCloser = 0;
        } else if (++sinceCloser > 60) {
            release('w');
            return false;
        }
    }
    release('w');
    return true;
}
