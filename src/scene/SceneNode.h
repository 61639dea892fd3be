// The base of every node in the game's scene tree and its child list.

#pragma once

#include "scene/Matrix4.h"
#include "scene/Vector3.h"

#include <string>
#include <vector>

// Base of every object in the game's scene tree, with its ordered,
// non-owning child list. Nodes are owned by larger objects; the tree only
// links them. The draw, update and command traversals do their own work and
// then forward to the children in order.
class SceneNode {
public:
    bool hidden = false;

    SceneNode() = default;
    explicit SceneNode(std::string nodeName) : name(std::move(nodeName)) {}
    virtual ~SceneNode() = default;

    virtual void drawFollowing(Matrix4 parent, Vector3 direction, Vector3 anchor);
    virtual void drawAttached(Matrix4 parent, float heading);
    virtual void draw(Matrix4 parent);
    virtual void update();
    // Function keys; only the game manager node reacts, nothing is forwarded.
    virtual void onKey(int key);
    // One command character ('w', 'e', '1', ...) travelling down the tree.
    virtual void command(int key);

    // Appends; the same node added twice is a child twice.
    void addChild(SceneNode* child);
    // Removes every entry of the node; absent nodes are ignored.
    void removeChild(SceneNode* child);
    // Exact byte-wise match of a direct child's name.
    bool hasChild(const std::string& childName) const;
    void setName(const std::string& newName) { name = newName; }
    const std::string& getName() const { return name; }
    const std::vector<SceneNode*>& getChildren() const { return children; }
    // Prints every name below and then this one, followed by " destroied".
    void destroyTree();

protected:
    std::string name;
    std::vector<SceneNode*> children;
};
