#include "app/Random.h"
#include "effects/ParticleSheet.h"
#include "support/GlTestWindow.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>

namespace {

// An independent copy of the game's generator, to know which numbers the
// systems must have drawn.
struct ReferenceRandom {
    std::uint32_t state = 1;
    int next()
    {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 0x7fffu);
    }
    void skip(int n)
    {
        for (int i = 0; i < n; ++i) {
            next();
        }
    }
};

// Looks straight down on the origin from 100 units above.
void lookDownOnOrigin()
{
    GlTestWindow::ensure();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, 800.0 / 600.0, 1.0, 4000.0);
    gluLookAt(0.0, 100.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, -1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

// Sheets are large (1000 particles); keep them off the stack.
std::unique_ptr<ParticleSheet> freshSheet()
{
    resetRandom();
    return std::make_unique<ParticleSheet>();
}

} // namespace

TEST(ParticleSheetTest, ConstructionDrawsOneFadeRatePerParticle)
{
    ReferenceRandom ref;
    EXPECT_EQ(ref.next(), 41);
    EXPECT_EQ(ref.next(), 18467);
    EXPECT_EQ(ref.next(), 6334);
    ref = ReferenceRandom();

    auto sheet = freshSheet();
    for (const Particle& p : sheet->particles) {
        EXPECT_TRUE(p.active);
        EXPECT_EQ(p.life, 0.0f);
        EXPECT_FLOAT_EQ(p.fadeRate, static_cast<float>(ref.next() % 100) / 1000.003f);
        EXPECT_EQ(p.offset.x, 0.0f);
        EXPECT_EQ(p.velocity.x, -260.0f);
        EXPECT_EQ(p.velocity.y, -250.0f);
        EXPECT_EQ(p.colour[0], 0.5f);
    }
    // The next number of the shared generator follows on directly.
    EXPECT_EQ(nextRandom(), ref.next());
}

TEST(ParticleSheetTest, RebirthDrawsFadeXYThenVelocities)
{
    lookDownOnOrigin();
    auto sheet = freshSheet();
    ReferenceRandom ref;
    ref.skip(particleCount);
    ASSERT_GT(sheet->particles[0].fadeRate, 0.0f);

    sheet->drawParticles();

    for (int i = 0; i < 2; ++i) {
        const Particle& p = sheet->particles[i];
        const int fade = ref.next();
        const int x = ref.next();
        const int y = ref.next();
        const int vx = ref.next();
        const int vy = ref.next();
        EXPECT_EQ(p.life, 200.0f);
        EXPECT_FLOAT_EQ(p.fadeRate, (fade % 100) * 0.001f + 0.003f);
        EXPECT_EQ(p.offset.x, (x % 520) - 32.0f);
        EXPECT_EQ(p.offset.y, (y % 520) - 32.0f);
        EXPECT_EQ(p.offset.z, 0.0f);
        EXPECT_EQ(p.velocity.x, (vx % 60) - 32.0f);
        EXPECT_EQ(p.velocity.y, (vy % 60) - 3.0f);
        EXPECT_EQ(p.velocity.z, -250.0f);
    }
}

TEST(ParticleSheetTest, RebornParticlesStayInTheirRangeAndFlat)
{
    lookDownOnOrigin();
    auto sheet = freshSheet();
    float lowX = 1e9f, highX = -1e9f, lowY = 1e9f, highY = -1e9f;
    for (int frame = 0; frame < 30; ++frame) {
        for (Particle& p : sheet->particles) {
            p.life = 0.0f;
            p.fadeRate = 0.5f;
        }
        sheet->drawParticles();
        for (const Particle& p : sheet->particles) {
            lowX = std::min(lowX, p.offset.x);
            highX = std::max(highX, p.offset.x);
            lowY = std::min(lowY, p.offset.y);
            highY = std::max(highY, p.offset.y);
            ASSERT_EQ(p.offset.z, 0.0f);
            ASSERT_GE(p.fadeRate, 0.003f);
            ASSERT_LE(p.fadeRate, 0.1021f);
        }
    }
    EXPECT_EQ(lowX, -32.0f);
    EXPECT_EQ(highX, 487.0f);
    EXPECT_EQ(lowY, -32.0f);
    EXPECT_EQ(highY, 487.0f);

    // Drifting for a long time never lifts a particle out of the sheet.
    for (int frame = 0; frame < 200; ++frame) {
        sheet->drawParticles();
    }
    for (const Particle& p : sheet->particles) {
        ASSERT_EQ(p.offset.z, 0.0f);
    }
}

TEST(ParticleSheetTest, ParticleWithZeroFadeRateIsNeverReborn)
{
    lookDownOnOrigin();
    auto sheet = freshSheet();
    ReferenceRandom ref;
    int still = -1;
    for (int i = 0; i < particleCount && still < 0; ++i) {
        if (ref.next() % 100 == 0) {
            still = i;
        }
    }
    ASSERT_GE(still, 0) << "the fixed sequence holds a zero fade rate";

    for (int frame = 0; frame < 10; ++frame) {
        sheet->drawParticles();
    }
    const Particle& p = sheet->particles[still];
    EXPECT_EQ(p.life, 0.0f);
    EXPECT_NEAR(p.offset.x, 10 * -260.0f / 2000.0f, 1e-4f);
    EXPECT_NEAR(p.offset.y, 10 * -250.0f / 2000.0f, 1e-4f);
    EXPECT_EQ(p.offset.z, 0.0f);
}

TEST(ParticleSheetTest, FirstFrameIsInvisibleThenParticlesGlowAdditively)
{
    lookDownOnOrigin();
    auto sheet = freshSheet();
    glClearColor(0.2f, 0.2f, 0.2f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    sheet->drawParticles();
    // Every square sits at the origin (screen centre) with alpha 0.
    EXPECT_EQ(GlTestWindow::pixel(400, 300)[0], GlTestWindow::pixel(5, 5)[0]);
    EXPECT_NEAR(GlTestWindow::pixel(400, 300)[0], 51, 1);

    // Bring all particles back to the centre at full life: many overlapping
    // half-grey squares add up to white.
    for (Particle& p : sheet->particles) {
        p.offset.set(0.0f, 0.0f, 0.0f);
    }
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    sheet->drawParticles();
    const auto centre = GlTestWindow::pixel(400, 300);
    EXPECT_EQ(centre[0], 255);
    EXPECT_EQ(centre[1], 255);
    EXPECT_NEAR(GlTestWindow::pixel(5, 5)[0], 51, 1);
}

TEST(ParticleSheetTest, LeavesTheSceneStateTheGameExpects)
{
    lookDownOnOrigin();
    auto sheet = freshSheet();
    glDisable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
    sheet->drawParticles();
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    GLboolean depthWrites = GL_FALSE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
    EXPECT_TRUE(depthWrites);
    GLfloat modelview[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    EXPECT_EQ(modelview[5], 1.0f);
    EXPECT_EQ(modelview[9], 0.0f);
    glDisable(GL_LIGHTING);
}
