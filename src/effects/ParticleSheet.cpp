// How the sheet's particles are born over a flat area and drawn in the sheet's plane.

#include "effects/ParticleSheet.h"

#include "model/TextureLoader.h"
#include "platform/Random.h"

#include <GL/gl.h>

ParticleSheet::ParticleSheet()
{
    startParticles(particles, 100, fadeDivisor, colour, Vector3(0.0f, 0.0f, 0.0f));
}

void ParticleSheet::loadTexture()
{
    texture = ::loadTexture("./texture/Particle.jpg", 0, false);
}

void ParticleSheet::draw(Matrix4)
{
    if (hidden) {
        return;
    }
    glLoadIdentity();
    glTranslatef(position.x, position.y, position.z);
    glRotatef(heading, 0.0f, 1.0f, 0.0f);
    drawParticles();
    glLoadIdentity();
}

// The draws happen in exactly this order (fade, x, y, velocity x, velocity y)
// so that every run scatters the sheet the same way.
void ParticleSheet::rebirth(Particle& p)
{
    p.life = respawnLife;
    p.fadeRate = static_cast<float>((nextRandom() % 100) * 0.001 + 0.003);
    p.offset.x = static_cast<float>((nextRandom() % 520) - 32.0);
    p.offset.y = static_cast<float>((nextRandom() % 520) - 32.0);
    p.offset.z = 0.0f;
    p.velocity.x = static_cast<float>((nextRandom() % 60) - 32.0);
    p.velocity.y = static_cast<float>((nextRandom() % 60) - 3.0);
    p.colour[0] = colour[0];
    p.colour[1] = colour[1];
    p.colour[2] = colour[2];
}

void ParticleSheet::drawParticles()
{
    const ParticleState state;
    glPushMatrix();
        glDisable(GL_DEPTH_TEST);
        // The particles live in their x-y plane; lay it into the node's x-z plane.
        glRotatef(90.0f, 1.0f, 0.0f, 0.0f);

        const float h = particleSize * 0.5f;
        {
            QuadStrip squares(texture);
            for (Particle& p : particles) {
                if (!p.active) {
                    continue;
                }
                squares.add(p, h);
                // The sheet stays flat: nothing moves in z.
                p.offset.x += p.velocity.x / (speedDivisor * 1000.0f);
                p.offset.y += p.velocity.y / (speedDivisor * 1000.0f);
                p.velocity.add(p.acceleration.x, p.acceleration.y, p.acceleration.z);
                // A particle whose fade rate came out 0 never ages and is never reborn.
                p.life -= p.fadeRate;
                if (p.life < 0.0f) {
                    rebirth(p);
                }
            }
        }
    glPopMatrix();
}
