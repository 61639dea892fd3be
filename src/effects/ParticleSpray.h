// The spray of small squares that bursts from one point, rises and fades.

#pragma once

#include "effects/Particle.h"
#include "scene/SceneNode.h"
#include "scene/Vector3.h"

// A scene node: a thousand small squares that burst from `position`, rise
// and fade, turned toward `viewer`. Simulated one step per drawn frame.
// Making one draws its particles' fade rates from the random sequence.
class ParticleSpray : public SceneNode {
public:
    ParticleSpray();

    // Loads "./texture/Particle.bmp"; until then the spray draws with texture 0.
    void loadTexture();
    // Unless hidden: moves to `position`, then draws and advances the particles.
    void draw(Matrix4 parent) override;
    // Draws every particle facing `viewer` and advances it.
    void drawParticles();

    Vector3 position;
    // The point the squares turn toward (the camera, set by the level).
    Vector3 viewer;
    Particles particles;
    float speedDivisor = 2.0f;
    float fadeDivisor = 1000.003f;
    float colour[3] = {0.5f, 0.5f, 0.5f};
    float respawnLife = 2.0f;
    int fadeModulus = 100;
    int velocityModulus[3] = {60, 60, 60};
    float velocityBias[3] = {32.0f, 30.0f, 30.0f};
    float particleSize = 0.5f;
    unsigned int texture = 0;

private:
    void rebirth(Particle& p);
};
