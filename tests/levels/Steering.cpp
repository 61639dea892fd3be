#include "Steering.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

Steering::Steering(int framesPerSecond, int width, int height)
    : driver(KORVEL_RUN_DIR, framesPerSecond, width, height), fps(framesPerSecond),
      frameMs(1000 / framesPerSecond), width(width), mouseY(height / 2)
{
    // The pointer's first movement is measured from the corner: one turn.
    moveMouse(width / 2);
}

void Steering::moveMouse(int x)
{
    driver.clock().advance(frameMs);
    mouseX = x;
    driver.mouseMove(mouseX, mouseY);
}

bool Steering::turn(float towards)
{
    // Near the window's edge the player lifts the mouse back to the middle,
    // which the game takes as one turn the other way.
    if (mouseX < 20 || mouseX > width - 20) {
        moveMouse(width / 2);
    }
    const float heading = avatar().heading;
    moveMouse(towards > 0.0f ? mouseX - 1 : mouseX + 1);
    return avatar().heading != heading;
}

void Steering::press(unsigned char key)
{
    walking = walking || key == 'w';
    driver.clock().advance(frameMs);
    driver.keyDown(key);
}

void Steering::release(unsigned char key)
{
    walking = walking && key != 'w';
    driver.clock().advance(frameMs);
    driver.keyUp(key);
}

void Steering::click()
{
    driver.mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, mouseX, mouseY);
    driver.mouseButton(GLUT_LEFT_BUTTON, GLUT_UP, mouseX, mouseY);
    frames();
}

void Steering::steerTowards(Vector3 aim)
{
    const float b = bearing(aim);
    if (std::fabs(b) <= 4.0f) {
        frames();
    } else {
        turn(b);
    }
}

void Steering::walkTowards(Vector3 aim)
{
    const bool ahead = std::fabs(bearing(aim)) < 45.0f;
    if (ahead != walking) {
        ahead ? press('w') : release('w');
    }
    steerTowards(aim);
}

bool Steering::face(Vector3 target)
{
    for (int turns = 0; turns < 200; ++turns) {
        const float b = bearing(target);
        if (std::fabs(b) <= 75.0f / static_cast<float>(fps) + 0.01f) {
            return true;
        }
        if (!turn(b)) {
            return false;
        }
    }
    return false;
}

bool Steering::follow(std::initializer_list<Vector3> path)
{
    for (const Vector3& p : path) {
        if (!walkTo(p)) {
            ADD_FAILURE() << "stuck on the way to " << p.x << ", " << p.z << " at " << avatar().position.x
                          << ", " << avatar().position.z;
            return false;
        }
    }
    return true;
}

float Steering::distanceTo(Vector3 p)
{
    return std::hypot(p.x - avatar().position.x, p.z - avatar().position.z);
}

float Steering::bearing(Vector3 p)
{
    // The avatar walks against its direction.
    const Vector3& d = avatar().direction;
    const Vector3& a = avatar().position;
    const float wanted = std::atan2(a.x - p.x, a.z - p.z);
    return std::remainder((wanted - std::atan2(d.x, d.z)) * 57.29578f, 360.0f);
}

void Steering::snapshot(const std::string& name) const
{
    if (const char* dir = std::getenv("KORVEL_SNAPSHOT_DIR")) {
        const std::string command = "import -window root '" + std::string(dir) + "/" + name + ".png'";
        EXPECT_EQ(std::system(command.c_str()), 0) << name;
    }
}
