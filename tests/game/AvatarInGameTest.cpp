#include "app/Sound.h"
#include "game/ControlNode.h"
#include "game/GameManager.h"
#include "support/GameDriver.h"

#include <GL/freeglut.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {

// The village of the real game at 40 frames per second; every event comes
// 25 ms after the last frame, as it would while playing.
class AvatarInGameTest : public ::testing::Test {
protected:
    void SetUp() override { driver.frames(10); }

    Avatar& avatar() { return driver.level().avatar; }
    Camera& camera() { return driver.level().camera; }

    void keyDown(unsigned char key)
    {
        driver.clock().advance(25);
        driver.keyDown(key);
    }
    void keyUp(unsigned char key)
    {
        driver.clock().advance(25);
        driver.keyUp(key);
    }
    void click()
    {
        driver.clock().advance(25);
        driver.mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 400, 300);
        driver.clock().advance(25);
        driver.mouseButton(GLUT_LEFT_BUTTON, GLUT_UP, 400, 300);
    }

    // Where GL's projection shows a world point, in window pixels.
    static Vector3 onScreen(const Vector3& p)
    {
        GLdouble projection[16];
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        const GLdouble identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
        GLint viewport[4];
        glGetIntegerv(GL_VIEWPORT, viewport);
        GLdouble x = 0;
        GLdouble y = 0;
        GLdouble z = 0;
        gluProject(p.x, p.y, p.z, identity, projection, viewport, &x, &y, &z);
        return Vector3(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
    }

    GameDriver driver{KORVEL_RUN_DIR, 40};
};

} // namespace

TEST_F(AvatarInGameTest, HeldWWalksHalfAUnitAFrameAndTheViewComesAlong)
{
    ASSERT_FLOAT_EQ(driver.game().framesPerSecond, 40.0f);
    const Vector3 start = avatar().position;
    const Vector3 eyeOffset = Vector3::subtract(camera().position.x, camera().position.y,
                                                camera().position.z, start.x, start.y, start.z);
    const Vector3 seenAt = onScreen(start);

    keyDown('w'); // the press draws the first frame with w held
    driver.frames(9);
    EXPECT_EQ(avatar().animationIndex, 1);
    keyUp('w');
    EXPECT_EQ(avatar().animationIndex, 0);

    const float dx = avatar().position.x - start.x;
    const float dz = avatar().position.z - start.z;
    EXPECT_NEAR(std::hypot(dx, dz), 10 * 0.5f, 1e-3f);
    EXPECT_FLOAT_EQ(avatar().position.y, start.y);
    // Along the way the figure faces.
    EXPECT_NEAR(dx, -avatar().direction.x * 5.0f, 1e-3f);
    EXPECT_NEAR(dz, -avatar().direction.z * 5.0f, 1e-3f);

    const Vector3& eye = camera().position;
    EXPECT_NEAR(eye.x - avatar().position.x, eyeOffset.x, 1e-3f);
    EXPECT_NEAR(eye.y - avatar().position.y, eyeOffset.y, 1e-3f);
    EXPECT_NEAR(eye.z - avatar().position.z, eyeOffset.z, 1e-3f);
    const Vector3 seenNow = onScreen(avatar().position);
    EXPECT_NEAR(seenNow.x, seenAt.x, 0.05f);
    EXPECT_NEAR(seenNow.y, seenAt.y, 0.05f);
}

TEST_F(AvatarInGameTest, ClicksWhistleAndStopWhistling)
{
    click();
    EXPECT_TRUE(avatar().whistling);
    EXPECT_EQ(avatar().animationIndex, 2);
    driver.frames(5);
    SoundStatus sound = soundStatus();
    EXPECT_EQ(sound.lastPath, "data/sound/pfeifen.wav");
    EXPECT_EQ(sound.lastMode, SoundMode::Looped);
    EXPECT_TRUE(sound.playing);
    EXPECT_EQ(avatar().animationIndex, 2);

    click();
    EXPECT_FALSE(avatar().whistling);
    EXPECT_EQ(avatar().animationIndex, 0);
    sound = soundStatus();
    EXPECT_EQ(sound.lastPath, "data/sound/leer.wav");
    EXPECT_EQ(sound.lastMode, SoundMode::Once);
}
