// The MS3D byte reader: every count and index checked against what the file holds.
// Its own file so the format is tested and fuzzed alone, and korvel-model can read without a window.

#include "model/Ms3dReader.h"

#include "platform/Language.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <utility>

namespace {

// Little-endian fields from a file held in memory; every read checks that the
// bytes are there, so a short file can never be read past its end. The first
// reason for refusing the file is kept for the warning.
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : bytes(bytes) {}

    // Whether `count` records of at least `size` bytes each still follow:
    // asked before anything is allocated for them, so a damaged count can
    // never make the reader ask for more memory than the file justifies.
    bool holds(int count, std::size_t size) const { return (bytes.size() - pos) / size >= std::size_t(count); }
    std::size_t left() const { return bytes.size() - pos; }

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
    // Always false, so a failed check reads `return in.refuse(...)`.
    bool refuse(std::string why)
    {
        if (problem.empty()) {
            problem = std::move(why);
        }
        return false;
    }
    // A block count read, and how many such records the rest of the file
    // can hold. `what` names the records, German and plural.
    bool count(int& value, std::size_t recordSize, const char* what)
    {
        if (!u16(value)) {
            return refuse(trf(N_("endet vor der Zahl seiner %s"), tr(what)));
        }
        if (!holds(value, recordSize)) {
            return refuse(trf(N_("kuendigt %d %s an, hat aber Platz fuer hoechstens %d"), value, tr(what),
                              static_cast<int>(left() / recordSize)));
        }
        return true;
    }

    std::string problem;

private:
    std::string_view bytes;
    std::size_t pos = 0;
};

constexpr std::size_t vertexBytes = 15;
constexpr std::size_t triangleBytes = 70;
constexpr std::size_t smallestGroupBytes = 36;
constexpr std::size_t materialBytes = 361;

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
    if (id == nullptr || std::memcmp(id, "MS3D000000", 10) != 0 || !in.i32(version)) {
        return in.refuse(tr(N_("ist keine MS3D-Datei")));
    }
    if (version < 3 || version > 4) {
        return in.refuse(trf(N_("hat die Version %d, nicht 3 oder 4"), version));
    }
    return true;
}

bool readVertices(ByteReader& in, std::vector<Vertex>& vertices)
{
    int count = 0;
    if (!in.count(count, vertexBytes, N_("Eckpunkte"))) {
        return false;
    }
    vertices.resize(count);
    for (Vertex& v : vertices) {
        in.skip(1);
        in.floats(v.location, 3);
        in.i8(v.boneId);
        in.skip(1);
    }
    return true;
}

bool readTriangles(ByteReader& in, std::vector<Triangle>& triangles, int numVertices)
{
    int count = 0;
    if (!in.count(count, triangleBytes, N_("Dreiecke"))) {
        return false;
    }
    triangles.resize(count);
    for (Triangle& t : triangles) {
        in.skip(2);
        for (int& index : t.vertexIndices) {
            in.u16(index);
            if (index >= numVertices) {
                return in.refuse(trf(N_("hat ein Dreieck, das Eckpunkt %d von %d nennt"), index, numVertices));
            }
        }
        in.floats(&t.vertexNormals[0][0], 9);
        in.floats(t.s, 3);
        in.floats(t.t, 3);
        in.skip(2);
    }
    return true;
}

bool readGroups(ByteReader& in, std::vector<Mesh>& meshes, int numTriangles)
{
    int count = 0;
    if (!in.count(count, smallestGroupBytes, N_("Gruppen"))) {
        return false;
    }
    meshes.resize(count);
    for (Mesh& mesh : meshes) {
        // Groups differ in length: each is checked again before its indices.
        if (!in.skip(1 + 32) || !in.u16(mesh.numTriangles)
            || in.left() < 2 * std::size_t(mesh.numTriangles) + 1) {
            return in.refuse(tr(N_("endet mitten in seinen Gruppen")));
        }
        mesh.triangleIndices.resize(mesh.numTriangles);
        for (int& index : mesh.triangleIndices) {
            in.u16(index);
            if (index >= numTriangles) {
                return in.refuse(trf(N_("hat eine Gruppe, die Dreieck %d von %d nennt"), index, numTriangles));
            }
        }
        signed char material = 0;
        in.i8(material);
        mesh.materialIndex = material;
    }
    return true;
}

bool readMaterials(ByteReader& in, std::vector<Material>& materials)
{
    int count = 0;
    if (!in.count(count, materialBytes, N_("Materialien"))) {
        return false;
    }
    materials.resize(count);
    for (Material& m : materials) {
        in.skip(32);
        in.floats(m.ambient, 4);
        in.floats(m.diffuse, 4);
        in.floats(m.specular, 4);
        in.floats(m.emissive, 4);
        in.floats(&m.shininess, 1);
        in.skip(4 + 1);
        const char* name = in.take(128);
        in.skip(128);
        // A name that fills its field without a terminator ends with the field.
        const void* end = std::memchr(name, '\0', 128);
        m.textureFilename.assign(name, end ? static_cast<const char*>(end) : name + 128);
    }
    return true;
}

// Groups are read before the materials they name, so their material
// indices can only be checked once the whole file is in.
bool materialIndicesValid(ByteReader& in, const Ms3dContents& contents)
{
    const int count = static_cast<int>(contents.materials.size());
    for (const Mesh& mesh : contents.meshes) {
        if (mesh.materialIndex >= count) {
            return in.refuse(trf(N_("hat eine Gruppe, die Material %d von %d nennt"), mesh.materialIndex, count));
        }
    }
    return true;
}

} // namespace

std::optional<Ms3dContents> parseMs3d(std::string_view bytes, std::string* problem)
{
    ByteReader in(bytes);
    Ms3dContents contents;
    if (!readHeader(in, contents.version) || !readVertices(in, contents.vertices)
        || !readTriangles(in, contents.triangles, static_cast<int>(contents.vertices.size()))
        || !readGroups(in, contents.meshes, static_cast<int>(contents.triangles.size()))
        || !readMaterials(in, contents.materials) || !materialIndicesValid(in, contents)) {
        if (problem != nullptr) {
            *problem = in.problem;
        }
        return std::nullopt;
    }
    return contents;
}

std::optional<Ms3dContents> readMs3dFile(const char* fileName, std::string* problem)
{
    std::string bytes;
    if (fileName == nullptr || !readFile(fileName, bytes)) {
        if (problem != nullptr) {
            *problem = tr(N_("kann nicht geoeffnet werden"));
        }
        return std::nullopt;
    }
    return parseMs3d(bytes, problem);
}
