// One keyframe animation of a model node: its pose models and their pace.
// Its own header so ModelNode's slots are declared without the blending code.

#pragma once

#include "model/Model.h"

#include <string>

// One animation of a model node: a short cycle of keyframe poses, each a
// complete model file beside the base model, blended vertex by vertex.
struct Animation {
    static constexpr int maxKeyframes = 5;

    std::string name; // part of the pose file names; empty = slot unused
    int keyframeCount = 0;
    int stepsPerKeyframe = 0; // drawn frames from one pose to the next
    Ms3dModel keyframes[maxKeyframes];
};

// Steps per keyframe for an animation of pace `k` drawn at `framesPerSecond`.
// A keyframe lasts k / 1600 seconds at any frame rate: k / 40 steps at the 40
// frames a second the paces were chosen for, twice as many at twice the rate.
int pacedSteps(int k, float framesPerSecond);
