// Filling the water grid, sliding and waving its layers, and drawing both translucent layers.
// Apart from the node that places it, so the grid's animation can be checked without a level.

#include "effects/WaterGrid.h"

#include "model/FlatMaterial.h"
#include "scene/FramePass.h"

#include <GL/gl.h>

#include <cmath>

namespace {

// The colours of both layers differ only in how much shows through.
void setMaterial(float alpha)
{
    const float colour[4] = {0.0f, 0.3f, 0.9f, alpha};
    setFlatMaterial(GL_FRONT_AND_BACK, colour);
}

} // namespace

void WaterGrid::fill()
{
    for (int i = 0; i < rows; ++i) {
        // 8 degrees per row: two full waves over the 90 rows, so the wave
        // can wrap around from the last row to the first without a seam.
        const float height = static_cast<float>(std::sin(0.2 * i * 40 * 0.0027777778 * 6.2831853));
        for (int j = 0; j < columns; ++j) {
            const float x = static_cast<float>(0.2 * i - 4.5);
            const float z = static_cast<float>(0.2 * j - 4.5);
            float* upper = upperLayer[columns * i + j];
            float* lower = lowerLayer[columns * i + j];
            upper[0] = x;
            upper[1] = height;
            upper[2] = z;
            lower[0] = x;
            lower[1] = height - 1.0f;
            lower[2] = z;
        }
    }
}

void WaterGrid::draw(unsigned int texture)
{
    markFramePass(FramePass::Water);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_DEPTH_TEST);
    if (texture != 0) {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, texture);
    }

    setMaterial(0.7f);
    glBegin(GL_QUADS);
        drawLayer(lowerLayer, slideOffset);
        slideStep();
    glEnd();

    setMaterial(0.5f);
    glBegin(GL_QUADS);
        drawLayer(upperLayer, 0.0f);
    glEnd();
    waveStep();

    glDisable(GL_TEXTURE_2D);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
}

void WaterGrid::drawLayer(const float (*layer)[3], float xOffset) const
{
    const auto corner = [&](int i, int j, float s, float t) {
        const float* v = layer[columns * i + j];
        glTexCoord2f(s, t);
        glVertex3f(v[0] + xOffset, v[1], v[2]);
    };
    // The texture repeats every 10 cells.
    for (int i = 0; i < rows - 1; ++i) {
        const float s0 = 0.1f * i;
        const float s1 = 0.1f * (i + 1);
        for (int j = 0; j < columns - 1; ++j) {
            const float t0 = 0.1f * j;
            const float t1 = 0.1f * (j + 1);
            corner(i, j, s0, t0);
            corner(i, j + 1, s0, t1);
            corner(i + 1, j + 1, s1, t1);
            corner(i + 1, j, s1, t0);
        }
    }
}

void WaterGrid::slideStep()
{
    if (slideCounter > 1000 && slideCounter <= 2000) {
        slideOffset -= 0.002f;
        ++slideCounter;
        if (slideCounter == 2000) {
            slideCounter = 0;
        }
    } else if (slideCounter >= 0 && slideCounter <= 1000) {
        slideOffset += 0.002f;
        ++slideCounter;
    }
}

void WaterGrid::waveStep()
{
    if (waveCounter == 2) {
        for (int j = 0; j < columns; ++j) {
            const float first = upperLayer[j][1];
            for (int r = 0; r < rows - 1; ++r) {
                upperLayer[columns * r + j][1] = upperLayer[columns * (r + 1) + j][1];
            }
            upperLayer[columns * (rows - 1) + j][1] = first;
        }
        waveCounter = 0;
    }
    ++waveCounter;
}
