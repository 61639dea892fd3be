#include "game/GameManager.h"
#include "model/Frustum.h"
#include "support/GameDriver.h"
#include "support/GlTestWindow.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <vector>

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

// A point is seen strictly inside all six planes; a box is hidden only
// when all its corners lie behind one and the same plane of the view.
TEST(CullingTest, PointsStrictlyInsideAndLongBoxesStraddlingTheViewAreSeen)
{
    // The projection scales by 2, the modelview moves by (1, 0, 0): the view
    // holds x in (-1.5, -0.5), y and z in (-0.5, 0.5).
    GlTestWindow::ensure();
    const GLfloat scale[16] = {2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 1};
    const GLfloat shift[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 0, 1};
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixf(scale);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(shift);
    Frustum frustum;
    frustum.extract();
    for (const auto& [p, inside] : std::initializer_list<std::pair<Vector3, bool>>{
             {{-1, 0, 0}, true}, {{-1, 0.49f, -0.49f}, true}, {{-0.5f, 0, 0}, false}, {{-1.5f, 0, 0}, false},
             {{-1, 0.5f, 0}, false}, {{-1, -0.5f, 0}, false}, {{-1, 0, 0.5f}, false}, {{-1, 0, -0.5f}, false}}) {
        EXPECT_EQ(frustum.pointInside(p), inside) << p.x << ", " << p.y << ", " << p.z;
    }
    // A wall 20 wide, 0.1 deep, 0.4 high, moved sideways by dx.
    const auto wallInside = [&](float dx) {
        Vector3 p[8];
        for (int i = 0; i < 8; ++i) {
            p[i].set(dx + (i % 4 < 2 ? -10.0f : 10.0f), i < 4 ? -0.2f : 0.2f, (i % 2) ? 0.0f : 0.1f);
        }
        return frustum.boxInside(p);
    };
    EXPECT_TRUE(wallInside(-1)); // every corner is off screen, the middle fills it
    EXPECT_FALSE(wallInside(-30));
    EXPECT_FALSE(wallInside(30));
    glLoadIdentity();
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
