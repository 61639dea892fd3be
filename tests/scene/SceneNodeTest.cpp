#include "scene/SceneNode.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Logs what reaches it, then does what a plain node does.
struct LoggingNode : SceneNode {
    LoggingNode(const std::string& nodeName, std::string& sharedLog) : SceneNode(nodeName), log(sharedLog) {}
    void draw(Matrix4 parent) override { log += name + "D" + std::to_string(int(parent[12])) + " ", SceneNode::draw(parent); }
    void update() override { log += name + "U ", SceneNode::update(); }
    void onKey(int key) override { log += name + "K" + std::to_string(key) + " "; }
    void command(int key) override { log += name + char(key) + " ", SceneNode::command(key); }
    std::string& log;
};

TEST(SceneNodeTest, TraversalsGoDepthFirstInInsertionOrderPastHiddenNodes)
{
    std::string log;
    SceneNode root("root");
    LoggingNode a("A", log), b("B", log), c("C", log);
    root.addChild(&a);
    root.addChild(&b);
    a.addChild(&c);
    root.hidden = a.hidden = true; // plain nodes forward regardless
    root.draw(Matrix4().translate(7, 0, 0));
    root.update();
    root.command('w');
    root.onKey(1); // keys are not forwarded
    EXPECT_EQ(log, "AD7 CD7 BD7 AU CU BU Aw Cw Bw ");

    root.removeChild(&b);
    root.removeChild(&c); // a grandchild is not a child
    EXPECT_EQ(root.getChildren(), std::vector<SceneNode*>{&a});
    EXPECT_FALSE(root.hasChild("a") || root.hasChild("A ") || root.hasChild("C") || root.hasChild(""));
    EXPECT_TRUE(root.hasChild("A"));
}

} // namespace
