#include "effects/ParticleSpray.h"
#include "model/ModelNode.h"
#include "platform/Random.h"
#include "support/GlTestWindow.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>

namespace {

// The game's projection, looking from `eye` at `target`.
void lookAt(Vector3 eye, Vector3 target, Vector3 up = {0, 1, 0})
{
    GlTestWindow::ensure();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, 800.0 / 600.0, 1.0, 4000.0);
    gluLookAt(eye.x, eye.y, eye.z, target.x, target.y, target.z, up.x, up.y, up.z);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

TEST(ParticleTest, TheSprayRisesFasterAndFaster)
{
    lookAt({0, 0, 40}, {});
    resetRandom();
    const auto spray = std::make_unique<ParticleSpray>();
    for (int frame = 0; frame < 70; ++frame) {
        spray->drawParticles();
    }
    const std::vector<Particle> before(spray->particles.begin(), spray->particles.end());
    spray->drawParticles();
    int rising = 0;
    for (int i = 0; i < particleCount; ++i) {
        const Particle& now = spray->particles[i];
        // After 60 frames of 0.981 every living velocity exceeds the largest start, 29.
        if (now.life < before[i].life && before[i].velocity.y > 29.0f) {
            rising += now.offset.y > before[i].offset.y ? 1 : -1000;
        }
    }
    EXPECT_GT(rising, 100);
}

// The chimney smoke of Level 2 hangs on a node turned by about 96 degrees;
// its squares must still face the viewer, whatever the node's heading and
// from whichever side it is seen: lit as far across as up the middle.
TEST(SprayFacingTest, SquaresFaceTheViewerWhateverTheNodeHeading)
{
    const auto lit = [](int x, int y) { return GlTestWindow::pixel(x, y)[1] > 40 ? 1 : 0; };
    const struct { float heading; Vector3 eye; } cases[] =
        {{0, {0, 7, 30}}, {96, {0, 7, 30}}, {96, {30, 7, 0}}, {210, {-20, 7, -20}}};
    for (const auto& c : cases) {
        resetRandom();
        auto node = std::make_unique<ModelNode>();
        node->particleMode = true;
        node->position.set(0, 7, 0);
        node->heading = c.heading;
        node->spray.particleSize = 8.0f;
        node->spray.viewer = c.eye;
        lookAt(c.eye, {0, 7, 0});
        node->draw(Matrix4()); // every particle is reborn
        for (Particle& p : node->spray.particles) {
            p.offset.set(0.0f, 0.0f, 0.0f);
        }
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        node->draw(Matrix4());
        int across = 0, up = 0;
        for (int i = 0; i < GlTestWindow::width; ++i) {
            across += lit(i, GlTestWindow::height / 2);
            up += i < GlTestWindow::height ? lit(GlTestWindow::width / 2, i) : 0;
        }
        EXPECT_GT(up, 100) << c.heading;
        EXPECT_NEAR(across, up, up / 10) << c.heading << " seen from x " << c.eye.x;
    }
    glDisable(GL_LIGHTING);
}

} // namespace
