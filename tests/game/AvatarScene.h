#pragma once

#include "app/Host.h"
#include "game/Avatar.h"
#include "game/ControlNode.h"
#include "model/Ms3dBuilder.h"
#include "scene/Camera.h"
#include "support/GlTestWindow.h"
#include "support/ScratchDir.h"
#include "support/SilentWav.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace avatarscene {

// Remembers every command that reaches it.
class Recorder : public SceneNode {
public:
    void command(int key) override { keys += static_cast<char>(key); }
    std::string keys;
};

// An MS3D file whose only content is the eight corners of the box from
// (x0, 0, z0) to (x1, 2, z1): what a bounding-box file holds.
inline std::string boxFile(float x0, float z0, float x1, float z1)
{
    Ms3dBuilder b;
    for (float x : {x0, x1}) {
        for (float y : {0.0f, 2.0f}) {
            for (float z : {z0, z1}) {
                b.vertices.push_back({x, y, z, -1});
            }
        }
    }
    b.triangles.resize(1);
    b.groups = {{{0}, 0xFF}};
    return b.bytes();
}

// A flat square of half size `half` on the ground, without a material.
inline std::string groundSquare(float half)
{
    Ms3dBuilder b;
    b.vertices = {{-half, 0, -half, 0}, {half, 0, -half, 0}, {half, 0, half, 0}, {-half, 0, half, 0}};
    Ms3dBuilder::Triangle first;
    Ms3dBuilder::Triangle second;
    second.vertices[0] = 0;
    second.vertices[1] = 2;
    second.vertices[2] = 3;
    b.triangles = {first, second};
    b.groups = {{{0, 1}, 0xFF}};
    return b.bytes();
}

// The control node in walking mode with the avatar below it, the avatar
// driving a camera 10 units behind and 5 above it, facing -Z (the model's
// front) so that walking forward goes towards -Z. The whistle sounds exist.
class AvatarScene : public ::testing::Test {
protected:
    void SetUp() override
    {
        GlTestWindow::ensure();
        Host::install(&host);
        dir.write("data/sound/pfeifen.wav", silentWav(200));
        dir.write("data/sound/leer.wav", silentWav(20));
        control.inputMode = 'a';
        control.addChild(&avatar);
        avatar.addChild(&below);
        avatar.direction.set(0, 0, 1);
        avatar.heading = 180;
        avatar.castsShadow = false;
        camera.position.set(0, 5, 10);
        camera.target.set(0, 0, 0);
        avatar.setCamera(&camera);
    }

    void TearDown() override { Host::install(nullptr); }

    // What the game manager does once per frame for the input.
    void frame() { control.sendHeldCommands(); }

    ManualHost host;
    ScratchDir dir;
    ControlNode control;
    Avatar avatar;
    Recorder below;
    Camera camera;
};

} // namespace avatarscene
