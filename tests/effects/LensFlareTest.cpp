#include "effects/LensFlare.h"
#include "scene/Matrix4.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <sstream>

namespace {

float distance(const Vector3& a, const Vector3& b)
{
    return a.distanceTo(b.x, b.y, b.z);
}

// The point k of the way from a to b.
Vector3 between(const Vector3& a, const Vector3& b, float k)
{
    return Vector3(a.x + k * (b.x - a.x), a.y + k * (b.y - a.y), a.z + k * (b.z - a.z));
}

void expectNear(const Vector3& actual, const Vector3& expected, float tolerance)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

// Collects what is written to standard output while it lives.
class CapturedOutput {
public:
    CapturedOutput() : previous(std::cout.rdbuf(text.rdbuf())) {}
    ~CapturedOutput() { std::cout.rdbuf(previous); }
    std::string str() const { return text.str(); }

private:
    std::ostringstream text;
    std::streambuf* previous;
};

} // namespace

TEST(LensFlareTest, LightStraightAheadStringsTheGhostsAlongTheLineOfSight)
{
    const Vector3 eye(1.0f, 2.0f, 3.0f);
    const Vector3 light(1.0f, 2.0f, -97.0f);
    const auto placement = LensFlare::place(eye, Vector3(1.0f, 2.0f, -7.0f), light);
    ASSERT_TRUE(placement);
    EXPECT_FLOAT_EQ(placement->angle, 0.0f);

    // Streaks, big_gloh and gloh sit on the light, drawn first in that order.
    EXPECT_EQ(placement->elements[0].texture, 3);
    EXPECT_EQ(placement->elements[1].texture, 1);
    EXPECT_EQ(placement->elements[2].texture, 0);
    for (int i = 0; i < 3; ++i) {
        expectNear(placement->elements[i].position, light, 1e-6f);
    }
    EXPECT_FLOAT_EQ(placement->elements[0].halfSize, 10.0f);
    EXPECT_FLOAT_EQ(placement->elements[2].halfSize, 2.0f);

    // The other thirteen lie on the line from the light to the eye, which
    // is the axis end here, 91 to 99 percent of the way.
    const float whole = distance(light, eye);
    for (int i = 3; i < 16; ++i) {
        const Vector3& at = placement->elements[i].position;
        EXPECT_FLOAT_EQ(at.x, eye.x) << i;
        EXPECT_FLOAT_EQ(at.y, eye.y) << i;
        const float fraction = distance(light, at) / whole;
        EXPECT_GE(fraction, 0.91f - 1e-5f) << i;
        EXPECT_LE(fraction, 0.99f + 1e-5f) << i;
    }
    EXPECT_NEAR(distance(light, placement->elements[3].position) / whole, 0.91f, 1e-5f);
    EXPECT_NEAR(distance(light, placement->elements[14].position) / whole, 0.99f, 1e-5f);
}

TEST(LensFlareTest, RaisedLightToTheSideSwingsTheAxisEndAboutTheEye)
{
    // Light 5 above and 10 to the right of a level view: sin e = 1/3, so
    // the base point is a sixth of the way to the target; the angle between
    // view and light is acos(2/3), and the base point turns by twice that.
    const Vector3 eye(0.0f, 0.0f, 0.0f);
    const Vector3 target(0.0f, 0.0f, -10.0f);
    const Vector3 light(10.0f, 5.0f, -10.0f);
    const auto placement = LensFlare::place(eye, target, light);
    ASSERT_TRUE(placement);

    const float angle = static_cast<float>(std::acos(2.0 / 3.0) * 180.0 / M_PI);
    EXPECT_NEAR(placement->angle, angle, 1e-3f);
    const Vector3 base = between(eye, target, 1.0f / 6.0f);
    const Vector3 axisEnd = Matrix4().rotateY(2.0f * angle).transformPoint(base);

    expectNear(placement->elements[0].position, light, 1e-5f);
    expectNear(placement->elements[3].position, between(light, axisEnd, 0.91f), 1e-3f);
    expectNear(placement->elements[14].position, between(light, axisEnd, 0.99f), 1e-3f);
    expectNear(placement->elements[15].position, between(light, axisEnd, 0.95f), 1e-3f);
}

TEST(LensFlareTest, MirroredLightMirrorsTheFlare)
{
    const Vector3 eye(0.0f, 1.0f, 0.0f);
    const Vector3 target(0.0f, 0.0f, -20.0f);
    const auto right = LensFlare::place(eye, target, Vector3(8.0f, 6.0f, -30.0f));
    const auto left = LensFlare::place(eye, target, Vector3(-8.0f, 6.0f, -30.0f));
    ASSERT_TRUE(right);
    ASSERT_TRUE(left);
    EXPECT_GT(right->angle, 0.0f);
    EXPECT_NEAR(left->angle, -right->angle, 1e-3f);
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(left->elements[i].position.x, -right->elements[i].position.x, 1e-3f) << i;
        EXPECT_NEAR(left->elements[i].position.y, right->elements[i].position.y, 1e-3f) << i;
        EXPECT_NEAR(left->elements[i].position.z, right->elements[i].position.z, 1e-3f) << i;
    }
}

TEST(LensFlareTest, LightStraightBehindCountsAsMinus180)
{
    const auto placement = LensFlare::place(Vector3(), Vector3(0.0f, 0.0f, -10.0f), Vector3(0.0f, 0.0f, 10.0f));
    ASSERT_TRUE(placement);
    EXPECT_FLOAT_EQ(placement->angle, -180.0f);
}

TEST(LensFlareTest, EyeOnTheLightOrOnTheTargetHasNoFlare)
{
    const Vector3 eye(3.0f, 4.0f, 5.0f);
    EXPECT_FALSE(LensFlare::place(eye, Vector3(3.0f, 4.0f, -5.0f), eye));
    EXPECT_FALSE(LensFlare::place(eye, eye, Vector3(3.0f, 40.0f, -50.0f)));

    CapturedOutput output;
    LensFlare flare;
    flare.render(eye, eye, Vector3(3.0f, 40.0f, -50.0f));
    EXPECT_EQ(output.str(), "");
}

TEST(LensFlareTest, LightStraightAboveStillPlacesTheFlare)
{
    const auto placement = LensFlare::place(Vector3(), Vector3(0.0f, 0.0f, -1.0f), Vector3(0.0f, 1e6f, 0.0f));
    ASSERT_TRUE(placement);
    for (const FlareElement& element : placement->elements) {
        EXPECT_TRUE(std::isfinite(element.position.x));
        EXPECT_TRUE(std::isfinite(element.position.y));
        EXPECT_TRUE(std::isfinite(element.position.z));
    }
}
