// The hermit's settlement: set-up, proximity rules, keys, the return from
// the chicken yard and the delivery of the feed.
#include "LevelFixture.h"

#include "levels/Level2.h"
#include "model/Model.h"

using Names = std::vector<std::string>;

namespace {

using SettlementTest = LevelTest<Level2, 2>;

constexpr const char* idle = "Hier gibt's nix zu sehn";
constexpr const char* atHermit = "Mit Mensch sprechen (e = etwas sagen) oder Mensch anschauen (v = view)";
// Clear of every radius of the settlement.
constexpr Vector3 nowhere{60, 0, 100};

} // namespace

TEST_F(SettlementTest, SceneTreeQuestAndCarriedThings)
{
    Level2& l = *level;
    EXPECT_EQ(names(l.geoBranch), (Names{"himmel", "heavenBase", "avatar", "boden", "Licht", "Licht2"}));
    EXPECT_EQ(names(l.ground),
              (Names{"lvlbdryN", "lvlbdryS", "lvlbdryW", "lvlbdryE", "huegel", "haus", "wald1", "wald2", "wald3",
                     "wald4", "wald5", "sign1", "sign2", "baum1", "baum2", "baum3", "baum4", "baum5", "krippe",
                     "particleBase", "einsiedler"}));
    EXPECT_EQ(names(l.avatar), (Names{"schubkarre", "sack1", "sack2", "sack3", "sack4", "sack5"}));
    EXPECT_TRUE(l.schubkarre.hidden);
    const float follow[] = {-1.0f, -1.2f, -1.4f, -1.6f, -1.8f};
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(l.sacks[i].hidden);
        EXPECT_FLOAT_EQ(l.sacks[i].followDistance, follow[i]);
    }
    EXPECT_FLOAT_EQ(l.schubkarre.followDistance, -1.5f);
    ASSERT_EQ(l.einsiedler.getChildren().size(), 1u);
    EXPECT_EQ(l.einsiedler.getChildren()[0], &l.hermitQuest);
    EXPECT_EQ(l.hermitQuest.getName(), "qEinsiedler");
    EXPECT_EQ(l.hermitQuest.title, "Krippe flicken");
    EXPECT_EQ(l.hermitQuest.partnerName, "einsiedler");
    EXPECT_EQ(l.hermitQuest.giver, &l.einsiedler);
    EXPECT_EQ(l.hermitQuest.required, 1);
    EXPECT_TRUE(l.hermitQuest.dialog.hidden);
}

TEST_F(SettlementTest, PlacesObstaclesAndSmoke)
{
    Level2& l = *level;
    expectAt(l.avatar.position, 10, 0, 100);
    EXPECT_EQ(l.avatar.getName(), "avatar");
    expectAt(l.camera.position, -5, 5, 100);
    expectAt(l.camera.target, 10, 1, 100);
    expectAt(l.einsiedler.position, 180, 0, 90);
    expectAt(l.krippe.position, 190, 0, 115);
    expectAt(l.northExit.position, 100, 0, 205);
    expectAt(l.eastExit.position, 205, 0, 115);
    expectAt(l.hill.scale, 1, 0.4f, 1);
    expectAt(l.schubkarre.position, 40, 0, 175);
    expectAt(l.particleBase.position, 176, 7, 81.5f);
    EXPECT_TRUE(l.particleBase.particleMode);
    EXPECT_FALSE(l.particleBase.useSheet);
    EXPECT_FLOAT_EQ(l.particleBase.spray.particleSize, 0.5f);
    EXPECT_TRUE(l.heavenBase.particleMode && l.heavenBase.useSheet);
    EXPECT_FALSE(l.einsiedler.model.vertices.empty());
    EXPECT_FALSE(l.krippe.model.vertices.empty());
    Names obstacles;
    for (const ModelNode* o : l.obstacles) {
        obstacles.push_back(o->getName());
    }
    EXPECT_EQ(obstacles, (Names{"einsiedler", "haus", "wald1", "wald2", "wald3", "wald4", "wald5", "baum1",
                                "baum2", "baum3", "baum4", "baum5", "krippe", "lvlbdryN", "lvlbdryS",
                                "lvlbdryW", "lvlbdryE"}));
    EXPECT_EQ(l.avatar.obstacles, &l.obstacles);
}

TEST_F(SettlementTest, DescriptionsAndPacing)
{
    Level2& l = *level;
    const std::vector<const char*> wald5{"Herzlichen Glueckwunsch!", "S I E sind der 1.000.000",
                                         "Betrachter dieses Waldes!", "Besuchen Sie auch unsere anderen Waelder"};
    EXPECT_EQ(l.wald5.descriptionLines.size(), 4u);
    for (std::size_t i = 0; i < wald5.size() && i < l.wald5.descriptionLines.size(); ++i) {
        EXPECT_STREQ(l.wald5.descriptionLines[i], wald5[i]);
    }
    EXPECT_STREQ(l.einsiedler.descriptionLines.at(0), "Ein Einsiedler");
    EXPECT_STREQ(l.wald4.descriptionLines.at(1), "W A L D M E I S T E R");
    EXPECT_STREQ(l.baum5.descriptionLines.at(3), "oder vielleicht ein BAUM?");
    EXPECT_STREQ(l.krippe.descriptionLines.at(0), "Eine Vogelkrippe");
    EXPECT_STREQ(l.sign2.descriptionLines.at(1), "(sobald die Krippe wieder ganz ist)");

    l.fps = 32.0f;
    standAt(nowhere);
    EXPECT_EQ(l.einsiedler.animations[0].stepsPerKeyframe, 12); // 400 / 32
    EXPECT_EQ(l.avatar.animations[0].stepsPerKeyframe, 31);     // 1000 / 32
    // The smoke and the sky's glow face the camera.
    expectAt(l.particleBase.spray.viewer, l.camera.position.x, l.camera.position.y, l.camera.position.z);
    expectAt(l.heavenBase.sheet.viewer, l.camera.position.x, l.camera.position.y, l.camera.position.z);
}

TEST_F(SettlementTest, PromptsInsideTheirRadius)
{
    struct Case {
        ModelNode* object;
        float radius;
        const char* prompt;
    };
    Level2& l = *level;
    const Case cases[] = {
        {&l.einsiedler, 3, atHermit},
        {&l.haus, 8, "Haus anschauen (v = view)"},
        {&l.wald1, 10, "Wald anschauen (v = view)"}, {&l.wald5, 10, "Wald anschauen (v = view)"},
        {&l.baum1, 4, "Baum anschauen (v = view)"}, {&l.baum4, 4, "Baum anschauen (v = view)"},
        {&l.krippe, 5, "Ding anschauen (v = view)"},
        {&l.sign1, 3, "Schild anschauen (v = view)"}, {&l.sign2, 3, "Schild anschauen (v = view)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.object->getName());
        const Vector3 at = c.object->position;
        // Above the object, where no other radius reaches; exactly on it is outside.
        standAt({at.x, at.y + c.radius, at.z});
        EXPECT_EQ(l.prompt, idle);
        EXPECT_FALSE(c.object->selected);
        standAt({at.x, at.y + c.radius - 0.01f, at.z});
        EXPECT_EQ(l.prompt, c.prompt);
        EXPECT_TRUE(c.object->selected);
    }
    standAt(nowhere);
    for (ModelNode* n : {&l.einsiedler, &l.haus, &l.wald1, &l.baum1, &l.krippe, &l.sign2}) {
        EXPECT_FALSE(n->selected) << n->getName();
    }
}

TEST_F(SettlementTest, NorthExitOpensOnceTheTaskIsAccepted)
{
    Level2& l = *level;
    standAt({100, 0, 195});
    EXPECT_EQ(l.prompt, "Da siehts gefaehrlich aus");
    EXPECT_EQ(l.nextLevel, 2);
    l.hermitQuest.accepted = true;
    standAt({100, 0, 195});
    EXPECT_EQ(l.prompt, "Da siehts gefaehrlich aus");
    EXPECT_EQ(l.nextLevel, 3);
}

TEST_F(SettlementTest, EastExitOpensOnlyWhenTheQuestIsFinished)
{
    Level2& l = *level;
    l.hermitQuest.accepted = true;
    standAt({196, 0, 108});
    EXPECT_EQ(l.prompt, "Diese Krippe versperrt den Weg");
    EXPECT_EQ(l.nextLevel, 2);
    l.hermitQuest.finished = true;
    standAt({196, 0, 108});
    EXPECT_EQ(l.nextLevel, 4);
}

TEST_F(SettlementTest, KeysTalkSkipAndClose)
{
    Level2& l = *level;
    l.command('e');
    EXPECT_EQ(controls.inputMode, 'a');
    EXPECT_TRUE(l.hermitQuest.dialog.hidden);
    standAt({180, 0, 88});
    ASSERT_EQ(l.prompt, atHermit);
    l.command('e');
    EXPECT_EQ(controls.inputMode, 'g');
    EXPECT_FALSE(l.hermitQuest.dialog.hidden);
    EXPECT_FALSE(l.hermitQuest.dialog.texts.empty());
    l.command('1');
    l.command('1');
    EXPECT_TRUE(l.hermitQuest.accepted);
    l.command('q');
    EXPECT_EQ(controls.inputMode, 'a');
    EXPECT_TRUE(l.hermitQuest.dialog.hidden);
    l.command('l');
    EXPECT_EQ(l.nextLevel, 3);
}

TEST_F(SettlementTest, ReturnShowsTheGatheredSacksAndClosesTheNorth)
{
    Level2& l = *level;
    l.hermitQuest.accepted = true;
    l.returnFromSideTrip(3);
    EXPECT_EQ(l.hermitQuest.collected, 1);
    EXPECT_FALSE(l.schubkarre.hidden);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(l.sacks[i].hidden, i >= 3) << i;
    }
    expectAt(l.avatar.position, 100, 0, 195);
    expectAt(l.avatar.direction, 0, 0, 1);
    expectAt(l.camera.position, 100, 5, 210);
    expectAt(l.camera.target, 100, 1, 195);
    expectAt(l.northExit.position, -100, -100, -100);
    standAt({100, 0, 196});
    EXPECT_EQ(l.nextLevel, 2);
    l.command('l');
    EXPECT_EQ(l.nextLevel, 4);

    // Every return counts: the next one adds one more sack to the barrow.
    l.returnFromSideTrip(1);
    EXPECT_EQ(l.hermitQuest.collected, 2);
    EXPECT_FALSE(l.sacks[3].hidden);
    EXPECT_TRUE(l.sacks[4].hidden);
}

TEST_F(SettlementTest, DeliveryMendsTheMangerOnce)
{
    Level2& l = *level;
    Ms3dModel broken;
    Ms3dModel mended;
    ASSERT_TRUE(broken.loadModelData("data/futterkrippekaputt.ms3d"));
    ASSERT_TRUE(mended.loadModelData("data/futterkrippe.ms3d"));
    ASSERT_NE(broken.vertices.size(), mended.vertices.size());
    EXPECT_EQ(l.krippe.model.vertices.size(), broken.vertices.size());

    l.hermitQuest.accepted = true;
    l.returnFromSideTrip(2);
    standAt({180, 0, 88});
    // Thanked only with 'e': until then the barrow stays with the avatar.
    EXPECT_TRUE(l.avatar.hasChild("schubkarre"));
    l.command('e');
    EXPECT_TRUE(l.hermitQuest.rewarded);
    EXPECT_TRUE(l.hermitQuest.finished);
    standAt({180, 0, 88});
    EXPECT_TRUE(l.avatar.getChildren().empty());
    EXPECT_EQ(l.krippe.model.vertices.size(), mended.vertices.size());
    EXPECT_EQ(l.prompt, atHermit);
    standAt({180, 0, 88});
    EXPECT_TRUE(l.avatar.getChildren().empty());
    l.command('l');
    EXPECT_EQ(l.nextLevel, 4);
}

TEST_F(SettlementTest, LookKeyPrintsEveryLineOfTheSelectedWood)
{
    // Yellow pixels in the row of the fourth description line (0.3 H + 60
    // from the top, right of 0.56 W), counted on a black picture.
    auto lookFrom = [&](Vector3 at) {
        lookOnBlackFrom(at);
        return yellowPixels(440, 800, 600 - 180 - 60 - 14, 600 - 180 - 60 + 4);
    };
    EXPECT_EQ(lookFrom(nowhere), 0);
    // The hermit has one line, the fifth wood four.
    EXPECT_EQ(lookFrom({180, 0, 88}), 0);
    standAt(nowhere);
    EXPECT_GT(lookFrom({170, 5, 70}), 20);
}
