// How the spray's particles are born at one point and drawn facing the viewer.

#include "effects/ParticleSpray.h"

#include "model/TextureLoader.h"
#include "platform/Random.h"

#include <GL/gl.h>

ParticleSpray::ParticleSpray()
{
    startParticles(particles, fadeModulus, fadeDivisor, colour, Vector3(0.0f, 0.981f, 0.0f));
}

void ParticleSpray::loadTexture()
{
    texture = ::loadTexture("./texture/Particle.bmp", 0, false);
}

void ParticleSpray::draw(Matrix4)
{
    if (hidden) {
        return;
    }
    glLoadIdentity();
    glTranslatef(position.x, position.y, position.z);
    drawParticles();
    glLoadIdentity();
}

// Draw order fade, velocity x, y, z keeps every run the same.
void ParticleSpray::rebirth(Particle& p)
{
    p.life = respawnLife;
    p.fadeRate = static_cast<float>(nextRandom() % fadeModulus) / fadeDivisor;
    p.offset.set(0.0f, 0.0f, 0.0f);
    p.velocity.x = static_cast<float>(nextRandom() % velocityModulus[0]) - velocityBias[0];
    p.velocity.y = static_cast<float>(nextRandom() % velocityModulus[1]) - velocityBias[1];
    p.velocity.z = static_cast<float>(nextRandom() % velocityModulus[2]) - velocityBias[2];
    p.colour[0] = colour[0];
    p.colour[1] = colour[1];
    p.colour[2] = colour[2];
}

void ParticleSpray::drawParticles()
{
    // Depth-tested against the scene, but without writing depth.
    const ParticleState state;
    glPushMatrix();
        // Turn the squares toward the viewer. A viewer standing exactly at the
        // spray gives no direction; the squares then keep their orientation.
        Vector3 d = Vector3::subtract(position.x, position.y, position.z, viewer.x, viewer.y, viewer.z);
        if (d.x != 0.0f || d.y != 0.0f || d.z != 0.0f) {
            d.normalize();
            const float a = Vector3(0.0f, 0.0f, 1.0f).headingTo(d);
            glRotatef(-a, 0.0f, 1.0f, 0.0f);
        }

        const float h = particleSize * 0.5f;
        const float speed = speedDivisor * 1000.0f;
        {
            QuadStrip squares(texture);
            for (Particle& p : particles) {
                if (!p.active) {
                    continue;
                }
                squares.add(p, h);
                p.offset.add(p.velocity.x / speed, p.velocity.y / speed, p.velocity.z / speed);
                p.velocity.add(p.acceleration.x, p.acceleration.y, p.acceleration.z);
                p.life -= p.fadeRate;
                if (p.life < 0.0f) {
                    rebirth(p);
                }
            }
        }
    glPopMatrix();
}
