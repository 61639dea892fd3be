// A scene node that places one of the level's two GL lights.

#pragma once

#include "model/ModelNode.h"

// Places GL_LIGHT0 (lightType 0) or GL_LIGHT1 (lightType 1) at `position`
// and switches lighting on. It draws no model, no shadow and no children.
class LightNode : public ModelNode {
public:
    using ModelNode::ModelNode;

    void draw(Matrix4 parent) override;
    void drawAttached(Matrix4, float) override {}
    void command(int) override {}

    int lightType = 0;
};
