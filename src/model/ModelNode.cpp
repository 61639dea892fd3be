// Loading a node's model and box, drawing it with materials and a stencilled shadow, texture quality.

#include "model/ModelNode.h"

#include "model/FlatMaterial.h"
#include "model/MeshArrays.h"
#include "model/MeshGeometry.h"
#include "model/TextureLoader.h"
#include "scene/Matrix4.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace {

const float shadowColour[4] = {0.0f, 0.0f, 0.0f, 0.1f};

// Unit vector of v, or v unchanged when it has no length.
Vector3 normalized(Vector3 v)
{
    if (v.x != 0.0f || v.y != 0.0f || v.z != 0.0f) {
        v.normalize();
    }
    return v;
}

} // namespace

bool ModelNode::load(const char* fileName)
{
    if (!drawnModel->loadModelData(fileName)) {
        return false;
    }
    drawnModel->drawFromArrays();
    if (animated) {
        loadKeyframes(fileName);
        blendedCorners.assign(3 * static_cast<std::size_t>(drawnModel->arrays->corners()), 0.0f);
    }
    measureDrawnExtent();
    if (hasBoundingBox) {
        loadBoundingBox(fileName);
    }
    return true;
}

void ModelNode::loadBoundingBox(const char* fileName)
{
    // "data/brunnen.ms3d" has its box in "data/bbbrunnen.ms3d".
    if (std::strlen(fileName) < 5) {
        return;
    }
    const std::string boxName = std::string("data/bb") + (fileName + 5);
    if (!boxModel.loadModelData(boxName.c_str())) {
        return;
    }
    // Starting at +-2000 keeps the box within the playing area's range.
    Vector3 low(2000.0f, 2000.0f, 2000.0f);
    Vector3 high(-2000.0f, -2000.0f, -2000.0f);
    for (const Vertex& v : boxModel.vertices) {
        low.set(std::min(low.x, v.location[0]), std::min(low.y, v.location[1]),
                std::min(low.z, v.location[2]));
        high.set(std::max(high.x, v.location[0]), std::max(high.y, v.location[1]),
                 std::max(high.z, v.location[2]));
    }
    box.corner[0].set(low.x, low.y, low.z);
    box.corner[1].set(low.x, low.y, high.z);
    box.corner[2].set(high.x, high.y, high.z);
    box.corner[3].set(high.x, high.y, low.z);

    const Matrix4 scaling = Matrix4().scale(scale.x, scale.y, scale.z);
    for (int i = 0; i < 4; ++i) {
        Vector3& c = box.corner[i];
        c = scaling.transformPoint(c);
        c.add(position.x, position.y, position.z);
        box.cornerDist[i] = c.distanceTo(position.x, position.y, position.z);
        box.cornerDir[i] = normalized(
            Vector3::subtract(c.x, c.y, c.z, position.x, position.y, position.z));
    }
    rotateBox(heading);
}

void ModelNode::measureDrawnExtent()
{
    bool first = true;
    const auto include = [&](const Model& m) {
        for (const Vertex& v : m.vertices) {
            const float* p = v.location;
            if (first) {
                drawnLow.set(p[0], p[1], p[2]);
                drawnHigh = drawnLow;
                first = false;
            }
            drawnLow.set(std::min(drawnLow.x, p[0]), std::min(drawnLow.y, p[1]), std::min(drawnLow.z, p[2]));
            drawnHigh.set(std::max(drawnHigh.x, p[0]), std::max(drawnHigh.y, p[1]), std::max(drawnHigh.z, p[2]));
        }
    };
    include(*drawnModel);
    for (const Animation& animation : animations) {
        for (const Ms3dModel& pose : animation.keyframes) {
            include(pose);
        }
    }
}

Matrix4 ModelNode::placement() const
{
    return Matrix4().translate(position.x, position.y, position.z).scale(scale.x, scale.y, scale.z).rotateY(heading);
}

void ModelNode::rotateBox(float h)
{
    const Matrix4 turn = Matrix4().rotateY(h);
    for (int i = 0; i < 4; ++i) {
        Vector3& dir = box.cornerDir[i];
        dir = normalized(turn.transformPoint(dir));
        const float dist = box.cornerDist[i];
        box.corner[i].set(position.x + dir.x * dist, position.y + dir.y * dist,
                          position.z + dir.z * dist);
    }
    updateBoxPoints();
}

void ModelNode::updateBoxPoints()
{
    const Vector3* c = box.corner;
    Vector3* p = box.points;
    p[0] = c[0];
    p[1] = c[1];
    p[2].set(c[2].x, c[0].y, c[2].z);
    p[3].set(c[3].x, c[0].y, c[3].z);
    p[4].set(c[0].x, c[2].y, c[0].z);
    p[5].set(c[1].x, c[2].y, c[1].z);
    p[6] = c[2];
    p[7] = c[3];
}

void ModelNode::draw(Matrix4 parent)
{
    if (!hidden && !outOfView) {
        loadPlacement();
        if (!drawnAhead) {
            drawModel(drawnModel);
        }
        glLoadIdentity();
        SceneNode::draw(parent);
    }
    // The shadow stays on the ground even when the object itself is culled.
    if (castsShadow) {
        shadowOutOfView ? leaveShadowState() : drawShadow();
    }
}

void ModelNode::loadPlacement()
{
    glLoadIdentity();
    glTranslatef(position.x, position.y, position.z);
    glScalef(scale.x, scale.y, scale.z);
    glRotatef(heading, 0.0f, 1.0f, 0.0f);
}

void ModelNode::drawAhead()
{
    loadPlacement();
    drawModel(drawnModel);
    glLoadIdentity();
}

void ModelNode::drawModel(Model* m)
{
    drawGeometry(m, false);
}

bool ModelNode::shadowShear(Matrix4& shear) const
{
    if (shadowLight.x == 0.0f && shadowLight.y == 0.0f && shadowLight.z == 0.0f) {
        return false;
    }
    Vector3 d = Vector3::subtract(position.x, box.points[5].y, position.z, shadowLight.x,
                                  shadowLight.y, shadowLight.z);
    if (d.x == 0.0f && d.y == 0.0f && d.z == 0.0f) {
        return false; // the light sits on the top of the box: no direction to cast
    }
    d.normalize();
    const float k = d.y != 0.0f ? -shadowLight.y / d.y : 0.0f;
    const Vector3 ground(shadowLight.x + d.x * k, 0.0f, shadowLight.z + d.z * k);
    const float length = ground.distanceTo(position.x, position.y, position.z);

    // Shear sideways in proportion to the height: 2.5 % of the shadow length.
    shear.m[4] = d.x * length * 0.025f;
    shear.m[6] = d.z * length * 0.025f;
    return true;
}

bool ModelNode::shadowPlacement(Matrix4& placement) const
{
    Matrix4 shear;
    if (!shadowShear(shear)) {
        return false;
    }
    placement = Matrix4().translate(position.x, position.y, position.z).scale(scale.x, 0.0f, scale.z);
    placement.postMultiply(shear);
    placement = placement.rotateY(heading);
    return true;
}

// Out of view the shadow is left out, but what its drawing leaves behind
// stays: the pose moves on with every drawing of the model, its shadow's
// too, and what is drawn next may rely on the material and on the current
// normal and texture coordinate (the lens flare is lit with that normal).
void ModelNode::leaveShadowState()
{
    Matrix4 shear;
    if (!shadowShear(shear)) {
        return; // nor would drawShadow have drawn
    }
    if (!drawnModel->meshes.empty()) {
        setFlatMaterial(GL_FRONT, shadowColour);
    }
    leaveLastCorner(*drawnModel, useDisplayList ? 2 : static_cast<int>(drawnModel->meshes.size()));
    glMatrixMode(GL_MODELVIEW);
    if (animated) {
        advanceStep();
    }
}

void ModelNode::drawShadow()
{
    Matrix4 shear;
    if (!shadowShear(shear)) {
        return;
    }

    // Blended as translucent as the colour says. The stencil lets only the
    // first fragment at each pixel through, so the layers of a flattened
    // model (and neighbouring shadows) darken the ground only once.
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDepthMask(GL_FALSE);
    glEnable(GL_STENCIL_TEST);
    glStencilMask(shadowStencilBits);
    glStencilFunc(GL_EQUAL, 0, shadowStencilBits);
    glStencilOp(GL_KEEP, GL_KEEP, GL_INCR);

    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
        glTranslatef(position.x, position.y, position.z);
        glScalef(scale.x, 0.0f, scale.z);
        glMultMatrixf(shear.m);
        glRotatef(heading, 0.0f, 1.0f, 0.0f);
        drawGeometry(drawnModel, true);
    glPopMatrix();

    glStencilMask(0xFF);
    glDisable(GL_STENCIL_TEST);
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
}

void ModelNode::applyMaterial(const Model& m, int meshIndex, bool shadow)
{
    if (meshIndex >= static_cast<int>(m.meshes.size())) {
        return;
    }
    const int index = m.meshes[meshIndex].materialIndex;
    const bool hasMaterial = index >= 0 && index < static_cast<int>(m.materials.size());
    if (shadow) {
        if (!hasMaterial) {
            glDisable(GL_TEXTURE_2D);
        }
        setFlatMaterial(GL_FRONT, shadowColour);
        return;
    }
    if (!hasMaterial) {
        // Shared lists draw with whatever texture state is current.
        if (!useDisplayList) {
            glDisable(GL_TEXTURE_2D);
        }
        return;
    }
    const Material& material = m.materials[index];
    glMaterialfv(GL_FRONT, GL_AMBIENT, material.ambient);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, material.diffuse);
    glMaterialfv(GL_FRONT, GL_EMISSION, material.emissive);
    glMaterialfv(GL_FRONT, GL_SPECULAR, material.specular);
    glMaterialf(GL_FRONT, GL_SHININESS, material.shininess);
    if (useDisplayList) {
        return;
    }
    if (material.texture != 0) {
        glBindTexture(GL_TEXTURE_2D, material.texture);
        glEnable(GL_TEXTURE_2D);
    } else {
        glDisable(GL_TEXTURE_2D);
    }
}

void ModelNode::drawGeometry(Model* m, bool shadow)
{
    markFramePass(shadow ? FramePass::Shadows : pass);
    const bool textured = glIsEnabled(GL_TEXTURE_2D);
    // Closed models skip their back faces, which the depth test hides. Not
    // animated ones (a pose may open a seam), nor mirrored ones (their front
    // faces turn), nor without the depth test (the faces drawn last show,
    // front or back), nor shadows: flattened onto the ground they meet its
    // depth, and their back faces win some of those pixels.
    const bool cull = cullBackFaces && !shadow && !animated && scale.x * scale.y * scale.z > 0.0f &&
                      m->arrays != nullptr && m->arrays->closed && glIsEnabled(GL_DEPTH_TEST);
    if (cull) {
        glEnable(GL_CULL_FACE);
    }
    MeshView shownBy;
    if (view != nullptr && !shadow) {
        shownBy.frustum = view;
        shownBy.placement = placement();
    }
    PoseBlend blend;
    const PoseBlend* poses = nullptr;
    if (animated) {
        blend.factor = prepareBlend(m);
        blend.from = fromPose != nullptr ? fromPose : m;
        blend.to = toPose != nullptr ? toPose : m;
        blend.out = &blendedVertex;
        if (m->arrays != nullptr && blendedCorners.size() == 3 * static_cast<std::size_t>(m->arrays->corners())) {
            blend.corners = blendedCorners.data();
        }
        // A pose that is missing or short is shown as the base model.
        const std::size_t needed = m->vertices.size();
        if (blend.from->vertices.size() >= needed && blend.to->vertices.size() >= needed) {
            poses = &blend;
        }
    }

    if (useDisplayList) {
        for (int mesh = 0; mesh < 2; ++mesh) {
            applyMaterial(*m, mesh, shadow);
            glCallList(displayListBase + mesh);
        }
    } else {
        for (int mesh = 0; mesh < static_cast<int>(m->meshes.size()); ++mesh) {
            applyMaterial(*m, mesh, shadow);
            drawMesh(*m, mesh, poses, shownBy.frustum != nullptr ? &shownBy : nullptr);
        }
    }

    if (cull) {
        glDisable(GL_CULL_FACE);
    }
    if (textured) {
        glEnable(GL_TEXTURE_2D);
    } else {
        glDisable(GL_TEXTURE_2D);
    }
    if (animated) {
        advanceStep();
    }
}

void ModelNode::applyTextureQuality()
{
    if (animated) {
        return;
    }
    for (Material& material : drawnModel->materials) {
        const std::string& name = material.textureFilename;
        if (name.empty()) {
            material.texture = 0;
        } else if (highQualityTextures || name.size() < 4) {
            // A name too short to carry an extension is loaded as it stands.
            material.texture = loadTexture(name.c_str(), 0, false);
        } else {
            // "wasser02.jpg" becomes "wasser02LOW.jpg".
            const std::size_t cut = name.size() - 4;
            const std::string low = name.substr(0, cut) + "LOW" + name.substr(cut);
            material.texture = loadTexture(low.c_str(), 0, false);
        }
    }
}

void ModelNode::reloadTexturesWithFlag()
{
    if (animated) {
        return;
    }
    for (Material& material : drawnModel->materials) {
        if (!material.textureFilename.empty()) {
            material.texture = loadTexture(material.textureFilename.c_str(), 0, textureFlag);
        }
    }
}
