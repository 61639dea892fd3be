#include "scene/Matrix4.h"
#include "scene/Vector3.h"
#include "support/GlTestWindow.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

const Vector3 forward(0.0f, 0.0f, -1.0f);

void expectVector(const Vector3& v, float x, float y, float z, float tolerance = 1e-5f)
{
    EXPECT_NEAR(v.x, x, tolerance);
    EXPECT_NEAR(v.y, y, tolerance);
    EXPECT_NEAR(v.z, z, tolerance);
}

// An affine transform with every element different, to catch index mix-ups.
Matrix4 sample()
{
    Matrix4 m;
    const float values[16] = {0.8f, 0.1f, -0.3f, 0.0f, -0.2f, 1.1f, 0.4f, 0.0f,
                              0.5f, -0.6f, 0.9f, 0.0f, 3.0f, -2.0f, 7.5f, 1.0f};
    for (int i = 0; i < 16; ++i) {
        m[i] = values[i];
    }
    return m;
}

Matrix4 glModelview()
{
    Matrix4 m;
    glGetFloatv(GL_MODELVIEW_MATRIX, m.m);
    return m;
}

void expectMatrix(const Matrix4& actual, const Matrix4& expected, float tolerance = 1e-5f)
{
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(actual[i], expected[i], tolerance) << "index " << i;
    }
}

// OpenGL's own matrix stack is the reference for the software transforms.
class GlMatrixTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GlTestWindow::ensure();
        glMatrixMode(GL_MODELVIEW);
        glLoadMatrixf(sample().m);
    }
    void TearDown() override { glLoadIdentity(); }
};

} // namespace

TEST(Vector3Test, StartsAtTheOriginAndSetsComponents)
{
    Vector3 v;
    expectVector(v, 0, 0, 0, 0);
    v.set(1, 2, 3);
    v.setY(-4);
    v.add(0.5f, 0.5f, 0.5f);
    EXPECT_FLOAT_EQ(v.getX(), 1.5f);
    EXPECT_FLOAT_EQ(v.getY(), -3.5f);
    EXPECT_FLOAT_EQ(v.getZ(), 3.5f);
    expectVector(Vector3::subtract(5, 1, 0, 2, 3, -4), 3, -2, 4, 0);
}

TEST(Vector3Test, NormalizeReturnsLengthAndScalesToUnit)
{
    Vector3 v(3.0f, 0.0f, 4.0f);
    EXPECT_FLOAT_EQ(v.normalize(), 5.0f);
    expectVector(v, 0.6f, 0.0f, 0.8f);

    Vector3 w(0.0f, -2.0f, 0.0f);
    EXPECT_FLOAT_EQ(w.normalize(), 2.0f);
    expectVector(w, 0.0f, -1.0f, 0.0f);
}

TEST(Vector3Test, NormalizingTheZeroVectorGivesNoNumbers)
{
    Vector3 zero;
    EXPECT_FLOAT_EQ(zero.normalize(), 0.0f);
    EXPECT_FALSE(std::isfinite(zero.x));
}

TEST(Vector3Test, DistanceIsSymmetric)
{
    const Vector3 a(1, 2, 3);
    EXPECT_FLOAT_EQ(a.distanceTo(4, 6, 3), 5.0f);
    EXPECT_FLOAT_EQ(Vector3(4, 6, 3).distanceTo(1, 2, 3), 5.0f);
    EXPECT_FLOAT_EQ(a.distanceTo(1, 2, 3), 0.0f);
}

TEST(Vector3Test, AngleBetweenVectors)
{
    EXPECT_NEAR(Vector3(1, 0, 0).angleTo(Vector3(0, 0, 5)), 90.0f, 1e-4f);
    EXPECT_NEAR(Vector3(1, 0, 0).angleTo(Vector3(-2, 0, 0)), 180.0f, 1e-3f);
    EXPECT_NEAR(Vector3(1, 1, 0).angleTo(Vector3(1, 0, 0)), 45.0f, 1e-3f);
    // Parallel vectors whose rounded cosine exceeds 1 still give an angle.
    EXPECT_NEAR(Vector3(0.1f, 0.7f, 0.3f).angleTo(Vector3(0.3f, 2.1f, 0.9f)), 0.0f, 0.05f);
}

TEST(Vector3Test, AngleWithAZeroVectorIsZero)
{
    EXPECT_EQ(Vector3().angleTo(Vector3(1, 2, 3)), 0.0f);
    EXPECT_EQ(Vector3(1, 2, 3).angleTo(Vector3()), 0.0f);
    EXPECT_EQ(Vector3().angleTo(Vector3()), 0.0f);
}

TEST(Vector3Test, HeadingOfTheFourAxisDirections)
{
    EXPECT_NEAR(Vector3(1, 0, 0).headingTo(forward), 270.0f, 1e-3f);
    EXPECT_NEAR(Vector3(-1, 0, 0).headingTo(forward), 90.0f, 1e-3f);
    EXPECT_NEAR(Vector3(0, 0, -1).headingTo(forward), 0.0f, 1e-3f);
    EXPECT_NEAR(Vector3(0, 0, 1).headingTo(forward), 180.0f, 1e-3f);
}

TEST(Vector3Test, HeadingInEveryQuadrant)
{
    EXPECT_NEAR(Vector3(1, 0, -1).headingTo(forward), 315.0f, 1e-3f);
    EXPECT_NEAR(Vector3(-1, 0, -1).headingTo(forward), 45.0f, 1e-3f);
    EXPECT_NEAR(Vector3(1, 0, 1).headingTo(forward), 225.0f, 1e-3f);
    EXPECT_NEAR(Vector3(-3, 0, 3).headingTo(forward), 135.0f, 1e-3f);
}

TEST(Vector3Test, HeadingTurnsTheModelTowardsTheDirection)
{
    for (int degrees = 0; degrees < 360; degrees += 10) {
        const double radians = (degrees + 3) * M_PI / 180.0;
        Vector3 direction(static_cast<float>(-4.0 * std::sin(radians)), 0.0f,
                          static_cast<float>(-4.0 * std::cos(radians)));
        const float heading = direction.headingTo(forward);
        EXPECT_GE(heading, 0.0f);
        EXPECT_LT(heading, 360.0f);
        const Vector3 turned = Matrix4().rotateY(heading).transformPoint(forward);
        direction.normalize();
        expectVector(turned, direction.x, 0.0f, direction.z, 1e-3f);
    }
}

TEST(Matrix4Test, StartsAsIdentity)
{
    Matrix4 m = sample();
    m.identity();
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(m[i], Matrix4()[i]);
        EXPECT_EQ(m[i], i % 5 == 0 ? 1.0f : 0.0f);
    }
}

TEST(Matrix4Test, TranslateLeavesTheOriginalAlone)
{
    const Matrix4 identity;
    const Matrix4 moved = identity.translate(1, 2, 3);
    EXPECT_EQ(moved[12], 1.0f);
    EXPECT_EQ(moved[13], 2.0f);
    EXPECT_EQ(moved[14], 3.0f);
    EXPECT_EQ(moved[15], 1.0f);
    EXPECT_EQ(identity[12], 0.0f);
}

TEST(Matrix4Test, RotateYNinetyTurnsXIntoMinusZ)
{
    expectVector(Matrix4().rotateY(90.0f).transformPoint(Vector3(1, 0, 0)), 0, 0, -1, 1e-6f);
    expectVector(Matrix4().rotateY(270.0f).transformPoint(forward), 1, 0, 0, 1e-6f);
}

TEST(Matrix4Test, TransformPointDividesByW)
{
    expectVector(sample().transformPoint(Vector3(1, 1, 1)), 4.1f, -1.4f, 8.5f);
    Matrix4 projective;
    projective[15] = 2.0f;
    expectVector(projective.transformPoint(Vector3(2, 4, 6)), 1, 2, 3);
    Matrix4 flat;
    flat[15] = 0.0f;
    expectVector(flat.transformPoint(Vector3(2, 4, 6)), 2, 4, 6);
}

TEST_F(GlMatrixTest, TranslateScaleRotateMatchOpenGL)
{
    glTranslatef(1.5f, -2.0f, 4.0f);
    glRotatef(37.0f, 0.0f, 1.0f, 0.0f);
    glScalef(2.0f, 3.0f, 0.5f);
    glRotatef(-120.0f, 0.0f, 1.0f, 0.0f);
    const Matrix4 software = sample().translate(1.5f, -2.0f, 4.0f).rotateY(37.0f).scale(2.0f, 3.0f, 0.5f).rotateY(-120.0f);
    expectMatrix(software, glModelview());
}

TEST_F(GlMatrixTest, LargeAnglesMatchOpenGL)
{
    glRotatef(725.0f, 0.0f, 1.0f, 0.0f);
    expectMatrix(sample().rotateY(725.0f), glModelview(), 1e-4f);
}

TEST_F(GlMatrixTest, ProductsMatchOpenGL)
{
    const Matrix4 other = sample().rotateY(50.0f).translate(-1, 2, 0.5f);
    glMultMatrixf(other.m);
    Matrix4 post = sample();
    post.postMultiply(other);
    expectMatrix(post, glModelview());

    glLoadMatrixf(other.m);
    glMultMatrixf(sample().m);
    Matrix4 pre = sample();
    pre.preMultiply(other);
    expectMatrix(pre, glModelview());
}

TEST_F(GlMatrixTest, MultiplyingByItselfSquares)
{
    glMultMatrixf(sample().m);
    const Matrix4 square = glModelview();
    Matrix4 pre = sample();
    pre.preMultiply(pre);
    expectMatrix(pre, square);
    Matrix4 post = sample();
    post.postMultiply(post);
    expectMatrix(post, square);
}
