// Saving the GL read buffer as a PNG picture.

#pragma once

#include <string>

// Saves width x height pixels of the GL read buffer, from its bottom-left
// corner, as an RGB PNG file (through DevIL). False when it cannot be written.
bool savePicture(const std::string& file, int width, int height);
