// The whole game played by key and mouse alone, as a player plays it: from
// the first frame of the village to the hooded hero's last words at the inn,
// through every level's own exit, at a fixed frame rate on a manual clock.
// After every level change the player quits and comes back: each part of the
// walk plays on from the save the part before left. For debugging,
// KORVEL_WALK_FROM=N starts at part N from the save a full walk kept. The
// walk is in English; the German texts are checked where they are made.
#include "app/AppState.h"
#include "app/EndScreen.h"
#include "app/GameManager.h"
#include "app/SaveText.h"
#include "app/SavedGame.h"
#include "game/ControlNode.h"
#include "model/Sightline.h"
#include "platform/Language.h"
#include "platform/NumberText.h"
#include "support/GameDriver.h"
#include "support/GlTestWindow.h"
#include "support/RealGame.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

namespace {

constexpr int fps = 20;
constexpr const char* human = "Mit Mensch sprechen (e = etwas sagen) oder Mensch anschauen (v = view)";

float groundDistance(const Vector3& a, const Vector3& b)
{
    return std::hypot(a.x - b.x, a.z - b.z);
}

int shown(std::span<const Actor> things)
{
    return static_cast<int>(std::count_if(things.begin(), things.end(), [](const Actor& a) { return !a.hidden; }));
}

// A player at keyboard and mouse: 'w' held to walk, the mouse moved to turn,
// course corrected every frame; every input event takes one frame's time.
class Steering {
public:
    Steering(int width, int height) : driver(KORVEL_RUN_DIR, fps, width, height), width(width), mouseY(height / 2)
    {
        moveMouse(width / 2); // the pointer's first movement is measured from the corner: one turn
    }
    // The player quits and starts the game again.
    void restart()
    {
        driver.restart();
        walking = false;
        moveMouse(width / 2);
    }

    // Frames; after each, the camera's eye stands in no obstacle's box.
    void frames(int count = 1)
    {
        for (int i = 0; i < count; ++i) {
            driver.frames(1);
            const Camera& camera = driver.level().camera;
            const Vector3 eye = camera.eye();
            for (const ModelNode* obstacle : driver.level().obstacles) {
                eyeInside += insideDrawnBox(*obstacle, eye);
            }
            movedIn += eye.x != camera.position.x || eye.y != camera.position.y || eye.z != camera.position.z;
        }
    }
    void press(unsigned char key, bool down = true)
    {
        walking = key == 'w' ? down : walking;
        driver.clock().advance(frameMs);
        down ? driver.keyDown(key) : driver.keyUp(key);
    }
    void release(unsigned char key) { press(key, false); }
    void type(unsigned char key) { press(key), release(key); }
    void click() // the left mouse button: the avatar whistles
    {
        driver.mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, mouseX, mouseY);
        driver.mouseButton(GLUT_LEFT_BUTTON, GLUT_UP, mouseX, mouseY);
        frames();
    }
    // One frame, turning by a mouse step when `aim` lies more than 4 degrees
    // off course; 'w' held only while `aim` lies ahead (far off course the
    // player turns on the spot rather than walk a circle).
    void walkTowards(Vector3 aim, bool keepWalking = false)
    {
        const float b = bearing(aim);
        if (!keepWalking && (std::fabs(b) < 45.0f) != walking) {
            press('w', !walking);
        }
        std::fabs(b) <= 4.0f ? frames() : void(turn(b));
    }
    // Turns until the walking direction is within half a step of `target`;
    // false if the turns are blocked.
    bool face(Vector3 target)
    {
        for (int turns = 0; turns < 200; ++turns) {
            const float b = bearing(target);
            if (std::fabs(b) <= 75.0f / fps + 0.01f) {
                return true;
            }
            if (!turn(b)) {
                return false;
            }
        }
        return false;
    }
    // Turns, then holds 'w' until the avatar is within `tolerance` of
    // `target` or `stop` says so; false when it gets no closer for 3 s.
    bool walkTo(Vector3 target, float tolerance = 0.6f, const std::function<bool()>& stop = [] { return false; })
    {
        if (!face(target)) {
            return false;
        }
        press('w');
        float best = distanceTo(target);
        for (int sinceCloser = 0; distanceTo(target) >= tolerance && !stop() && sinceCloser <= 3 * fps;) {
            walkTowards(target, true);
            sinceCloser = distanceTo(target) < best - 0.01f ? 0 : sinceCloser + 1;
            best = std::min(best, distanceTo(target));
        }
        release('w');
        return distanceTo(target) < tolerance || stop();
    }
    bool follow(std::initializer_list<Vector3> path)
    {
        for (const Vector3& p : path) {
            if (!walkTo(p)) {
                ADD_FAILURE() << "stuck before " << p.x << ", " << p.z;
                return false;
            }
        }
        return true;
    }

    Avatar& avatar() { return driver.level().avatar; }
    float distanceTo(Vector3 p) { return groundDistance(p, avatar().position); }
    // Degrees from the walking direction (against `direction`) to p, left positive.
    float bearing(Vector3 p)
    {
        const Vector3& d = avatar().direction;
        const Vector3& a = avatar().position;
        return std::remainder((std::atan2(a.x - p.x, a.z - p.z) - std::atan2(d.x, d.z)) * 57.29578f, 360.0f);
    }

    GameDriver driver;
    int eyeInside = 0; // frames the eye stood in an obstacle, for each obstacle
    int movedIn = 0;   // frames something stood between the camera and the figure

private:
    void moveMouse(int x)
    {
        driver.clock().advance(frameMs);
        driver.mouseMove(mouseX = x, mouseY);
    }
    // One mouse step left (towards > 0) or right; false if the turn is
    // blocked. Near the window's edge the player lifts the mouse back to the
    // middle, which the game takes as one turn the other way.
    bool turn(float towards)
    {
        if (mouseX < 20 || mouseX > width - 20) {
            moveMouse(width / 2);
        }
        const float heading = avatar().heading;
        moveMouse(towards > 0.0f ? mouseX - 1 : mouseX + 1);
        return avatar().heading != heading;
    }

    static constexpr int frameMs = 1000 / fps;
    int width;
    int mouseX = 0;
    int mouseY;
    bool walking = false;
};

// Yellow pixels where a description's first line stands in the 160 x 120 picture.
int yellowPixels()
{
    return GlTestWindow::count(89, 160, 504, 520, [](const auto& c) { return c[0] > 150 && c[1] > 150 && c[2] < 80; });
}

// The first line of a partner's entry as the dialogues file has it: after
// the partner's "#name", the entry's "#n" and "#text".
std::string firstLine(const std::string& partner, int entry)
{
    std::ifstream in("data/text/dialogues.txt");
    const std::string marks[] = {"#" + partner, "#" + std::to_string(entry), "#text"};
    std::string line;
    for (std::size_t found = 0; found < std::size(marks) && std::getline(in, line);) found += line == marks[found];
    return std::getline(in, line) ? line : "";
}

// Played in English, as a player whose locale asks for it: every entry met
// on the way is shown in its translation.
class Walkthrough : public ::testing::Test {
protected:
    void SetUp() override { useLanguage(Language::English, KORVEL_RUN_DIR "/locale"); }
    void TearDown() override
    {
        useLanguage(Language::German, {});
        unsetenv("LANGUAGE");
    }
    // The conversation box on screen shows the entry's first line in white,
    // from a quarter across, 0.6 of the way down.
    void expectShows(const Quest& quest, int entry)
    {
        driver.drawFrame();
        const std::string german = firstLine(quest.partnerName, entry);
        const std::string english = tr(german.c_str());
        EXPECT_NE(english, german);
        EXPECT_TRUE(GlTestWindow::showsText(GLUT_BITMAP_HELVETICA_12, english, 40, 48, true))
            << quest.partnerName << " " << entry;
    }

    // At the partner: the offer, answer 1 twice, and the conversation closed.
    void acceptTask(Quest& quest)
    {
        walk.type('e');
        expectShows(quest, 1);
        EXPECT_EQ(driver.controls().inputMode, 'g');
        walk.type('1'), walk.type('1');
        expectShows(quest, 8);
        walk.type('q');
        EXPECT_TRUE(quest.dialog.hidden);
        EXPECT_EQ(driver.controls().inputMode, 'a');
    }

    void thanks(Quest& quest)
    {
        walk.type('e');
        expectShows(quest, 6);
        walk.type('q');
        walk.frames();
    }

    // Walks on towards `p` until the next level shows.
    void leaveFor(Vector3 p, int next)
    {
        const int here = driver.levelNumber();
        walk.walkTo(p, 0.6f, [&] { return driver.levelNumber() != here; });
        walk.frames();
        ASSERT_EQ(driver.levelNumber(), next) << "stopped at " << walk.avatar().position.x << ", "
                                              << walk.avatar().position.z;
    }

    // Walks round a baby snake, out of its reach, to its far side from the cage, then at it.
    bool herdIntoCage(Actor& snake);

    // The player quits and comes back: a fresh game continues the save the
    // last level change wrote, in level `level`, with all achieved in place.
    void comeBack(int level)
    {
        const SaveReading saved = readSaveText(readText(playerSaveFile()));
        ASSERT_TRUE(saved.progress) << saved.problem;
        walk.restart();
        openSavedGame(SaveChoice::Continue);
        startSavedGame();
        EXPECT_TRUE(game.progress() == *saved.progress) << saveText(game.progress());
        ASSERT_EQ(driver.levelNumber(), level);
    }

public:
    // The parts of the walk, each from one level change to the next.
    void village();
    void settlement();
    void chickenYard();
    void settlementBack();
    void bridge();
    void snakePit();
    void bridgeBack();
    void inn();

protected:
    Steering walk{160, 120};
    GameDriver& driver = walk.driver;
    GameManager& game = driver.game();
};

bool Walkthrough::herdIntoCage(Actor& snake)
{
    constexpr float pi = 3.14159265f;
    const Level5& pit = game.level5;
    const Vector3 cage = pit.kaefig->position;
    bool pushing = false;
    Vector3 last{};
    float lastHeading = 0.0f;
    for (int frame = 0; frame < 60 * fps && !pit.kaefig->hasChild(snake.getName()); ++frame) {
        const Vector3 s = snake.position;
        const Vector3 a = walk.avatar().position;
        if (frame % 10 == 0) {
            // Stuck facing the cage or a tree, where it can neither walk nor
            // turn: back off a little.
            if (groundDistance(a, last) < 0.5f && walk.avatar().heading == lastHeading) {
                walk.release('w');
                walk.press('s');
                walk.frames(fps / 2);
                walk.release('s');
            }
            last = a;
            lastHeading = walk.avatar().heading;
        }
        // Behind the snake, seen from the cage, it flees towards the cage:
        // walk at it from there. Elsewhere get out of its reach and round it.
        const float behind = std::atan2(s.z - cage.z, s.x - cage.x);
        const float now = std::atan2(a.z - s.z, a.x - s.x);
        const float off = std::remainder(behind - now, 2.0f * pi);
        pushing = std::fabs(off) < (pushing ? pi / 3.0f : pi / 12.0f);
        float angle = behind;
        float radius = 5.0f;
        if (!pushing) {
            radius = 14.0f;
            angle = groundDistance(s, a) < 11.0f ? now : now + std::clamp(off, -pi / 4.0f, pi / 4.0f);
        }
        walk.walkTowards({std::clamp(s.x + radius * std::cos(angle), 2.0f, 198.0f), 0,
                          std::clamp(s.z + radius * std::sin(angle), 2.0f, 198.0f)});
    }
    walk.release('w');
    return pit.kaefig->hasChild(snake.getName());
}

void Walkthrough::village()
{
    Level1& village = game.level1;
    EXPECT_EQ(village.prompt, "Leider nichts zum anschauen");
    // Round the church's south side to the priest, who has lost his sheep.
    const Vector3 atPriest{125.5f, 0, 110};
    ASSERT_TRUE(walk.follow({{100, 0, 108}, {108, 0, 100}, {127, 0, 100}, atPriest}));
    walk.frames();
    EXPECT_EQ(village.prompt, "Mit Priester sprechen (e = etwas sagen) oder Priester anschauen (v = view)");
    acceptTask(village.priestQuest);
    // Across the village to the meadow: the sheep follows 4 behind.
    ASSERT_TRUE(walk.follow({{127, 0, 100}, {108, 0, 100}, {100, 0, 108}, {75, 0, 110}, {60, 0, 130}, {50, 0, 172}}));
    ASSERT_TRUE(walk.walkTo(village.sheep->position, 1.0f, [&] { return village.avatar.hasChild("sheep"); }));
    ASSERT_TRUE(walk.follow({{50, 0, 172}, {60, 0, 130}, {75, 0, 110}, {100, 0, 108}, {108, 0, 100},
                             {127, 0, 100}, atPriest}));
    EXPECT_NEAR(groundDistance(village.sheep->position, village.avatar.position), 4.0f, 0.01f);
    // The thanks: the sheep stays with the priest, his ring goes with us.
    thanks(village.priestQuest);
    EXPECT_FALSE(village.avatar.hasChild("sheep"));
    EXPECT_TRUE(village.ground.hasChild("sheep"));
    EXPECT_TRUE(village.avatar.hasChild("ring"));
    // Past the old woman, who lets the ring's bearer out of the gate.
    ASSERT_TRUE(walk.follow({{127, 0, 100}, {126, 0, 20}, {109, 0, 12}}));
    walk.frames();
    EXPECT_EQ(village.prompt, "Mit Frau sprechen (e = etwas sagen) oder Frau anschauen (v = view)");
    ASSERT_NO_FATAL_FAILURE(leaveFor({104, 0, 5}, 2));
}

// Between the woods to the hermit, whose manger is broken, then north to the chicken yard for feed.
void Walkthrough::settlement()
{
    ASSERT_TRUE(walk.follow({{60, 0, 90}, {130, 0, 95}, {165, 0, 97}}));
    ASSERT_TRUE(walk.walkTo({180, 0, 92.5f}, 0.6f, [&] { return game.level2.prompt == human; }));
    acceptTask(game.level2.hermitQuest);
    ASSERT_TRUE(walk.follow({{165, 0, 97}, {130, 0, 160}, {100, 0, 185}}));
    ASSERT_NO_FATAL_FAILURE(leaveFor({100, 0, 197}, 3));
}

// Round the trees to the wheelbarrow, then across to the feed.
void Walkthrough::chickenYard()
{
    Level3& yard = game.level3;
    ASSERT_TRUE(walk.follow({{70, 0, 30}, {40, 0, 120}, {40, 0, 172}}));
    walk.frames();
    EXPECT_EQ(yard.prompt, "Ding anschauen (v = view), Ding mitnehmen (m = mitnehmen)");
    walk.type('m');
    EXPECT_TRUE(yard.avatar.hasChild("schubkarre"));
    const Vector3 pile{170, 0, 170};
    ASSERT_TRUE(walk.follow({pile}));
    walk.frames();
    EXPECT_EQ(yard.prompt, "Futter mitnehmen (m = mitnehmen)");
    walk.type('m');
    EXPECT_EQ(shown(yard.sacks), 5);
    // The chickens run faster than the avatar walks: first lead the
    // hungriest west until they have eaten the barrow empty (there they
    // stay), then load again and make for the gate, as often as it takes.
    const auto emptyOrGone = [&] { return yard.feedCount == 0 || driver.levelNumber() != 3; };
    ASSERT_TRUE(walk.walkTo({44, 0, 101}, 0.6f, emptyOrGone));
    for (int loads = 1; driver.levelNumber() == 3; ++loads) {
        ASSERT_LE(loads, 6) << "the chickens ate every load";
        if (yard.feedCount == 0) {
            ASSERT_TRUE(walk.follow({pile}));
            walk.frames();
            walk.type('m');
        }
        for (const Vector3& p : {Vector3{125, 0, 40}, Vector3{100, 0, 2}}) {
            ASSERT_TRUE(emptyOrGone() || walk.walkTo(p, 0.6f, emptyOrGone));
        }
    }
}

// Back in the settlement pushing the wheelbarrow with what is left; the
// thanks take the feed and mend the manger, which opens the east.
void Walkthrough::settlementBack()
{
    Level2& settlement = game.level2;
    walk.frames();
    EXPECT_GE(shown(settlement.sacks), 1);
    EXPECT_EQ(shown(settlement.sacks), game.level3.feedCount);
    EXPECT_FALSE(settlement.schubkarre->hidden);
    const std::size_t broken = settlement.krippe->model.vertices.size();
    ASSERT_TRUE(walk.follow({{100, 0, 185}, {130, 0, 160}, {165, 0, 97}}));
    ASSERT_TRUE(walk.walkTo({180, 0, 92.5f}, 0.6f, [&] { return settlement.prompt == human; }));
    thanks(settlement.hermitQuest);
    EXPECT_FALSE(settlement.avatar.hasChild("schubkarre"));
    EXPECT_NE(settlement.krippe->model.vertices.size(), broken);
    ASSERT_TRUE(walk.follow({{185, 0, 100}}));
    ASSERT_NO_FATAL_FAILURE(leaveFor({197, 0, 109}, 4));
}

// The officer wants a badge; a promise does not open his barrier.
void Walkthrough::bridge()
{
    ASSERT_TRUE(walk.follow({{30, 0, 100}, {60, 0, 120}, {90, 0, 120}, {125, 0, 90}, {139.5f, 0, 57}}));
    walk.frames();
    EXPECT_EQ(game.level4.prompt, human);
    acceptTask(game.level4.officerQuest);
    ASSERT_TRUE(walk.follow({{140, 0, 62}, {144, 0, 58}}));
    EXPECT_FALSE(walk.walkTo({155, 0, 58}));
    EXPECT_LT(walk.avatar().position.x, 147.5f);
    ASSERT_TRUE(walk.follow({{140, 0, 62}, {130, 0, 100}, {100, 0, 150}}));
    ASSERT_NO_FATAL_FAILURE(leaveFor({87, 0, 195}, 5));
}

// The five baby snakes into the cage; the one in the corner first, from
// along the south wall, where there is room to get behind it.
void Walkthrough::snakePit()
{
    Level5& pit = game.level5;
    ASSERT_TRUE(walk.follow({{8, 0, 8}}));
    for (Actor* snake : {&pit.babies[2], &pit.babies[4], &pit.babies[0], &pit.babies[1], &pit.babies[3]}) {
        ASSERT_TRUE(herdIntoCage(*snake)) << snake->getName() << " at " << snake->position.x << ", "
                                          << snake->position.z;
    }
    walk.frames();
    EXPECT_FALSE(pit.mother->hidden);
    // Their mother lies on the badge and attacks; whistling stuns her.
    ASSERT_TRUE(walk.follow({{130, 0, 110}, {110, 0, 108}}));
    walk.frames();
    EXPECT_EQ(pit.mother->animationIndex, 1);
    EXPECT_EQ(pit.prompt, "Oh sie hat die Plakette vor sich liegen, irgendwie muss ich sie ablenken.");
    walk.type('m');
    EXPECT_EQ(pit.badgeCount, 0);
    walk.click();
    EXPECT_EQ(pit.mother->animationIndex, 2);
    EXPECT_EQ(pit.prompt, "Die Plakette! Da ist sie! (m = Plakette mitnehmen)");
    walk.type('m');
    EXPECT_EQ(pit.badgeCount, 1);
    walk.click();
    walk.frames();
    EXPECT_EQ(pit.mother->animationIndex, 1);
    EXPECT_EQ(pit.prompt, "Das hab ich gut gemacht");
    // Out by the south exit, where she lets go.
    ASSERT_TRUE(walk.follow({{90, 0, 80}, {100, 0, 30}}));
    EXPECT_EQ(pit.mother->animationIndex, 0);
    ASSERT_NO_FATAL_FAILURE(leaveFor({100, 0, 4}, 4));
}

// Back with the badge: the officer's thanks open the barrier. Round his
// north side, over the bridge and up the far bank to the inn.
void Walkthrough::bridgeBack()
{
    ASSERT_TRUE(walk.follow({{100, 0, 150}, {130, 0, 100}, {139.5f, 0, 57}}));
    thanks(game.level4.officerQuest);
    ASSERT_TRUE(walk.follow({{140, 0, 62}, {144, 0, 58}, {155, 0, 58}, {188, 0, 58}}));
    ASSERT_NO_FATAL_FAILURE(leaveFor({195, 0, 86}, 6));
}

// Up the street to the hooded hero. Saying yes to his task and closing the
// conversation ends the game, and the save says so; with the outro off the
// end screen follows, which only Escape leaves.
void Walkthrough::inn()
{
    Level6& inn = game.level6;
    EXPECT_EQ(inn.prompt, "Leider nichts zum anschauen");
    const char* atHero = "Mit Held sprechen (e = etwas sagen) oder Held anschauen (v = view)";
    ASSERT_TRUE(walk.follow({{104, 0, 60}, {104, 0, 95}}));
    ASSERT_TRUE(walk.walkTo({108, 0, 103}, 0.6f, [&] { return inn.prompt == atHero; }));
    // Holding 'v' shows his description in yellow, right of the middle a
    // third down the window.
    walk.press('v');
    driver.drawFrame();
    const int described = yellowPixels();
    walk.release('v');
    driver.drawFrame();
    EXPECT_GT(described, yellowPixels() + 20);
    acceptTask(inn.heroQuest);
    EXPECT_TRUE(inn.heroQuest.finished);
    EXPECT_TRUE(readSaveText(readText(playerSaveFile())).progress->finished());
    walk.frames();
    ASSERT_TRUE(appState.endScreenOpen);
    const std::vector<std::string> lines = endScreenLines(game);
    for (const char* line : {"The Village: The lost sheep, Hallelujah", "The Chicken Yard", "5 of 5 tasks done."}) {
        EXPECT_NE(std::ranges::find(lines, line), lines.end()) << line;
    }
    walk.type('e');
    EXPECT_TRUE(inn.heroQuest.dialog.hidden);
}

TEST_F(Walkthrough, WholeGameByKeyAndMouseEachPartFromTheSaveBefore)
{
    // Each part with the level it starts in.
    const std::pair<int, void (Walkthrough::*)()> parts[] = {
        {1, &Walkthrough::village}, {2, &Walkthrough::settlement}, {3, &Walkthrough::chickenYard},
        {2, &Walkthrough::settlementBack}, {4, &Walkthrough::bridge}, {5, &Walkthrough::snakePit},
        {4, &Walkthrough::bridgeBack}, {6, &Walkthrough::inn}};
    // The save each part starts from, kept for a walk from a later part.
    const auto kept = [](int part) {
        return std::filesystem::path(KORVEL_RUN_DIR) / "../walkthrough-saves" / ("part" + std::to_string(part) + ".txt");
    };
    const char* from = std::getenv("KORVEL_WALK_FROM");
    const int first = from == nullptr ? 1 : std::max(1, readNumber(from, {1, 8}).value);
    if (first > 1) {
        std::filesystem::create_directories(playerSaveFile().parent_path());
        std::filesystem::copy_file(kept(first), playerSaveFile());
    }
    for (int part = first; part <= 8 && !HasFatalFailure(); ++part) {
        SCOPED_TRACE("part " + std::to_string(part));
        if (part > 1) {
            ASSERT_NO_FATAL_FAILURE(comeBack(parts[part - 1].first));
        } else {
            openSavedGame(SaveChoice::NewGame);
            startSavedGame();
        }
        walk.frames();
        (this->*parts[part - 1].second)();
        if (part < 8) {
            std::filesystem::create_directories(kept(part + 1).parent_path());
            std::filesystem::copy_file(playerSaveFile(), kept(part + 1),
                                       std::filesystem::copy_options::overwrite_existing);
        }
    }
    EXPECT_EQ(walk.eyeInside, 0);
    EXPECT_GT(walk.movedIn, 0);
}

} // namespace
