// Laying a model out as vertex arrays, shared between models of the same geometry.
// Apart from Model so the loaders never need to know how the game draws.

#include "model/MeshArrays.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <tuple>
#include <unordered_map>
#include <vector>

namespace {

// FNV-1a over the geometry that the arrays and lists are made of.
class GeometryHash {
public:
    template <typename T>
    void add(const T& value)
    {
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        for (const unsigned char b : bytes) {
            hash = (hash ^ b) * 1099511628211ull;
        }
    }
    std::uint64_t value() const { return hash; }

private:
    std::uint64_t hash = 14695981039346656037ull;
};

std::uint64_t geometryKey(const Model& m)
{
    GeometryHash h;
    h.add(m.vertices.size());
    for (const Vertex& v : m.vertices) {
        h.add(v.location);
    }
    h.add(m.triangles.size());
    for (const Triangle& t : m.triangles) {
        h.add(t.vertexNormals);
        h.add(t.s);
        h.add(t.t);
        h.add(t.vertexIndices);
    }
    h.add(m.meshes.size());
    for (const Mesh& mesh : m.meshes) {
        h.add(mesh.triangleIndices.size());
        for (const int t : mesh.triangleIndices) {
            h.add(t);
        }
    }
    return h.value();
}

// The corners drawMeshTriangles emits, in its order, skipping what it skips.
void layOut(const Model& m, MeshArrays& a)
{
    for (const Mesh& mesh : m.meshes) {
        a.cornerStart.push_back(a.corners());
        a.indexStart.push_back(static_cast<int>(a.indices.size()));
        std::map<std::tuple<int, float, float, float, float, float>, unsigned int> stored;
        for (const int index : mesh.triangleIndices) {
            const Triangle* drawable = m.drawableTriangle(index);
            if (drawable == nullptr) {
                continue;
            }
            const Triangle& tri = *drawable;
            for (int j = 0; j < 3; ++j) {
                const int v = tri.vertexIndices[j];
                const float* n = tri.vertexNormals[j];
                const auto key = std::make_tuple(v, n[0], n[1], n[2], tri.s[j], tri.t[j]);
                auto found = stored.find(key);
                if (found == stored.end()) {
                    found = stored.emplace(key, static_cast<unsigned int>(a.corners())).first;
                    a.positions.insert(a.positions.end(), m.vertices[v].location, m.vertices[v].location + 3);
                    a.normals.insert(a.normals.end(), n, n + 3);
                    a.texCoords.push_back(tri.s[j]);
                    a.texCoords.push_back(tri.t[j]);
                    a.vertexOf.push_back(v);
                }
                a.indices.push_back(found->second);
            }
        }
    }
    a.cornerStart.push_back(a.corners());
    a.indexStart.push_back(static_cast<int>(a.indices.size()));
}

// Whether the laid-out triangles enclose a volume, wound outwards. Edges
// are compared by position, so faces that share an edge but not vertices
// (a box with sharp corners) still join.
bool enclosesVolume(const MeshArrays& a)
{
    using Point = std::tuple<float, float, float>;
    const auto point = [&](unsigned int corner) {
        const float* p = &a.positions[3 * corner];
        return Point(p[0], p[1], p[2]);
    };
    std::map<std::pair<Point, Point>, int> edges;
    double volume = 0.0;
    for (std::size_t i = 0; i + 2 < a.indices.size(); i += 3) {
        const Point p[3] = {point(a.indices[i]), point(a.indices[i + 1]), point(a.indices[i + 2])};
        for (int j = 0; j < 3; ++j) {
            const Point& from = p[j];
            const Point& to = p[(j + 1) % 3];
            if (from != to) {
                ++edges[{from, to}];
                --edges[{to, from}];
            }
        }
        const auto [ax, ay, az] = p[0];
        const auto [bx, by, bz] = p[1];
        const auto [cx, cy, cz] = p[2];
        volume += static_cast<double>(ax) * (by * cz - bz * cy) - static_cast<double>(ay) * (bx * cz - bz * cx) +
                  static_cast<double>(az) * (bx * cy - by * cx);
    }
    return volume > 0.0 && std::ranges::all_of(edges, [](const auto& edge) { return edge.second == 0; });
}

// Cuts every mesh of at least 512 triangles into the cells of an 8 x 8
// grid over its corners' ground plan, by where each triangle's middle lies.
void cutIntoPieces(MeshArrays& a)
{
    constexpr int minTriangles = 512;
    constexpr int grid = 8;
    const int meshes = static_cast<int>(a.indexStart.size()) - 1;
    for (int mesh = 0; mesh < meshes; ++mesh) {
        a.pieceStart.push_back(static_cast<int>(a.pieces.size()));
        const int first = a.indexStart[mesh];
        const int end = a.indexStart[mesh + 1];
        if ((end - first) / 3 < minTriangles) {
            continue;
        }
        const auto at = [&](int index, int axis) { return a.positions[3 * a.indices[index] + axis]; };
        float low[2] = {at(first, 0), at(first, 2)};
        float high[2] = {low[0], low[1]};
        for (int i = first; i < end; ++i) {
            for (int k = 0; k < 2; ++k) {
                low[k] = std::min(low[k], at(i, 2 * k));
                high[k] = std::max(high[k], at(i, 2 * k));
            }
        }
        std::vector<std::vector<unsigned int>> cells(grid * grid);
        for (int i = first; i + 2 < end; i += 3) {
            int cell[2];
            for (int k = 0; k < 2; ++k) {
                const float middle = (at(i, 2 * k) + at(i + 1, 2 * k) + at(i + 2, 2 * k)) / 3.0f;
                const float span = high[k] - low[k];
                const int c = span > 0.0f ? static_cast<int>((middle - low[k]) / span * grid) : 0;
                cell[k] = std::clamp(c, 0, grid - 1);
            }
            auto& indices = cells[static_cast<std::size_t>(cell[0] * grid + cell[1])];
            indices.insert(indices.end(), a.indices.begin() + i, a.indices.begin() + i + 3);
        }
        for (const auto& indices : cells) {
            if (indices.empty()) {
                continue;
            }
            MeshPiece piece;
            piece.firstIndex = static_cast<int>(a.pieceIndices.size());
            piece.indexCount = static_cast<int>(indices.size());
            const float* p = &a.positions[3 * indices.front()];
            piece.low.set(p[0], p[1], p[2]);
            piece.high = piece.low;
            for (const unsigned int corner : indices) {
                p = &a.positions[3 * corner];
                piece.low.set(std::min(piece.low.x, p[0]), std::min(piece.low.y, p[1]), std::min(piece.low.z, p[2]));
                piece.high.set(std::max(piece.high.x, p[0]), std::max(piece.high.y, p[1]), std::max(piece.high.z, p[2]));
            }
            a.pieceIndices.insert(a.pieceIndices.end(), indices.begin(), indices.end());
            a.pieces.push_back(piece);
        }
    }
    a.pieceStart.push_back(static_cast<int>(a.pieces.size()));
}

// Every geometry ever laid out, by its key; models keep pointers into it.
std::unordered_map<std::uint64_t, MeshArrays> laidOut;

} // namespace

const MeshArrays& meshArraysFor(const Model& m)
{
    const std::uint64_t key = geometryKey(m);
    const auto found = laidOut.find(key);
    if (found != laidOut.end()) {
        return found->second;
    }
    MeshArrays& a = laidOut[key];
    layOut(m, a);
    a.closed = enclosesVolume(a);
    cutIntoPieces(a);
    return a;
}
