#include "app/GameManager.h"
#include "support/GameDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>
#include <vector>

namespace {

// Whether GL itself, projecting and clipping by the matrices in use, keeps
// anything of what `node` draws: read back through GL feedback.
std::vector<float> whatGlShows(const std::function<void()>& draw)
{
    std::vector<float> feedback(1 << 21);
    glFeedbackBuffer(static_cast<GLsizei>(feedback.size()), GL_3D, feedback.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    feedback.resize(static_cast<std::size_t>(std::max(glRenderMode(GL_RENDER), 0)));
    return feedback;
}

// The polygons GL keeps of what `draw` draws, in window coordinates, sorted.
std::vector<std::vector<float>> polygonsGlShows(const std::function<void()>& draw)
{
    const std::vector<float> feedback = whatGlShows(draw);
    std::vector<std::vector<float>> polygons;
    for (std::size_t i = 0; i + 1 < feedback.size();) {
        EXPECT_EQ(feedback[i], GL_POLYGON_TOKEN);
        const std::size_t floats = 3 * static_cast<std::size_t>(feedback[i + 1]);
        polygons.emplace_back(feedback.begin() + static_cast<long>(i + 2), feedback.begin() + static_cast<long>(i + 2 + floats));
        i += 2 + floats;
    }
    std::ranges::sort(polygons);
    return polygons;
}

bool glShowsAnyOf(ModelNode& node)
{
    return !whatGlShows([&] { node.draw(Matrix4()); }).empty();
}

} // namespace

// Looking round from the middle of every level, culling hides objects,
// shadows and pieces of the ground and the hills, but none that GL would show. (The collision boxes are smaller
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
            // What comes into view is drawn in the frame it does: as many
            // models as in the next frame, unless the camera moved in between
            // (it moves in where an object stands before the figure).
            const int drawnAtFirst = driver.modelsDrawnInAFrame();
            const Vector3 eye = camera.eye();
            const int drawnNext = driver.modelsDrawnInAFrame();
            if (eye.distanceTo(camera.eye().x, camera.eye().y, camera.eye().z) == 0.0f) {
                EXPECT_EQ(drawnAtFirst, drawnNext) << "level " << number << " step " << step;
            }
            camera.apply();
            for (ModelNode* surface : {&game.currentLevel->ground, &game.currentLevel->hill}) {
                const auto culled = polygonsGlShows([&] { surface->drawAhead(); });
                const Frustum* view = std::exchange(surface->view, nullptr);
                EXPECT_FALSE(culled.empty());
                EXPECT_EQ(culled, polygonsGlShows([&] { surface->drawAhead(); })) << "level " << number << " step " << step;
                surface->view = view;
            }
            for (ModelNode* caster : game.currentLevel->shadowCasters) {
                if (caster->shadowOutOfView) {
                    ++culledShadows;
                    const bool hidden = caster->hidden;
                    caster->hidden = true; // the shadow alone
                    caster->shadowOutOfView = false;
                    EXPECT_FALSE(glShowsAnyOf(*caster)) << "level " << number << " shadow of " << caster->getName();
                    caster->hidden = hidden;
                    caster->shadowOutOfView = true;
                }
            }
            for (ModelNode* object : game.currentLevel->obstacles) {
                if (!object->outOfView) {
                    continue;
                }
                ++culled;
                const bool casts = object->castsShadow;
                object->castsShadow = false; // its shadow is looked at on its own above
                object->outOfView = false;
                EXPECT_FALSE(glShowsAnyOf(*object)) << "level " << number << " " << object->getName() << " step " << step;
                object->castsShadow = casts;
                object->outOfView = true;
            }
        }
    }
    EXPECT_GT(culled, 100);
    EXPECT_GT(culledShadows, 100);
}
