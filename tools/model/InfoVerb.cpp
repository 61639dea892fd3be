// korvel-model info: a model's counts, texture names and bounds as JSON.
// One file per verb; this one needs no display.

#include "Verbs.h"

#include "model/Ms3dReader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

// Reads the file with the game's own MS3D reader, which touches no OpenGL,
// so this verb runs without a display and loads no textures.

namespace {

// Names are raw bytes from the file; anything outside printable ASCII is
// escaped, high bytes read as Latin-1, so the output is always valid JSON.
std::string jsonString(const std::string& text)
{
    std::string out = "\"";
    for (const unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + '"';
}

// Shortest text that reads back as the same float; JSON has no NaN or infinity.
std::string jsonNumber(float value)
{
    if (!std::isfinite(value)) {
        return "null";
    }
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::string jsonPoint(const float* p)
{
    return "[" + jsonNumber(p[0]) + ", " + jsonNumber(p[1]) + ", " + jsonNumber(p[2]) + "]";
}

} // namespace

int runInfo(const std::vector<std::string>& arguments)
{
    if (arguments.size() != 1) {
        return exitUsage;
    }
    const std::string& fileName = arguments[0];
    std::string problem;
    const std::optional<Ms3dContents> model = readMs3dFile(fileName.c_str(), &problem);
    if (!model) {
        std::error_code error;
        const bool exists = std::filesystem::exists(fileName, error);
        std::fprintf(stderr, "korvel-model: %s: %s\n", fileName.c_str(),
            exists ? problem.c_str() : "no such file");
        return exitRefused;
    }

    std::string textures;
    for (const Material& material : model->materials) {
        textures += (textures.empty() ? "" : ", ") + jsonString(material.textureFilename);
    }
    // A model without vertices has no bounds.
    std::string min = "null";
    std::string max = "null";
    if (!model->vertices.empty()) {
        float low[3];
        float high[3];
        std::copy_n(model->vertices[0].location, 3, low);
        std::copy_n(model->vertices[0].location, 3, high);
        for (const Vertex& v : model->vertices) {
            for (int axis = 0; axis < 3; ++axis) {
                low[axis] = std::min(low[axis], v.location[axis]);
                high[axis] = std::max(high[axis], v.location[axis]);
            }
        }
        min = jsonPoint(low);
        max = jsonPoint(high);
    }
    std::printf("{\"version\": %d, \"vertices\": %zu, \"triangles\": %zu, \"meshes\": %zu, "
                "\"materials\": %zu, \"textures\": [%s], \"min\": %s, \"max\": %s}\n",
        model->version, model->vertices.size(), model->triangles.size(), model->meshes.size(),
        model->materials.size(), textures.c_str(), min.c_str(), max.c_str());
    return 0;
}
