#include "scene/SceneNode.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Logs every traversal that reaches it, then does what a plain node does.
class LoggingNode : public SceneNode {
public:
    LoggingNode(const std::string& nodeName, std::string& sharedLog) : SceneNode(nodeName), log(sharedLog) {}
    void drawFollowing(Matrix4 parent, Vector3 d, Vector3 anchor) override
    {
        record("F", parent[12] + d.x + anchor.z);
        SceneNode::drawFollowing(parent, d, anchor);
    }
    void drawAttached(Matrix4 parent, float heading) override
    {
        record("A", parent[12] + heading);
        SceneNode::drawAttached(parent, heading);
    }
    void draw(Matrix4 parent) override
    {
        record("D", parent[12]);
        SceneNode::draw(parent);
    }
    void update() override
    {
        record("U", 0);
        SceneNode::update();
    }
    void onKey(int key) override { record("K", key); }
    void command(int key) override
    {
        record("C", key);
        SceneNode::command(key);
    }

private:
    void record(const char* what, float value) { log += name + what + std::to_string(static_cast<int>(value)) + " "; }
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
    root.drawFollowing(Matrix4().translate(1, 0, 0), Vector3(2, 0, 0), Vector3(0, 0, 3));
    root.drawAttached(Matrix4().translate(4, 0, 0), 90);
    root.update();
    root.command('w');
    root.onKey(1); // keys are not forwarded
    EXPECT_EQ(log, "AD7 CD7 BD7 AF6 CF6 BF6 AA94 CA94 BA94 AU0 CU0 BU0 AC119 CC119 BC119 ");

    log.clear();
    root.addChild(&b); // twice a child, visited twice, removed together
    root.command('e');
    EXPECT_EQ(log, "AC101 CC101 BC101 BC101 ");
    root.removeChild(&b);
    root.removeChild(&c); // a grandchild is not a child
    EXPECT_EQ(root.getChildren(), std::vector<SceneNode*>{&a});

    EXPECT_FALSE(root.hasChild("a") || root.hasChild("A ") || root.hasChild("C") || root.hasChild(""));
    EXPECT_TRUE(root.hasChild("A"));
    testing::internal::CaptureStdout();
    root.destroyTree();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "C destroied\nA destroied\nroot destroied\n");
    EXPECT_EQ(root.getChildren().size(), 1u) << "nothing is unlinked";
}

} // namespace
