#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Uncompressed Windows bitmaps written by hand for texture tests. Rows are
// given bottom row first, as the file stores them.
namespace bmp {

using Rgb = std::array<std::uint8_t, 3>;

inline void put(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xff);
    }
}

inline std::string headers(int width, int height, int bitsPerPixel, std::uint32_t paletteBytes,
    std::uint32_t pixelBytes)
{
    const std::uint32_t offset = 14 + 40 + paletteBytes;
    std::string out = "BM";
    put(out, offset + pixelBytes, 4);
    put(out, 0, 4);
    put(out, offset, 4);
    put(out, 40, 4); // info header size
    put(out, width, 4);
    put(out, height, 4);
    put(out, 1, 2); // planes
    put(out, bitsPerPixel, 2);
    put(out, 0, 4); // no compression
    put(out, pixelBytes, 4);
    put(out, 2835, 4);
    put(out, 2835, 4);
    put(out, paletteBytes / 4, 4);
    put(out, 0, 4);
    return out;
}

inline int paddedRow(int bytes) { return (bytes + 3) / 4 * 4; }

// 24 bits per pixel; each row padded to four bytes.
inline std::string rgb24(int width, int height, const std::vector<Rgb>& pixels)
{
    const int row = paddedRow(width * 3);
    std::string out = headers(width, height, 24, 0, row * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb& p = pixels[y * width + x];
            out += {static_cast<char>(p[2]), static_cast<char>(p[1]), static_cast<char>(p[0])};
        }
        out.append(row - width * 3, '\0');
    }
    return out;
}

inline std::string solid(int width, int height, Rgb colour)
{
    return rgb24(width, height, std::vector<Rgb>(width * height, colour));
}

// 8 bits per pixel through a palette.
inline std::string paletted(int width, int height, const std::vector<Rgb>& palette,
    const std::vector<std::uint8_t>& indices)
{
    const int row = paddedRow(width);
    std::string out = headers(width, height, 8, palette.size() * 4, row * height);
    for (const Rgb& p : palette) {
        out += {static_cast<char>(p[2]), static_cast<char>(p[1]), static_cast<char>(p[0]), '\0'};
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            out += static_cast<char>(indices[y * width + x]);
        }
        out.append(row - width, '\0');
    }
    return out;
}

} // namespace bmp
