// Starting a system's particles, the particles' GL state and the strip of squares.
// Apart from the two systems so the sheet and the spray differ only in how particles are born.

#include "effects/Particle.h"

#include "model/FlatMaterial.h"
#include "platform/Random.h"
#include "scene/FramePass.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <iterator>

void startParticles(Particles& particles, int fadeModulus, float fadeDivisor, const float (&colour)[3],
                    const Vector3& acceleration)
{
    for (Particle& p : particles) {
        p.active = true;
        p.life = 0.0f;
        p.fadeRate = static_cast<float>(nextRandom() % fadeModulus) / fadeDivisor;
        std::copy(std::begin(colour), std::end(colour), p.colour);
        p.offset.set(0.0f, 0.0f, 0.0f);
        p.velocity.set(-260.0f, -250.0f, -250.0f);
        p.acceleration = acceleration;
    }
}

ParticleState::ParticleState()
{
    glDisable(GL_LIGHTING);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glHint(GL_POINT_SMOOTH_HINT, GL_NICEST);
    glDepthMask(GL_FALSE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
}

ParticleState::~ParticleState()
{
    glEnable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    glDepthMask(GL_TRUE);
}

QuadStrip::QuadStrip(unsigned int texture)
{
    markFramePass(FramePass::Particles);
    view.extract();
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_TRIANGLE_STRIP);
}

QuadStrip::~QuadStrip()
{
    glEnd();
    if (added) {
        glColor4fv(lastColour);
        glTexCoord2f(0.0f, 0.0f);
        setFlatMaterial(GL_FRONT_AND_BACK, lastColour);
    }
}

bool QuadStrip::inView(const Vector3& o, float h) const
{
    for (const auto& side : view.planes) {
        // The corner of the square farthest inside this side; a little
        // slack keeps a square the renderer might still touch.
        const float reach = h * (std::fabs(side[0]) + std::fabs(side[1])) * 1.01f;
        if (side[0] * o.x + side[1] * o.y + side[2] * o.z + side[3] + reach < 0.0f) {
            return false;
        }
    }
    return true;
}

void QuadStrip::add(const Particle& p, float h)
{
    const Vector3& o = p.offset;
    lastColour[0] = p.colour[0];
    lastColour[1] = p.colour[1];
    lastColour[2] = p.colour[2];
    lastColour[3] = p.life;
    added = true;
    if (!inView(o, h)) {
        return;
    }
    if (emitted) {
        // Repeating the last corner and the next first one gives triangles
        // without area and keeps each square's first triangle at an even
        // place, so it turns the same way as in a strip of its own.
        glVertex3fv(lastCorner);
        glVertex3f(o.x + h, o.y + h, o.z);
    }
    glColor4fv(lastColour);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(o.x + h, o.y + h, o.z);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(o.x - h, o.y + h, o.z);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(o.x + h, o.y - h, o.z);
    glTexCoord2f(0.0f, 0.0f);
    lastCorner[0] = o.x - h;
    lastCorner[1] = o.y - h;
    lastCorner[2] = o.z;
    glVertex3fv(lastCorner);
    emitted = true;
}
