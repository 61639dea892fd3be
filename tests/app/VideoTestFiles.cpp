#include "VideoTestFiles.h"

#include "app/VideoWriter.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

namespace VideoTestFiles {

namespace {

// Colour steps far wider than the codec's error, so an index reads back exactly.
constexpr int step = 25;
constexpr int base = 10;

bool writeVideo(const std::string& file, int width, int height, int frames, int framesPerSecond,
                Colour (*colourAt)(int frame, int x, int y, int width, int height))
{
    VideoWriter writer;
    if (!writer.open(file, width, height, framesPerSecond)) {
        return false;
    }
    std::vector<unsigned char> rgb(static_cast<size_t>(width) * height * 3);
    for (int frame = 0; frame < frames; ++frame) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const Colour colour = colourAt(frame, x, y, width, height);
                std::copy(colour.begin(), colour.end(), &rgb[(static_cast<size_t>(y) * width + x) * 3]);
            }
        }
        if (!writer.write(rgb.data())) {
            return false;
        }
    }
    return writer.close();
}

} // namespace

Colour indexColour(int index)
{
    return {static_cast<unsigned char>(base + index % 10 * step),
            static_cast<unsigned char>(base + index / 10 % 10 * step), 128};
}

int indexOf(const unsigned char* rgb)
{
    const int ones = (rgb[0] - base + step / 2) / step;
    const int tens = (rgb[1] - base + step / 2) / step;
    if (ones < 0 || ones > 9 || tens < 0 || tens > 9) {
        return -1;
    }
    const int index = tens * 10 + ones;
    return near(rgb, indexColour(index), step / 3) ? index : -1;
}

bool writeIndexedVideo(const std::string& file, int frames, int framesPerSecond)
{
    return writeVideo(file, 64, 48, frames, framesPerSecond,
                      [](int frame, int, int, int, int) { return indexColour(frame); });
}

bool writeQuadrantVideo(const std::string& file, int width, int height, int frames)
{
    return writeVideo(file, width, height, frames, 25, [](int, int x, int y, int w, int h) {
        const bool left = x < w / 2;
        if (y < h / 2) {
            return left ? topLeft : topRight;
        }
        return left ? bottomLeft : bottomRight;
    });
}

bool near(const unsigned char* rgb, const Colour& expected, int tolerance)
{
    for (int channel = 0; channel < 3; ++channel) {
        if (std::abs(rgb[channel] - expected[channel]) > tolerance) {
            return false;
        }
    }
    return true;
}

void writeCutOff(const std::string& from, const std::string& to, int keptFrames)
{
    const std::string bytes = readFile(from);
    // Each frame is one "00dc" chunk in the "movi" list.
    size_t cut = bytes.find("movi");
    for (int frame = 0; frame <= keptFrames && cut != std::string::npos; ++frame) {
        cut = bytes.find("00dc", cut + 4);
    }
    writeFile(to, bytes.substr(0, cut));
}

void writeUnknownCodec(const std::string& from, const std::string& to)
{
    std::string bytes = readFile(from);
    for (size_t at = bytes.find("FMP4"); at != std::string::npos; at = bytes.find("FMP4", at)) {
        bytes.replace(at, 4, "QQZZ");
    }
    writeFile(to, bytes);
}

std::string readFile(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

void writeFile(const std::string& file, const std::string& contents)
{
    std::ofstream out(file, std::ios::binary);
    out << contents;
}

} // namespace VideoTestFiles
