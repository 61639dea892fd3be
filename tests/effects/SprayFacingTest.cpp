#include "model/ModelNode.h"
#include "platform/Random.h"
#include "support/GlTestWindow.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <memory>

namespace {

// Lit pixels along the row and the column through the middle of the window.
std::pair<int, int> litExtent()
{
    int across = 0;
    int up = 0;
    for (int x = 0; x < GlTestWindow::width; ++x) {
        across += GlTestWindow::pixel(x, GlTestWindow::height / 2)[1] > 40 ? 1 : 0;
    }
    for (int y = 0; y < GlTestWindow::height; ++y) {
        up += GlTestWindow::pixel(GlTestWindow::width / 2, y)[1] > 40 ? 1 : 0;
    }
    return {across, up};
}

} // namespace

// The chimney smoke of Level 2 hangs on a node turned by about 96 degrees;
// its squares must still face the viewer, whatever the node's heading and
// from whichever side it is seen.
TEST(SprayFacingTest, SquaresFaceTheViewerWhateverTheNodeHeading)
{
    GlTestWindow::ensure();
    const struct {
        float heading;
        Vector3 eye;
    } cases[] = {{0, {0, 7, 30}}, {96, {0, 7, 30}}, {96, {30, 7, 0}}, {210, {-20, 7, -20}}};
    for (const auto& c : cases) {
        resetRandom();
        auto node = std::make_unique<ModelNode>();
        node->particleMode = true;
        node->position.set(0, 7, 0);
        node->heading = c.heading;
        node->spray.particleSize = 8.0f;
        node->spray.viewer = c.eye;

        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(45.0, 800.0 / 600.0, 1.0, 4000.0);
        gluLookAt(c.eye.x, c.eye.y, c.eye.z, 0, 7, 0, 0, 1, 0);
        glMatrixMode(GL_MODELVIEW);
        node->draw(Matrix4()); // every particle is reborn
        for (Particle& p : node->spray.particles) {
            p.offset.set(0.0f, 0.0f, 0.0f);
        }
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        node->draw(Matrix4());

        const auto [across, up] = litExtent();
        EXPECT_GT(up, 100) << c.heading;
        EXPECT_NEAR(across, up, up / 10) << c.heading << " seen from x " << c.eye.x;
    }
    glDisable(GL_LIGHTING);
}
