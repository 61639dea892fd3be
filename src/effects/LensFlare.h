// The lens flare: where its squares go for a light in view, and drawing them.

#pragma once

#include "scene/Vector3.h"

#include <array>
#include <optional>
#include <vector>

// One square of the flare: which of the four flare textures, where, how big
// (half the side, in world units) and in which colour.
struct FlareElement {
    int texture = 0;
    Vector3 position;
    float halfSize = 0.0f;
    float colour[4] = {};
};

// Where the flare goes in one frame. `angle` is the horizontal angle
// between the view and the light in degrees, from -180 up to 180.
struct FlarePlacement {
    float angle = 0.0f;
    std::array<FlareElement, 16> elements;
};

// The sun's lens flare: three squares at the light and thirteen strung out
// near the eye, drawn additively over the whole picture.
class LensFlare {
public:
    // Loads gloh, big_gloh, halo and streaks, in that order (indices 0 to 3).
    void loadTextures();
    // Draws the flare for one frame with the camera's view in effect and
    // writes the angle trace; does nothing when the placement is undefined.
    void render(Vector3 eye, Vector3 target, Vector3 light);
    // One square at a world position, turned about the vertical axis to face
    // along `facing`. An index without a loaded texture draws untextured.
    void drawElement(int texture, Vector3 position, float halfSize, const float colour[4], Vector3 facing);

    // The sixteen squares in drawing order, or nothing when the eye
    // coincides with the light or the target (no direction to work from).
    static std::optional<FlarePlacement> place(Vector3 eye, Vector3 target, Vector3 light);

private:
    std::vector<unsigned int> textures;
};
