#include "scene/LightNode.h"
#include "support/GlTestWindow.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>

namespace {

std::array<GLfloat, 4> lightValue(GLenum light, GLenum what)
{
    std::array<GLfloat, 4> v{};
    glGetLightfv(light, what, v.data());
    return v;
}

void resetLights()
{
    GlTestWindow::ensure();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
    glDisable(GL_LIGHT1);
}

} // namespace

TEST(LightNodeTest, FirstLightIsPlacedAtItsWorldPosition)
{
    resetLights();
    LightNode sun("Licht");
    sun.position.set(400, 120, 500);
    sun.draw(Matrix4());
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT1));
    EXPECT_EQ(lightValue(GL_LIGHT0, GL_POSITION), (std::array<GLfloat, 4>{400, 120, 500, 1}));
}

TEST(LightNodeTest, SecondLightIsHalfBright)
{
    resetLights();
    LightNode fill("Licht2");
    fill.lightType = 1;
    fill.position.set(-400, 120, -500);
    fill.draw(Matrix4());
    EXPECT_TRUE(glIsEnabled(GL_LIGHT1));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0));
    EXPECT_EQ(lightValue(GL_LIGHT1, GL_DIFFUSE), (std::array<GLfloat, 4>{0.5f, 0.5f, 0.5f, 1}));
    EXPECT_EQ(lightValue(GL_LIGHT1, GL_POSITION), (std::array<GLfloat, 4>{-400, 120, -500, 1}));
}

TEST(LightNodeTest, OtherTypesOnlySwitchLightingOnAndHiddenDoesNothing)
{
    resetLights();
    LightNode other;
    other.lightType = 7;
    other.draw(Matrix4());
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0) || glIsEnabled(GL_LIGHT1));

    resetLights();
    const auto before = lightValue(GL_LIGHT0, GL_POSITION);
    LightNode hidden;
    hidden.hidden = true;
    hidden.position.set(1, 2, 3);
    hidden.draw(Matrix4());
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0));
    EXPECT_EQ(lightValue(GL_LIGHT0, GL_POSITION), before);
}

TEST(LightNodeTest, ChildrenAreNotDrawn)
{
    resetLights();
    LightNode sun;
    LightNode child;
    child.lightType = 1;
    sun.addChild(&child);
    sun.draw(Matrix4());
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT1));
}
