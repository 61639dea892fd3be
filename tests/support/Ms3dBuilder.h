#pragma once

#include <bit>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

// Writes small MilkShape 3D files for tests, field by field in the file's
// own little-endian layout. Fields the game ignores are filled with bytes
// that would show up if a reader took them for data.
struct Ms3dBuilder {
    struct Vertex {
        float x = 0, y = 0, z = 0;
        std::int8_t boneId = -1;
    };
    struct Triangle {
        std::uint16_t vertices[3] = {0, 1, 2};
        float normals[3][3] = {{0, 0, 1}, {0, 0, 1}, {0, 0, 1}};
        float s[3] = {0, 1, 0};
        float t[3] = {0, 0, 1};
    };
    struct Group {
        std::vector<std::uint16_t> triangles;
        std::uint8_t material = 0xFF; // none
    };
    struct Material {
        float ambient[4] = {0.2f, 0.2f, 0.2f, 1};
        float diffuse[4] = {0.8f, 0.8f, 0.8f, 1};
        float specular[4] = {0, 0, 0, 1};
        float emissive[4] = {0, 0, 0, 1};
        float shininess = 0;
        std::string texture; // written into its 128-byte field, cut to fit
    };

    std::string id = "MS3D000000";
    std::int32_t version = 4;
    std::vector<Vertex> vertices;
    std::vector<Triangle> triangles;
    std::vector<Group> groups;
    std::vector<Material> materials;
    std::string trailer = "joints and comments follow here";

    // One triangle in one group with one material.
    static Ms3dBuilder triangle(const std::string& texture = "")
    {
        Ms3dBuilder b;
        b.vertices = {{-1, 0, 0, 0}, {1, 0, 0, 0}, {0, 2, -3, 1}};
        b.triangles.resize(1);
        b.groups = {{{0}, 0}};
        b.materials.resize(1);
        b.materials[0].texture = texture;
        return b;
    }

    // A flat square of half size `half` at height y, facing up; material < 0
    // leaves it without one, else it has a white one with `texture`.
    static Ms3dBuilder square(float half, float y = 0, int material = -1, const std::string& texture = "")
    {
        Ms3dBuilder b;
        b.vertices = {{-half, y, -half, 0}, {half, y, -half, 0}, {half, y, half, 0}, {-half, y, half, 0}};
        const Triangle up{{0, 1, 2}, {{0, 1, 0}, {0, 1, 0}, {0, 1, 0}}};
        b.triangles = {up, {{0, 2, 3}, {{0, 1, 0}, {0, 1, 0}, {0, 1, 0}}}};
        b.groups = {{{0, 1}, static_cast<std::uint8_t>(material < 0 ? 0xFF : material)}};
        if (material >= 0) b.materials = {{{1, 1, 1, 1}, {1, 1, 1, 1}, {0, 0, 0, 1}, {0, 0, 0, 1}, 0, texture}};
        return b;
    }

    // What a bounding-box file holds: the corners from (x0, 0, z0) to (x1, 2, z1).
    static Ms3dBuilder box(float x0, float z0, float x1, float z1)
    {
        Ms3dBuilder b;
        for (int i = 0; i < 8; ++i) b.vertices.push_back({i & 1 ? x1 : x0, i & 2 ? 2.0f : 0.0f, i & 4 ? z1 : z0, -1});
        return b;
    }

    std::string bytes() const
    {
        std::string out = id + le(static_cast<std::uint32_t>(version), 4) + le(vertices.size(), 2);
        for (const Vertex& v : vertices) {
            out += '\x7f' + floats({v.x, v.y, v.z}) + static_cast<char>(v.boneId) + '\x7f'; // flags, reference count
        }
        out += le(triangles.size(), 2);
        for (const Triangle& t : triangles) {
            out += le(0x7f7f, 2) + le(t.vertices[0], 2) + le(t.vertices[1], 2) + le(t.vertices[2], 2);
            for (const auto& n : t.normals) out += floats({n[0], n[1], n[2]});
            out += floats({t.s[0], t.s[1], t.s[2]}) + floats({t.t[0], t.t[1], t.t[2]}) + "\x7f\x7f"; // smoothing, group
        }
        out += le(groups.size(), 2);
        for (const Group& g : groups) {
            out += '\x7f' + std::string(32, 'g') + le(g.triangles.size(), 2);
            for (std::uint16_t index : g.triangles) out += le(index, 2);
            out += static_cast<char>(g.material);
        }
        out += le(materials.size(), 2);
        for (const Material& m : materials) {
            out += std::string(32, 'm');
            for (const float* c : {m.ambient, m.diffuse, m.specular, m.emissive}) out += floats({c[0], c[1], c[2], c[3]});
            const std::string name = (m.texture + std::string(128, '\0')).substr(0, 128);
            out += floats({m.shininess, 0.5f}) + '\x7f' + name + std::string(128, 'a'); // transparency, mode, alpha map
        }
        return out + trailer;
    }

private:
    static std::string le(std::uint64_t value, int bytes)
    {
        std::string out;
        for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> 8 * i & 0xff);
        return out;
    }
    static std::string floats(std::initializer_list<float> values)
    {
        std::string out;
        for (float value : values) out += le(std::bit_cast<std::uint32_t>(value), 4);
        return out;
    }
};
