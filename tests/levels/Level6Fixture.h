#pragma once

#include "app/Host.h"
#include "game/ControlNode.h"
#include "levels/Level6.h"
#include "support/GlTestWindow.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

// A freshly set-up inn village from the build's generated data, drawn in the
// test window, with its own control node as the game manager would give it.
class InnVillageTest : public ::testing::Test {
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
        inn = std::make_unique<Level6>();
        inn->setup();
        inn->addChild(&inn->geoBranch);
        inn->controls = &controls;
        inn->nextLevel = 6;
        inn->fps = 40.0f;
        controls.inputMode = 'a';
        inn->camera.apply();
    }

    // Drawing still queued at exit would be rendered while the window
    // closes, which the software renderer does not survive.
    void TearDown() override { glFinish(); }

    // Puts the avatar at p and runs one frame of the level.
    void standAt(Vector3 p)
    {
        inn->avatar.position = p;
        inn->frame();
    }

    static std::vector<std::string> names(const SceneNode& node)
    {
        std::vector<std::string> result;
        for (const SceneNode* child : node.getChildren()) {
            result.push_back(child->getName());
        }
        return result;
    }

    // The first line the hero says in entry `entry`, read straight from the
    // dialogue file: the section "#held", the entry's number line, "#text".
    static std::string heroLine(int entry)
    {
        std::ifstream file("data/text/dialogues.txt");
        std::string line;
        bool inSection = false;
        bool inEntry = false;
        while (std::getline(file, line)) {
            if (line == "#held") {
                inSection = true;
            } else if (inSection && line == "#" + std::to_string(entry)) {
                inEntry = true;
            } else if (inEntry && line == "#text") {
                std::getline(file, line);
                return line;
            }
        }
        return {};
    }

    static inline ManualHost host;
    static inline std::filesystem::path previous;
    ControlNode controls;
    std::unique_ptr<Level6> inn;
};
