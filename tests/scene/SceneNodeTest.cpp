#include "scene/SceneNode.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Logs every operation that reaches it, then does what a plain node does.
class LoggingNode : public SceneNode {
public:
    LoggingNode(const std::string& nodeName, std::string& sharedLog) : SceneNode(nodeName), log(sharedLog) {}

    void drawFollowing(Matrix4 parent, Vector3 direction, Vector3 anchor) override
    {
        record("F", parent[12] + direction.x + anchor.z);
        SceneNode::drawFollowing(parent, direction, anchor);
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
    void onKey(int key) override
    {
        record("K", static_cast<float>(key));
        SceneNode::onKey(key);
    }
    void command(int key) override
    {
        record("C", static_cast<float>(key));
        SceneNode::command(key);
    }

private:
    void record(const char* operation, float value)
    {
        log += name + operation + std::to_string(static_cast<int>(value)) + " ";
    }

    std::string& log;
};

// root -> A (-> C), B
class SceneTreeTest : public ::testing::Test {
protected:
    SceneTreeTest()
    {
        root.addChild(&a);
        root.addChild(&b);
        a.addChild(&c);
    }

    std::string log;
    SceneNode root{"root"};
    LoggingNode a{"A", log};
    LoggingNode b{"B", log};
    LoggingNode c{"C", log};
};

} // namespace

TEST_F(SceneTreeTest, TraversalsVisitDepthFirstInInsertionOrder)
{
    root.draw(Matrix4().translate(7, 0, 0));
    EXPECT_EQ(log, "AD7 CD7 BD7 ");
    log.clear();
    root.drawFollowing(Matrix4().translate(1, 0, 0), Vector3(2, 0, 0), Vector3(0, 0, 3));
    EXPECT_EQ(log, "AF6 CF6 BF6 ");
    log.clear();
    root.drawAttached(Matrix4().translate(4, 0, 0), 90.0f);
    EXPECT_EQ(log, "AA94 CA94 BA94 ");
    log.clear();
    root.update();
    EXPECT_EQ(log, "AU0 CU0 BU0 ");
    log.clear();
    root.command('w');
    EXPECT_EQ(log, "AC119 CC119 BC119 ");
}

TEST_F(SceneTreeTest, HiddenDoesNotStopThePlainNodesForwarding)
{
    root.hidden = true;
    a.hidden = true;
    root.draw(Matrix4());
    root.command('x');
    EXPECT_EQ(log, "AD0 CD0 BD0 AC120 CC120 BC120 ");
}

TEST_F(SceneTreeTest, KeysAreNotForwarded)
{
    root.onKey(1);
    a.onKey(3);
    EXPECT_EQ(log, "AK3 ");
}

TEST_F(SceneTreeTest, LeafForwardsNothing)
{
    SceneNode leaf("leaf");
    leaf.draw(Matrix4());
    leaf.command('w');
    leaf.update();
    leaf.prepare();
    EXPECT_TRUE(leaf.getChildren().empty());
    c.command('s');
    EXPECT_EQ(log, "CC115 ");
}

TEST_F(SceneTreeTest, DuplicatesAreVisitedTwiceAndRemovedTogether)
{
    root.addChild(&b);
    root.command('e');
    EXPECT_EQ(log, "AC101 CC101 BC101 BC101 ");
    root.removeChild(&b);
    EXPECT_EQ(root.getChildren().size(), 1u);
    EXPECT_FALSE(root.hasChild("B"));
    root.removeChild(&b);
    root.removeChild(&c); // a grandchild is not a child
    EXPECT_TRUE(root.hasChild("A"));
    EXPECT_TRUE(a.hasChild("C"));
}

TEST(SceneNodeTest, HasChildMatchesOnlyExactNames)
{
    SceneNode level("Level1");
    SceneNode geo("Geobranch");
    SceneNode inner("Avatar");
    SceneNode unnamed;
    level.addChild(&geo);
    geo.addChild(&inner);
    EXPECT_TRUE(level.hasChild("Geobranch"));
    EXPECT_FALSE(level.hasChild("Geo"));
    EXPECT_FALSE(level.hasChild("geobranch"));
    EXPECT_FALSE(level.hasChild("Geobranch "));
    EXPECT_FALSE(level.hasChild(std::string("Geobranch\0", 10)));
    EXPECT_FALSE(level.hasChild("Avatar"));
    EXPECT_FALSE(level.hasChild(""));
    level.addChild(&unnamed);
    EXPECT_TRUE(level.hasChild(""));
    geo.setName("Geo");
    EXPECT_TRUE(level.hasChild("Geo"));
}

TEST_F(SceneTreeTest, DestroyTreeNamesChildrenBeforeParents)
{
    testing::internal::CaptureStdout();
    root.destroyTree();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "C destroied\nA destroied\nB destroied\nroot destroied\n");
    // Nothing is unlinked or freed.
    EXPECT_EQ(root.getChildren().size(), 2u);
}
