// What both particle systems share: the particle, its array, the GL state and the quad strip.
// Apart from the two systems so the sheet and the spray differ only in how particles are born.

#pragma once

#include "model/Frustum.h"
#include "scene/Vector3.h"

#include <array>

// One glowing square of a particle system. Its life doubles as the alpha of
// its colour, so a particle fades out as it ages.
struct Particle {
    bool active = false;
    float life = 0.0f;
    float fadeRate = 0.0f;
    float colour[3] = {};
    Vector3 offset;
    Vector3 velocity;
    Vector3 acceleration;
};

// How many particles every system simulates.
inline constexpr int particleCount = 1000;
using Particles = std::array<Particle, particleCount>;

// Every particle alive at the origin with life 0 (so the first step hands it
// to the system's rebirth), a fade rate of (random % fadeModulus) /
// fadeDivisor, the system's colour, the common start velocity and the given
// acceleration.
void startParticles(Particles& particles, int fadeModulus, float fadeDivisor, const float (&colour)[3],
                    const Vector3& acceleration);

// While it lives, the GL state shared by both systems: unlit, additive, no
// depth writes. Its end puts back what the game expects between nodes
// (lighting, depth test and depth writes on; blending and texturing off),
// however the drawing ends.
class ParticleState {
public:
    ParticleState();
    ~ParticleState();
    ParticleState(const ParticleState&) = delete;
    ParticleState& operator=(const ParticleState&) = delete;
};
// The textured squares of one system's particles, each of half size h
// around its offset in the current x-y plane and coloured with its colour
// and life, drawn as one triangle strip: consecutive squares are joined by
// triangles without area, so the strip holds exactly the triangles of one
// strip per square, at one draw instead of a thousand. A square wholly
// outside the view is left out, as the renderer would clip it away. The
// colour, texture coordinate and materials end as the last square leaves
// them, as if each square had been drawn and had set its materials.
class QuadStrip {
public:
    // Texturing on with `texture` bound; the view is taken from the current
    // matrices; the strip begins.
    explicit QuadStrip(unsigned int texture);
    ~QuadStrip();
    QuadStrip(const QuadStrip&) = delete;
    QuadStrip& operator=(const QuadStrip&) = delete;

    void add(const Particle& p, float h);

private:
    bool inView(const Vector3& centre, float h) const;

    Frustum view; // in the squares' own coordinates
    float lastColour[4] = {};
    float lastCorner[3] = {};
    bool added = false;
    bool emitted = false;
};
