#include "app/GameManager.h"
#include "support/GameDriver.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>
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

} // namespace

// Looking round from the middle of every level, culling hides objects, but
// none with a vertex in the view. (The collision boxes are smaller than
// eaves and crowns, so they cannot be what is tested.)
TEST(CullingTest, NoCulledObjectHasAVertexInView)
{
    GameDriver driver(KORVEL_RUN_DIR);
    GameManager& game = driver.game();
    int culled = 0;
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
                ++culled;
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
    EXPECT_GT(culled, 100);
}
