// The bridge level set up from the generated data: its tree, placements,
// obstacles and texts, every proximity rule, the barrier, the keys and the
// return from the snakes.
#include "LevelFixture.h"

#include "app/Sound.h"
#include "levels/Level4.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr const char* idle = "Hier gibt's nix zu sehn";
constexpr const char* atOfficer = "Mit Mensch sprechen (e = etwas sagen) oder Mensch anschauen (v = view)";
constexpr const char* danger = "Da siehts gefaehrlich aus";
constexpr Vector3 nowhere{20, 0, 20};

} // namespace

using BridgeTest = LevelTest<Level4, 4>;

TEST_F(BridgeTest, SceneTreeObstaclesAndQuest)
{
    Level4& b = *level;
    EXPECT_EQ(names(b.geoBranch), (std::vector<std::string>{"himmel", "heavenBase", "wasser", "huegel", "avatar",
                                                            "boden", "Licht", "Licht2"}));
    EXPECT_EQ(names(b.ground),
              (std::vector<std::string>{"lvlbdryN", "lvlbdryS", "lvlbdryW", "lvlbdryE", "wald1", "wald2", "wald3",
                                        "sign1", "sign2", "baum1", "baum2", "bruecke", "zaun1", "zaun2", "zaun3",
                                        "zaun4", "cBox1", "cBox2", "zoellner"}));
    EXPECT_EQ(names(b.zoellner), std::vector<std::string>{"qTuev"});
    ASSERT_EQ(b.officerQuest.getChildren().size(), 1u);
    EXPECT_EQ(b.officerQuest.getChildren()[0], &b.officerQuest.dialog);
    EXPECT_EQ(b.officerQuest.title, "Plakette suchen");
    EXPECT_EQ(b.officerQuest.partnerName, "trumbel");
    EXPECT_EQ(b.officerQuest.giver, &b.zoellner);
    EXPECT_EQ(b.officerQuest.required, 1);

    std::vector<std::string> obstacleNames;
    for (const ModelNode* o : b.obstacles) {
        obstacleNames.push_back(o->getName());
    }
    EXPECT_EQ(obstacleNames, (std::vector<std::string>{"zoellner", "wald1", "wald2", "wald3", "baum1", "baum2",
                                                       "lvlbdryN", "lvlbdryS", "lvlbdryW", "lvlbdryE", "cBox1",
                                                       "cBox2"}));
    EXPECT_EQ(b.avatar.obstacles, &b.obstacles);
    EXPECT_FALSE(b.barrierOpened);
}

TEST_F(BridgeTest, PlacesFromTheTableAndLoadsEveryModel)
{
    Level4& b = *level;
    expectAt(b.zoellner.position, 142, 0, 58);
    expectAt(b.bruecke.position, 168, 0, 57.5f);
    expectAt(b.bruecke.scale, 1, 1, 1.2f);
    expectAt(b.northExit.position, 87, 0, 204);
    expectAt(b.eastExit.position, 203, 0, 92);
    expectAt(b.cBox2.position, 147.5f, 0, 154);
    expectAt(b.avatar.position, 10, 0, 100);
    expectAt(b.camera.position, -5, 5, 100);
    expectAt(b.camera.target, 10, 1, 100);
    // The river lies along x: turned a quarter from the grid's own axis.
    expectAt(b.wasser.position, 0, -2, 120);
    expectAt(b.wasser.scale, 50, 1, 90);
    EXPECT_FLOAT_EQ(b.wasser.heading, 270.0f);
    ASSERT_EQ(b.wasser.textures.size(), 1u);
    EXPECT_NE(b.wasser.textures[0], 0u);
    EXPECT_TRUE(b.zoellner.animated);
    EXPECT_EQ(b.zoellner.animations[0].name, "default");
    EXPECT_EQ(b.zoellner.animations[0].keyframeCount, 2);
    for (ModelNode* n : {&b.zoellner, &b.bruecke, &b.wald1, &b.baum2, &b.sign1, &b.zaun4, &b.cBox1, &b.cBox2}) {
        EXPECT_FALSE(n->model.meshes.empty()) << n->getName();
    }
    EXPECT_NE(b.heavenBase.sheet.texture, 0u);
    b.frame();
    // Paced from the frame rate: K 400 at 40 frames a second.
    EXPECT_EQ(b.zoellner.animations[0].stepsPerKeyframe, 10);
    b.fps = 80.0f;
    b.frame();
    EXPECT_EQ(b.zoellner.animations[0].stepsPerKeyframe, 5);
    EXPECT_EQ(b.avatar.animations[0].stepsPerKeyframe, 12);
}

TEST_F(BridgeTest, DescriptionsOneLineEach)
{
    const Level4& b = *level;
    const std::pair<const ModelNode*, std::string> lines[] = {
        {&b.zoellner, "Scheint ein Zoellner zu sein!"}, {&b.wald1, "Ein Wald"}, {&b.wald2, "Ein paar Baeume!"},
        {&b.wald3, "W A L D"}, {&b.baum1, "Baum"}, {&b.baum2, "Baeumchen"}, {&b.bruecke, "Eine Bruecke"},
        {&b.sign1, "Zu gemeinen Schlangen"}, {&b.sign2, "Nach Dorf2!"}};
    for (const auto& [node, line] : lines) {
        ASSERT_EQ(node->descriptionLines.size(), 1u) << node->getName();
        EXPECT_EQ(node->descriptionLines[0], line);
    }
}

TEST_F(BridgeTest, SceneryPromptsInsideTheirRadius)
{
    struct Case {
        ModelNode* object;
        float radius;
        const char* prompt;
        Vector3 away{0, 1, 0}; // the side the radius is measured towards
    };
    Level4& b = *level;
    const Case cases[] = {
        {&b.zoellner, 3, atOfficer},
        {&b.wald1, 10, "Wald anschauen (v = view)"},   {&b.wald2, 10, "Wald anschauen (v = view)"},
        {&b.wald3, 10, "Wald anschauen (v = view)"},   {&b.baum1, 4, "Baum anschauen (v = view)"},
        {&b.baum2, 4, "Baum anschauen (v = view)"},    {&b.bruecke, 10, "Bruecke anschauen (v = view)"},
        {&b.sign1, 3, "Schild anschauen (v = view)", {0, 0, -1}},  {&b.sign2, 3, "Schild anschauen (v = view)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.object->getName());
        const Vector3 at = c.object->position;
        const Vector3 v = c.away;
        standAt({at.x + v.x * c.radius, at.y + v.y * c.radius, at.z + v.z * c.radius});
        EXPECT_EQ(b.prompt, idle);
        EXPECT_FALSE(c.object->selected);
        const float inside = c.radius - 0.01f;
        standAt({at.x + v.x * inside, at.y + v.y * inside, at.z + v.z * inside});
        EXPECT_EQ(b.prompt, c.prompt);
        EXPECT_TRUE(c.object->selected);
    }
    standAt(nowhere);
    for (const ModelNode* n : {&b.zoellner, &b.wald1, &b.baum2, &b.bruecke, &b.sign2}) {
        EXPECT_FALSE(n->selected) << n->getName();
    }
}

TEST_F(BridgeTest, NorthExitOpensOnlyOnceTheTaskIsAccepted)
{
    standAt({87, 0, 195});
    EXPECT_EQ(level->prompt, danger);
    EXPECT_EQ(level->nextLevel, 4);
    level->officerQuest.accepted = true;
    standAt({87, 0, 195});
    EXPECT_EQ(level->prompt, danger);
    EXPECT_EQ(level->nextLevel, 5);
}

TEST_F(BridgeTest, EastExitLeavesThePromptAndLeadsToTheInn)
{
    standAt(level->sign2.position);
    standAt({195, 0, 90});
    EXPECT_EQ(level->prompt, "Schild anschauen (v = view)");
    EXPECT_EQ(level->nextLevel, 6);
}

TEST_F(BridgeTest, ThanksOpenTheBarrierOnce)
{
    Level4& b = *level;
    const float closedNorth = b.cBox2.box.corner[0].z;
    standAt({142, 0, 56});
    EXPECT_FALSE(b.barrierOpened);
    expectAt(b.cBox2.position, 147.5f, 0, 154);

    b.officerQuest.rewarded = true;
    standAt({142, 0, 56});
    EXPECT_TRUE(b.barrierOpened);
    expectAt(b.cBox2.position, 148, 0, 160);
    EXPECT_EQ(soundStatus().lastPath, "data/sound/dankefenno.wav");
    EXPECT_EQ(soundStatus().lastMode, SoundMode::Once);
    // The wall's box was rebuilt about the new place: six units further north.
    float south = 1e9f;
    for (const Vector3& c : b.cBox2.box.corner) {
        south = std::min(south, c.z);
    }
    EXPECT_NEAR(south, 60.0f, 0.6f);
    EXPECT_NE(b.cBox2.box.corner[0].z, closedNorth);

    // Standing there again neither moves the wall nor thanks again.
    playSound("data/sound/leer.wav", SoundMode::Once);
    b.cBox2.position.set(147.5f, 0, 154);
    standAt({142, 0, 56});
    expectAt(b.cBox2.position, 147.5f, 0, 154);
    EXPECT_EQ(soundStatus().lastPath, "data/sound/leer.wav");
}

TEST_F(BridgeTest, KeysTalkSkipAndLook)
{
    Level4& b = *level;
    standAt(nowhere);
    b.command('e');
    EXPECT_EQ(controls.inputMode, 'a');
    standAt({142, 0, 56});
    b.command('e');
    EXPECT_EQ(controls.inputMode, 'g');
    EXPECT_FALSE(b.officerQuest.dialog.hidden);
    b.command('1');
    b.command('1');
    EXPECT_TRUE(b.officerQuest.accepted);
    b.command('q');
    EXPECT_EQ(controls.inputMode, 'a');
    EXPECT_TRUE(b.officerQuest.dialog.hidden);

    b.command('l');
    EXPECT_EQ(b.nextLevel, 5);

    EXPECT_EQ(describedFrom(nowhere), 0);
    EXPECT_GT(describedFrom({168, 0, 50}), 20); // at the bridge
}

TEST_F(BridgeTest, BackFromTheSnakesWithTheBadge)
{
    Level4& b = *level;
    b.officerQuest.accepted = true;
    b.returnFromSideTrip(1);
    EXPECT_EQ(b.officerQuest.collected, 1);
    expectAt(b.avatar.position, 100, 0, 195);
    expectAt(b.avatar.direction, 0, 0, 1);
    expectAt(b.camera.position, 100, 5, 210);
    expectAt(b.camera.target, 100, 1, 195);
    expectAt(b.northExit.position, -100, -100, -100);
    // The north exit is closed: standing where it was shows nothing of it.
    standAt({87, 0, 195});
    EXPECT_EQ(b.prompt, idle);
    EXPECT_EQ(b.nextLevel, 4);
    b.command('l');
    EXPECT_EQ(b.nextLevel, 6);

    // The thanks at the officer open the barrier.
    b.nextLevel = 4;
    standAt({142, 0, 56});
    b.command('e');
    EXPECT_TRUE(b.officerQuest.rewarded);
    EXPECT_TRUE(b.officerQuest.finished);
    standAt({142, 0, 56});
    EXPECT_TRUE(b.barrierOpened);
}
