#include "model/Ms3dReader.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// Little-endian fields from a file held in memory; every read checks that the
// bytes are there, so a short file can never be read past its end.
class ByteReader {
public:
    explicit ByteReader(const std::string& bytes) : bytes(bytes) {}

    bool skip(std::size_t count)
    {
        if (bytes.size() - pos < count) {
            return false;
        }
        pos += count;
        return true;
    }
    const char* take(std::size_t count)
    {
        const char* start = bytes.data() + pos;
        return skip(count) ? start : nullptr;
    }
    bool u16(int& value)
    {
        const auto* p = reinterpret_cast<const unsigned char*>(take(2));
        if (p == nullptr) {
            return false;
        }
        value = p[0] | (p[1] << 8);
        return true;
    }
    bool u32(std::uint32_t& value)
    {
        const auto* p = reinterpret_cast<const unsigned char*>(take(4));
        if (p == nullptr) {
            return false;
        }
        value = std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16
            | std::uint32_t(p[3]) << 24;
        return true;
    }
    bool i32(int& value)
    {
        std::uint32_t raw = 0;
        if (!u32(raw)) {
            return false;
        }
        value = std::bit_cast<std::int32_t>(raw);
        return true;
    }
    bool i8(signed char& value)
    {
        const char* p = take(1);
        if (p == nullptr) {
            return false;
        }
        value = static_cast<signed char>(*p);
        return true;
    }
    bool floats(float* out, int count)
    {
        for (int i = 0; i < count; ++i) {
            std::uint32_t raw = 0;
            if (!u32(raw)) {
                return false;
            }
            out[i] = std::bit_cast<float>(raw);
        }
        return true;
    }

private:
    const std::string& bytes;
    std::size_t pos = 0;
};

bool readFile(const char* fileName, std::string& bytes)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(fileName, error)) {
        return false;
    }
    std::ifstream in(fileName, std::ios::binary);
    if (!in.seekg(0, std::ios::end)) {
        return false;
    }
    const std::streamoff size = in.tellg();
    if (size < 0 || !in.seekg(0, std::ios::beg)) {
        return false;
    }
    bytes.resize(static_cast<std::size_t>(size));
    return static_cast<bool>(in.read(bytes.data(), size));
}

bool readHeader(ByteReader& in, int& version)
{
    const char* id = in.take(10);
    return id != nullptr && std::memcmp(id, "MS3D000000", 10) == 0 && in.i32(version)
        && version >= 3 && version <= 4;
}

bool readVertices(ByteReader& in, std::vector<Vertex>& vertices)
{
    int count = 0;
    if (!in.u16(count)) {
        return false;
    }
    vertices.resize(count);
    for (Vertex& v : vertices) {
        if (!in.skip(1) || !in.floats(v.location, 3) || !in.i8(v.boneId) || !in.skip(1)) {
            return false;
        }
    }
    return true;
}

bool readTriangles(ByteReader& in, std::vector<Triangle>& triangles, int numVertices)
{
    int count = 0;
    if (!in.u16(count)) {
        return false;
    }
    triangles.resize(count);
    for (Triangle& t : triangles) {
        if (!in.skip(2)) {
            return false;
        }
        for (int& index : t.vertexIndices) {
            if (!in.u16(index) || index >= numVertices) {
                return false;
            }
        }
        if (!in.floats(&t.vertexNormals[0][0], 9) || !in.floats(t.s, 3) || !in.floats(t.t, 3)
            || !in.skip(2)) {
            return false;
        }
    }
    return true;
}

bool readGroups(ByteReader& in, std::vector<Mesh>& meshes, int numTriangles)
{
    int count = 0;
    if (!in.u16(count)) {
        return false;
    }
    meshes.resize(count);
    for (Mesh& mesh : meshes) {
        if (!in.skip(1 + 32) || !in.u16(mesh.numTriangles)) {
            return false;
        }
        mesh.triangleIndices.resize(mesh.numTriangles);
        for (int& index : mesh.triangleIndices) {
            if (!in.u16(index) || index >= numTriangles) {
                return false;
            }
        }
        signed char material = 0;
        if (!in.i8(material)) {
            return false;
        }
        mesh.materialIndex = material;
    }
    return true;
}

bool readMaterials(ByteReader& in, std::vector<Material>& materials)
{
    int count = 0;
    if (!in.u16(count)) {
        return false;
    }
    materials.resize(count);
    for (Material& m : materials) {
        if (!in.skip(32) || !in.floats(m.ambient, 4) || !in.floats(m.diffuse, 4)
            || !in.floats(m.specular, 4) || !in.floats(m.emissive, 4)
            || !in.floats(&m.shininess, 1) || !in.skip(4 + 1)) {
            return false;
        }
        const char* name = in.take(128);
        if (name == nullptr || !in.skip(128)) {
            return false;
        }
        // A name that fills its field without a terminator ends with the field.
        const void* end = std::memchr(name, '\0', 128);
        m.textureFilename.assign(name, end ? static_cast<const char*>(end) : name + 128);
    }
    return true;
}

// Groups are read before the materials they name, so their material
// indices can only be checked once the whole file is in.
bool materialIndicesValid(const Ms3dContents& contents)
{
    for (const Mesh& mesh : contents.meshes) {
        if (mesh.materialIndex >= static_cast<int>(contents.materials.size())) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<Ms3dContents> readMs3dFile(const char* fileName)
{
    std::string bytes;
    if (fileName == nullptr || !readFile(fileName, bytes)) {
        return std::nullopt;
    }
    ByteReader in(bytes);
    Ms3dContents contents;
    if (!readHeader(in, contents.version) || !readVertices(in, contents.vertices)
        || !readTriangles(in, contents.triangles, static_cast<int>(contents.vertices.size()))
        || !readGroups(in, contents.meshes, static_cast<int>(contents.triangles.size()))
        || !readMaterials(in, contents.materials) || !materialIndicesValid(contents)) {
        return std::nullopt;
    }
    return contents;
}
