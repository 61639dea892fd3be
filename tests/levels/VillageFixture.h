#pragma once

#include "app/Host.h"
#include "game/ControlNode.h"
#include "levels/Level1.h"
#include "support/GlTestWindow.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// A freshly set-up village from the build's generated data, drawn in the
// test window, with its own control node as the game manager would give it.
class VillageTest : public ::testing::Test {
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
        village = std::make_unique<Level1>();
        village->setup();
        village->addChild(&village->geoBranch);
        village->controls = &controls;
        village->nextLevel = 1;
        village->fps = 40.0f;
        controls.inputMode = 'a';
        village->camera.apply();
    }

    // Puts the avatar at p and runs one frame of the level.
    void standAt(Vector3 p)
    {
        village->avatar.position = p;
        village->frame();
    }

    static std::vector<std::string> names(const SceneNode& node)
    {
        std::vector<std::string> result;
        for (const SceneNode* child : node.getChildren()) {
            result.push_back(child->getName());
        }
        return result;
    }

    static int count(const SceneNode& parent, const SceneNode* child)
    {
        int n = 0;
        for (const SceneNode* c : parent.getChildren()) {
            n += c == child ? 1 : 0;
        }
        return n;
    }

    static inline ManualHost host;
    static inline std::filesystem::path previous;
    ControlNode controls;
    std::unique_ptr<Level1> village;
};
