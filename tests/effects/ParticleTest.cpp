#include "effects/ParticleSpray.h"
#include "platform/Random.h"
#include "support/GlTestWindow.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
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

// The chimney smoke of Level 2 must face the viewer from whichever side it
// is seen: lit as far across as up the middle.
TEST(SprayFacingTest, SquaresFaceTheViewerFromEverySide)
{
    const auto lit = [](int x, int y) { return GlTestWindow::pixel(x, y)[1] > 40 ? 1 : 0; };
    for (const Vector3 eye : {Vector3{0, 7, 30}, Vector3{30, 7, 0}, Vector3{-20, 7, -20}}) {
        resetRandom();
        const auto spray = std::make_unique<ParticleSpray>();
        spray->position.set(0, 7, 0);
        spray->particleSize = 8.0f;
        spray->viewer = eye;
        lookAt(eye, {0, 7, 0});
        spray->draw(Matrix4()); // every particle is reborn
        for (Particle& p : spray->particles) {
            p.offset.set(0.0f, 0.0f, 0.0f);
        }
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        spray->draw(Matrix4());
        int across = 0, up = 0;
        for (int i = 0; i < GlTestWindow::width; ++i) {
            across += lit(i, GlTestWindow::height / 2);
            up += i < GlTestWindow::height ? lit(GlTestWindow::width / 2, i) : 0;
        }
        EXPECT_GT(up, 100) << eye.x;
        EXPECT_NEAR(across, up, up / 10) << "seen from x " << eye.x;
    }
    glDisable(GL_LIGHTING);
}

} // namespace
