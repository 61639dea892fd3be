// The inn village after start-up: what hangs where, where it stands, what it says.
#include "Level6Fixture.h"

#include <cmath>

using Names = std::vector<std::string>;

namespace {

// Degrees about +Y that turn the model's front (0, 0, -1) to face (x, 0, z).
float headingFor(float x, float z)
{
    const float degrees = std::atan2(-x, -z) * 57.2957795f;
    return degrees < 0.0f ? degrees + 360.0f : degrees;
}

} // namespace

TEST_F(InnVillageTest, SceneTreeBelowGeobranchAndGroundWithTheHeroLast)
{
    EXPECT_EQ(level->geoBranch.getName(), "Geobranch");
    EXPECT_EQ(names(level->geoBranch), (Names{"Himmel", "heavenBase", "Avatar", "boden", "Licht", "Licht2"}));
    EXPECT_EQ(names(level->ground),
              (Names{"haus1", "haus2", "haus3", "haus4", "wirtshaus", "brunnen", "wald1", "wald2", "wald3", "wald4",
                     "lvlbdryN", "lvlbdryS", "lvlbdryW", "lvlbdryE", "huegel", "held"}));
    // The hero carries his quest, which keeps the name it gives itself.
    ASSERT_EQ(level->held.getChildren().size(), 1u);
    EXPECT_EQ(level->held.getChildren()[0], &level->heroQuest);
    EXPECT_EQ(level->heroQuest.getName(), "dia");
    ASSERT_EQ(level->heroQuest.getChildren().size(), 1u);
    EXPECT_EQ(level->heroQuest.getChildren()[0], &level->heroQuest.dialog);
    EXPECT_TRUE(level->heroQuest.dialog.hidden);
    EXPECT_TRUE(level->avatar.getChildren().empty());
    for (const ModelNode* n : {&level->haus1, &level->wirtshaus, &level->brunnen, &level->wald4}) {
        EXPECT_TRUE(n->getChildren().empty()) << n->getName();
    }
}

TEST_F(InnVillageTest, ObjectsStandWhereTheInnVillageIsBuilt)
{
    Level6& v = *level;
    expectAt(v.avatar.position, 104, 0, 13);
    expectAt(v.avatar.direction, 0, 0, -1);
    EXPECT_FLOAT_EQ(v.avatar.heading, 0.0f);
    expectAt(v.camera.position, 104, 5, -2);
    expectAt(v.camera.target, 104, 1, 13);
    EXPECT_EQ(v.avatar.cameraPtr, &v.camera);
    expectAt(v.held.position, 110, 0, 105);
    expectAt(v.held.scale, 1, 1, 1);
    EXPECT_NEAR(v.held.heading, 225.0f, 1e-3f);
    expectAt(v.wirtshaus.position, 115, 0, 110);
    EXPECT_NEAR(v.wirtshaus.heading, headingFor(15, 10), 1e-3f);
    expectAt(v.brunnen.position, 100, 0, 100);
    expectAt(v.brunnen.scale, 0.05f, 0.05f, 0.05f);
    expectAt(v.haus1.position, 80, 0, 100);
    expectAt(v.haus2.position, 85, 0, 120);
    expectAt(v.haus3.position, 105, 0, 118);
    expectAt(v.haus4.position, 115, 0, 85);
    EXPECT_NEAR(v.haus2.heading, headingFor(-15, 20), 1e-3f);
    expectAt(v.wald1.position, 160, 0, 40);
    expectAt(v.wald2.position, 40, 0, 40);
    expectAt(v.wald3.position, 40, 0, 160);
    expectAt(v.wald4.position, 160, 0, 160);
    expectAt(v.ground.position, 100, -0.1f, 100);
    expectAt(v.hill.scale, 1, 0.4f, 1);
    expectAt(v.sky.scale, 50, 50, 50);
    expectAt(v.boundaryN.position, 100, 0, 200);
    expectAt(v.boundaryE.position, 0, 0, 100);
    expectAt(v.light.position, 400, 120, 500);
    expectAt(v.light2.position, -400, 120, -500);
    expectAt(v.heavenBase.position, 0, 20, 0);
}

TEST_F(InnVillageTest, ShadowsFallFromTheFirstLight)
{
    Level6& v = *level;
    for (ModelNode* n : {&v.heavenBase, &v.haus1, &v.haus2, &v.haus3, &v.haus4, &v.wirtshaus, &v.brunnen,
                         static_cast<ModelNode*>(&v.avatar), &v.held, &v.wald1, &v.wald4}) {
        SCOPED_TRACE(n->getName());
        expectAt(n->shadowLight, 400, 120, 500);
    }
    for (ModelNode* n : {&v.ground, &v.sky, &v.hill, &v.boundaryN, &v.boundaryW}) {
        SCOPED_TRACE(n->getName());
        expectAt(n->shadowLight, 0, 0, 0);
    }
}

TEST_F(InnVillageTest, ModelsBoxesAnimationsAndTheGlowingSheet)
{
    Level6& v = *level;
    for (ModelNode* n : {&v.haus1, &v.haus4, &v.wirtshaus, &v.brunnen, &v.held, &v.wald3, &v.sky, &v.ground,
                         &v.hill, &v.boundaryS, static_cast<ModelNode*>(&v.avatar)}) {
        SCOPED_TRACE(n->getName());
        EXPECT_FALSE(n->model.vertices.empty());
    }
    for (ModelNode* n : {&v.haus2, &v.wirtshaus, &v.brunnen, &v.held, &v.wald2, &v.ground, &v.boundaryW}) {
        EXPECT_TRUE(n->hasBoundingBox) << n->getName();
    }
    EXPECT_FALSE(v.hill.hasBoundingBox);
    EXPECT_FALSE(v.sky.hasBoundingBox);
    EXPECT_TRUE(v.wirtshaus.animated);
    EXPECT_TRUE(v.held.animated);
    EXPECT_FALSE(v.haus1.animated);
    EXPECT_FALSE(v.brunnen.animated);

    EXPECT_EQ(v.wirtshaus.animations[0].name, "default");
    EXPECT_EQ(v.wirtshaus.animations[0].keyframeCount, 3);
    EXPECT_EQ(v.wirtshaus.animations[0].stepsPerKeyframe, 30);
    EXPECT_EQ(v.held.animations[0].name, "default");
    EXPECT_EQ(v.held.animations[0].keyframeCount, 1);
    EXPECT_EQ(v.held.animations[0].stepsPerKeyframe, 10);
    EXPECT_TRUE(v.held.animations[1].name.empty());
    EXPECT_EQ(v.avatar.animations[1].name, "walk");
    EXPECT_EQ(v.avatar.animations[2].name, "fight");
    EXPECT_EQ(v.avatar.animations[2].stepsPerKeyframe, 50);
    // The poses were found under the animation names.
    EXPECT_FALSE(v.wirtshaus.animations[0].keyframes[2].vertices.empty());
    EXPECT_FALSE(v.held.animations[0].keyframes[0].vertices.empty());

    EXPECT_TRUE(v.heavenBase.particleMode);
    EXPECT_TRUE(v.heavenBase.useSheet);
    EXPECT_NE(v.heavenBase.sheet.texture, 0u);
    EXPECT_TRUE(v.heavenBase.model.vertices.empty());
}

TEST_F(InnVillageTest, FramesPaceAnimationsByFrameRate)
{
    level->fps = 50.0f;
    standAt({60, 0, 140});
    EXPECT_EQ(level->avatar.animations[0].stepsPerKeyframe, 20);
    EXPECT_EQ(level->avatar.animations[1].stepsPerKeyframe, 8);
    EXPECT_EQ(level->avatar.animations[2].stepsPerKeyframe, 32);
    EXPECT_EQ(level->wirtshaus.animations[0].stepsPerKeyframe, 20);
    EXPECT_EQ(level->held.animations[0].stepsPerKeyframe, 8);
    // Truncated toward zero: 400 / 30 is 13.3.
    level->fps = 30.0f;
    standAt({60, 0, 140});
    EXPECT_EQ(level->held.animations[0].stepsPerKeyframe, 13);
    EXPECT_EQ(level->wirtshaus.animations[0].stepsPerKeyframe, 33);
}

TEST_F(InnVillageTest, ObstaclesInCollisionOrder)
{
    Names expected{"haus1", "haus2", "haus3", "haus4", "wirtshaus", "brunnen", "held",
                   "wald1", "wald2", "wald3", "wald4", "lvlbdryN", "lvlbdryS", "lvlbdryW", "lvlbdryE"};
    Names actual;
    for (const ModelNode* n : level->obstacles) {
        actual.push_back(n->getName());
    }
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(level->avatar.obstacles, &level->obstacles);
    EXPECT_EQ(level->forests, (std::vector<ModelNode*>{&level->wald1, &level->wald2, &level->wald3, &level->wald4}));
    EXPECT_TRUE(level->trees.empty());
}

TEST_F(InnVillageTest, TheHerosQuest)
{
    const Quest& quest = level->heroQuest;
    EXPECT_EQ(quest.title, "Das verlorene Schaf");
    EXPECT_EQ(quest.partnerName, "held");
    EXPECT_EQ(quest.giver, &level->held);
    EXPECT_EQ(quest.required, 1);
    EXPECT_EQ(quest.stage, 1);
    EXPECT_EQ(quest.collected, 0);
    EXPECT_FALSE(quest.accepted || quest.rewarded || quest.finished);
}

TEST_F(InnVillageTest, OneDescriptionLinePerObject)
{
    const std::pair<ModelNode*, const char*> lines[] = {
        {&level->haus1, "Dies ist ein Haus"},
        {&level->haus2, "Noch ein Haus, toll!"},
        {&level->haus3, "Ein Haus"},
        {&level->haus4, "Ein schoenes Haus"},
        {&level->wirtshaus, "Das ist eine Wirtshaus"},
        {&level->brunnen, "Noch ein tiefer Brunnen"},
        {&level->held, "Ein vermummter Held"},
        {&level->wald1, "Ein Wald!"},
        {&level->wald2, "Wald!"},
        {&level->wald3, "Wohl ein Wald!"},
        {&level->wald4, "Baeume!"},
    };
    for (const auto& [node, line] : lines) {
        SCOPED_TRACE(node->getName());
        ASSERT_EQ(node->descriptionLines.size(), 1u);
        EXPECT_STREQ(node->descriptionLines[0], line);
    }
    for (const ModelNode* n : {&level->ground, &level->sky, &level->hill, &level->boundaryN}) {
        EXPECT_TRUE(n->descriptionLines.empty()) << n->getName();
    }
}
