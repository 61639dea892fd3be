// The river's model node, which draws the shared water grid in place of a model.
// Apart from the grid: this side is only the node's place in the scene and its texture.

#pragma once

#include "effects/WaterGrid.h"
#include "model/ModelNode.h"

#include <vector>

// The river of the bridge level: a model node that draws, in place of a
// model, the two translucent layers of the water grid, placed by the node's
// position, scale and heading. All water nodes share one grid and one
// animation, which advances once per drawn frame.
class WaterSurface : public ModelNode {
public:
    // Fills the shared grid afresh; its animation state carries on.
    WaterSurface();

    // Loads the river texture; drawing before this draws untextured.
    void loadTexture();
    // Draws the water regardless of `hidden`; children are not drawn.
    void draw(Matrix4 parent) override;
    void command(int key) override;
    // Draws both layers in the current model-view frame and advances them.
    void drawWater();

    static inline constinit WaterGrid grid;
    std::vector<unsigned int> textures;
};
