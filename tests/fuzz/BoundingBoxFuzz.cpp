// A bounding-box file beside an intact model: its extremes become the
// node's box, which is then turned with the node.
#include "FuzzScratch.h"
#include "model/ModelNode.h"

#include <memory>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    return enterScratchDir("data/dialogbox.ms3d", "data/figur.ms3d");
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    writeInput("data/bbfigur.ms3d", data, size);
    auto node = std::make_unique<ModelNode>();
    node->hasBoundingBox = true;
    node->position.set(10.0f, 0.0f, -5.0f);
    node->scale.set(0.3f, 0.3f, 0.3f);
    node->heading = 45.0f;
    if (node->load("data/figur.ms3d")) {
        node->rotateBox(30.0f);
    }
    return 0;
}
