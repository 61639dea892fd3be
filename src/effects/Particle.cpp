#include "effects/Particle.h"

#include "app/Random.h"

#include <GL/gl.h>

void startParticles(std::span<Particle> particles, int fadeModulus, float fadeDivisor, const float (&colour)[3],
                    const Vector3& acceleration)
{
    for (Particle& p : particles) {
        p.active = true;
        p.life = 0.0f;
        p.fadeRate = static_cast<float>(nextRandom() % fadeModulus) / fadeDivisor;
        p.colour[0] = colour[0];
        p.colour[1] = colour[1];
        p.colour[2] = colour[2];
        p.offset.set(0.0f, 0.0f, 0.0f);
        p.velocity.set(-260.0f, -250.0f, -250.0f);
        p.acceleration = acceleration;
    }
}

void beginParticleState()
{
    glDisable(GL_LIGHTING);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glHint(GL_POINT_SMOOTH_HINT, GL_NICEST);
    glDepthMask(GL_FALSE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
}

void endParticleState()
{
    glEnable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    glDepthMask(GL_TRUE);
}

void drawParticleQuad(const Particle& p, float h, unsigned int texture)
{
    const float rgba[4] = {p.colour[0], p.colour[1], p.colour[2], p.life};
    glColor4fv(rgba);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, rgba);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, rgba);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, rgba);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, rgba);

    const Vector3& o = p.offset;
    glBegin(GL_TRIANGLE_STRIP);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(o.x + h, o.y + h, o.z);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(o.x - h, o.y + h, o.z);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(o.x + h, o.y - h, o.z);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(o.x - h, o.y - h, o.z);
    glEnd();
}
