// The river's two height-field layers and the counters that move them.
// Apart from the node that places it, so the grid's animation can be checked without a level.

#pragma once

// The river's two height-field layers on one 90 x 10 grid, and the counters
// that animate them once per drawn frame. Vertex (row i, column j) is element
// 10 i + j. The lower layer slides back and forth along the rows; the upper
// layer carries a wave that moves one row every second frame.
class WaterGrid {
public:
    static constexpr int rows = 90;
    static constexpr int columns = 10;
    static constexpr int vertexCount = rows * columns;

    float lowerLayer[vertexCount][3] = {};
    float upperLayer[vertexCount][3] = {};
    float slideOffset = 0.0f;
    int slideCounter = 0;
    int waveCounter = 0;

    // Computes both layers afresh; the counters and the offset are kept.
    void fill();
    // Draws both translucent layers in the current model-view frame and
    // advances the animation by one frame. Texture 0 draws untextured.
    void draw(unsigned int texture);
    // One frame of the lower layer's slide: 1001 frames up, 999 down.
    void slideStep();
    // One frame of the wave: on every second frame from the third on, each
    // column's heights move one row towards row 0, row 0 wrapping to row 89.
    void waveStep();

private:
    void drawLayer(const float (*layer)[3], float xOffset) const;
};
