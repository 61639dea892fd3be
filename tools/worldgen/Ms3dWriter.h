// A model as the generator builds it, and writing it as a MilkShape 3D file.
// Apart from the builder so the file format stays out of the recipes.

#pragma once

#include <string>
#include <vector>

// A model as the generator builds it, close to the MS3D file layout. Each
// vertex carries the body part it belongs to so that poses can move parts.
struct GenVertex {
    float position[3] = {};
    int part = 0;
};

struct GenTriangle {
    int vertices[3] = {};
    float normals[3][3] = {};
    float s[3] = {};
    float t[3] = {};
};

struct GenGroup {
    std::string name;
    int material = -1;
    std::vector<int> triangles;
};

struct GenMaterial {
    std::string name;
    float ambient[4] = {0.2f, 0.2f, 0.2f, 1.0f};
    float diffuse[4] = {0.8f, 0.8f, 0.8f, 1.0f};
    float specular[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    float emissive[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    float shininess = 0.0f;
    std::string texture; // "./texture/..." or empty
};

struct GenModel {
    std::vector<GenVertex> vertices;
    std::vector<GenTriangle> triangles;
    std::vector<GenGroup> groups;
    std::vector<GenMaterial> materials;
};

// Writes a MilkShape 3D version 4 file with no joints. Returns false (and
// writes nothing usable) when the model exceeds the format's 16-bit counts
// or the file cannot be written.
bool writeMs3d(const std::string& path, const GenModel& model);

// Drops materials that no group uses (builders share a palette per kind of
// model) and renumbers the groups' material indices.
void pruneUnusedMaterials(GenModel& model);
