#pragma once

#include "levels/Placement.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// What the world tests need of a generated MS3D file, read with the game's
// own OpenGL-free reader.
struct WorldModel {
    int version = 0;
    std::vector<std::array<float, 3>> vertices;
    struct Triangle {
        std::array<int, 3> vertices;
        std::array<std::array<float, 3>, 3> normals;
    };
    std::vector<Triangle> triangles;
    struct Group {
        std::vector<int> triangles;
        int material = -1;
    };
    std::vector<Group> groups;
    struct Material {
        std::array<float, 4> emissive;
        std::string texture;
    };
    std::vector<Material> materials;
};

// Reads data/<file> of the build's run directory; empty when the file is
// missing, not MS3D, cut short or inconsistent.
std::optional<WorldModel> readWorldModel(const std::string& relativePath);

std::string runDataPath(const std::string& relativePath);

// "data/haus2.ms3d" -> "haus2"
std::string worldModelName(const char* file);

// Every model file the six levels place, in level order, without repeats,
// plus the ones loaded later into placed nodes and the dialog box panel.
std::vector<std::string> allWorldModelFiles();
