// Saving the GL read buffer as a PNG picture, and reading a picture file into memory.

#pragma once

#include <optional>
#include <string>
#include <vector>

// A picture in memory: RGBA bytes, rows from the top.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgba;
};

// Reads a picture file (any format DevIL reads); nothing when it cannot.
std::optional<Picture> loadPicture(const std::string& file);

// Saves width x height pixels of the GL read buffer, from its bottom-left
// corner, as an RGB PNG file (through DevIL). False when it cannot be written.
bool savePicture(const std::string& file, int width, int height);
