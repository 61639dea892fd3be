// The scene node that shows one model, with its shadow, box and animations.

#pragma once

#include "model/Animation.h"
#include "model/BoundingBox.h"
#include "model/Frustum.h"
#include "model/Model.h"
#include "scene/FramePass.h"
#include "scene/SceneNode.h"
#include "scene/Vector3.h"

#include <span>
#include <string>
#include <vector>

// The scene node that shows one model: scenery, props, characters. It draws
// the model with its materials (or from shared display lists), a flat shadow
// away from `shadowLight`, and keeps a bounding box for collision and
// culling. Animated nodes blend between keyframe poses every drawn frame.
class ModelNode : public SceneNode {
public:
    static constexpr int animationSlots = 5;
    // The stencil's low bits count the shadows on a pixel; the top bit marks
    // the pixels of what a level draws ahead: models, the ground, the hills.
    static constexpr unsigned int shadowStencilBits = 0x7F;
    static constexpr unsigned int aheadStencilBit = 0x80;
    // Closed models skip their back faces, which the depth test would hide
    // anyway; off while the picture is drawn as lines, where they show.
    static inline bool cullBackFaces = true;

    ModelNode() = default;
    explicit ModelNode(std::string nodeName) : SceneNode(std::move(nodeName)) {}

    // Loads the model, then its keyframe poses when `animated`, then its box
    // from "data/bb" + fileName without "data/" when `hasBoundingBox`.
    // False only when the model itself cannot be loaded.
    bool load(const char* fileName);
    // Draws the model and the children, then the shadow, which a hidden
    // node still casts.
    void draw(Matrix4 parent) override;
    // Draws m at the current modelview with this node's animation state.
    void drawModel(Model* m);
    // Draws the model where draw places it, for a level that draws it
    // ahead of the scene (see `drawnAhead`).
    void drawAhead();
    // Draws the model flattened onto y = position.y, sheared away from the
    // light, blended in the shadow colour. Each pixel is darkened once until
    // the stencil buffer is cleared (the level clears it for every scene),
    // however many triangles or shadows overlap there.
    void drawShadow();

    // Where draw puts the model: position, scale, heading. Culling places
    // drawnLow .. drawnHigh with it: the collision box may be smaller than
    // the model (eaves, a tree's crown).
    Matrix4 placement() const;
    // The same for the shadow, flattened onto the ground as drawShadow
    // places it; false when the node casts none.
    bool shadowPlacement(Matrix4& placement) const;

    // Turns the box about `position` by h degrees, keeping its shape.
    void rotateBox(float h);
    // Rebuilds the eight box points from the four corners.
    void updateBoxPoints();

    // Reloads the textures in normal quality or as the "LOW" variants.
    void applyTextureQuality();
    // Reloads the textures, building mip-maps when `textureFlag` is set.
    void reloadTexturesWithFlag();

    // Starts animation slot 0..3 from its first pose; the running step is kept.
    void setAnimation(int index);

    Animation animations[animationSlots];
    BoundingBox box;
    bool castsShadow = true;
    // The shadow lies out of view: draw leaves it out.
    bool shadowOutOfView = false;
    // The model lies out of view: draw leaves it and its children out. Kept
    // apart from `hidden`, which says whether it is there at all.
    bool outOfView = false;
    // Set, the pieces of the model's large meshes out of this view are left
    // out and the rest drawn piece by piece: for surfaces whose triangles
    // never cover each other at one depth, where order does not matter (the
    // ground, the hills).
    const Frustum* view = nullptr;
    // What the model counts as when a benchmark splits the frame (its shadow: Shadows).
    FramePass pass = FramePass::Models;
    // The model was drawn ahead of the scene: draw skips it and draws only
    // the children and the shadow.
    bool drawnAhead = false;
    bool useDisplayList = false;
    unsigned int displayListBase = 0;
    bool highQualityTextures = true;
    bool textureFlag = false;
    bool hasBoundingBox = false;
    Vector3 position;
    Vector3 scale{1.0f, 1.0f, 1.0f};
    Vector3 direction{1.0f, 0.0f, 0.0f};
    Vector3 forward{0.0f, 0.0f, -1.0f};
    Ms3dModel model;
    Model* drawnModel = &model;
    Vector3 shadowLight; // (0, 0, 0): no shadow
    Ms3dModel boxModel;
    float heading = 0.0f;
    // Extent of the model's and its poses' vertices, in model coordinates.
    Vector3 drawnLow;
    Vector3 drawnHigh;

    bool animated = false;
    bool restartPending = false;
    int currentAnimation = 0;
    int keyframeIndex = 0; // pose at the end of the segment; keyframeCount = base model
    float step = 0.0f;
    Vector3 blendedVertex;
    // The blended position of every stored corner, drawn as a vertex array.
    std::vector<float> blendedCorners;
    Model* fromPose = nullptr; // nullptr counts as the base model
    Model* toPose = nullptr;

    // What 'v' shows of it: lines of its level's table.
    std::span<const char* const> descriptionLines;
    bool selected = false;
    // Animation slot the game last switched this node to (avatar, chickens, snakes).
    int animationIndex = 0;

private:
    void loadKeyframes(const char* fileName);
    void loadBoundingBox(const char* fileName);
    void measureDrawnExtent();
    // The modelview matrix that places the model: position, scale, heading.
    void loadPlacement();
    // The shear that slants the flattened model away from the light, in
    // proportion to height; false when there is no direction to cast.
    bool shadowShear(Matrix4& shear) const;
    // Leaves GL and the pose as drawShadow would, without drawing.
    void leaveShadowState();
    // Chooses the poses of this frame; returns the blend factor.
    float prepareBlend(Model* m);
    void advanceStep();
    void drawGeometry(Model* m, bool shadow);
    void applyMaterial(const Model& m, int meshIndex, bool shadow);
};
