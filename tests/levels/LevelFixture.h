#pragma once

#include "app/Host.h"
#include "game/ControlNode.h"
#include "support/GlTestWindow.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

inline void expectAt(const Vector3& p, float x, float y, float z)
{
    EXPECT_FLOAT_EQ(p.x, x);
    EXPECT_FLOAT_EQ(p.y, y);
    EXPECT_FLOAT_EQ(p.z, z);
}

// A freshly set-up level of type L from the build's generated data, drawn
// in the test window, with its own control node as the game manager would
// give it.
template <typename L, int number>
class LevelTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        GlTestWindow::ensure();
        Host::install(&host);
        previous = std::filesystem::current_path();
        std::filesystem::current_path(KORVEL_RUN_DIR);
    }

    static void TearDownTestSuite()
    {
        std::filesystem::current_path(previous);
        Host::install(nullptr);
    }

    void SetUp() override
    {
        level = std::make_unique<L>();
        level->setup();
        level->addChild(&level->geoBranch);
        level->controls = &controls;
        level->nextLevel = number;
        level->fps = 40.0f;
        level->avatar.frameRate = 40.0f;
        controls.inputMode = 'a';
        level->camera.apply();
    }

    // Drawing still queued at exit would be rendered while the window
    // closes, which the software renderer does not survive.
    void TearDown() override { glFinish(); }

    // Puts the avatar at p and runs one frame of the level.
    void standAt(Vector3 p)
    {
        level->avatar.position = p;
        level->frame();
    }

    // Stands at p and presses the look key over a black picture, so that
    // only the printed description shows.
    void lookOnBlackFrom(Vector3 p)
    {
        standAt(p);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        level->command('v');
    }

    // Yellow (description text) pixels in window columns [x0, x1) and rows
    // [y0, y1), rows counted from the bottom.
    static int yellowPixels(int x0, int x1, int y0, int y1)
    {
        int n = 0;
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                const auto c = GlTestWindow::pixel(x, y);
                n += (c[0] > 150 && c[1] > 150 && c[2] < 80) ? 1 : 0;
            }
        }
        return n;
    }

    // Yellow pixels of the first description lines after looking from p: the
    // band from 0.56 W rightwards and 0.3 H downwards.
    int describedFrom(Vector3 p)
    {
        lookOnBlackFrom(p);
        return yellowPixels(440, 700, 600 - 200, 600 - 160);
    }

    static std::vector<std::string> names(const SceneNode& node)
    {
        std::vector<std::string> result;
        for (const SceneNode* child : node.getChildren()) {
            result.push_back(child->getName());
        }
        return result;
    }

    static inline ManualHost host;
    static inline std::filesystem::path previous;
    ControlNode controls;
    std::unique_ptr<L> level;
};
