#pragma once

#include <bit>
#include <cstdint>
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
        std::uint8_t material = 0xFF; // -1: none
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

    // One textured triangle: three vertices, one group, one material.
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

    std::string bytes() const
    {
        std::string out = id;
        u32(out, static_cast<std::uint32_t>(version));
        u16(out, vertices.size());
        for (const Vertex& v : vertices) {
            out += '\x7f'; // flags
            f32(out, {v.x, v.y, v.z});
            out += static_cast<char>(v.boneId);
            out += '\x7f'; // reference count
        }
        u16(out, triangles.size());
        for (const Triangle& t : triangles) {
            u16(out, 0x7f7f); // flags
            for (std::uint16_t index : t.vertices) {
                u16(out, index);
            }
            for (const auto& normal : t.normals) {
                f32(out, {normal[0], normal[1], normal[2]});
            }
            f32(out, {t.s[0], t.s[1], t.s[2]});
            f32(out, {t.t[0], t.t[1], t.t[2]});
            out += "\x7f\x7f"; // smoothing group, group index
        }
        u16(out, groups.size());
        for (const Group& g : groups) {
            out += '\x7f';
            out += std::string(32, 'g');
            u16(out, g.triangles.size());
            for (std::uint16_t index : g.triangles) {
                u16(out, index);
            }
            out += static_cast<char>(g.material);
        }
        u16(out, materials.size());
        for (const Material& m : materials) {
            out += std::string(32, 'm');
            f32(out, {m.ambient[0], m.ambient[1], m.ambient[2], m.ambient[3]});
            f32(out, {m.diffuse[0], m.diffuse[1], m.diffuse[2], m.diffuse[3]});
            f32(out, {m.specular[0], m.specular[1], m.specular[2], m.specular[3]});
            f32(out, {m.emissive[0], m.emissive[1], m.emissive[2], m.emissive[3]});
            f32(out, {m.shininess, 0.5f}); // shininess, transparency
            out += '\x7f';                 // mode
            std::string name = m.texture.substr(0, 128);
            name.resize(128, '\0');
            out += name;
            out += std::string(128, 'a'); // alpha map name, unterminated
        }
        return out + trailer;
    }

private:
    static void u16(std::string& out, std::size_t value)
    {
        out += static_cast<char>(value & 0xff);
        out += static_cast<char>((value >> 8) & 0xff);
    }
    static void u32(std::string& out, std::uint32_t value)
    {
        for (int shift = 0; shift < 32; shift += 8) {
            out += static_cast<char>((value >> shift) & 0xff);
        }
    }
    static void f32(std::string& out, std::initializer_list<float> values)
    {
        for (float value : values) {
            u32(out, std::bit_cast<std::uint32_t>(value));
        }
    }
};
