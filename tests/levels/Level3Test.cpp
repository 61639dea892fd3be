// The chicken yard: set-up, proximity rules, the wheelbarrow and the feed,
// the chase and the chickens eating the sacks.
#include "LevelFixture.h"

#include "levels/Level3.h"

#include <cmath>

using Names = std::vector<std::string>;

namespace {

using YardTest = LevelTest<Level3, 3>;

constexpr const char* idle = "Hier gibt's nix zu sehn";
constexpr const char* barrier = "Ich soll doch Futter holen!";
constexpr const char* atWheelbarrow = "Ding anschauen (v = view), Ding mitnehmen (m = mitnehmen)";
constexpr Vector3 atPile{172, 0, 172};

float groundDistance(const Vector3& a, const Vector3& b)
{
    return std::hypot(a.x - b.x, a.z - b.z);
}

int visibleSacks(const Level3& l)
{
    int n = 0;
    for (const Actor& sack : l.sacks) {
        n += sack.hidden ? 0 : 1;
    }
    return n;
}

} // namespace

TEST_F(YardTest, SceneTreeChickensAndObstacles)
{
    Level3& l = *level;
    EXPECT_EQ(names(l.geoBranch), (Names{"himmel", "heavenBase", "avatar", "boden", "Licht", "Licht2"}));
    EXPECT_EQ(names(l.ground),
              (Names{"lvlbdryN", "lvlbdryS", "lvlbdryW", "lvlbdryE", "huegel", "baum1", "baum2", "baum3",
                     "baum4", "baum5", "mob1", "mob2", "mob3", "mob4", "mob5", "mob6", "mob7", "mob8", "mob9",
                     "mob10", "mob11", "mob12", "mob13", "mob14", "mob15", "schubkarre", "futter", "sign"}));
    EXPECT_EQ(names(l.avatar), (Names{"sack1", "sack2", "sack3", "sack4", "sack5"}));
    EXPECT_EQ(visibleSacks(l), 0);
    EXPECT_FALSE(l.schubkarre.hidden);
    EXPECT_EQ(l.feedCount, 0);
    Names obstacles;
    for (const ModelNode* o : l.obstacles) {
        obstacles.push_back(o->getName());
    }
    EXPECT_EQ(obstacles, (Names{"baum1", "baum2", "baum3", "baum4", "lvlbdryN", "lvlbdryS", "lvlbdryW",
                                "lvlbdryE"}));

    expectAt(l.avatar.position, 100, 0, 10);
    expectAt(l.camera.position, 100, 5, -5);
    expectAt(l.exitPoint.position, 100, 0, -5);
    expectAt(l.mobs[0].position, 40, 0, 30);
    expectAt(l.mobs[6].scale, 1.1f, 1.1f, 1);
    expectAt(l.mobs[12].direction, 0, 0, -1);
    expectAt(l.mobs[14].scale, 2, 2, 2);
    for (int i = 0; i < Level3::chickenCount; ++i) {
        SCOPED_TRACE(i);
        expectAt(l.homes[i], l.mobs[i].position.x, 0, l.mobs[i].position.z);
        EXPECT_EQ(l.mobs[i].getName(), "mob" + std::to_string(i + 1));
        EXPECT_EQ(l.mobs[i].animationIndex, 0);
        EXPECT_STREQ(l.mobs[i].animations[1].name.c_str(), "walk");
        EXPECT_STREQ(l.mobs[i].descriptionLines.at(0),
                     i < 8 ? "Ein seltsames Huehnchen!" : "Freilaufend und gluecklich");
    }
    EXPECT_STREQ(l.schubkarre.descriptionLines.at(0), "Oh wie praktisch. Eine Scheibtruhe.");
    EXPECT_STREQ(l.sign.descriptionLines.at(1), "(nur mit Futter)");
    EXPECT_STREQ(l.futter.descriptionLines.at(0), "Huehnerfutter ?!");

    l.fps = 50.0f;
    standAt({100, 0, 30});
    EXPECT_EQ(l.mobs[3].animations[0].stepsPerKeyframe, 38); // 1900 / 50
    EXPECT_EQ(l.mobs[3].animations[1].stepsPerKeyframe, 8);  // 400 / 50
}

TEST_F(YardTest, PromptsInsideTheirRadius)
{
    struct Case {
        ModelNode* object;
        float radius;
        const char* prompt;
    };
    Level3& l = *level;
    const Case cases[] = {
        {&l.schubkarre, 5, atWheelbarrow},
        {&l.baum1, 4, "Baum anschauen (v = view)"}, {&l.baum5, 4, "Baum anschauen (v = view)"},
        {&l.sign, 3, "Schild anschauen (v = view)"},
        {&l.mobs[0], 2, "Huhn anschauen (v = view)"}, {&l.mobs[14], 2, "Huhn anschauen (v = view)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.object->getName());
        const Vector3 at = c.object->position;
        standAt({at.x, at.y + c.radius, at.z});
        EXPECT_EQ(l.prompt, idle);
        EXPECT_FALSE(c.object->selected);
        standAt({at.x, at.y + c.radius - 0.01f, at.z});
        EXPECT_EQ(l.prompt, c.prompt);
        EXPECT_TRUE(c.object->selected);
    }
    // The pile's own prompt wins over its rule, and reaches farther.
    standAt({175, 0, 166});
    EXPECT_EQ(l.prompt, "Wenn ich doch nur eine Scheibtruhe haette!");
    EXPECT_TRUE(l.futter.selected);
    standAt({175, 0, 165});
    EXPECT_EQ(l.prompt, idle);
    EXPECT_FALSE(l.futter.selected);
}

TEST_F(YardTest, WheelbarrowThenFeedWithTheTakeKey)
{
    Level3& l = *level;
    // At the pile without the barrow, 'm' does nothing.
    standAt(atPile);
    l.command('m');
    EXPECT_EQ(l.feedCount, 0);
    EXPECT_EQ(visibleSacks(l), 0);

    standAt({40, 0, 172});
    ASSERT_EQ(l.prompt, atWheelbarrow);
    l.command('m');
    EXPECT_TRUE(l.avatar.hasChild("schubkarre"));
    EXPECT_FALSE(l.ground.hasChild("schubkarre"));
    EXPECT_FLOAT_EQ(l.schubkarre.followDistance, -1.5f);
    // Carried, the barrow no longer has a rule of its own.
    standAt({40, 0, 172});
    EXPECT_EQ(l.prompt, idle);

    standAt(atPile);
    EXPECT_EQ(l.prompt, "Futter mitnehmen (m = mitnehmen)");
    l.command('m');
    EXPECT_EQ(l.feedCount, 5);
    EXPECT_EQ(visibleSacks(l), 5);
    // Loading again after a loss fills the barrow up.
    l.sacks[4].hidden = true;
    l.sacks[3].hidden = true;
    l.feedCount = 3;
    l.command('m');
    EXPECT_EQ(l.feedCount, 5);
    EXPECT_EQ(visibleSacks(l), 5);
}

TEST_F(YardTest, ChickensChaseTheFeedAndMobOneRunsTwice)
{
    Level3& l = *level;
    const Vector3 me{40, 0, 62};
    standAt(me);
    EXPECT_TRUE(l.mobs[0].position.x == 40 && l.mobs[0].position.z == 30);
    EXPECT_EQ(l.mobs[0].animationIndex, 0);

    l.feedCount = 1;
    l.sacks[0].hidden = false;
    const Vector3 mob1 = l.mobs[0].position;
    const Vector3 mob2 = l.mobs[1].position;
    const Vector3 mob3 = l.mobs[2].position;
    standAt(me);
    EXPECT_NEAR(groundDistance(mob1, l.mobs[0].position), 2 * 23.0f / 40.0f, 1e-4f);
    EXPECT_NEAR(groundDistance(mob2, l.mobs[1].position), 25.0f / 40.0f, 1e-4f);
    // Straight at the avatar.
    EXPECT_NEAR(groundDistance(l.mobs[0].position, me), groundDistance(mob1, me) - 2 * 23.0f / 40.0f, 1e-3f);
    EXPECT_EQ(l.mobs[0].animationIndex, 1);
    EXPECT_EQ(l.mobs[0].currentAnimation, 1);
    // Too far away to notice.
    expectAt(l.mobs[2].position, mob3.x, mob3.y, mob3.z);
    EXPECT_EQ(l.mobs[2].animationIndex, 0);

    // No feed left: they stop and go back to idling.
    l.feedCount = 0;
    const Vector3 stopped = l.mobs[0].position;
    standAt(me);
    expectAt(l.mobs[0].position, stopped.x, stopped.y, stopped.z);
    EXPECT_EQ(l.mobs[0].animationIndex, 0);
}

TEST_F(YardTest, ACatchCostsTheLastSackAndSendsTheChickenHome)
{
    Level3& l = *level;
    l.feedCount = 5;
    for (Actor& sack : l.sacks) {
        sack.hidden = false;
    }
    // Next to "mob14", far from the other chickens' reach of 2.
    standAt({81, 0, 175});
    EXPECT_EQ(l.feedCount, 4);
    EXPECT_TRUE(l.sacks[4].hidden);
    EXPECT_EQ(visibleSacks(l), 4);
    expectAt(l.mobs[13].position, 80, 0, 175);
    EXPECT_EQ(l.mobs[13].animationIndex, 0);

    // Without a visible sack a chicken at the player only keeps chasing.
    for (Actor& sack : l.sacks) {
        sack.hidden = true;
    }
    l.feedCount = 2;
    l.mobs[13].position = {80.5f, 0, 175};
    standAt({81, 0, 175});
    EXPECT_EQ(l.feedCount, 2);
    EXPECT_EQ(l.mobs[13].animationIndex, 1);
    EXPECT_LT(groundDistance(l.mobs[13].position, {81, 0, 175}), 2.0f);
    // Standing right on the chicken leaves it where it is.
    l.mobs[13].position = {81, 0, 175};
    standAt({81, 0, 175});
    expectAt(l.mobs[13].position, 81, 0, 175);
}

TEST_F(YardTest, ExitOnlyWithFeedAndSkipKey)
{
    Level3& l = *level;
    standAt({100, 0, 5});
    EXPECT_EQ(l.prompt, barrier);
    EXPECT_EQ(l.nextLevel, 3);
    l.feedCount = 1;
    standAt({100, 0, 5});
    EXPECT_EQ(l.prompt, barrier);
    EXPECT_EQ(l.nextLevel, 2);
    l.nextLevel = 3;
    l.feedCount = 0;
    l.command('l');
    EXPECT_EQ(l.nextLevel, 2);
    // No conversation here: 'e' changes nothing.
    standAt(l.mobs[3].position);
    l.command('e');
    EXPECT_EQ(controls.inputMode, 'a');
}
