// A keyframe pose beside an intact base model: loaded, then blended with it
// frame by frame (without a GL context the drawing calls do nothing).
#include "FuzzScratch.h"
#include "model/ModelNode.h"

#include <memory>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    return enterScratchDir("data/huhn.ms3d", "data/figur.ms3d");
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    writeInput("data/figur_walk_0.ms3d", data, size);
    auto node = std::make_unique<ModelNode>();
    node->animated = true;
    node->animations[0].name = "walk";
    node->animations[0].keyframeCount = 1;
    node->animations[0].stepsPerKeyframe = 2;
    if (node->load("data/figur.ms3d")) {
        node->setAnimation(0);
        for (int frame = 0; frame < 8; ++frame) {
            node->drawModel(node->drawnModel);
        }
    }
    return 0;
}
