// A loaded model: vertices, triangles, meshes and materials.

#pragma once

#include <string>
#include <vector>

struct MeshArrays;

// One group of triangles drawn with one material.
struct Mesh {
    int materialIndex = -1; // -1: no material, drawn untextured
    int numTriangles = 0;
    std::vector<int> triangleIndices; // into Model::triangles
};

struct Material {
    float ambient[4] = {};
    float diffuse[4] = {};
    float specular[4] = {};
    float emissive[4] = {};
    float shininess = 0.0f;
    unsigned int texture = 0; // OpenGL texture name; 0 = none
    std::string textureFilename;
};

struct Triangle {
    float vertexNormals[3][3] = {};
    float s[3] = {};
    float t[3] = {};
    int vertexIndices[3] = {}; // into Model::vertices
};

struct Vertex {
    signed char boneId = 0;
    float location[3] = {};
};

// The geometry of one model file. The counts always equal the sizes of the
// arrays; a loader either fills all of it consistently or leaves it alone.
class Model {
public:
    virtual ~Model() = default;
    virtual bool loadModelData(const char* fileName) = 0;
    // Loads every material's texture again by its file name (0 when empty).
    void reloadTextures();
    // Triangle `index` when it and its three vertices exist, else nullptr:
    // drawing skips a triangle that points outside the model.
    const Triangle* drawableTriangle(int index) const;
    // Lays the geometry out as vertex arrays (`arrays`), then gives back the
    // triangles, which drawing no longer reads: the meshes keep their
    // materials, the model its vertices. Needs the GL context.
    void drawFromArrays();

    int numMeshes = 0;
    std::vector<Mesh> meshes;
    int numMaterials = 0;
    std::vector<Material> materials;
    int numTriangles = 0;
    std::vector<Triangle> triangles;
    int numVertices = 0;
    std::vector<Vertex> vertices;
    // The geometry as vertex arrays and display lists (MeshArrays); set by
    // the node that loads the model, dropped when the geometry is replaced.
    const MeshArrays* arrays = nullptr;
};

// A MilkShape 3D file (versions 3 and 4): vertices, triangles, groups and
// materials; everything after the materials is ignored.
class Ms3dModel : public Model {
public:
    // Names a file it refuses on the console (once), with what is wrong.
    bool loadModelData(const char* fileName) override;
    // The same, leaving it to the caller to report `problem`.
    bool loadModelData(const char* fileName, std::string& problem);
};
