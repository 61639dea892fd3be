// A level's keys, drawing, selecting what the avatar stands at, and placing objects from its table.
// Kept apart from the six levels so each of them holds only its own objects and script.

#include "game/Level.h"

#include "game/ControlNode.h"
#include "platform/Host.h"

#include <GL/gl.h>

#include <cstring>
#include <stdexcept>

namespace {
// Descriptions stand right of the middle, a third from the top.
constexpr double descriptionX = 0.5555555555555556;
constexpr double descriptionY = 0.3;
constexpr float lineHeight = 20.0f;
} // namespace

Level::Level()
{
    light.lightType = 0;
    light2.lightType = 1;
}

void Level::setup()
{
    geoBranch.setName("Geobranch");
}

void Level::command(int key)
{
    if (key >= 'e' && key <= 'v') {
        switch (key) {
        case 'e':
            for (ModelNode* partner : partners) {
                if (partner->selected && controls != nullptr) {
                    controls->inputMode = 'g';
                }
            }
            break;
        case 'l':
            if (exitTarget != 0) {
                nextLevel = exitTarget;
            }
            break;
        case 'q':
            if (controls != nullptr) {
                controls->heldForward = false;
                controls->heldBack = false;
                controls->heldLeft = false;
                controls->heldRight = false;
                controls->inputMode = 'a';
            }
            break;
        case 'v':
            for (ModelNode* object : lookOrder) {
                if (object->selected) {
                    showDescription(*object);
                    break;
                }
            }
            break;
        default:
            break;
        }
    }
    SceneNode::command(key);
}

void Level::showDescription(ModelNode& object)
{
    if (!object.selected) {
        return;
    }
    const double w = Host::current().windowWidth();
    const double h = Host::current().windowHeight();
    const float x = static_cast<float>(w * descriptionX);
    const float top = static_cast<float>(h * descriptionY);
    for (std::size_t i = 0; i < object.descriptionLines.size(); ++i) {
        textStyle.print(textStyle.font, object.descriptionLines[i], x, top + lineHeight * static_cast<float>(i));
    }
}

void Level::drawScene()
{
    // A fresh stencil: every pixel may take one shadow in this picture.
    glClear(GL_STENCIL_BUFFER_BIT);
    drawSurfacesAhead();
    // Until the avatar come the sky and what is drawn without depth (the
    // glow above, the river); the ground and the hills, drawn after them
    // in the scene's order, paint over them, so they stay off their pixels.
    glEnable(GL_STENCIL_TEST);
    glStencilFunc(GL_EQUAL, 0, ModelNode::surfaceStencilBit);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
    for (SceneNode* node : geoBranch.getChildren()) {
        if (node == avatarPtr) {
            glDisable(GL_STENCIL_TEST);
        }
        node->draw(Matrix4());
    }
    glDisable(GL_STENCIL_TEST);
}

// The sky comes first in the scene and the ground and the hills cover most
// of it. Drawn ahead, in the state they meet at their turn in the scene,
// they hide that part of the sky from the depth test, which then spares
// shading it; their pixels are marked in the stencil.
void Level::drawSurfacesAhead()
{
    glPushAttrib(GL_ALL_ATTRIB_BITS);
        glEnable(GL_LIGHTING);
        glEnable(GL_DEPTH_TEST);
        glDepthMask(GL_TRUE);
        glDisable(GL_BLEND);
        glDisable(GL_TEXTURE_2D);
        glEnable(GL_STENCIL_TEST);
        glStencilMask(ModelNode::surfaceStencilBit);
        glStencilFunc(GL_ALWAYS, ModelNode::surfaceStencilBit, ModelNode::surfaceStencilBit);
        glStencilOp(GL_KEEP, GL_KEEP, GL_REPLACE);
        for (ModelNode* surface : surfacesAhead) {
            if (surface->drawnAhead && !surface->hidden) {
                surface->drawAhead();
            }
        }
    glPopAttrib();
}

void Level::pace(ModelNode& node, int slot, int k) const
{
    node.animations[slot].stepsPerKeyframe = pacedSteps(k, fps);
}

int Level::select(std::span<const ProximityRule> rules, const char* idleText)
{
    const Vector3& at = avatar.position;
    for (std::size_t i = 0; i < rules.size(); ++i) {
        const ProximityRule& rule = rules[i];
        const Vector3& p = rule.object->position;
        if (p.distanceTo(at.x, at.y, at.z) < rule.radius) {
            if (rule.text != nullptr) {
                prompt = rule.text;
            }
            if (!rule.marker) {
                rule.object->selected = true;
            }
            return static_cast<int>(i);
        }
    }
    prompt = idleText;
    for (ModelNode* object : selectable) {
        object->selected = false;
    }
    return -1;
}

void Level::leaveWhen(bool completed, int target)
{
    if (completed) {
        nextLevel = target;
    }
}

ModelNode* boundNode(std::span<const NodeBinding> nodes, const char* name)
{
    for (const NodeBinding& binding : nodes) {
        if (std::strcmp(binding.name, name) == 0) {
            return binding.node;
        }
    }
    return nullptr;
}

const char* promptNamed(std::span<const PromptRow> rows, const char* name, const char* otherwise)
{
    for (const PromptRow& row : rows) {
        if (std::strcmp(row.name, name) == 0) {
            return row.prompt;
        }
    }
    return otherwise;
}

const char* promptByPrefix(std::span<const PromptRow> rows, const char* name, const char* otherwise)
{
    for (const PromptRow& row : rows) {
        if (std::strncmp(row.name, name, std::strlen(row.name)) == 0) {
            return row.prompt;
        }
    }
    return otherwise;
}

const ExitMarker* exitMarker(const LevelLayout& layout, const char* label)
{
    for (const ExitMarker& marker : layout.exits) {
        if (std::strcmp(marker.label, label) == 0) {
            return &marker;
        }
    }
    return nullptr;
}

void Level::placeAll(const LevelLayout& layout, std::span<const NodeBinding> nodes)
{
    for (const Placement& row : layout.placements) {
        if (ModelNode* node = boundNode(nodes, row.node)) {
            place(*node, row, layout.animations);
        }
    }
    paced.clear();
    for (const AnimationSlot& slot : layout.animations) {
        ModelNode* node = boundNode(nodes, slot.node);
        if (node != nullptr && slot.pacing != 0) {
            paced.push_back({node, slot.slot, slot.pacing});
        }
    }
    camera.setName("camera");
    camera.position = layout.camera.position;
    camera.target = layout.camera.target;
    avatar.setCamera(&camera);
}

void Level::place(ModelNode& node, const Placement& row, std::span<const AnimationSlot> animations)
{
    node.setName(row.node);
    node.position = row.position;
    node.scale = row.scale;
    node.direction = row.facing;
    const bool ownHeading = row.headingFacing.x != 0.0f || row.headingFacing.y != 0.0f ||
                            row.headingFacing.z != 0.0f;
    node.heading = (ownHeading ? row.headingFacing : row.facing).headingTo(node.forward);
    node.hasBoundingBox = (row.flags & HasBox) != 0;
    node.animated = (row.flags & Animated) != 0;
    node.hidden = (row.flags & StartsHidden) != 0;
    node.particleMode = (row.flags & (DrawsParticleSheet | DrawsParticleSpray)) != 0;
    node.useSheet = (row.flags & DrawsParticleSheet) != 0;
    if ((row.flags & CastsShadow) != 0) {
        node.shadowLight = light.position;
    }
    if ((row.flags & NoShadowCast) != 0) {
        node.castsShadow = false;
    }
    if (auto* actor = dynamic_cast<Actor*>(&node)) {
        actor->followDistance = row.followDistance;
    }
    // The poses are loaded with the model, so the slots come first.
    for (const AnimationSlot& slot : animations) {
        if (std::strcmp(slot.node, row.node) == 0 && slot.slot >= 0 && slot.slot < ModelNode::animationSlots) {
            Animation& a = node.animations[slot.slot];
            a.name = slot.name;
            a.keyframeCount = slot.keyframeCount;
            a.stepsPerKeyframe = slot.stepsPerKeyframe;
        }
    }
    if (row.model != nullptr) {
        node.load(row.model);
    }
}

void Level::listObstacles(const LevelLayout& layout, std::span<const NodeBinding> nodes)
{
    obstacles.clear();
    for (const char* name : layout.obstacles) {
        if (ModelNode* node = boundNode(nodes, name)) {
            obstacles.push_back(node);
        }
    }
    avatar.obstacles = &obstacles;
}

void Level::applyReturn(const ReturnSetup& setup, ModelNode& closedExit)
{
    const float oldHeading = avatar.heading;
    avatar.position = setup.avatarPosition;
    avatar.direction = setup.avatarFacing;
    avatar.heading = setup.avatarFacing.headingTo(avatar.forward);
    // Re-derives the box corners about the new position and heading.
    avatar.rotateBox(avatar.heading - oldHeading);
    camera.position = setup.camera.position;
    camera.target = setup.camera.target;
    closedExit.position = setup.closedExitPosition;
    exitTarget = setup.exitTarget;
}

void Level::paceAnimations()
{
    for (const PacedAnimation& p : paced) {
        pace(*p.node, p.slot, p.k);
    }
}

std::vector<NodeBinding> Level::bindRows(const LevelLayout& layout, const std::vector<ModelNode*>& placed,
                                         const std::vector<ModelNode*>& markers)
{
    if (placed.size() != layout.placements.size() || markers.size() > layout.exits.size()) {
        throw std::logic_error("level " + std::to_string(layout.number) + ": members do not match its tables");
    }
    std::vector<NodeBinding> nodes;
    for (std::size_t i = 0; i < placed.size(); ++i) {
        nodes.push_back({layout.placements[i].node, placed[i]});
    }
    for (std::size_t i = 0; i < markers.size(); ++i) {
        nodes.push_back({layout.exits[i].label, markers[i]});
    }
    return nodes;
}

void Level::linkSceneTop(SceneNode& heavenBase, std::initializer_list<SceneNode*> beforeAvatar)
{
    geoBranch.addChild(&sky);
    geoBranch.addChild(&heavenBase);
    for (SceneNode* n : beforeAvatar) {
        geoBranch.addChild(n);
        drawAheadIfHill(n);
    }
    geoBranch.addChild(avatarPtr);
    geoBranch.addChild(&ground);
    ground.drawnAhead = true;
    surfacesAhead.push_back(&ground);
    geoBranch.addChild(&light);
    geoBranch.addChild(&light2);
}

void Level::addToGround(std::initializer_list<ModelNode*> nodes)
{
    for (ModelNode* n : nodes) {
        ground.addChild(n);
        drawAheadIfHill(n);
    }
}

void Level::drawAheadIfHill(SceneNode* node)
{
    // Ahead of the scene, the surfaces keep the order they have in it.
    if (node == &hill) {
        hill.drawnAhead = true;
        surfacesAhead.push_back(&hill);
    }
}
