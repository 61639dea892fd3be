#include "scene/Matrix4.h"
#include "scene/Vector3.h"

#include <gtest/gtest.h>

TEST(Vector3Test, NormalizeReturnsLengthAndScalesToUnit)
{
    Vector3 v(3.0f, 0.0f, 4.0f);
    EXPECT_FLOAT_EQ(v.normalize(), 5.0f);
    EXPECT_FLOAT_EQ(v.x, 0.6f);
    EXPECT_FLOAT_EQ(v.y, 0.0f);
    EXPECT_FLOAT_EQ(v.z, 0.8f);
}

TEST(Vector3Test, HeadingOfTheFourAxisDirections)
{
    const Vector3 forward(0.0f, 0.0f, -1.0f);
    EXPECT_NEAR(Vector3(1, 0, 0).headingTo(forward), 270.0f, 1e-3f);
    EXPECT_NEAR(Vector3(-1, 0, 0).headingTo(forward), 90.0f, 1e-3f);
    EXPECT_NEAR(Vector3(0, 0, -1).headingTo(forward), 0.0f, 1e-3f);
    EXPECT_NEAR(Vector3(0, 0, 1).headingTo(forward), 180.0f, 1e-3f);
}

TEST(Matrix4Test, RotateYNinetyTurnsXIntoMinusZ)
{
    const Vector3 p = Matrix4().rotateY(90.0f).transformPoint(Vector3(1, 0, 0));
    EXPECT_NEAR(p.x, 0.0f, 1e-6f);
    EXPECT_NEAR(p.y, 0.0f, 1e-6f);
    EXPECT_NEAR(p.z, -1.0f, 1e-6f);
}
