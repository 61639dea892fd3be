// The builder's materials, vertices, triangles with normals, and each primitive.
// Its own file because every model recipe is written with it.

#include "ModelBuilder.h"

#include <cmath>

int ModelBuilder::material(const std::string& name, const std::string& texture, V3 colour, float emission,
                           float shininess)
{
    GenMaterial m;
    m.name = name;
    m.texture = texture;
    const float c[3] = {colour.x, colour.y, colour.z};
    for (int i = 0; i < 3; ++i) {
        m.ambient[i] = c[i] * 0.6f;
        m.diffuse[i] = c[i];
        m.emissive[i] = c[i] * emission;
        m.specular[i] = shininess > 0.0f ? 0.3f : 0.0f;
    }
    m.shininess = shininess;
    model_.materials.push_back(m);
    return static_cast<int>(model_.materials.size()) - 1;
}

void ModelBuilder::use(int material)
{
    for (std::size_t g = 0; g < model_.groups.size(); ++g) {
        if (model_.groups[g].material == material) {
            currentGroup = static_cast<int>(g);
            return;
        }
    }
    GenGroup group;
    group.name = model_.materials[static_cast<std::size_t>(material)].name;
    group.material = material;
    model_.groups.push_back(group);
    currentGroup = static_cast<int>(model_.groups.size()) - 1;
}

int ModelBuilder::vertex(V3 p)
{
    const V3 w = frame_.apply(p);
    GenVertex v;
    v.position[0] = w.x;
    v.position[1] = w.y;
    v.position[2] = w.z;
    v.part = currentPart;
    model_.vertices.push_back(v);
    return static_cast<int>(model_.vertices.size()) - 1;
}

void ModelBuilder::triangleSmooth(int a, int b, int c, V3 na, V3 nb, V3 nc, const float s[3], const float t[3])
{
    GenTriangle tri;
    const int ids[3] = {a, b, c};
    const V3 normals[3] = {frame_.rotate(na).normalized(), frame_.rotate(nb).normalized(),
                           frame_.rotate(nc).normalized()};
    for (int i = 0; i < 3; ++i) {
        tri.vertices[i] = ids[i];
        tri.normals[i][0] = normals[i].x;
        tri.normals[i][1] = normals[i].y;
        tri.normals[i][2] = normals[i].z;
        tri.s[i] = s[i];
        tri.t[i] = t[i];
    }
    if (currentGroup < 0) {
        use(material("default", "", {0.8f, 0.8f, 0.8f}));
    }
    model_.groups[static_cast<std::size_t>(currentGroup)].triangles.push_back(
        static_cast<int>(model_.triangles.size()));
    model_.triangles.push_back(tri);
}

void ModelBuilder::triangle(int a, int b, int c, const float s[3], const float t[3])
{
    auto at = [this](int i) {
        const float* p = model_.vertices[static_cast<std::size_t>(i)].position;
        return V3{p[0], p[1], p[2]};
    };
    // Vertices are already placed, so the face normal is computed in model
    // space; undo the frame's rotation so triangleSmooth can apply it again.
    const V3 n = cross(at(b) - at(a), at(c) - at(a)).normalized();
    Frame inverse;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            inverse.r[i][j] = frame_.r[j][i];
        }
    }
    const V3 local = inverse.rotate(n);
    triangleSmooth(a, b, c, local, local, local, s, t);
}

void ModelBuilder::quad(V3 a, V3 b, V3 c, V3 d, float uMax, float vMax)
{
    const int ia = vertex(a), ib = vertex(b), ic = vertex(c), id = vertex(d);
    const float s1[3] = {0, uMax, uMax}, t1[3] = {0, 0, vMax};
    const float s2[3] = {0, uMax, 0}, t2[3] = {0, vMax, vMax};
    triangle(ia, ib, ic, s1, t1);
    triangle(ia, ic, id, s2, t2);
}

void ModelBuilder::box(V3 lo, V3 hi, float uvUnit)
{
    const float dx = (hi.x - lo.x) / uvUnit, dy = (hi.y - lo.y) / uvUnit, dz = (hi.z - lo.z) / uvUnit;
    // Each face counter-clockwise seen from outside: a, b, c, d with (b - a) x (c - a) outward.
    quad({lo.x, lo.y, hi.z}, {hi.x, lo.y, hi.z}, {hi.x, hi.y, hi.z}, {lo.x, hi.y, hi.z}, dx, dy); // +z
    quad({hi.x, lo.y, lo.z}, {lo.x, lo.y, lo.z}, {lo.x, hi.y, lo.z}, {hi.x, hi.y, lo.z}, dx, dy); // -z
    quad({hi.x, lo.y, hi.z}, {hi.x, lo.y, lo.z}, {hi.x, hi.y, lo.z}, {hi.x, hi.y, hi.z}, dz, dy); // +x
    quad({lo.x, lo.y, lo.z}, {lo.x, lo.y, hi.z}, {lo.x, hi.y, hi.z}, {lo.x, hi.y, lo.z}, dz, dy); // -x
    quad({lo.x, hi.y, hi.z}, {hi.x, hi.y, hi.z}, {hi.x, hi.y, lo.z}, {lo.x, hi.y, lo.z}, dx, dz); // +y
    quad({lo.x, lo.y, lo.z}, {hi.x, lo.y, lo.z}, {hi.x, lo.y, hi.z}, {lo.x, lo.y, hi.z}, dx, dz); // -y
}

void ModelBuilder::cylinder(V3 base, float r0, float r1, float height, int segments, bool caps, float uRepeat,
                            float vRepeat)
{
    const float slope = (r0 - r1) / height;
    for (int i = 0; i < segments; ++i) {
        const float a0 = 2.0f * pi * static_cast<float>(i) / static_cast<float>(segments);
        const float a1 = 2.0f * pi * static_cast<float>(i + 1) / static_cast<float>(segments);
        const V3 d0{std::sin(a0), 0, std::cos(a0)}, d1{std::sin(a1), 0, std::cos(a1)};
        const V3 n0 = V3{d0.x, slope, d0.z}.normalized(), n1 = V3{d1.x, slope, d1.z}.normalized();
        const int b0 = vertex(base + d0 * r0), b1 = vertex(base + d1 * r0);
        const int t0 = vertex(base + d0 * r1 + V3{0, height, 0}), t1 = vertex(base + d1 * r1 + V3{0, height, 0});
        const float u0 = uRepeat * static_cast<float>(i) / static_cast<float>(segments);
        const float u1 = uRepeat * static_cast<float>(i + 1) / static_cast<float>(segments);
        const float sA[3] = {u0, u1, u1}, tA[3] = {0, 0, vRepeat};
        triangleSmooth(b0, b1, t1, n0, n1, n1, sA, tA);
        if (r1 > 0.0f) {
            const float sB[3] = {u0, u1, u0}, tB[3] = {0, vRepeat, vRepeat};
            triangleSmooth(b0, t1, t0, n0, n1, n0, sB, tB);
        }
        if (caps) {
            const float cs[3] = {0.5f, 0.5f + 0.5f * d1.x, 0.5f + 0.5f * d0.x};
            const float ct[3] = {0.5f, 0.5f + 0.5f * d1.z, 0.5f + 0.5f * d0.z};
            const int bottomCentre = vertex(base);
            triangleSmooth(bottomCentre, b1, b0, {0, -1, 0}, {0, -1, 0}, {0, -1, 0}, cs, ct);
            if (r1 > 0.0f) {
                const int topCentre = vertex(base + V3{0, height, 0});
                const float ts[3] = {0.5f, 0.5f + 0.5f * d0.x, 0.5f + 0.5f * d1.x};
                const float tt[3] = {0.5f, 0.5f + 0.5f * d0.z, 0.5f + 0.5f * d1.z};
                triangleSmooth(topCentre, t0, t1, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, ts, tt);
            }
        }
    }
}

void ModelBuilder::ellipsoid(V3 centre, V3 radii, int rings, int segments, float uRepeat, float vRepeat)
{
    const int first = static_cast<int>(model_.vertices.size());
    std::vector<V3> normals;
    for (int r = 0; r <= rings; ++r) {
        const float phi = pi * static_cast<float>(r) / static_cast<float>(rings); // 0 at the top
        for (int s = 0; s <= segments; ++s) {
            const float theta = 2.0f * pi * static_cast<float>(s) / static_cast<float>(segments);
            const V3 unit{std::sin(phi) * std::sin(theta), std::cos(phi), std::sin(phi) * std::cos(theta)};
            vertex(centre + unit.mul(radii));
            normals.push_back(V3{unit.x / radii.x, unit.y / radii.y, unit.z / radii.z}.normalized());
        }
    }
    const int row = segments + 1;
    for (int r = 0; r < rings; ++r) {
        for (int s = 0; s < segments; ++s) {
            const int a = r * row + s, b = (r + 1) * row + s, c = (r + 1) * row + s + 1, d = r * row + s + 1;
            const float u0 = uRepeat * static_cast<float>(s) / static_cast<float>(segments);
            const float u1 = uRepeat * static_cast<float>(s + 1) / static_cast<float>(segments);
            const float v0 = vRepeat * (1.0f - static_cast<float>(r) / static_cast<float>(rings));
            const float v1 = vRepeat * (1.0f - static_cast<float>(r + 1) / static_cast<float>(rings));
            if (r != rings - 1) {
                const float sa[3] = {u0, u0, u1}, ta[3] = {v0, v1, v1};
                triangleSmooth(first + a, first + b, first + c, normals[static_cast<std::size_t>(a)],
                               normals[static_cast<std::size_t>(b)], normals[static_cast<std::size_t>(c)], sa, ta);
            }
            if (r != 0) {
                const float sb[3] = {u0, u1, u1}, tb[3] = {v0, v1, v0};
                triangleSmooth(first + a, first + c, first + d, normals[static_cast<std::size_t>(a)],
                               normals[static_cast<std::size_t>(c)], normals[static_cast<std::size_t>(d)], sb, tb);
            }
        }
    }
}

void ModelBuilder::gableRoof(float x0, float x1, float z0, float z1, float y, float ridgeHeight, float overhang,
                             float uvUnit)
{
    const float ax = x0 - overhang, bx = x1 + overhang, az = z0 - overhang, bz = z1 + overhang;
    const float mz = 0.5f * (z0 + z1);
    const float top = y + ridgeHeight;
    const float slopeLength = std::sqrt((mz - az) * (mz - az) + ridgeHeight * ridgeHeight);
    const float u = (bx - ax) / uvUnit, v = slopeLength / uvUnit;
    quad({ax, y, bz}, {bx, y, bz}, {bx, top, mz}, {ax, top, mz}, u, v); // front slope
    quad({bx, y, az}, {ax, y, az}, {ax, top, mz}, {bx, top, mz}, u, v); // back slope
    quad({ax, y, az}, {bx, y, az}, {bx, y, bz}, {ax, y, bz}, u, v);     // underside
    // Gable ends.
    const float sg[3] = {0, 1, 0.5f}, tg[3] = {0, 0, 1};
    int a = vertex({bx, y, bz}), b = vertex({bx, y, az}), c = vertex({bx, top, mz});
    triangle(a, b, c, sg, tg);
    a = vertex({ax, y, az});
    b = vertex({ax, y, bz});
    c = vertex({ax, top, mz});
    triangle(a, b, c, sg, tg);
}
