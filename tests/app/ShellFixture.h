#pragma once

#include "app/AppState.h"
#include "app/GameObjects.h"
#include "app/Host.h"
#include "app/Options.h"
#include "support/GlTestWindow.h"
#include "support/ScratchDir.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

// A node below the control node that records what reaches it.
class RecordingNode : public SceneNode {
public:
    std::string commands;
    std::vector<int> keys;

    void command(int key) override { commands += static_cast<char>(key); }
    void onKey(int key) override { keys.push_back(key); }
};

// The shell's globals in their start-up state, a real GL window, a clock
// that stands still (so the game manager's frame counter counts every frame)
// and an empty working directory (no videos, no options file).
class ShellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GlTestWindow::ensure();
        Host::install(&host);
        options = Options{};
        appState = AppState{};
        unlinkGame();
        controlNode = ControlNode{};
        controlNode.addChild(&recorder);
        gameManager.controlNode = &controlNode;
    }

    void TearDown() override
    {
        unlinkGame();
        controlNode = ControlNode{};
        Host::install(nullptr);
    }

    // Undoes the links a previous build made, so the game can be built again.
    static void unlinkGame()
    {
        gameManager.root.removeChild(&controlNode);
        controlNode.removeChild(&gameManager);
    }

    static std::array<float, 16> projection()
    {
        std::array<float, 16> m{};
        glGetFloatv(GL_PROJECTION_MATRIX, m.data());
        return m;
    }

    // Whether a point in front of the viewer, given in world coordinates,
    // lies between the near and far planes of the current projection.
    static bool withinDepthRange(float x, float y, float z)
    {
        const std::array<float, 16> m = projection();
        const float clipZ = m[2] * x + m[6] * y + m[10] * z + m[14];
        const float clipW = m[3] * x + m[7] * y + m[11] * z + m[15];
        return clipW > 0.0f && clipZ >= -clipW && clipZ <= clipW;
    }

    int framesDrawn() const { return gameManager.frameCount; }

    ManualHost host;
    ScratchDir dir;
    RecordingNode recorder;
};
