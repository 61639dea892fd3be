#pragma once

#include "model/Model.h"

#include <optional>
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
// when the file cannot be read, is no such file, ends before its announced
// records, or holds an index that points outside its arrays.
std::optional<Ms3dContents> readMs3dFile(const char* fileName);
