#include "Steering.h"

#include "game/Level.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

namespace {

constexpr int mouseY = 300;
constexpr float degrees = 57.29578f;

} // namespace

Steering::Steering(int fps) : driver(KORVEL_RUN_DIR, fps), frameMs(1000 / fps)
{
    driver.clock().advance(frameMs);
    driver.mouseMove(mouseX, mouseY);
}

void Steering::frame()
{
    driver.frames(1);
}

void Steering::press(unsigned char key)
{
    driver.clock().advance(frameMs);
    driver.keyDown(key);
}

void Steering::release(unsigned char key)
{
    driver.clock().advance(frameMs);
    driver.keyUp(key);
}

void Steering::type(unsigned char key)
{
    press(key);
    release(key);
}

void Steering::mouseLeft()
{
    driver.clock().advance(frameMs);
    driver.mouseMove(--mouseX, mouseY);
}

void Steering::mouseRight()
{
    driver.clock().advance(frameMs);
    driver.mouseMove(++mouseX, mouseY);
}

bool Steering::face(Vector3 target)
{
    for (int turns = 0; turns < 200; ++turns) {
        const float b = bearing(target);
        const float step = 150.0f * static_cast<float>(frameMs) / 1000.0f;
        if (std::fabs(b) <= step / 2.0f + 0.01f) {
            return true;
        }
        const float heading = avatar().heading;
        if (b > 0.0f) {
            mouseLeft();
        } else {
            mouseRight();
        }
        if (avatar().heading == heading) {
            return false;
        }
    }
    return false;
}

Avatar& Steering::avatar()
{
    return driver.level().avatar;
}

float Steering::distanceTo(Vector3 p)
{
    const Vector3& a = avatar().position;
    return std::hypot(p.x - a.x, p.z - a.z);
}

float Steering::bearing(Vector3 p)
{
    // The avatar walks against its direction.
    const Vector3& d = avatar().direction;
    const Vector3& a = avatar().position;
    const float walkAngle = std::atan2(d.x, d.z);
    const float wantAngle = std::atan2(-(p.x - a.x), -(p.z - a.z));
    float diff = (wantAngle - walkAngle) * degrees;
    while (diff > 180.0f) {
        diff -= 360.0f;
    }
    while (diff < -180.0f) {
        diff += 360.0f;
    }
    return diff;
}

void Steering::snapshot(const std::string& name) const
{
    const char* dir = std::getenv("KORVEL_SNAPSHOT_DIR");
    if (dir == nullptr) {
        return;
    }
    const std::string command = "import -window root '" + std::string(dir) + "/" + name + ".png'";
    if (std::system(command.c_str()) != 0) {
        ADD_FAILURE() << "could not take " << name;
    }
}
