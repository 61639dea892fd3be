// The snake pit played through keys and mouse only: the five baby snakes
// herded into the cage, their mother stunned by whistling, the badge taken,
// and out by the south exit back to the bridge.
#include "Steering.h"

#include "game/GameManager.h"

#include <GL/glut.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr float pi = 3.14159265f;

Vector3 at(const Vector3& centre, float angle, float radius)
{
    const float x = std::clamp(centre.x + radius * std::cos(angle), 3.0f, 197.0f);
    const float z = std::clamp(centre.z + radius * std::sin(angle), 3.0f, 197.0f);
    return {x, 0, z};
}

float angleFrom(const Vector3& centre, const Vector3& p)
{
    return std::atan2(p.z - centre.z, p.x - centre.x);
}

float groundDistance(const Vector3& a, const Vector3& b)
{
    return std::hypot(a.x - b.x, a.z - b.z);
}

// A player herding one snake: walks round it out of its reach to the side
// away from the goal, then walks at it so that it flees towards the goal.
class Herder {
public:
    Herder(Steering& game, Level5& pit) : game(game), pit(pit) {}

    // Round the snake at a distance of 13 to the point 12 behind it.
    bool getBehind(const Actor& snake, const Vector3& goal)
    {
        const Vector3 s = snake.position;
        const float behind = angleFrom(s, goal) + pi;
        float a = angleFrom(s, game.avatar().position);
        // Straight out to the circle (or in to it from afar) along the radius.
        game.walkTo(at(s, a, 13.0f), 1.0f);
        float turn = std::remainder(behind - a, 2.0f * pi);
        while (std::fabs(turn) > pi / 6.0f) {
            a += turn > 0.0f ? pi / 6.0f : -pi / 6.0f;
            turn = std::remainder(behind - a, 2.0f * pi);
            // A blocked waypoint is passed by; the next one may be free.
            game.walkTo(at(s, a, 13.0f), 1.0f);
        }
        return game.walkTo(at(s, behind, 11.0f), 1.0f);
    }

    // Walks at a point on the snake's line to the goal, a few steps ahead
    // of the avatar, until the snake is within `near` of the goal, caught,
    // out of reach, or the avatar is blocked.
    bool push(Actor& snake, const Vector3& goal, float near)
    {
        game.press('w');
        bool done = false;
        Vector3 last = game.avatar().position;
        int still = 0;
        for (int frame = 0; frame < 1500 && !done && still < 20; ++frame) {
            const Vector3 s = snake.position;
            const float d = groundDistance(s, goal);
            const float back = std::max(0.0f, groundDistance(s, game.avatar().position) - 4.0f);
            Vector3 aim = s;
            aim.add((s.x - goal.x) / d * back, 0, (s.z - goal.z) / d * back);
            const float b = game.bearing(aim);
            if (b > 4.0f) {
                game.mouseLeft();
            } else if (b < -4.0f) {
                game.mouseRight();
            } else {
                game.frame();
            }
            done = pit.kaefig.hasChild(snake.getName()) || groundDistance(snake.position, goal) < near ||
                   groundDistance(snake.position, game.avatar().position) > 11.0f;
            const Vector3 now = game.avatar().position;
            still = groundDistance(now, last) < 1e-4f ? still + 1 : 0;
            last = now;
        }
        game.release('w');
        return done;
    }

    bool herd(Actor& snake, const std::vector<Vector3>& goals)
    {
        for (std::size_t g = 0; g < goals.size(); ++g) {
            const bool last = g + 1 == goals.size();
            for (int attempt = 0; attempt < 12; ++attempt) {
                if (pit.kaefig.hasChild(snake.getName())) {
                    return true;
                }
                if (!last && groundDistance(snake.position, goals[g]) < 4.0f) {
                    break;
                }
                if (!getBehind(snake, goals[g])) {
                    continue;
                }
                push(snake, goals[g], last ? 0.0f : 4.0f);
            }
        }
        return pit.kaefig.hasChild(snake.getName());
    }

private:
    Steering& game;
    Level5& pit;
};

} // namespace

TEST(Level5PlayThrough, SnakesCagedMotherStunnedBadgeTakenBackToTheBridge)
{
    Steering game(25);
    GameDriver& driver = game.driver;
    // The way here, skipped: village, settlement, chicken yard and back, bridge.
    for (int expected : {2, 3, 2, 4, 5}) {
        game.type('l');
        game.frame();
        ASSERT_EQ(driver.levelNumber(), expected);
    }
    Level5& pit = driver.game().level5;
    game.frame();
    game.snapshot("5-1-start");
    EXPECT_EQ(pit.prompt, "Hier gibt's nix zu sehn");

    // Too early to leave.
    ASSERT_TRUE(game.walkTo({100, 0, 4}));
    game.frame();
    EXPECT_EQ(pit.prompt, "Ohne Plakete mag ich hier nicht weg!");
    EXPECT_EQ(driver.levelNumber(), 5);

    Herder herder(game, pit);
    const Vector3 cage = pit.kaefig.position;
    const Vector3 aboveTheTrees{100, 0, 115};
    struct Drive {
        Actor* snake;
        std::vector<Vector3> goals;
    };
    const Drive drives[] = {
        // North of the trees in the middle first, then east into the cage.
        {&pit.mob5, {aboveTheTrees, cage}}, {&pit.mob1, {cage}}, {&pit.mob2, {cage}},
        {&pit.mob4, {cage}}, {&pit.mob3, {{80, 0, 60}, aboveTheTrees, cage}},
    };
    int caught = 0;
    for (const Drive& drive : drives) {
        ASSERT_TRUE(herder.herd(*drive.snake, drive.goals))
            << drive.snake->getName() << " at " << drive.snake->position.x << ", " << drive.snake->position.z;
        EXPECT_EQ(pit.caughtCount, ++caught);
        if (caught == 1) {
            game.snapshot("5-2-first-snake-caught");
        }
    }
    game.frame();
    EXPECT_TRUE(pit.cageClosed);
    EXPECT_FALSE(pit.mob6.hidden);
    game.snapshot("5-3-cage-shut");

    // Up to the mother, who attacks.
    ASSERT_TRUE(game.walkTo({130, 0, 110}));
    ASSERT_TRUE(game.walkTo({110, 0, 108}));
    game.frame();
    EXPECT_EQ(pit.mob6.animationIndex, 1);
    EXPECT_EQ(pit.prompt, "Oh sie hat die Plakette vor sich liegen, irgendwie muss ich sie ablenken.");
    game.snapshot("5-4-mother-attacks");
    game.type('m');
    EXPECT_EQ(pit.badgeCount, 0);

    // Whistle (left button), take the badge, stop whistling.
    driver.mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 400, 300);
    driver.mouseButton(GLUT_LEFT_BUTTON, GLUT_UP, 400, 300);
    game.frame();
    EXPECT_EQ(pit.mob6.animationIndex, 2);
    EXPECT_EQ(pit.prompt, "Die Plakette! Da ist sie! (m = Plakette mitnehmen)");
    game.snapshot("5-5-mother-stunned");
    game.type('m');
    EXPECT_EQ(pit.badgeCount, 1);
    driver.mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 400, 300);
    driver.mouseButton(GLUT_LEFT_BUTTON, GLUT_UP, 400, 300);
    game.frame();
    game.frame();
    EXPECT_EQ(pit.mob6.animationIndex, 1);
    EXPECT_EQ(pit.prompt, "Das hab ich gut gemacht");

    // Out by the south exit, back to the officer.
    ASSERT_TRUE(game.walkTo({90, 0, 80}));
    ASSERT_TRUE(game.walkTo({100, 0, 30}));
    EXPECT_EQ(pit.mob6.animationIndex, 0);
    game.walkTo({100, 0, 4}, 0.6f, [&] { return driver.levelNumber() != 5; });
    game.frame();
    EXPECT_EQ(driver.levelNumber(), 4);
    EXPECT_EQ(driver.game().level4.officerQuest.collected, 1);
}
