#include "AvatarScene.h"

#include "app/Sound.h"
#include "scene/Actor.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include <cmath>

using avatarscene::AvatarScene;
using avatarscene::boxFile;
using avatarscene::groundSquare;

namespace {

class AvatarTest : public AvatarScene {
protected:
    // Where the camera in GL's projection matrix shows a world point, in pixels.
    static Vector3 onScreen(const Vector3& p)
    {
        GLdouble projection[16];
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        const GLdouble identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
        const GLint viewport[4] = {0, 0, GlTestWindow::width, GlTestWindow::height};
        GLdouble x = 0;
        GLdouble y = 0;
        GLdouble z = 0;
        gluProject(p.x, p.y, p.z, identity, projection, viewport, &x, &y, &z);
        return Vector3(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
    }

    // Gives a node a box, around its position, from its bounding-box file.
    void loadBoxed(ModelNode& node, const char* model, float x0, float z0, float x1, float z1)
    {
        const std::string name = std::string("data/") + model + ".ms3d";
        dir.write(name, groundSquare(0.5f));
        dir.write(std::string("data/bb") + model + ".ms3d", boxFile(x0, z0, x1, z1));
        node.hasBoundingBox = true;
        ASSERT_TRUE(node.load(name.c_str()));
    }

    void press(int key, int frames)
    {
        for (int i = 0; i < frames; ++i) {
            avatar.command(key);
        }
    }
};

void expectNear(const Vector3& v, const Vector3& expected, float tolerance = 1e-4f)
{
    EXPECT_NEAR(v.x, expected.x, tolerance);
    EXPECT_NEAR(v.y, expected.y, tolerance);
    EXPECT_NEAR(v.z, expected.z, tolerance);
}

// The smallest z of the bottom outline: the figure's front when it faces -Z.
float frontZ(const ModelNode& node)
{
    float z = node.box.points[0].z;
    for (int i = 1; i < 4; ++i) {
        z = std::fmin(z, node.box.points[i].z);
    }
    return z;
}

Vector3 minus(const Vector3& a, const Vector3& b)
{
    return Vector3::subtract(a.x, a.y, a.z, b.x, b.y, b.z);
}

} // namespace

TEST_F(AvatarTest, WalkingSpeedsArePerSecond)
{
    avatar.frameRate = 40;
    control.keyDown('w', 0, 0);
    frame();
    expectNear(avatar.position, {0, 0, -0.5f}); // 20 units a second, facing -Z
    control.keyUp('w', 0, 0);
    control.keyDown('s', 0, 0);
    frame();
    frame();
    expectNear(avatar.position, {0, 0, 0.25f}); // 15 back
    control.keyUp('s', 0, 0);

    // No clamp: at 10 frames per second a step is four times as long.
    avatar.frameRate = 10;
    avatar.position.set(0, 0, 0);
    control.keyDown('w', 0, 0);
    frame();
    expectNear(avatar.position, {0, 0, -2});
}

TEST_F(AvatarTest, ForwardAndBackTogetherNetFiveUnitsASecond)
{
    avatar.frameRate = 40;
    control.keyDown('w', 0, 0);
    control.keyDown('s', 0, 0);
    for (int i = 0; i < 40; ++i) {
        frame();
    }
    expectNear(avatar.position, {0, 0, -5}, 1e-3f);
}

TEST_F(AvatarTest, AStepsToTheFiguresLeftAndDToItsRight)
{
    avatar.frameRate = 40;
    control.keyDown('a', 0, 0);
    frame();
    expectNear(avatar.position, {-0.3f, 0, 0}); // facing -Z, left is -X
    control.keyUp('a', 0, 0);
    control.keyDown('d', 0, 0);
    frame();
    frame();
    expectNear(avatar.position, {0.3f, 0, 0});

    // Facing -X the figure's left is +Z.
    avatar.position.set(0, 0, 0);
    avatar.direction.set(1, 0, 0);
    control.keyUp('d', 0, 0);
    control.keyDown('a', 0, 0);
    frame();
    expectNear(avatar.position, {0, 0, 0.3f});
}

TEST_F(AvatarTest, MovingStartsTheWalkCycleAtItsFrameRatePace)
{
    avatar.frameRate = 70;
    avatar.command('w');
    EXPECT_EQ(avatar.animationIndex, 1);
    EXPECT_EQ(avatar.currentAnimation, 1);
    EXPECT_TRUE(avatar.restartPending);
    EXPECT_EQ(avatar.animations[1].stepsPerKeyframe, 4); // 300 / 70, truncated

    // Only a switch sets the pace; the level keeps it up to date afterwards.
    avatar.restartPending = false;
    avatar.command('s');
    EXPECT_FALSE(avatar.restartPending);
    EXPECT_EQ(avatar.animations[1].stepsPerKeyframe, 4);

    for (int key : {'s', 'a', 'd'}) {
        avatar.command('x');
        EXPECT_EQ(avatar.animationIndex, 0);
        EXPECT_EQ(avatar.currentAnimation, 0);
        avatar.command(key);
        EXPECT_EQ(avatar.animations[1].stepsPerKeyframe, 8) << char(key); // 600 / 70
    }
    // Turning and pitching do not walk.
    avatar.command('x');
    for (int key : {'p', 'n', 'y', 'z'}) {
        avatar.command(key);
    }
    EXPECT_EQ(avatar.animationIndex, 0);
}

TEST_F(AvatarTest, AWallStopsTheFigureAtItsEdge)
{
    avatar.frameRate = 40;
    ModelNode wall;
    wall.position.set(0, 0, -5);
    loadBoxed(wall, "mauer", -10, -1, 10, 1); // z from -6 to -4
    loadBoxed(avatar, "figur", -1, -1, 1, 1);
    const std::vector<ModelNode*> obstacles{&wall};
    avatar.obstacles = &obstacles;

    control.keyDown('w', 0, 0);
    for (int i = 0; i < 20; ++i) {
        frame();
    }
    // Steps of 0.5: the front edge may touch the wall's at z = -4, not pass it.
    expectNear(avatar.position, {0, 0, -3});
    EXPECT_FLOAT_EQ(frontZ(avatar), -4.0f);
    expectNear(camera.position, {0, 5, 7});
    // Blocked, the legs still move.
    EXPECT_EQ(avatar.animationIndex, 1);

    // Sideways along the wall is free; backwards too.
    control.keyUp('w', 0, 0);
    control.keyDown('d', 0, 0);
    frame();
    expectNear(avatar.position, {0.3f, 0, -3});
    control.keyUp('d', 0, 0);
    control.keyDown('s', 0, 0);
    frame();
    expectNear(avatar.position, {0.3f, 0, -2.625f});
    EXPECT_NEAR(frontZ(avatar), -3.625f, 1e-4f);
}

TEST_F(AvatarTest, AWallBesideTheFigureStopsItTurning)
{
    avatar.frameRate = 5; // 30 degrees a step
    ModelNode wall;
    wall.position.set(3, 0, 0);
    loadBoxed(wall, "mauer2", -1.5f, -10, 2, 10); // x from 1.5 to 5
    loadBoxed(avatar, "lang", -0.5f, -3, 0.5f, 3);
    const std::vector<ModelNode*> obstacles{&wall};
    avatar.obstacles = &obstacles;
    const Vector3 eye = camera.position;
    const BoundingBox before = avatar.box;

    for (int key : {'p', 'n'}) {
        avatar.command(key);
        EXPECT_FLOAT_EQ(avatar.heading, 180.0f) << char(key);
        expectNear(avatar.direction, {0, 0, 1});
        for (int i = 0; i < 4; ++i) {
            expectNear(avatar.box.points[i], before.points[i]);
            expectNear(avatar.box.cornerDir[i], before.cornerDir[i]);
        }
        expectNear(camera.position, eye);
    }

    // Without obstacles it turns.
    const std::vector<ModelNode*> none;
    avatar.obstacles = &none;
    avatar.command('p');
    EXPECT_FLOAT_EQ(avatar.heading, 210.0f);
}

TEST_F(AvatarTest, HeadingStaysWithinAFullTurn)
{
    avatar.frameRate = 15; // 10 degrees a step
    avatar.heading = 300;
    for (int i = 0; i < 20; ++i) {
        avatar.command('p');
        EXPECT_GE(avatar.heading, 0.0f);
        EXPECT_LT(avatar.heading, 360.0f);
    }
    EXPECT_NEAR(avatar.heading, 140.0f, 1e-3f);
    avatar.heading = 100;
    for (int i = 0; i < 20; ++i) {
        avatar.command('n');
        EXPECT_GE(avatar.heading, 0.0f);
        EXPECT_LT(avatar.heading, 360.0f);
    }
    EXPECT_NEAR(avatar.heading, 260.0f, 1e-3f);

    // A turn that leaves a hair below 0 does not end on 360.
    avatar.heading = 0;
    avatar.turn(-1e-6f);
    EXPECT_GE(avatar.heading, 0.0f);
    EXPECT_LT(avatar.heading, 360.0f);
}

TEST_F(AvatarTest, TheModelFacesTheWayItTurned)
{
    avatar.frameRate = 15;
    for (int i = 0; i < 9; ++i) {
        avatar.command('p');
    }
    // 180 + 90: the figure now faces -X and walks that way.
    EXPECT_NEAR(avatar.heading, 270.0f, 1e-3f);
    EXPECT_NEAR(avatar.direction.headingTo(avatar.forward), 270.0f, 1e-2f);
    avatar.walk(1);
    expectNear(avatar.position, {-1, 0, 0}, 1e-5f);
}

TEST_F(AvatarTest, TheCameraFollowsRigidly)
{
    avatar.frameRate = 40;
    camera.apply();
    const Vector3 seenAt = onScreen(avatar.position);
    EXPECT_NEAR(seenAt.x, 400.0f, 0.5f);
    EXPECT_NEAR(seenAt.y, 300.0f, 0.5f);

    control.keyDown('w', 0, 0);
    control.keyDown('a', 0, 0);
    for (int i = 0; i < 10; ++i) {
        frame();
    }
    expectNear(avatar.position, {-3, 0, -5}, 1e-3f);
    expectNear(minus(camera.position, avatar.position), {0, 5, 10}, 1e-3f);
    expectNear(minus(camera.target, avatar.position), {0, 0, 0}, 1e-3f);
    // GL holds the moved view: the figure is still in the middle of the window.
    expectNear(onScreen(avatar.position), seenAt, 0.01f);

    // Turning swings the eye round the figure and keeps looking at its feet.
    control.keyUp('w', 0, 0);
    control.keyUp('a', 0, 0);
    avatar.turn(90);
    expectNear(camera.target, {avatar.position.x, 0, avatar.position.z}, 1e-4f);
    const Vector3 offset = minus(camera.position, camera.target);
    EXPECT_NEAR(offset.x, 10.0f, 1e-3f); // the figure now faces -X: the eye is behind it
    EXPECT_NEAR(offset.y, 5.0f, 1e-4f);
    EXPECT_NEAR(offset.z, 0.0f, 1e-3f);
    expectNear(onScreen(avatar.position), seenAt, 0.01f);
}

TEST_F(AvatarTest, MouseUpAndDownTiltTheView)
{
    avatar.frameRate = 1; // 15 degrees a step
    const float distance = std::sqrt(125.0f);
    avatar.command('y');
    EXPECT_NEAR(camera.position.y, 5.0f + distance * std::sin(15.0f * 3.14159265f / 180.0f), 1e-3f);
    expectNear(camera.target, {0, 0, 0});
    const float raised = camera.position.y;
    avatar.command('z');
    EXPECT_LT(camera.position.y, raised);
    expectNear(avatar.position, {0, 0, 0});
}

TEST_F(AvatarTest, WhistleSoundsAndAnimationsFollowTheKeys)
{
    control.keyDown('w', 0, 0);
    frame();
    EXPECT_EQ(avatar.animationIndex, 1);

    control.mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 1, 1);
    EXPECT_TRUE(avatar.whistling);
    EXPECT_EQ(avatar.animationIndex, 2);
    SoundStatus sound = soundStatus();
    EXPECT_EQ(sound.lastPath, "data/sound/pfeifen.wav");
    EXPECT_EQ(sound.lastMode, SoundMode::Looped);
    EXPECT_TRUE(sound.playing);

    frame(); // w still held: walking again, still whistling
    EXPECT_EQ(avatar.animationIndex, 1);
    EXPECT_EQ(soundStatus().lastPath, "data/sound/pfeifen.wav");

    control.keyUp('w', 0, 0);
    frame(); // 'x'
    EXPECT_EQ(avatar.animationIndex, 0);
    EXPECT_TRUE(avatar.whistling);
    sound = soundStatus();
    EXPECT_EQ(sound.lastPath, "data/sound/pfeifen.wav");
    EXPECT_TRUE(sound.playing);

    control.mouseButton(GLUT_LEFT_BUTTON, GLUT_UP, 1, 1);
    control.mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 1, 1);
    EXPECT_FALSE(avatar.whistling);
    EXPECT_EQ(avatar.animationIndex, 0);
    sound = soundStatus();
    EXPECT_EQ(sound.lastPath, "data/sound/leer.wav");
    EXPECT_EQ(sound.lastMode, SoundMode::Once);
}

TEST_F(AvatarTest, StandingStillKeepsTheWhistleAnimation)
{
    avatar.toggleWhistle();
    EXPECT_EQ(avatar.animationIndex, 2);
    avatar.restartPending = false;
    frame(); // 'x'
    frame();
    EXPECT_EQ(avatar.animationIndex, 2);
    EXPECT_EQ(avatar.currentAnimation, 2);
    EXPECT_FALSE(avatar.restartPending);
    avatar.toggleWhistle();
    EXPECT_EQ(avatar.animationIndex, 0);
    EXPECT_EQ(avatar.currentAnimation, 0);
    EXPECT_EQ(soundStatus().lastPath, "data/sound/leer.wav");
}

TEST_F(AvatarTest, EveryKeyIsPassedOnAfterTheFigureActs)
{
    for (int key : std::initializer_list<int>{'w', 'x', 'e', '1', 'q', 'v', 'Q', 200}) {
        avatar.command(key);
    }
    EXPECT_EQ(below.keys, std::string("wxe1qvQ") + static_cast<char>(200));
}

TEST_F(AvatarTest, ACarriedActorFollowsInFront)
{
    avatar.frameRate = 40;
    avatar.removeChild(&below);
    Actor sheep;
    sheep.followDistance = -3; // in front: the figure faces against `direction`
    sheep.castsShadow = false;
    Actor bell; // hangs on the sheep
    bell.castsShadow = false;
    bell.position.set(0, 1, -3);
    sheep.addChild(&bell);
    avatar.addChild(&sheep);

    control.keyDown('w', 0, 0);
    for (int i = 0; i < 4; ++i) {
        frame();
    }
    avatar.draw(Matrix4());
    expectNear(avatar.position, {0, 0, -2});
    expectNear(sheep.position, {0, 0, -5});
    EXPECT_NEAR(sheep.heading, 180.0f, 1e-3f);
    expectNear(bell.position, {0, 1, -5}); // took over this frame's two units

    // The motion is used once: a frame without a step leaves the bell.
    control.keyUp('w', 0, 0);
    frame();
    avatar.draw(Matrix4());
    expectNear(bell.position, {0, 1, -5});
    expectNear(sheep.position, {0, 0, -5});
}

TEST_F(AvatarTest, TheFigureIsDrawnWhereItStands)
{
    dir.write("data/figur.ms3d", groundSquare(1));
    ASSERT_TRUE(avatar.load("data/figur.ms3d"));
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glColor3f(1, 0, 0);

    avatar.frameRate = 40;
    control.keyDown('w', 0, 0);
    control.keyDown('d', 0, 0);
    for (int i = 0; i < 20; ++i) {
        frame();
    }
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    avatar.draw(Matrix4());
    // The camera came along: the figure is in the middle of the picture.
    EXPECT_EQ(GlTestWindow::pixel(400, 300)[0], 255);
    EXPECT_EQ(GlTestWindow::pixel(400, 300)[1], 0);
    // Its old place, 10 units behind and 6 to the left, is empty.
    const Vector3 old = onScreen({0, 0, 0});
    EXPECT_EQ(GlTestWindow::pixel(static_cast<int>(old.x), static_cast<int>(old.y))[0], 0);
    // The modelview matrix is left as it was found.
    GLfloat modelview[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    EXPECT_FLOAT_EQ(modelview[12], 0.0f);
    EXPECT_FLOAT_EQ(modelview[14], 0.0f);
}
