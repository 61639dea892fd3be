#include "app/GameManager.h"
#include "support/GameDriver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// Whether GL itself, projecting and clipping by the matrices in use, keeps
// anything of what `node` draws: read back through GL feedback.
bool glShowsAnyOf(ModelNode& node)
{
    static std::vector<float> feedback(1 << 21);
    glFeedbackBuffer(static_cast<GLsizei>(feedback.size()), GL_3D, feedback.data());
    glRenderMode(GL_FEEDBACK);
    node.draw(Matrix4());
    return glRenderMode(GL_RENDER) != 0;
}

} // namespace

// Looking round from the middle of every level, culling hides objects and
// shadows, but none that GL would show. (The collision boxes are smaller
// than eaves and crowns, so they cannot be what is tested.)
TEST(CullingTest, NoCulledObjectOrShadowWouldBeSeen)
{
    GameDriver driver(KORVEL_RUN_DIR);
    GameManager& game = driver.game();
    int culled = 0;
    int culledShadows = 0;
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
            camera.apply();
            for (ModelNode* caster : game.currentLevel->shadowCasters) {
                if (caster->shadowHidden) {
                    ++culledShadows;
                    const bool hidden = caster->hidden;
                    caster->hidden = true; // the shadow alone
                    caster->shadowHidden = false;
                    EXPECT_FALSE(glShowsAnyOf(*caster)) << "level " << number << " shadow of " << caster->getName();
                    caster->hidden = hidden;
                    caster->shadowHidden = true;
                }
            }
            for (ModelNode* object : game.currentLevel->obstacles) {
                if (!object->hidden) {
                    continue;
                }
                ++culled;
                const bool casts = object->castsShadow;
                object->castsShadow = false; // its shadow is looked at on its own above
                object->hidden = false;
                EXPECT_FALSE(glShowsAnyOf(*object)) << "level " << number << " " << object->getName() << " step " << step;
                object->castsShadow = casts;
                object->hidden = true;
            }
        }
    }
    EXPECT_GT(culled, 100);
    EXPECT_GT(culledShadows, 100);
}
