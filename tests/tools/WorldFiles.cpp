#include "WorldFiles.h"

#include "levels/Level2Layout.h"
#include "levels/Level5Layout.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

class Cursor {
public:
    explicit Cursor(const std::vector<char>& bytes) : bytes(bytes) {}
    bool take(void* out, std::size_t size)
    {
        if (offset + size > bytes.size()) {
            ok = false;
            return false;
        }
        std::memcpy(out, bytes.data() + offset, size);
        offset += size;
        return true;
    }
    std::uint16_t u16()
    {
        std::uint8_t b[2] = {};
        take(b, 2);
        return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
    }
    float f32()
    {
        float v = 0;
        take(&v, 4);
        return v;
    }
    void skip(std::size_t size) { ok = ok && offset + size <= bytes.size(), offset += size; }
    bool ok = true;

private:
    const std::vector<char>& bytes;
    std::size_t offset = 0;
};

} // namespace

std::string runDataPath(const std::string& relativePath)
{
    return std::string(KORVEL_RUN_DIR) + "/" + relativePath;
}

std::optional<WorldModel> readWorldModel(const std::string& relativePath)
{
    std::ifstream file(runDataPath(relativePath), std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    Cursor in(bytes);
    char id[10] = {};
    WorldModel model;
    in.take(id, 10);
    std::int32_t version = 0;
    in.take(&version, 4);
    if (!in.ok || std::memcmp(id, "MS3D000000", 10) != 0) {
        return std::nullopt;
    }
    model.version = version;
    const int vertexCount = in.u16();
    for (int i = 0; i < vertexCount && in.ok; ++i) {
        in.skip(1);
        std::array<float, 3> v{in.f32(), in.f32(), in.f32()};
        in.skip(2);
        model.vertices.push_back(v);
    }
    const int triangleCount = in.u16();
    for (int i = 0; i < triangleCount && in.ok; ++i) {
        WorldModel::Triangle t{};
        in.skip(2);
        for (int& v : t.vertices) {
            v = in.u16();
        }
        for (auto& n : t.normals) {
            n = {in.f32(), in.f32(), in.f32()};
        }
        in.skip(24 + 2);
        model.triangles.push_back(t);
    }
    const int groupCount = in.u16();
    for (int i = 0; i < groupCount && in.ok; ++i) {
        WorldModel::Group g;
        in.skip(33);
        const int n = in.u16();
        for (int k = 0; k < n && in.ok; ++k) {
            g.triangles.push_back(in.u16());
        }
        std::int8_t material = 0;
        in.take(&material, 1);
        g.material = material;
        model.groups.push_back(g);
    }
    const int materialCount = in.u16();
    for (int i = 0; i < materialCount && in.ok; ++i) {
        WorldModel::Material m{};
        in.skip(80);
        for (float& e : m.emissive) {
            e = in.f32();
        }
        in.skip(9);
        char name[128] = {};
        in.take(name, 128);
        in.skip(128);
        name[127] = '\0';
        m.texture = name;
        model.materials.push_back(m);
    }
    if (!in.ok) {
        return std::nullopt;
    }
    return model;
}

std::string worldModelName(const char* file)
{
    const std::string path = file;
    return path.substr(5, path.size() - 10);
}

std::vector<std::string> allWorldModelFiles()
{
    std::vector<std::string> files;
    auto add = [&files](const std::string& file) {
        if (std::find(files.begin(), files.end(), file) == files.end()) {
            files.push_back(file);
        }
    };
    for (int level = 1; level <= 6; ++level) {
        for (const Placement& p : levelLayout(level)->placements) {
            if (p.model != nullptr) {
                add(p.model);
            }
        }
    }
    add(level2::mendedManger);
    add(level5::shutCage);
    add("data/dialogbox.ms3d");
    return files;
}
