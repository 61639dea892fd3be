// The scene tree's traversals: draw, update and commands forwarded to the children in order.

#include "scene/SceneNode.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>

// Traversals index the child list instead of iterating it: game code links
// and unlinks nodes (a carried sheep, a level switch) while a walk is running.

void SceneNode::drawFollowing(Matrix4 parent, Vector3 direction, Vector3 anchor)
{
    for (std::size_t i = 0; i < children.size(); ++i) {
        children[i]->drawFollowing(parent, direction, anchor);
    }
}

void SceneNode::drawAttached(Matrix4 parent, float heading)
{
    for (std::size_t i = 0; i < children.size(); ++i) {
        children[i]->drawAttached(parent, heading);
    }
}

void SceneNode::draw(Matrix4 parent)
{
    for (std::size_t i = 0; i < children.size(); ++i) {
        children[i]->draw(parent);
    }
}

void SceneNode::update()
{
    for (std::size_t i = 0; i < children.size(); ++i) {
        children[i]->update();
    }
}

void SceneNode::onKey(int)
{
}

void SceneNode::command(int key)
{
    for (std::size_t i = 0; i < children.size(); ++i) {
        children[i]->command(key);
    }
}

void SceneNode::addChild(SceneNode* child)
{
    children.push_back(child);
}

void SceneNode::removeChild(SceneNode* child)
{
    children.erase(std::remove(children.begin(), children.end(), child), children.end());
}

bool SceneNode::hasChild(const std::string& childName) const
{
    return std::any_of(children.begin(), children.end(),
                       [&](const SceneNode* child) { return child->name == childName; });
}

void SceneNode::destroyTree()
{
    for (std::size_t i = 0; i < children.size(); ++i) {
        children[i]->destroyTree();
    }
    std::printf("%s destroied\n", name.c_str());
}
