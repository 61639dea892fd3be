// The glowing sheet of large squares that drifts above a level.
// Its own file beside the spray: the same particles, born and drawn differently.

#pragma once

#include "effects/Particle.h"
#include "scene/SceneNode.h"
#include "scene/Vector3.h"

#include <array>

// A thousand large glowing squares scattered over a flat area above the
// level, drifting slowly. Simulated one step per drawn frame.
class ParticleSheet : public SceneNode {
public:
    ParticleSheet();
    ~ParticleSheet() override = default;

    // Loads "./texture/Particle.jpg"; until then the sheet draws with texture 0.
    void loadTexture();
    // Draws every particle in the node's horizontal plane and advances it.
    void drawParticles();

    ParticleArray particles;
    float speedDivisor = 2.0f;
    float fadeDivisor = 1000.003f;
    float colour[3] = {0.5f, 0.5f, 0.5f};
    // Written by the owner and the levels; the sheet's drawing ignores both.
    Vector3 anchor;
    Vector3 viewer;
    unsigned int texture = 0;

    static constexpr float respawnLife = 200.0f;
    static constexpr float particleSize = 31.0f;

private:
    void rebirth(Particle& p);
};
