#pragma once

#include <IL/il.h>

#include <filesystem>
#include <vector>

// Writes a small JPEG of one colour (through DevIL, as the game reads its
// images), creating the folders on the way.
inline bool writeFlatJpeg(const std::filesystem::path& file, unsigned char r, unsigned char g, unsigned char b)
{
    constexpr int size = 16;
    std::filesystem::create_directories(file.parent_path());
    std::vector<unsigned char> pixels;
    for (int i = 0; i < size * size; ++i) {
        pixels.insert(pixels.end(), {r, g, b});
    }
    ilInit();
    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);
    ilTexImage(size, size, 1, 3, IL_RGB, IL_UNSIGNED_BYTE, pixels.data());
    ilEnable(IL_FILE_OVERWRITE);
    const bool saved = ilSave(IL_JPG, file.c_str());
    ilDeleteImages(1, &image);
    return saved;
}
