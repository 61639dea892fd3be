#pragma once

#include <array>
#include <string>

// Videos the video tests make for themselves, and how to read them back.
namespace VideoTestFiles {

using Colour = std::array<unsigned char, 3>;

// Frame i of an indexed video is one flat colour that names i (0..99).
Colour indexColour(int index);
// The index whose colour this is, or -1 when it is none of them.
int indexOf(const unsigned char* rgb);

// 64 x 48 pixels, `frames` frames at `framesPerSecond`.
bool writeIndexedVideo(const std::string& file, int frames, int framesPerSecond);

// Quadrants of a picture: red top left, green top right, blue bottom left,
// yellow bottom right; `frames` frames of width x height at 25 per second.
constexpr Colour topLeft{220, 40, 40};
constexpr Colour topRight{40, 200, 40};
constexpr Colour bottomLeft{40, 40, 220};
constexpr Colour bottomRight{230, 220, 40};
bool writeQuadrantVideo(const std::string& file, int width, int height, int frames);

// True when every channel is within `tolerance` of `expected`.
bool near(const unsigned char* rgb, const Colour& expected, int tolerance = 16);

// Writes `to` as `from` cut off after its first `keptFrames` frames; its
// header still promises every frame.
void writeCutOff(const std::string& from, const std::string& to, int keptFrames);
// Writes `to` as `from` with its codec renamed to one no decoder knows.
void writeUnknownCodec(const std::string& from, const std::string& to);

std::string readFile(const std::string& file);
void writeFile(const std::string& file, const std::string& contents);

} // namespace VideoTestFiles
