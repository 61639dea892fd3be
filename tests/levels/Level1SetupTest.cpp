// The village after start-up: what hangs where, where it stands, what it says.
#include "VillageFixture.h"

using Names = std::vector<std::string>;

namespace {

} // namespace

TEST_F(VillageTest, SceneTreeBelowGeobranchAndGround)
{
    EXPECT_EQ(level->geoBranch.getName(), "Geobranch");
    EXPECT_EQ(names(level->geoBranch), (Names{"Himmel", "heavenBase", "Avatar", "boden", "Licht", "Licht2"}));
    EXPECT_EQ(names(level->ground),
              (Names{"haus1", "haus2", "haus3", "haus4", "kirche", "brunnen", "wald1", "wald2", "wald3", "wald4",
                     "lvlbdryN", "lvlbdryS", "lvlbdryW", "lvlbdryE", "huegel", "priest", "sign", "frau", "sheep"}));
    ASSERT_EQ(level->priest.getChildren().size(), 1u);
    EXPECT_EQ(level->priest.getChildren()[0], &level->priestQuest);
    ASSERT_EQ(level->frau.getChildren().size(), 1u);
    EXPECT_EQ(level->frau.getChildren()[0], &level->womanQuest);
    // The ring and the exit point are nowhere in the tree at first.
    EXPECT_TRUE(level->avatar.getChildren().empty());
    EXPECT_EQ(count(level->ground, &level->ring), 0);
    EXPECT_EQ(count(level->geoBranch, &level->exitMarker), 0);
}

TEST_F(VillageTest, ObjectsStandWhereTheVillageIsBuilt)
{
    Level1& v = *level;
    expectAt(v.avatar.position, 75, 0, 112);
    EXPECT_FLOAT_EQ(v.avatar.heading, 90.0f);
    expectAt(v.camera.position, 60, 5, 112);
    expectAt(v.camera.target, 75, 1, 112);
    EXPECT_EQ(v.avatar.cameraPtr, &v.camera);
    expectAt(v.priest.position, 123, 0, 110);
    EXPECT_FLOAT_EQ(v.priest.heading, 225.0f);
    expectAt(v.frau.position, 110, 0, 10);
    EXPECT_FLOAT_EQ(v.frau.heading, 0.0f);
    // The sheep faces forward but starts turned like the priest.
    expectAt(v.sheep.position, 20, 0, 180);
    expectAt(v.sheep.direction, 0, 0, -1);
    EXPECT_FLOAT_EQ(v.sheep.heading, 225.0f);
    expectAt(v.sign.scale, 0.1f, 0.1f, 0.1f);
    expectAt(v.hill.scale, 1, 0.4f, 1);
    expectAt(v.ground.position, 100, -0.1f, 100);
    expectAt(v.kirche.scale, 2.5f, 2.5f, 2.5f);
    expectAt(v.exitMarker.position, 108, 0, -5);
    expectAt(v.light.position, 400, 120, 500);
    expectAt(v.light2.position, -400, 120, -500);
    expectAt(v.heavenBase.position, 0, 20, 0);
}

TEST_F(VillageTest, ShadowsFallFromTheFirstLight)
{
    Level1& v = *level;
    for (ModelNode* n : {&v.heavenBase, &v.haus1, &v.haus4, &v.sign, &v.kirche, &v.brunnen,
                         static_cast<ModelNode*>(&v.avatar), &v.priest, &v.frau,
                         static_cast<ModelNode*>(&v.sheep), &v.wald1, &v.wald4}) {
        SCOPED_TRACE(n->getName());
        expectAt(n->shadowLight, 400, 120, 500);
    }
    for (ModelNode* n : {&v.ground, &v.sky, &v.hill, &v.boundaryN, static_cast<ModelNode*>(&v.ring)}) {
        SCOPED_TRACE(n->getName());
        expectAt(n->shadowLight, 0, 0, 0);
    }
}

TEST_F(VillageTest, ModelsBoxesAnimationsAndTheGlowingSheet)
{
    Level1& v = *level;
    for (ModelNode* n : {&v.haus1, &v.kirche, &v.priest, &v.frau, static_cast<ModelNode*>(&v.sheep),
                         static_cast<ModelNode*>(&v.ring), &v.wald2, &v.sign, &v.sky, &v.ground}) {
        SCOPED_TRACE(n->getName());
        EXPECT_FALSE(n->model.vertices.empty());
    }
    EXPECT_TRUE(v.kirche.hasBoundingBox);
    EXPECT_FALSE(v.hill.hasBoundingBox);
    EXPECT_FALSE(v.ring.hasBoundingBox);
    EXPECT_TRUE(v.avatar.animated);
    EXPECT_FALSE(v.haus1.animated);

    EXPECT_EQ(v.avatar.animations[1].name, "walk");
    EXPECT_EQ(v.avatar.animations[1].keyframeCount, 3);
    EXPECT_EQ(v.avatar.animations[2].name, "fight");
    EXPECT_EQ(v.avatar.animations[2].stepsPerKeyframe, 50);
    EXPECT_EQ(v.sheep.animations[0].stepsPerKeyframe, 60);
    EXPECT_EQ(v.sheep.animations[1].keyframeCount, 2);
    EXPECT_EQ(v.priest.animations[0].name, "default");
    EXPECT_TRUE(v.priest.animations[1].name.empty());
    // The poses were found under the animation names.
    EXPECT_FALSE(v.sheep.animations[1].keyframes[1].vertices.empty());

    EXPECT_TRUE(v.heavenBase.particleMode);
    EXPECT_TRUE(v.heavenBase.useSheet);
    EXPECT_NE(v.heavenBase.sheet.texture, 0u);
    EXPECT_TRUE(v.heavenBase.model.vertices.empty());
}

TEST_F(VillageTest, FirstFramePacesAnimationsByFrameRate)
{
    level->fps = 50.0f;
    standAt({60, 0, 140});
    EXPECT_EQ(level->avatar.animations[0].stepsPerKeyframe, 20);
    EXPECT_EQ(level->avatar.animations[1].stepsPerKeyframe, 8);
    EXPECT_EQ(level->avatar.animations[2].stepsPerKeyframe, 32);
    EXPECT_EQ(level->priest.animations[0].stepsPerKeyframe, 20);
    EXPECT_EQ(level->sheep.animations[0].stepsPerKeyframe, 38);
    EXPECT_EQ(level->sheep.animations[1].stepsPerKeyframe, 8);
}

TEST_F(VillageTest, ObstaclesInCollisionOrder)
{
    Names expected{"haus1", "haus2", "haus3", "haus4", "kirche", "brunnen", "priest", "frau",
                   "wald1", "wald2", "wald3", "wald4", "lvlbdryN", "lvlbdryS", "lvlbdryW", "lvlbdryE"};
    Names actual;
    for (const ModelNode* n : level->obstacles) {
        actual.push_back(n->getName());
    }
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(level->avatar.obstacles, &level->obstacles);
}

TEST_F(VillageTest, QuestsOfThePriestAndTheOldWoman)
{
    const Quest& priest = level->priestQuest;
    EXPECT_EQ(priest.title, "Das verlorene Schaf");
    EXPECT_EQ(priest.partnerName, "priester");
    EXPECT_EQ(priest.giver, &level->priest);
    EXPECT_EQ(priest.required, 1);
    const Quest& woman = level->womanQuest;
    EXPECT_EQ(woman.title, "Halleluja");
    EXPECT_EQ(woman.partnerName, "altefrau");
    EXPECT_EQ(woman.giver, &level->frau);
    EXPECT_EQ(woman.required, 1);
    EXPECT_FALSE(priest.accepted || woman.accepted || priest.finished || woman.finished);
}

TEST_F(VillageTest, OneDescriptionLinePerObject)
{
    const std::pair<ModelNode*, const char*> lines[] = {
        {&level->haus1, "Dies ist ein Haus"},
        {&level->haus2, "Noch ein Haus, toll!"},
        {&level->haus3, "Ein Haus"},
        {&level->haus4, "Ein schoenes Haus"},
        {&level->kirche, "Das ist eine Kirche"},
        {&level->brunnen, "Ein tiefer Brunnen"},
        {&level->priest, "Bruder Friedbert"},
        {&level->sheep, "Das ist ein schwarzes Schaf"},
        {&level->frau, "Eine alte Frau"},
        {&level->sign, "Hier geht's in die weite Welt hinaus"},
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
}
