#include "StillVillage.h"
#include "model/Frustum.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

// A box is hidden only when all its corners lie behind one and the same
// plane of the view.
TEST(CullingTest, LongBoxStraddlingTheViewIsInsideOneBesideItIsNot)
{
    GlTestWindow::ensure();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, 800.0 / 600.0, 1.0, 4000.0);
    gluLookAt(0, 2, 0, 0, 2, -10, 0, 1, 0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    Frustum frustum;
    frustum.extract();

    // A wall 200 wide, 1 deep, 3 high, 20 ahead, moved sideways by dx.
    const auto wallInside = [&](float dx) {
        Vector3 p[8];
        for (int i = 0; i < 8; ++i) {
            p[i].set(dx + (i % 4 < 2 ? -100.0f : 100.0f), i < 4 ? 0.0f : 3.0f, (i % 2) ? -20.0f : -21.0f);
        }
        return frustum.boxInside(p);
    };
    EXPECT_TRUE(wallInside(0.0f));     // every corner is off screen, the middle fills it
    EXPECT_FALSE(wallInside(-200.0f)); // wholly left of the view
    EXPECT_FALSE(wallInside(200.0f));  // wholly right of it
}

// Culling only saves work: Level 1's start view, with its back wall seen in
// the middle, is the same picture with culling on and off.
TEST(CullingTest, StartViewIsTheSamePictureWithCullingOnAndOff)
{
    GameDriver driver(KORVEL_RUN_DIR);
    Level1& village = stillVillage(driver);
    driver.frames(2);
    driver.drawFrame();
    EXPECT_FALSE(village.boundaryW.hidden);
    const std::vector<unsigned char> culled = readPicture();

    driver.game().frustumCulling = false; // as F8 does, without its message
    driver.frames(1);
    driver.drawFrame();
    const std::vector<unsigned char> everything = readPicture();
    int differing = 0;
    for (std::size_t i = 0; i < culled.size(); ++i) {
        differing += culled[i] != everything[i] ? 1 : 0;
    }
    EXPECT_EQ(differing, 0);
}

namespace {

// Every vertex `node` draws, in world coordinates, read back through GL
// feedback: an orthographic view of +-1000 units maps them one to one.
std::vector<Vector3> drawnVertices(ModelNode& node)
{
    static std::vector<float> feedback(1 << 21);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-1000, 1000, -1000, 1000, -1000, 1000);
    glMatrixMode(GL_MODELVIEW);
    glFeedbackBuffer(static_cast<GLsizei>(feedback.size()), GL_3D, feedback.data());
    glRenderMode(GL_FEEDBACK);
    node.draw(Matrix4());
    const int used = glRenderMode(GL_RENDER);
    std::vector<Vector3> vertices;
    for (int i = 0; i < used;) {
        const float token = feedback[i++];
        if (token == GL_PASS_THROUGH_TOKEN) {
            ++i;
            continue;
        }
        const int count = token == GL_POLYGON_TOKEN ? static_cast<int>(feedback[i++]) : token == GL_POINT_TOKEN ? 1 : 2;
        for (int k = 0; k < count; ++k, i += 3) {
            vertices.emplace_back(feedback[i] / 400.0f * 1000.0f - 1000.0f, feedback[i + 1] / 300.0f * 1000.0f - 1000.0f,
                                  1000.0f - feedback[i + 2] * 2000.0f);
        }
    }
    return vertices;
}

} // namespace

// Nothing culled may be on screen: looking round from the middle of every
// level, no vertex of a hidden object lies in the view. (The collision
// boxes are smaller than eaves and crowns, so they cannot be what is tested.)
TEST(CullingTest, NoCulledObjectHasAVertexInView)
{
    GameDriver driver(KORVEL_RUN_DIR);
    GameManager& game = driver.game();
    for (int number = 1; number <= 6; ++number) {
        game.currentLevel->nextLevel = number;
        driver.frames(1);
        Camera& camera = game.currentLevel->camera;
        for (int step = 0; step < 16; ++step) {
            const float a = static_cast<float>(step) * 0.3927f;
            camera.position.set(100, 5, 100);
            camera.target.set(100 + 10 * std::cos(a), 3, 100 + 10 * std::sin(a));
            camera.apply();
            driver.frames(2);
            for (ModelNode* object : game.currentLevel->obstacles) {
                if (!object->hidden) {
                    continue;
                }
                int inView = 0;
                const bool casts = object->castsShadow;
                object->castsShadow = false; // a culled object's shadow is drawn anyway
                object->hidden = false;
                for (const Vector3& v : drawnVertices(*object)) {
                    inView += game.frustum.pointInside(v) ? 1 : 0;
                }
                object->castsShadow = casts;
                object->hidden = true;
                EXPECT_EQ(inView, 0) << "level " << number << " " << object->getName() << " step " << step;
            }
            camera.apply();
        }
    }
}
