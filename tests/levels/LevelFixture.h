#pragma once

#include "app/Host.h"
#include "game/ControlNode.h"
#include "support/GlTestWindow.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

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

    void keys(const char* typed)
    {
        for (; *typed != '\0'; ++typed) {
            level->command(*typed);
        }
    }

    static inline ManualHost host;
    static inline std::filesystem::path previous;
    ControlNode controls;
    std::unique_ptr<L> level;
};
