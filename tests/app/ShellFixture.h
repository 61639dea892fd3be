#pragma once

#include "app/AppState.h"
#include "app/GameObjects.h"
#include "app/Host.h"
#include "app/Options.h"
#include "scene/Camera.h"
#include "support/GlTestWindow.h"
#include "support/ScratchDir.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <array>
#include <memory>
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
        remakeGame();
        controlNode.addChild(&recorder);
        gameManager.controlNode = &controlNode;
    }

    void TearDown() override
    {
        remakeGame();
        Host::install(nullptr);
    }

    // A game that has never been built: the globals are made anew.
    static void remakeGame()
    {
        std::destroy_at(&gameManager);
        std::construct_at(&gameManager);
        std::destroy_at(&controlNode);
        std::construct_at(&controlNode);
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

    // A point 200 units ahead of the current level's camera, twice as far
    // as the video's far plane.
    static bool seesFarAhead()
    {
        const Camera& camera = *controlNode.camera;
        Vector3 view = camera.getViewDirection();
        view.normalize();
        return withinDepthRange(camera.position.x + 200.0f * view.x, camera.position.y + 200.0f * view.y,
                                camera.position.z + 200.0f * view.z);
    }

    int framesDrawn() const { return gameManager.frameCount; }

    ManualHost host;
    ScratchDir dir;
    RecordingNode recorder;
};
