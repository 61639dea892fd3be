// The flare's element table, the squares placed along an axis through the light, and drawing them.

#include "effects/LensFlare.h"

#include "model/FlatMaterial.h"
#include "model/TextureLoader.h"
#include "scene/Angles.h"
#include "scene/FramePass.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <iostream>

namespace {

enum FlareTexture { gloh = 0, bigGloh = 1, halo = 2, streaks = 3 };

struct ElementKind {
    FlareTexture texture;
    float fraction; // of the way from the light to the axis end
    float halfSize;
    float colour[4];
};

// The fractions are not in rising order; with additive blending the order
// does not change the picture.
constexpr ElementKind elementKinds[16] = {
    {streaks, 0.0f, 10.0f, {0.6f, 0.6f, 0.8f, 1.0f}},
    {bigGloh, 0.0f, 10.0f, {0.6f, 0.6f, 0.8f, 1.0f}},
    {gloh, 0.0f, 2.0f, {0.8f, 0.8f, 1.0f, 0.5f}},
    {gloh, 0.91f, 0.5f, {0.9f, 0.6f, 0.4f, 0.5f}},
    {halo, 0.915f, 1.5f, {0.8f, 0.5f, 0.6f, 0.5f}},
    {halo, 0.917f, 0.7f, {0.9f, 0.2f, 0.1f, 0.5f}},
    {halo, 0.928f, 1.4f, {0.7f, 0.7f, 0.4f, 0.5f}},
    {gloh, 0.927f, 0.7f, {0.9f, 0.9f, 0.2f, 0.5f}},
    {gloh, 0.947f, 0.9f, {0.93f, 0.82f, 0.73f, 0.5f}},
    {halo, 0.949f, 1.2f, {0.7f, 0.6f, 0.5f, 0.5f}},
    {gloh, 0.965f, 1.4f, {0.7f, 0.8f, 0.3f, 0.5f}},
    {gloh, 0.963f, 1.2f, {0.4f, 0.3f, 0.2f, 0.5f}},
    {halo, 0.98f, 1.2f, {0.7f, 0.5f, 0.5f, 0.5f}},
    {gloh, 0.978f, 0.5f, {0.8f, 0.5f, 0.1f, 0.5f}},
    {halo, 0.99f, 1.0f, {0.5f, 0.5f, 0.7f, 0.5f}},
    {gloh, 0.95f, 1.0f, {0.4f, 0.1f, 0.9f, 0.5f}},
};

// asin that tolerates a ratio rounded a hair past +-1 (light straight above).
double elevation(float rise, float distance)
{
    return std::asin(std::clamp(static_cast<double>(rise / distance), -1.0, 1.0));
}

} // namespace

void LensFlare::loadTextures()
{
    for (const char* file : {"./texture/gloh.jpg", "./texture/big_gloh.jpg", "./texture/halo.jpg",
                             "./texture/streaks.jpg"}) {
        textures.push_back(loadTexture(file, 0, false));
    }
}

std::optional<FlarePlacement> LensFlare::place(Vector3 eye, Vector3 target, Vector3 light)
{
    const float lightDistance = eye.distanceTo(light.x, light.y, light.z);
    const float viewDistance = eye.distanceTo(target.x, target.y, target.z);
    if (lightDistance == 0.0f || viewDistance == 0.0f) {
        return std::nullopt;
    }

    // The axis end rises and sinks with the light's elevation above the view.
    const float e = radiansToDegrees(elevation(light.y - eye.y, lightDistance));
    const float p = radiansToDegrees(elevation(eye.y - target.y, viewDistance));
    const float s = static_cast<float>(0.5 * std::sin(degreesToRadians(e + p)));
    Vector3 n = Vector3::subtract(eye.x, eye.y, eye.z, target.x, target.y, target.z);
    n.normalize();
    const float reach = s * viewDistance;
    const Vector3 base(eye.x - reach * n.x, eye.y - reach * n.y, eye.z - reach * n.z);

    FlarePlacement placement;
    const Vector3 view = Vector3::subtract(target.x, target.y, target.z, eye.x, eye.y, eye.z);
    const Vector3 toLight = Vector3::subtract(light.x, light.y, light.z, eye.x, eye.y, eye.z);
    placement.angle = view.headingTo(toLight);
    if (placement.angle >= 180.0f) {
        placement.angle -= 360.0f;
    }

    // The axis end swings about the vertical through the eye by twice the
    // horizontal angle, so the flare moves across the picture with the light.
    const double a = 2 * placement.angle * 0.0174532925;
    const float qx = base.x - eye.x;
    const float qz = base.z - eye.z;
    const Vector3 axisEnd(static_cast<float>(eye.x + qx * std::cos(a) + qz * std::sin(a)), base.y,
                          static_cast<float>(eye.z - qx * std::sin(a) + qz * std::cos(a)));

    Vector3 u = Vector3::subtract(axisEnd.x, axisEnd.y, axisEnd.z, light.x, light.y, light.z);
    const double length = u.normalize();
    if (length == 0.0) {
        u = Vector3(); // every element at the light rather than at NaN
    }
    for (int i = 0; i < 16; ++i) {
        const ElementKind& kind = elementKinds[i];
        FlareElement& element = placement.elements[i];
        const double along = kind.fraction * length;
        element.texture = kind.texture;
        element.position = Vector3(static_cast<float>(light.x + along * u.x), static_cast<float>(light.y + along * u.y),
                                   static_cast<float>(light.z + along * u.z));
        element.halfSize = kind.halfSize;
        std::copy(std::begin(kind.colour), std::end(kind.colour), element.colour);
    }
    return placement;
}

void LensFlare::render(Vector3 eye, Vector3 target, Vector3 light)
{
    const std::optional<FlarePlacement> placement = place(eye, target, light);
    if (!placement) {
        return;
    }
    markFramePass(FramePass::Flare);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);

    std::cout << "1: " << placement->angle << std::endl;
    std::cout << "2: " << 2 * placement->angle * 0.0174532925 << std::endl;

    const Vector3 facing = Vector3::subtract(eye.x, eye.y, eye.z, light.x, light.y, light.z);
    for (const FlareElement& element : placement->elements) {
        drawElement(element.texture, element.position, element.halfSize, element.colour, facing);
    }

    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
}

void LensFlare::drawElement(int texture, Vector3 position, float halfSize, const float colour[4], Vector3 facing)
{
    const float heading = Vector3(0.0f, 0.0f, 1.0f).headingTo(facing);
    glPushMatrix();
        glTranslatef(position.x, position.y, position.z);
        glRotatef(-heading, 0.0f, 1.0f, 0.0f);

        const bool loaded = texture >= 0 && static_cast<size_t>(texture) < textures.size();
        glBindTexture(GL_TEXTURE_2D, loaded ? textures[texture] : 0);
        setFlatMaterial(GL_FRONT_AND_BACK, colour);

        glBegin(GL_TRIANGLE_STRIP);
            glTexCoord2f(0.0f, 0.0f);
            glVertex3f(-halfSize, -halfSize, 0.0f);
            glTexCoord2f(0.0f, 1.0f);
            glVertex3f(-halfSize, halfSize, 0.0f);
            glTexCoord2f(1.0f, 0.0f);
            glVertex3f(halfSize, -halfSize, 0.0f);
            glTexCoord2f(1.0f, 1.0f);
            glVertex3f(halfSize, halfSize, 0.0f);
        glEnd();

    glPopMatrix();
}
