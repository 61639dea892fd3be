// One colour for every lighting term of the current material.
// Shadows, water, particles, the flare and the video all want such a flat, self-lit colour.

#pragma once

#include <GL/gl.h>

// Sets ambient, diffuse, emission and specular of `face` to `colour` (RGBA).
void setFlatMaterial(GLenum face, const GLfloat* colour);
