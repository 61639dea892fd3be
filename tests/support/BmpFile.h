#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Uncompressed Windows bitmaps written by hand for texture tests. Rows are
// given bottom row first, as the file stores them, each padded to four bytes.
namespace bmp {

using Rgb = std::array<std::uint8_t, 3>;

inline std::string le(std::uint32_t value, int bytes = 4)
{
    std::string out;
    for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> 8 * i & 0xff);
    return out;
}

// 24 bits per pixel, or 8 through `palette` when one is given (`pixels` then
// hold palette indices in their first byte).
inline std::string image(int width, int height, const std::vector<Rgb>& pixels, const std::vector<Rgb>& palette = {})
{
    const int depth = palette.empty() ? 3 : 1, row = (width * depth + 3) / 4 * 4;
    const std::uint32_t offset = 54 + 4 * static_cast<std::uint32_t>(palette.size()), size = row * height;
    std::string out = "BM" + le(offset + size) + le(0) + le(offset) + le(40) + le(width) + le(height) + le(1, 2) +
                      le(8 * depth, 2) + le(0) + le(size) + le(2835) + le(2835) + le(palette.size()) + le(0);
    for (const Rgb& p : palette) out += {char(p[2]), char(p[1]), char(p[0]), '\0'};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb& p = pixels[static_cast<std::size_t>(y * width + x)];
            out += depth == 1 ? std::string(1, char(p[0])) : std::string{char(p[2]), char(p[1]), char(p[0])};
        }
        out.append(static_cast<std::size_t>(row - width * depth), '\0');
    }
    return out;
}

inline std::string solid(int width, int height, Rgb colour)
{
    return image(width, height, std::vector<Rgb>(static_cast<std::size_t>(width * height), colour));
}

} // namespace bmp
