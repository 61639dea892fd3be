// Whatever a drawable switches for itself, the next one must find the scene's
// state: lighting, depth test and writes on, blending and texturing off.
#include "effects/LensFlare.h"
#include "effects/ParticleSheet.h"
#include "effects/ParticleSpray.h"
#include "effects/WaterSurface.h"
#include "game/DialogBox.h"
#include "platform/Host.h"
#include "support/BmpFile.h"
#include "support/GlTestWindow.h"
#include "support/Ms3dBuilder.h"
#include "support/ScratchDir.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

TEST(RenderStateTest, EveryDrawableLeavesTheSceneStateAsItFoundIt)
{
    GlTestWindow::ensure();
    ManualHost host;
    Host::install(&host);
    ScratchDir dir;
    dir.write("data/rot.bmp", bmp::solid(2, 2, {255, 0, 0}));
    dir.write("data/platte.ms3d", Ms3dBuilder::square(5, 0, 0, "./rot.bmp").bytes());
    ModelNode model;
    ASSERT_TRUE(model.load("data/platte.ms3d"));
    model.shadowLight.set(0, 100, 0);
    const auto sheet = std::make_unique<ParticleSheet>();
    const auto spray = std::make_unique<ParticleSpray>();
    WaterSurface water;
    LensFlare flare;
    DialogBox box;
    box.hidden = false;
    box.texts = {"Text"};
    const TextStyle style;

    const std::pair<const char*, std::function<void()>> drawables[] = {
        {"model and shadow", [&] { model.draw(Matrix4()); }},
        {"particle sheet", [&] { sheet->drawParticles(); }},
        {"particle spray", [&] { spray->drawParticles(); }},
        {"water", [&] { water.draw(Matrix4()); }},
        {"lens flare", [&] { flare.render(Vector3(), Vector3(0, 0, -10), Vector3(0, 5, -600)); }},
        {"dialog box", [&] { box.draw(Matrix4()); }},
        {"text", [&] { style.print(style.font, "Gr\xfc\xdf", 10, 30), style.print(style.font, nullptr, 10, 50); }},
    };
    testing::internal::CaptureStdout(); // the flare's trace
    for (const auto& [name, draw] : drawables) {
        SCOPED_TRACE(name);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(45.0, 800.0 / 600.0, 1.0, 4000.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glEnable(GL_LIGHTING);
        glEnable(GL_DEPTH_TEST);
        glDisable(GL_BLEND);
        glDisable(GL_TEXTURE_2D);
        const auto state = [] {
            std::vector<float> all{float(glGetError()), float(glIsEnabled(GL_LIGHTING)), float(glIsEnabled(GL_DEPTH_TEST)),
                                   float(glIsEnabled(GL_BLEND)), float(glIsEnabled(GL_TEXTURE_2D))};
            all.resize(all.size() + 3 + 32);
            for (int i = 5; GLenum query : {GL_DEPTH_WRITEMASK, GL_MODELVIEW_STACK_DEPTH, GL_MATRIX_MODE,
                                            GL_MODELVIEW_MATRIX, GL_PROJECTION_MATRIX}) {
                glGetFloatv(query, &all[i]);
                i += i < 8 ? 1 : 16;
            }
            return all;
        };
        const std::vector<float> before = state();
        draw();
        EXPECT_EQ(state(), before);
    }
    testing::internal::GetCapturedStdout();
    glDisable(GL_LIGHTING);
    Host::install(nullptr);
}

} // namespace
