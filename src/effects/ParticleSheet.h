// The glowing sheet of large squares that drifts above a level.

#pragma once

#include "effects/Particle.h"
#include "scene/SceneNode.h"
#include "scene/Vector3.h"

// A scene node: a thousand large glowing squares scattered over a flat area
// at `position`, turned by `heading`, drifting slowly. Simulated one step
// per drawn frame. Making one draws its particles' fade rates from the
// random sequence.
class ParticleSheet : public SceneNode {
public:
    ParticleSheet();

    // Loads "./texture/Particle.jpg"; until then the sheet draws with texture 0.
    void loadTexture();
    // Unless hidden: places the sheet, then draws and advances its particles.
    void draw(Matrix4 parent) override;
    // Draws every particle in the current horizontal plane and advances it.
    void drawParticles();

    Vector3 position;
    float heading = 0.0f;
    Particles particles;
    float speedDivisor = 2.0f;
    float fadeDivisor = 1000.003f;
    float colour[3] = {0.5f, 0.5f, 0.5f};
    unsigned int texture = 0;

    static constexpr float respawnLife = 200.0f;
    static constexpr float particleSize = 31.0f;

private:
    void rebirth(Particle& p);
};
