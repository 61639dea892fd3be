// Procedural images for every texture the models and effects name, and the icons.
// Apart from the models because textures are painted pixel by pixel, not built.

#pragma once

#include <string>
#include <vector>

// Procedural RGB images for every texture the models and effects name.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;
};

struct TextureRecipe {
    const char* file; // below data/texture/
    Image (*make)();
};

// Every texture the game reads, by file name below data/texture/.
const std::vector<TextureRecipe>& textureCatalogue();

// The game's icon for desktop menus, `pixels` square.
Image gameIcon(int pixels);

// Half-size copy, used for the "LOW" quality variants.
Image halfSize(const Image& image);

// "wiese.jpg" -> "wieseLOW.jpg".
std::string lowQualityName(const std::string& file);

// Saves through DevIL, choosing the format from the extension.
bool saveImage(const std::string& path, const Image& image);
