// korvel-videogen: the intro's title card and the outro's farewell, each a short seamless loop.
// A program of its own so the build makes the videos without the game.

#include "BitmapFont.h"
#include "Canvas.h"
#include "VideoWriter.h"
#include "WholeFile.h"

#include "platform/Language.h"
#include "platform/Random.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int frameWidth = 320;
constexpr int frameHeight = 240;
constexpr int framesPerSecond = 25;
constexpr int frameCount = 100; // a four-second loop

struct Star {
    int x;
    int y;
    int phase;
};

// Fixed stars for the intro sky, the same on every run.
std::vector<Star> makeStars()
{
    std::vector<Star> stars;
    for (int i = 0; i < 40; ++i) {
        stars.push_back({nextRandom() % frameWidth, nextRandom() % 140, nextRandom() % frameCount});
    }
    return stars;
}

// 0..1..0 once per loop, offset by `phase` frames.
float pulse(int frame, int phase = 0)
{
    const double angle = 2.0 * std::numbers::pi * double(frame + phase) / frameCount;
    return float(0.5 - 0.5 * std::cos(angle));
}

void paintIntro(Canvas& canvas, int frame, const std::vector<Star>& stars)
{
    canvas.verticalGradient(Rgb{10, 16, 60}, Rgb{70, 44, 96});
    const int moonY = 24 + int(std::lround(6.0f * pulse(frame)));
    const Rgb skyBesideMoon = canvas.at(0, moonY - 4);
    for (const Star& star : stars) {
        canvas.set(star.x, star.y, mix(Rgb{70, 70, 110}, Rgb{255, 255, 230}, pulse(frame, star.phase)));
    }
    canvas.disc(270, moonY, 14, Rgb{240, 236, 200});
    canvas.disc(277, moonY - 4, 12, skyBesideMoon);
    canvas.fillRect(0, 210, frameWidth, 30, Rgb{20, 46, 24});
    for (int x = 0; x < frameWidth; x += 40) {
        canvas.fillRect(x + 8, 196, 18, 14, Rgb{34, 28, 30});
        for (int step = 1; step <= 10; ++step) { // the roof
            canvas.fillRect(x + 17 - step, 186 + step, 2 * step, 1, Rgb{60, 30, 30});
        }
        canvas.set(x + 14, 202, mix(Rgb{60, 50, 20}, Rgb{255, 210, 90}, pulse(frame, x)));
    }
    const Rgb gold = mix(Rgb{230, 170, 40}, Rgb{255, 225, 110}, pulse(frame));
    BitmapFont::drawCaption(canvas, 54, 7, tr(N_("Korvel")), gold);
    BitmapFont::drawCaption(canvas, 138, 2, tr(N_("W loslassen")), Rgb{240, 240, 240});
    BitmapFont::drawCaption(canvas, 160, 2, tr(N_("zum Weiterspielen")), Rgb{240, 240, 240});
}

void paintOutro(Canvas& canvas, int frame)
{
    canvas.verticalGradient(Rgb{58, 30, 84}, Rgb{236, 128, 60});
    canvas.disc(160, 200 - int(std::lround(10.0f * pulse(frame))), 34, Rgb{255, 214, 96});
    canvas.fillRect(0, 214, frameWidth, 26, Rgb{40, 30, 36});
    BitmapFont::drawCaption(canvas, 30, 3, tr(N_("Auf Wiedersehen!")), Rgb{255, 240, 200});
    BitmapFont::drawCaption(canvas, 76, 2, tr(N_("Danke fuers Spielen")), Rgb{255, 240, 200});
    const Rgb hint = mix(Rgb{200, 200, 200}, Rgb{255, 255, 255}, pulse(frame));
    BitmapFont::drawCaption(canvas, 128, 2, tr(N_("W loslassen")), hint);
    BitmapFont::drawCaption(canvas, 150, 2, tr(N_("zum Beenden")), hint);
}

bool writeVideo(const std::filesystem::path& file, const std::function<void(Canvas&, int)>& paint)
{
    return writeWholeFile(file, [&paint](const std::string& temporary) {
        VideoWriter writer;
        if (!writer.open(temporary, frameWidth, frameHeight, framesPerSecond)) {
            return false;
        }
        Canvas canvas(frameWidth, frameHeight);
        for (int frame = 0; frame < frameCount; ++frame) {
            paint(canvas, frame);
            if (!writer.write(canvas.data())) {
                return false;
            }
        }
        return writer.close();
    });
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s RUN_DIRECTORY\n", argv[0]);
        return 2;
    }
    // German in data/video/, each other language in data/video/<code>/,
    // its words from the catalogue the game reads too.
    const std::filesystem::path run = argv[1];
    const std::vector<Star> stars = makeStars();
    for (const Language language : {Language::German, Language::English}) {
        const std::filesystem::path folder =
            run / "data" / "video" / (language == Language::German ? "" : languageCode(language));
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        useLanguage(language, run / "locale");
        if (language != Language::German && std::string(tr(N_("W loslassen"))) == "W loslassen") {
            std::fprintf(stderr, "No %s catalogue below %s\n", languageCode(language), (run / "locale").c_str());
            return 1;
        }
        const bool intro = writeVideo(folder / "intro.avi", [&stars](Canvas& canvas, int frame) {
            paintIntro(canvas, frame, stars);
        });
        const bool outro = writeVideo(folder / "outro.avi", paintOutro);
        if (!intro || !outro) {
            std::fprintf(stderr, "Cannot write the videos to %s\n", folder.string().c_str());
            return 1;
        }
    }
    return 0;
}
