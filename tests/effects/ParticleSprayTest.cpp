#include "app/Random.h"
#include "effects/ParticleSpray.h"
#include "support/GlTestWindow.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace {

struct ReferenceRandom {
    std::uint32_t state = 1;
    int next()
    {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 0x7fffu);
    }
};

// Looks along -Z at the origin from 40 units away.
void lookAtOrigin()
{
    GlTestWindow::ensure();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, 800.0 / 600.0, 1.0, 4000.0);
    gluLookAt(0.0, 0.0, 40.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

std::unique_ptr<ParticleSpray> freshSpray()
{
    resetRandom();
    return std::make_unique<ParticleSpray>();
}

} // namespace

TEST(ParticleSprayTest, RebirthStartsAtTheOriginWithDrawnVelocities)
{
    lookAtOrigin();
    auto spray = freshSpray();
    ReferenceRandom ref;
    for (const Particle& p : spray->particles) {
        EXPECT_FLOAT_EQ(p.fadeRate, static_cast<float>(ref.next() % 100) / 1000.003f);
        EXPECT_EQ(p.acceleration.y, 0.981f);
    }
    ASSERT_GT(spray->particles[0].fadeRate, 0.0f);

    spray->drawParticles();

    const Particle& p = spray->particles[0];
    const int fade = ref.next();
    const int vx = ref.next();
    const int vy = ref.next();
    const int vz = ref.next();
    EXPECT_EQ(p.life, 2.0f);
    EXPECT_FLOAT_EQ(p.fadeRate, static_cast<float>(fade % 100) / 1000.003f);
    EXPECT_EQ(p.offset.x, 0.0f);
    EXPECT_EQ(p.offset.y, 0.0f);
    EXPECT_EQ(p.velocity.x, (vx % 60) - 32.0f);
    EXPECT_EQ(p.velocity.y, (vy % 60) - 30.0f);
    EXPECT_EQ(p.velocity.z, (vz % 60) - 30.0f);
}

TEST(ParticleSprayTest, ParticlesRiseAsTheirVelocityGrows)
{
    lookAtOrigin();
    auto spray = freshSpray();
    for (int frame = 0; frame < 70; ++frame) {
        spray->drawParticles();
    }
    std::vector<Particle> before(spray->particles.begin(), spray->particles.end());
    spray->drawParticles();

    int rising = 0;
    for (int i = 0; i < particleCount; ++i) {
        const Particle& now = spray->particles[i];
        if (now.life >= before[i].life || now.life == 0.0f) {
            continue; // reborn in this frame, or never alive
        }
        // After 60 frames of 0.981 every velocity exceeds the largest start (29).
        if (before[i].velocity.y > 29.0f) {
            EXPECT_GT(now.offset.y, before[i].offset.y);
            EXPECT_NEAR(now.velocity.y - before[i].velocity.y, 0.981f, 1e-3f);
            ++rising;
        }
    }
    EXPECT_GT(rising, 100);
}

TEST(ParticleSprayTest, DrawsFacingAViewerEvenWhenItStandsAtTheAnchor)
{
    lookAtOrigin();
    glDisable(GL_DEPTH_TEST);
    for (const Vector3 viewer : {Vector3(0, 0, 40), Vector3(0, 0, 0)}) {
        auto spray = freshSpray();
        spray->particleSize = 8.0f;
        spray->viewer = viewer;
        spray->drawParticles(); // every particle is reborn at the origin
        for (Particle& p : spray->particles) {
            p.offset.set(0.0f, 0.0f, 0.0f);
        }
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glDisable(GL_DEPTH_TEST);
        spray->drawParticles();
        EXPECT_EQ(GlTestWindow::pixel(400, 300)[1], 255) << viewer.z;
        EXPECT_EQ(GlTestWindow::pixel(5, 5)[1], 0);
        // The spray is depth-tested by the scene but ends with the test on.
        EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    }
    glDisable(GL_LIGHTING);
}
