// The last level played through keys and mouse alone: skipped there along
// the route, against a wall, to the hero, his task accepted, the outro.
#include "Steering.h"

#include "app/AppState.h"
#include "app/Options.h"
#include "app/VideoPlayer.h"
#include "game/ControlNode.h"
#include "game/GameManager.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <span>
#include <vector>

namespace {

constexpr const char* heroPrompt = "Mit Held sprechen (e = etwas sagen) oder Held anschauen (v = view)";
constexpr const char* farewell = "Danke, dass Sie sich fuer Korvel entschieden haben.\nFreuen Sie sich auf Sarnik....";

// From the start up the village street past the well to the hero's side.
constexpr Vector3 startToHero[] = {{104, 0, 60}, {104, 0, 95}};
constexpr Vector3 heroSpot{108, 0, 103};

void follow(Steering& game, std::span<const Vector3> path)
{
    for (const Vector3& p : path) {
        ASSERT_TRUE(game.walkTo(p)) << "stuck on the way to " << p.x << ", " << p.z << " at "
                                    << game.avatar().position.x << ", " << game.avatar().position.z;
    }
}

} // namespace

TEST(Level6PlayThrough, SkippedAlongTheRouteThenTheHerosTaskEndsTheGame)
{
    ASSERT_TRUE(std::filesystem::exists(std::filesystem::path(KORVEL_RUN_DIR) / "data/video/outro.avi"));
    Steering game(25);
    GameDriver& driver = game.driver;
    Level6& inn = driver.game().level6;
    Quest& quest = inn.heroQuest;

    // The skip key along the route: the side trips lead back, and the
    // levels they return to lead on.
    std::vector<int> route;
    while (driver.levelNumber() != 6 && route.size() < 10) {
        game.type('l');
        route.push_back(driver.levelNumber());
    }
    ASSERT_EQ(route, (std::vector<int>{2, 3, 2, 4, 5, 4, 6}));
    ASSERT_EQ(&driver.level(), &inn);
    EXPECT_EQ(driver.controls().inputMode, 'a');
    game.frame();
    EXPECT_EQ(inn.prompt, "Leider nichts zum anschauen");
    game.snapshot("l6-1-arrival");

    // Here the skip key only says goodbye.
    testing::internal::CaptureStdout();
    game.type('l');
    game.type('l');
    EXPECT_EQ(testing::internal::GetCapturedStdout(), std::string(farewell) + farewell);
    game.frame();
    EXPECT_EQ(driver.levelNumber(), 6);

    // Walking into the south wall only stops the avatar.
    EXPECT_FALSE(game.walkTo({104, 0, -6}));
    game.frame();
    EXPECT_GT(game.avatar().position.z, 0.0f);
    EXPECT_EQ(driver.levelNumber(), 6);
    EXPECT_EQ(inn.nextLevel, 6);
    game.snapshot("l6-2-south-wall");
    // Too close to the wall to turn: back off first.
    game.press('s');
    for (int i = 0; i < 25; ++i) {
        game.frame();
    }
    game.release('s');
    EXPECT_GT(game.avatar().position.z, 10.0f);

    // Up the street to the hooded hero.
    ASSERT_NO_FATAL_FAILURE(follow(game, startToHero));
    ASSERT_TRUE(game.walkTo(heroSpot, 0.6f, [&] { return inn.prompt == heroPrompt; }));
    game.frame();
    ASSERT_EQ(inn.prompt, heroPrompt);
    ASSERT_TRUE(game.face(inn.held.position));
    game.press('v');
    game.frame();
    game.snapshot("l6-3-hero-described");
    game.release('v');

    // With the outro switched off, accepting and closing finishes the
    // quest and the game simply goes on.
    game.type('e');
    EXPECT_EQ(driver.controls().inputMode, 'g');
    EXPECT_FALSE(quest.dialog.hidden);
    game.snapshot("l6-4-hero-offer");
    game.type('1');
    game.type('1');
    EXPECT_TRUE(quest.accepted);
    EXPECT_FALSE(quest.finished);
    game.snapshot("l6-5-hero-accepted");
    game.type('q');
    EXPECT_TRUE(quest.finished);
    EXPECT_TRUE(quest.dialog.hidden);
    EXPECT_EQ(driver.controls().inputMode, 'a');
    driver.frames(5);
    EXPECT_FALSE(appState.outroStarted || appState.videoRunning());
    EXPECT_EQ(driver.levelNumber(), 6);
    game.type('e');
    EXPECT_FALSE(quest.dialog.hidden);
    EXPECT_TRUE(quest.finished);
    game.type('q');

    // With the outro wanted, the next frame plays it instead of the game.
    options.playOutro = true;
    driver.frames(1);
    EXPECT_TRUE(appState.outroStarted);
    EXPECT_TRUE(appState.outroPlaying);
    driver.clock().advance(1000);
    driver.frames(1);
    game.snapshot("l6-6-outro");
    // Game keys do nothing while the video runs.
    testing::internal::CaptureStdout();
    game.type('e');
    game.type('l');
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_TRUE(appState.outroPlaying);
    EXPECT_TRUE(quest.dialog.hidden);

    // Releasing 'w' would end the program; the test closes the video itself.
    closeVideo();
    appState.outroPlaying = false;
}
