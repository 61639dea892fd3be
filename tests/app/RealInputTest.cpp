// The real program's own paths, played through X as a player plays: the
// mouse turns the view and whistles, held keys walk and skip, the window is
// resized, and the command line chooses the window and the intro.
#include "app/SaveText.h"
#include "platform/PictureFile.h"
#include "support/RealGame.h"
#include "support/ScratchDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <fstream>
#include <optional>
#include <thread>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// How far the picture between the prompt and the figure moved to the left
// from `before` to `after`: the shift that matches them best.
int shiftLeft(const Screenshot& before, const Screenshot& after)
{
    std::pair<double, int> best{1e9, 0};
    for (int dx = -300; dx <= 300; dx += 2) {
        double sum = 0, n = 0;
        for (int y = before.height / 12; y < before.height * 2 / 5; y += 4) {
            for (int x = std::max(0, -dx); x < std::min(before.width, before.width - dx); x += 4, n += 3) {
                for (int c = 0; c < 3; ++c) sum += std::abs(after.at(x, y)[c] - before.at(x + dx, y)[c]);
            }
        }
        best = std::min(best, {sum / n, dx});
    }
    return best.second;
}

// A game started from a scratch run directory, by default in an 800 x 600 window.
class RealGameInput : public ::testing::Test {
protected:
    void start(const std::vector<std::string>& args = {}, const RealGame::Environment& environment = {},
               const RealGame::Environment& settings = {{"windowwidth", "800"}, {"windowheight", "600"}},
               const fs::path& home = {})
    {
        fs::remove(dir.path() / "data");
        prepareRunDir(dir.path(), settings);
        game.emplace(dir.path(), args, "", home, environment);
        ASSERT_TRUE(game->waitForWindow()) << game->errors();
        std::this_thread::sleep_for(3500ms); // the area's name is shown and gone
    }
    // The picture once two screenshots a third of a second apart are alike;
    // nothing while it still changes after `limit`.
    std::optional<Screenshot> stillPicture(std::chrono::seconds limit = 20s) const
    {
        const auto end = std::chrono::steady_clock::now() + limit;
        for (Screenshot last = game->screenshot(); std::chrono::steady_clock::now() < end;) {
            std::this_thread::sleep_for(300ms);
            Screenshot next = game->screenshot();
            if (next.width > 0 && next.width == last.width && next.differenceFrom(last) < 2.0) return next;
            last = std::move(next);
        }
        return std::nullopt;
    }
    void mouseTo(int x, int y) const
    {
        game->xdotool("mousemove --window " + game->window() + " " + std::to_string(x) + " " + std::to_string(y));
    }
    void hold(const std::string& key, std::chrono::milliseconds time) const
    {
        game->xdotool("keydown " + key), std::this_thread::sleep_for(time), game->xdotool("keyup " + key);
    }
    std::string quit()
    {
        game->type({"Escape"}, 0ms);
        EXPECT_EQ(game->waitForExit(30s), 0) << game->errors();
        return game->output();
    }

    ScratchDir dir;
    std::optional<RealGame> game;
};

// SDL's disk driver writes what the player would hear into a file.
TEST_F(RealGameInput, TheMouseTurnsTheViewItsWayKeepsTurningAtTheEdgeAndItsButtonWhistles)
{
    const fs::path heard = dir.path() / "heard.raw";
    start({}, {{"SDL_AUDIODRIVER", "disk"}, {"SDL_DISKAUDIOFILE", heard.string()}});
    mouseTo(400, 300); // from the corner: one step of its own
    const auto ahead = stillPicture();
    for (int x = 410; x <= 450; x += 10) mouseTo(x, 300);
    const auto right = stillPicture();
    for (int x = 440; x >= 400; x -= 10) mouseTo(x, 300);
    const auto left = stillPicture();
    ASSERT_TRUE(ahead && right && left);
    EXPECT_GT(shiftLeft(*ahead, *right), 10) << "to the right the scenery moves left";
    EXPECT_LT(shiftLeft(*right, *left), -10) << "and back";
    // Resting at an edge the view turns on by itself, and stops away from it.
    mouseTo(799, 300);
    for (int look = 0; look < 2; ++look) {
        const Screenshot before = game->screenshot();
        std::this_thread::sleep_for(500ms);
        EXPECT_GT(game->screenshot().differenceFrom(before), 5.0) << look;
    }
    mouseTo(400, 300);
    EXPECT_TRUE(stillPicture()) << "it turns on in the middle";

    // The loudest 16-bit sample of the second of sound written after `from` bytes.
    const auto loudestAfter = [&](size_t from) {
        const auto end = std::chrono::steady_clock::now() + 20s;
        std::string sound;
        while ((sound = readText(heard)).size() < from + 4 * 44100 && std::chrono::steady_clock::now() < end) {
            std::this_thread::sleep_for(100ms);
        }
        int loudest = 0;
        for (size_t i = from & ~size_t(1); i + 1 < sound.size(); i += 2) {
            loudest = std::max(loudest, std::abs(int(int16_t(uint8_t(sound[i]) | uint8_t(sound[i + 1]) << 8))));
        }
        return loudest;
    };
    game->xdotool("click 1");
    EXPECT_GT(loudestAfter(0), 8000) << "no whistle";
    game->xdotool("click 1");
    std::this_thread::sleep_for(500ms); // the click on its way, the device's buffers played out
    EXPECT_EQ(loudestAfter(readText(heard).size()), 0) << "the whistle goes on";
    game->signal(SIGTERM); // with the sound device open, as without
    EXPECT_EQ(game->waitForExit(10s), 128 + SIGTERM);
}

TEST_F(RealGameInput, AResizedWindowShowsTheSamePictureAndHeldKeysActOnceDespiteTheServersKeyRepeat)
{
    start();
    const auto small = stillPicture();
    ASSERT_TRUE(small);
    // At the screen's corner, 1024 x 768: drawn up to the far corner once the game has the new size.
    game->xdotool("windowmove " + game->window() + " 0 0 windowsize " + game->window() + " 1024 768");
    const auto filled = [](const Screenshot& s) { return s.width == 1024 && s.at(1020, 4)[2] > 0; };
    const Screenshot large = game->screenshotWhen(20s, filled);
    ASSERT_EQ(large.height, 768) << large.width;
    Screenshot scaled{800, 600, {}}; // the text keeps its size, the scene scales
    for (int i = 0; i < 800 * 600; ++i) {
        const unsigned char* p = large.at(i % 800 * 1024 / 800, i / 800 * 768 / 600);
        scaled.rgb.insert(scaled.rgb.end(), p, p + 3);
    }
    EXPECT_LT(scaled.differenceFrom(*small), 12.0);

    game->repeatKeys();
    game->type({"l"}); // the hermit's clearing: a free way east
    auto picture = stillPicture();
    ASSERT_TRUE(picture);
    game->xdotool("keydown w");
    for (int look = 0; look < 5; ++look) {
        std::this_thread::sleep_for(400ms);
        Screenshot next = game->screenshot();
        EXPECT_GT(next.differenceFrom(*picture), 3.0) << "no step at " << look;
        picture = std::move(next);
    }
    game->xdotool("keyup w");
    EXPECT_TRUE(stillPicture(5s)) << "walks on after the release";
    // At the inn the skip key says goodbye: held for two seconds, once; once
    // more when pressed again, with no line end between the two.
    game->type(std::vector<std::string>(6, "l")); // 3, 2, 4, 5, 4, 6
    game->xdotool("keydown l");
    std::this_thread::sleep_for(2s);
    const std::string held = game->output();
    game->xdotool("keyup l");
    std::this_thread::sleep_for(1s); // a player's pause: a press while the release is unread would be lost
    game->type({"l"});
    const std::string farewell = "Danke, dass Sie sich fuer Korvel entschieden haben.\nFreuen Sie sich auf Sarnik....";
    EXPECT_EQ(occurrences(held, farewell), 1) << held;
    EXPECT_NE(quit().find(farewell + farewell), std::string::npos);
}

// The command line wins over the options file, which asks for none of these.
TEST_F(RealGameInput, TheCommandLineChoosesTheWindowAndTheIntroWhichOnlyTheReleaseOfWEnds)
{
    start({"--window", "640x480", "--intro"}, {}, {{"windowwidth", "800"}, {"windowheight", "600"}});
    const std::string size = game->onDisplay("xwininfo -id " + game->window());
    EXPECT_NE(size.find("Width: 640\n  Height: 480\n"), std::string::npos) << size;
    // The intro's title is golden.
    const auto golden = [](const Screenshot& shot) {
        return shot.count([](int r, int g, int b) { return r > 180 && g > 120 && b < 120; });
    };
    const Screenshot intro = game->screenshotWhen(20s, [&](const Screenshot& s) { return golden(s) > 5000; });
    ASSERT_GT(golden(intro), 5000) << "no intro";
    game->type({"Escape"}, 1000ms);
    ASSERT_EQ(game->waitForExit(0ms), -1) << "Escape ended the intro";
    game->xdotool("keydown w");
    std::this_thread::sleep_for(500ms);
    EXPECT_GT(golden(game->screenshot()), 5000) << "pressing w left the intro";
    game->xdotool("keyup w");
    const auto played = [&](const Screenshot& s) { return s.differenceFrom(intro) > 20.0; };
    EXPECT_TRUE(played(game->screenshotWhen(60s, played))) << "the intro stays on screen";
    quit();
    EXPECT_EQ(game->errors().find("Error"), std::string::npos) << game->errors();

    // No such game mode on this display: a window of the default size
    // instead, drawn on and on without any input.
    game.reset();
    start({"--fullscreen"}, {}, {{"windowwidth", "640"}, {"windowheight", "480"}, {"glutGameModeString", "9999x9999"}});
    EXPECT_NE(game->onDisplay("xwininfo -id " + game->window()).find("Width: 800\n"), std::string::npos);
    const auto drawn = stillPicture();
    ASSERT_TRUE(drawn);
    std::this_thread::sleep_for(1000ms);
    EXPECT_GT(game->screenshot().differenceFrom(*drawn), 0.0) << "the picture stands still";
    EXPECT_EQ(game->output(), "Viel Spass mit Korvel ....\nDer Spielmodus laesst sich nicht einschalten; gespielt wird im Fenster\n");
    // The help sound opens the sound device; a machine without one says so
    // once. Ctrl-C still ends the game.
    game->type({"F1"}, 0ms);
    const std::string cards = readText("/proc/asound/cards");
    const bool soundCard = !cards.empty() && cards.find("no soundcards") == std::string::npos;
    const std::string silent = "kein Soundgeraet: es wird ohne Ton gespielt\n";
    const auto end = std::chrono::steady_clock::now() + 10s;
    while (!soundCard && occurrences(game->errors(), silent) == 0 && std::chrono::steady_clock::now() < end) {
        game->waitForExit(100ms);
    }
    game->signal(SIGINT);
    EXPECT_EQ(game->waitForExit(10s), 128 + SIGINT);
    EXPECT_EQ(occurrences(game->errors(), silent), soundCard ? 0 : 1) << game->errors();
}

// The hero's task through the real program, from a save that stands before
// it: with the outro on, the outro, which Escape does not end and releasing
// w does; with it off, the end screen, which plays on until Escape.
TEST_F(RealGameInput, TheLastQuestEndsInTheOutroOrOnTheEndScreen)
{
    const QuestProgress thanked{.rewarded = true, .finished = true, .stage = 2, .collected = 1};
    const GameProgress beforeTheHero{6, true, true, {thanked, {.finished = true}}, {thanked, 2}, {true, 2},
                                     {thanked, true}, {{true, true, true, true, true}, true, 1}, {}};
    const auto purple = [](const Screenshot& s) { return s.count([](int r, int g, int b) { return b > g + 30 && r > g; }); };
    const auto gold = [](const Screenshot& s) { return s.count([](int r, int g, int b) { return r > 200 && g > 150 && b < 150; }); };
    for (const bool outro : {true, false}) {
        SCOPED_TRACE(outro ? "outro" : "end screen");
        const fs::path home = dir.path() / (outro ? "outro" : "end"), save = home / ".local/share/korvel/savegame.txt";
        fs::create_directories(save.parent_path());
        std::ofstream(save) << saveText(beforeTheHero);
        fs::remove(dir.path() / "data");
        prepareRunDir(dir.path(), {{"playoutro", outro ? "yes" : "no"}});
        game.emplace(dir.path(), std::vector<std::string>{"--continue"}, "", home);
        ASSERT_TRUE(game->waitForWindow()) << game->errors();
        // From the entry up the street to the house, back and aside to the hero.
        hold("w", 7000ms), hold("s", 600ms), hold("a", 500ms);
        game->type({"e", "1", "1", "q"});
        if (outro) {
            const auto playing = [&](const Screenshot& s) { return purple(s) > 30000; };
            ASSERT_TRUE(playing(game->screenshotWhen(20s, playing))) << "no outro";
            game->type({"Escape"}, 1000ms);
            ASSERT_EQ(game->waitForExit(0ms), -1) << "Escape ended the outro";
            EXPECT_TRUE(playing(game->screenshot()));
            game->xdotool("keydown w");
            game->xdotool("keyup w");
        } else {
            const auto ended = [&](const Screenshot& s) { return gold(s) > 2000 && purple(s) == 0; };
            EXPECT_TRUE(ended(game->screenshotWhen(20s, ended))) << "no end screen";
            game->type({"e", "l", "w"}, 300ms);
            EXPECT_EQ(game->waitForExit(1000ms), -1) << "a key other than Escape left the end screen";
            game->type({"Escape"}, 0ms);
        }
        EXPECT_EQ(game->waitForExit(20s), 0) << game->errors();
        EXPECT_TRUE(readSaveText(readText(save)).progress->finished());
        game.reset();
    }
}

} // namespace

namespace {

// Keys as the options file binds them, in either case; the arrows as well.
// Paused by its key, the picture where smoke rises stands still; hidden, the
// game draws nothing at all until it is shown again.
TEST_F(RealGameInput, ReboundKeysAndArrowsWalkAndAPausedOrHiddenGameStandsStill)
{
    start({}, {}, {{"windowwidth", "800"}, {"windowheight", "600"}, {"keyforward", "k"}});
    game->type({"l"}); // the hermit's clearing: a free way east, and smoke
    auto picture = stillPicture();
    ASSERT_TRUE(picture);
    for (const auto& [key, walks] : {std::pair{"w", false}, {"k", true}, {"shift+k", true}, {"Up", true}}) {
        game->xdotool(std::string("keydown ") + key);
        std::this_thread::sleep_for(600ms);
        game->xdotool(std::string("keyup ") + key);
        auto after = stillPicture();
        ASSERT_TRUE(after) << key;
        EXPECT_EQ(after->differenceFrom(*picture) > 3.0, walks) << key;
        picture = std::move(after);
    }
    game->type({"p"});
    const Screenshot paused = game->screenshot();
    std::this_thread::sleep_for(1s);
    EXPECT_EQ(game->screenshot().differenceFrom(paused), 0.0);
    game->type({"p"});
    EXPECT_GT(game->screenshot().differenceFrom(paused), 0.0);

    game->onDisplay("xdotool windowunmap --sync " + game->window());
    std::this_thread::sleep_for(500ms);
    const double before = game->cpuSeconds();
    std::this_thread::sleep_for(2s);
    EXPECT_LT(game->cpuSeconds() - before, 0.2);
    game->onDisplay("xdotool windowmap --sync " + game->window());
    const Screenshot shown = game->screenshot();
    std::this_thread::sleep_for(1s);
    EXPECT_GT(game->screenshot().differenceFrom(shown), 0.0) << "goes on when shown";
    quit();
}

// F12 saves the frame, without the message line that then names it, in the
// pictures folder of user-dirs.dirs, else ~/Pictures, or warns why it cannot.
// F11 fills the screen, gives the window back, and is kept for the next start.
TEST_F(RealGameInput, F12SavesTheFrameAsPictureAndF11FillsTheScreenNowAndAtTheNextStart)
{
    const auto files = [](const fs::path& folder, size_t count) { // once there are `count`, or after 10 s
        std::vector<fs::directory_entry> found;
        for (auto end = std::chrono::steady_clock::now() + 10s; found.size() < count && std::chrono::steady_clock::now() < end;) {
            std::error_code none;
            std::this_thread::sleep_for(100ms), found.assign(fs::directory_iterator(folder, none), {});
        }
        return found;
    };
    const fs::path home = dir.path() / "home", other = dir.path() / "other";
    dir.write("home/.config/user-dirs.dirs", "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n");
    start({}, {}, {}, home);
    const auto before = stillPicture();
    ASSERT_TRUE(before);
    game->type({"F12", "F12"}, 0ms); // in one second: two files still
    const auto shots = files(home / "Bilder/Korvel", 2);
    // The message line's text, 90 to 115 pixels down, is white; the picture has none.
    const auto message = [](Screenshot s) {
        s.rgb.assign(s.rgb.begin() + 90 * 2400, s.rgb.begin() + 115 * 2400);
        return s.count([](int r, int g, int b) { return r + g + b == 765; });
    };
    const Screenshot shown = game->screenshotWhen(5s, [&](const Screenshot& s) { return message(s) > message(*before) + 300; });
    ASSERT_EQ(shots.size(), 2u);
    for (const fs::directory_entry& shot : shots) {
        std::optional<Picture> picture; // once written whole
        for (int i = 0; i < 50 && !(picture = loadPicture(shot.path().string())); ++i) std::this_thread::sleep_for(100ms);
        ASSERT_TRUE(picture && picture->width == 800 && picture->height == 600);
        Screenshot saved{800, 600, {}};
        for (size_t i = 0; i < picture->rgba.size(); i += 4) saved.rgb.insert(saved.rgb.end(), &picture->rgba[i], &picture->rgba[i + 3]);
        EXPECT_LT(saved.differenceFrom(*before), 3.0) << "not the game's frame";
        EXPECT_GT(message(shown), message(saved) + 300);
    }

    const auto geometry = [&] { return game->onDisplay("xdotool getwindowgeometry --shell " + game->window()); };
    const std::string full = "X=0\nY=0\nWIDTH=1024\nHEIGHT=768\n", window = "X=100\nY=100\nWIDTH=800\nHEIGHT=600\n";
    for (const std::string& wanted : {full, window, full}) {
        game->type({"F11"});
        EXPECT_NE(geometry().find(wanted), std::string::npos) << geometry();
    }
    quit();
    game.emplace(dir.path(), std::vector<std::string>{}, "", home);
    ASSERT_TRUE(game->waitForWindow());
    std::this_thread::sleep_for(1s);
    EXPECT_NE(geometry().find(full), std::string::npos) << geometry();
    quit();

    dir.write("other/Pictures", ""); // a file where the folder would be made
    start({}, {}, {}, other);
    game->type({"F12"});
    EXPECT_NE(game->output().find("=== WARNING: " + (other / "Pictures/Korvel").string() + " laesst sich nicht anlegen: "), std::string::npos);
    fs::remove(other / "Pictures");
    game->type({"F12"});
    EXPECT_EQ(files(other / "Pictures/Korvel", 1).size(), 1u);
    quit();
}

} // namespace
