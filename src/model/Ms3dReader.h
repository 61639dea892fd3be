// Reading a MilkShape 3D file into plain data, without OpenGL.
// Its own file so the format is tested and fuzzed alone, and korvel-model can read without a window.

#pragma once

#include "model/Model.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Everything the game takes from an MS3D file, read without touching
// OpenGL: material textures are named but not loaded (texture 0).
struct Ms3dContents {
    int version = 0;
    std::vector<Vertex> vertices;
    std::vector<Triangle> triangles;
    std::vector<Mesh> meshes;
    std::vector<Material> materials;
};

// Reads a MilkShape 3D file of version 3 or 4 (path used unchanged). Empty
// when the file cannot be read, is no such file, announces more records
// than it holds, or holds an index that points outside its arrays; then
// `problem`, when given, says which in the player's language ("endet
// mitten in seinen Gruppen").
std::optional<Ms3dContents> readMs3dFile(const char* fileName, std::string* problem = nullptr);
// The same for the bytes of a file already in memory.
std::optional<Ms3dContents> parseMs3d(std::string_view bytes, std::string* problem = nullptr);
