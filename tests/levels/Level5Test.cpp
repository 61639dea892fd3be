// The snake pit set up from the generated data: its tree, placements and
// texts, the proximity rules, the fleeing and catching of the baby snakes,
// the cage, the big snake and the badge.
#include "LevelFixture.h"

#include "app/Sound.h"
#include "levels/Level5.h"

#include <string>
#include <vector>

namespace {

constexpr const char* idle = "Hier gibt's nix zu sehn";
constexpr const char* noBadge = "Ohne Plakete mag ich hier nicht weg!";
constexpr const char* distract = "Oh sie hat die Plakette vor sich liegen, irgendwie muss ich sie ablenken.";
constexpr const char* takeIt = "Die Plakette! Da ist sie! (m = Plakette mitnehmen)";
// Away from every object, every snake and more than 35 from the big snake.
constexpr Vector3 nowhere{60, 0, 175};
// 17 south of the big snake, clear of every rule.
constexpr Vector3 beforeTheBigSnake{83, 0, 100};

float vertexSum(const Model& m)
{
    float sum = 0.0f;
    for (const Vertex& v : m.vertices) {
        sum += v.location[0] + 2.0f * v.location[1] + 3.0f * v.location[2];
    }
    return sum;
}

} // namespace

class SnakePitTest : public LevelTest<Level5, 5> {
protected:
    // Puts the snake right beside the cage, with the avatar far away.
    void driveIn(Actor& snake)
    {
        snake.position = level->kaefig.position;
        snake.position.add(1.0f, 0.0f, 0.5f);
        standAt(nowhere);
    }
};

TEST_F(SnakePitTest, SceneTreeObstaclesAndStart)
{
    Level5& p = *level;
    EXPECT_EQ(names(p.geoBranch),
              (std::vector<std::string>{"himmel", "heavenBase", "avatar", "boden", "Licht", "Licht2"}));
    EXPECT_EQ(names(p.ground), (std::vector<std::string>{"lvlbdryN", "lvlbdryS", "lvlbdryW", "lvlbdryE", "huegel",
                                                          "baum1", "baum2", "baum3", "baum4", "baum5", "mob1",
                                                          "mob2", "mob3", "mob4", "mob5", "mob6", "kaefig",
                                                          "sign"}));
    EXPECT_TRUE(p.kaefig.getChildren().empty());
    std::vector<std::string> obstacleNames;
    for (const ModelNode* o : p.obstacles) {
        obstacleNames.push_back(o->getName());
    }
    EXPECT_EQ(obstacleNames, (std::vector<std::string>{"baum1", "baum2", "baum3", "baum4", "baum5", "kaefig",
                                                       "lvlbdryN", "lvlbdryS", "lvlbdryW", "lvlbdryE"}));

    expectAt(p.homes[0], 181, 0, 42);
    expectAt(p.homes[3], 104, 0, 184);
    expectAt(p.homes[5], 83, 0, 117);
    expectAt(p.mob2.position, 121, 0, 131);
    expectAt(p.kaefig.position, 161, 0, 127);
    expectAt(p.exitPoint.position, 100, 0, -5);
    expectAt(p.avatar.position, 100, 0, 10);
    expectAt(p.camera.position, 100, 5, -5);
    expectAt(p.mob6.scale, 4, 4, 4);
    EXPECT_TRUE(p.mob6.hidden);
    EXPECT_FALSE(p.mob6.castsShadow);
    EXPECT_TRUE(p.mob1.castsShadow);
    for (Actor* s : {&p.mob1, &p.mob2, &p.mob3, &p.mob4, &p.mob5, &p.mob6}) {
        EXPECT_EQ(s->animationIndex, 0) << s->getName();
        EXPECT_EQ(s->currentAnimation, 0) << s->getName();
        EXPECT_FALSE(s->model.meshes.empty()) << s->getName();
        EXPECT_TRUE(s->descriptionLines.empty()) << s->getName();
    }
    EXPECT_EQ(p.mob6.animations[1].name, "attack");
    EXPECT_EQ(p.mob6.animations[2].name, "stunned");
    EXPECT_EQ(p.caughtCount, 0);
    EXPECT_EQ(p.badgeCount, 0);
    EXPECT_FALSE(p.cageClosed);

    p.frame();
    // K / frame rate: "walk" of mob1 K 550, of mob6 K 850, at 40 frames a second.
    EXPECT_EQ(p.mob1.animations[0].stepsPerKeyframe, 13);
    EXPECT_EQ(p.mob6.animations[0].stepsPerKeyframe, 21);
    EXPECT_EQ(p.mob6.animations[2].stepsPerKeyframe, 25);

    p.command('l');
    EXPECT_EQ(p.nextLevel, 4);
}

TEST_F(SnakePitTest, Descriptions)
{
    const Level5& p = *level;
    const std::pair<const ModelNode*, std::vector<std::string>> lines[] = {
        {&p.baum1, {"Baum"}},
        {&p.baum2, {"Baum"}},
        {&p.baum3, {"kleiner Wald"}},
        {&p.baum4, {"gruen"}},
        {&p.baum5, {"Apfel!"}},
        {&p.sign, {"Zurueck zum Zoellner", "(nur mit der Plakette)"}},
        {&p.kaefig, {"Ein Kaefig ?!", "Was wohl passieren mag,", "wenn ich alle Babyschlangen hineintreibe ?!"}},
    };
    for (const auto& [node, expected] : lines) {
        const std::vector<std::string> got(node->descriptionLines.begin(), node->descriptionLines.end());
        EXPECT_EQ(got, expected) << node->getName();
    }
}

TEST_F(SnakePitTest, PromptsInsideTheirRadius)
{
    struct Case {
        ModelNode* object;
        float radius;
        const char* prompt;
    };
    Level5& p = *level;
    const Case cases[] = {
        {&p.baum1, 2, "Baum anschauen (v = view)"}, {&p.baum2, 4, "Baum anschauen (v = view)"},
        {&p.baum3, 4, "Baum anschauen (v = view)"}, {&p.baum4, 4, "Baum anschauen (v = view)"},
        {&p.baum5, 4, "Baum anschauen (v = view)"}, {&p.sign, 12, "Schild anschauen (v = view)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.object->getName());
        const Vector3 at = c.object->position;
        standAt({at.x, at.y + c.radius, at.z});
        EXPECT_EQ(p.prompt, idle);
        EXPECT_FALSE(c.object->selected);
        standAt({at.x, at.y + c.radius - 0.01f, at.z});
        EXPECT_EQ(p.prompt, c.prompt);
        EXPECT_TRUE(c.object->selected);
    }

    // The cage prompts within 5, but is flagged for looking within 10.
    const Vector3 cage = p.kaefig.position;
    standAt({cage.x, cage.y + 9.9f, cage.z});
    EXPECT_EQ(p.prompt, idle);
    EXPECT_TRUE(p.kaefig.selected);
    standAt({cage.x, cage.y + 4.9f, cage.z});
    EXPECT_EQ(p.prompt, "Ding anschauen (v = view)");
    standAt(nowhere);
    EXPECT_FALSE(p.kaefig.selected);
    // An avatar carrying something named like the cage gets no cage prompt.
    SceneNode decoy("kaefig");
    p.avatar.addChild(&decoy);
    standAt({cage.x, cage.y + 4.9f, cage.z});
    EXPECT_EQ(p.prompt, idle);
    p.avatar.removeChild(&decoy);
}

TEST_F(SnakePitTest, ExitOnlyWithTheBadge)
{
    standAt({100, 0, 3});
    EXPECT_EQ(level->prompt, noBadge);
    EXPECT_EQ(level->nextLevel, 5);
    level->badgeCount = 1;
    standAt({100, 0, 3});
    EXPECT_EQ(level->prompt, noBadge);
    EXPECT_EQ(level->nextLevel, 4);
}

TEST_F(SnakePitTest, BabySnakesFleeAndComeHomeFromTheEdge)
{
    Level5& p = *level;
    standAt({181, 0, 47});
    // Five to the north: 21 units a second at 40 frames, straight south.
    EXPECT_FLOAT_EQ(p.mob1.position.x, 181.0f);
    EXPECT_NEAR(p.mob1.position.z, 42.0f - 21.0f / 40.0f, 1e-4f);
    EXPECT_FLOAT_EQ(p.mob1.heading, 180.0f);
    standAt({181, 0, 60});
    EXPECT_NEAR(p.mob1.position.z, 42.0f - 21.0f / 40.0f, 1e-4f) << "out of reach, it stays";

    // Chased west over the edge, it is back home in the same frame.
    p.mob3.position.set(0.2f, 0, 30);
    standAt({5, 0, 30});
    expectAt(p.mob3.position, 24, 0, 30);

    // A caught snake no longer flees.
    driveIn(p.mob2);
    ASSERT_TRUE(p.kaefig.hasChild("mob2"));
    const Vector3 caught = p.mob2.position;
    standAt({caught.x + 3, 0, caught.z});
    expectAt(p.mob2.position, caught.x, caught.y, caught.z);
}

TEST_F(SnakePitTest, FifthSnakeShutsTheCageOnce)
{
    Level5& p = *level;
    const float openCage = vertexSum(p.kaefig.model);
    Actor* babies[] = {&p.mob1, &p.mob2, &p.mob3, &p.mob4, &p.mob5};
    for (int i = 0; i < 5; ++i) {
        driveIn(*babies[i]);
        EXPECT_EQ(p.prompt, "SCHLANGE GEFANGEN");
        EXPECT_EQ(p.caughtCount, i + 1);
        EXPECT_TRUE(p.ground.hasChild(babies[i]->getName())) << "still below the ground";
        EXPECT_FALSE(p.cageClosed);
        EXPECT_TRUE(p.mob6.hidden);
    }
    EXPECT_EQ(names(p.kaefig), (std::vector<std::string>{"mob1", "mob2", "mob3", "mob4", "mob5"}));
    standAt(nowhere);
    EXPECT_EQ(p.prompt, idle) << "a caught snake is counted once";
    EXPECT_EQ(p.caughtCount, 5);
    EXPECT_TRUE(p.cageClosed);
    EXPECT_FALSE(p.mob6.hidden);
    EXPECT_TRUE(p.mob6.castsShadow);
    EXPECT_NE(vertexSum(p.kaefig.model), openCage) << "the shut cage is another model";
    const float shutCage = vertexSum(p.kaefig.model);
    p.mob6.hidden = true;
    standAt(nowhere);
    EXPECT_TRUE(p.mob6.hidden) << "shut once only";
    EXPECT_EQ(vertexSum(p.kaefig.model), shutCage);
}

TEST_F(SnakePitTest, BigSnakeAttacksIsStunnedByWhistlingAndGivesUpTheBadge)
{
    Level5& p = *level;
    p.mob6.hidden = false;
    standAt(beforeTheBigSnake);
    p.command('m');
    EXPECT_EQ(p.badgeCount, 0) << "not while she attacks";
    EXPECT_EQ(p.prompt, distract);
    EXPECT_EQ(p.mob6.animationIndex, 1);
    EXPECT_EQ(p.mob6.currentAnimation, 1);
    EXPECT_FLOAT_EQ(p.mob6.heading, 180.0f);
    EXPECT_EQ(soundStatus().lastPath, "data/sound/zischeln.wav");
    EXPECT_EQ(soundStatus().lastMode, SoundMode::Looped);

    p.avatar.command('f'); // whistle
    ASSERT_EQ(p.avatar.animationIndex, 2);
    standAt(beforeTheBigSnake);
    EXPECT_EQ(p.mob6.animationIndex, 2);
    EXPECT_EQ(p.mob6.currentAnimation, 2);
    EXPECT_EQ(p.prompt, takeIt);
    p.command('m');
    EXPECT_EQ(p.badgeCount, 1);
    EXPECT_EQ(soundStatus().lastPath, "data/sound/plakette.wav");
    p.command('m');
    EXPECT_EQ(p.badgeCount, 1) << "one badge only";
    standAt(beforeTheBigSnake);
    EXPECT_EQ(p.prompt, "Ich hab die Plakette, nix wie weg.");

    p.avatar.command('f'); // stop whistling: she attacks again
    standAt(beforeTheBigSnake);
    EXPECT_EQ(p.mob6.animationIndex, 1);
    EXPECT_EQ(p.prompt, "Ich hab die Plakette, nix wie weg.") << "she wakes after the line is chosen";
    standAt(beforeTheBigSnake);
    EXPECT_EQ(p.prompt, "Das hab ich gut gemacht");

    // Walking away ends the hissing.
    standAt(nowhere);
    EXPECT_EQ(p.mob6.animationIndex, 0);
    EXPECT_EQ(p.mob6.currentAnimation, 0);
    EXPECT_EQ(soundStatus().lastPath, "data/sound/leer.wav");
}

TEST_F(SnakePitTest, HiddenBigSnakeDoesNothing)
{
    standAt(beforeTheBigSnake);
    EXPECT_EQ(level->prompt, idle);
    EXPECT_EQ(level->mob6.animationIndex, 0);
}
