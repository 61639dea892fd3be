// Writes a generated model in MS3D layout and drops materials no group uses.
// Apart from the builder so the file format stays out of the recipes.

#include "Ms3dWriter.h"

#include "WholeFile.h"

#include <cstdint>
#include <algorithm>
#include <cstring>
#include <fstream>
#include <utility>

namespace {

class ByteSink {
public:
    void bytes(const void* data, std::size_t size)
    {
        const auto* p = static_cast<const char*>(data);
        buffer.insert(buffer.end(), p, p + size);
    }
    void u8(std::uint8_t v) { bytes(&v, 1); }
    void u16(std::uint16_t v)
    {
        const std::uint8_t b[2] = {static_cast<std::uint8_t>(v & 0xff), static_cast<std::uint8_t>(v >> 8)};
        bytes(b, 2);
    }
    void i32(std::int32_t v)
    {
        const auto u = static_cast<std::uint32_t>(v);
        const std::uint8_t b[4] = {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
                                   static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)};
        bytes(b, 4);
    }
    void f32(float v)
    {
        std::uint32_t u;
        std::memcpy(&u, &v, 4);
        i32(static_cast<std::int32_t>(u));
    }
    void floats(const float* v, int n)
    {
        for (int i = 0; i < n; ++i) {
            f32(v[i]);
        }
    }
    // Fixed-size, zero-padded text field; longer text is cut to leave a terminator.
    void text(const std::string& s, std::size_t size)
    {
        std::vector<char> field(size, '\0');
        std::memcpy(field.data(), s.data(), std::min(s.size(), size - 1));
        bytes(field.data(), size);
    }
    std::vector<char> buffer;
};

bool fitsFormat(const GenModel& model)
{
    constexpr std::size_t limit = 65535;
    if (model.vertices.size() > limit || model.triangles.size() > limit || model.groups.size() > limit ||
        model.materials.size() > 127) {
        return false;
    }
    for (const GenGroup& group : model.groups) {
        if (group.triangles.size() > limit || group.material >= static_cast<int>(model.materials.size())) {
            return false;
        }
        for (int t : group.triangles) {
            if (t < 0 || t >= static_cast<int>(model.triangles.size())) {
                return false;
            }
        }
    }
    return true;
}

std::vector<std::uint8_t> groupOfEachTriangle(const GenModel& model)
{
    std::vector<std::uint8_t> groupOf(model.triangles.size(), 0);
    for (std::size_t g = 0; g < model.groups.size(); ++g) {
        for (int t : model.groups[g].triangles) {
            groupOf[static_cast<std::size_t>(t)] = static_cast<std::uint8_t>(g);
        }
    }
    return groupOf;
}

} // namespace

bool writeMs3d(const std::string& path, const GenModel& model)
{
    if (!fitsFormat(model)) {
        return false;
    }
    ByteSink out;
    out.bytes("MS3D000000", 10);
    out.i32(4);

    out.u16(static_cast<std::uint16_t>(model.vertices.size()));
    for (const GenVertex& v : model.vertices) {
        out.u8(0);
        out.floats(v.position, 3);
        out.u8(0xff); // no bone
        out.u8(0);
    }

    const std::vector<std::uint8_t> groupOf = groupOfEachTriangle(model);
    out.u16(static_cast<std::uint16_t>(model.triangles.size()));
    for (std::size_t i = 0; i < model.triangles.size(); ++i) {
        const GenTriangle& t = model.triangles[i];
        out.u16(0);
        for (int v : t.vertices) {
            out.u16(static_cast<std::uint16_t>(v));
        }
        for (const auto& n : t.normals) {
            out.floats(n, 3);
        }
        out.floats(t.s, 3);
        out.floats(t.t, 3);
        out.u8(1);
        out.u8(groupOf[i]);
    }

    out.u16(static_cast<std::uint16_t>(model.groups.size()));
    for (const GenGroup& g : model.groups) {
        out.u8(0);
        out.text(g.name, 32);
        out.u16(static_cast<std::uint16_t>(g.triangles.size()));
        for (int t : g.triangles) {
            out.u16(static_cast<std::uint16_t>(t));
        }
        out.u8(static_cast<std::uint8_t>(static_cast<std::int8_t>(g.material)));
    }

    out.u16(static_cast<std::uint16_t>(model.materials.size()));
    for (const GenMaterial& m : model.materials) {
        out.text(m.name, 32);
        out.floats(m.ambient, 4);
        out.floats(m.diffuse, 4);
        out.floats(m.specular, 4);
        out.floats(m.emissive, 4);
        out.f32(m.shininess);
        out.f32(1.0f); // opaque
        out.u8(0);
        out.text(m.texture, 128);
        out.text("", 128);
    }

    // Keyframer block as MilkShape writes it for a model without joints.
    out.f32(24.0f);
    out.f32(0.0f);
    out.i32(1);
    out.u16(0);

    return writeWholeFile(path, [&out](const std::string& temporary) {
        std::ofstream file(temporary, std::ios::binary);
        file.write(out.buffer.data(), static_cast<std::streamsize>(out.buffer.size()));
        file.close();
        return !file.fail();
    });
}

void pruneUnusedMaterials(GenModel& model)
{
    std::vector<int> newIndex(model.materials.size(), -1);
    std::vector<GenMaterial> kept;
    for (GenGroup& group : model.groups) {
        if (group.material < 0) {
            continue;
        }
        int& index = newIndex[static_cast<std::size_t>(group.material)];
        if (index < 0) {
            index = static_cast<int>(kept.size());
            kept.push_back(model.materials[static_cast<std::size_t>(group.material)]);
        }
        group.material = index;
    }
    model.materials = std::move(kept);
}
