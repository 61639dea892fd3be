#include "game/Level.h"

#include "app/Host.h"
#include "game/ControlNode.h"

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
    geoBranch.draw(Matrix4());
}

void Level::pace(ModelNode& node, int slot, int k) const
{
    node.animations[slot].stepsPerKeyframe = static_cast<int>(static_cast<float>(k) / fps);
}

int Level::select(std::span<const ProximityRule> rules, const char* idleText)
{
    const Vector3& at = avatar.position;
    for (std::size_t i = 0; i < rules.size(); ++i) {
        const ProximityRule& rule = rules[i];
        const Vector3& p = rule.object->position;
        if (p.distanceTo(at.x, at.y, at.z) < rule.radius) {
            prompt = rule.text;
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
