// Walking and being carried, the probes against other boxes and the longest safe step.

#include "model/Actor.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace {

Vector3 normalized(Vector3 v)
{
    if (v.x != 0.0f || v.y != 0.0f || v.z != 0.0f) {
        v.normalize();
    }
    return v;
}

} // namespace

void Actor::drawFollowing(Matrix4 parent, Vector3 dir, Vector3 anchor)
{
    if (hidden) {
        return;
    }
    const Vector3 n = normalized(dir);
    position.set(anchor.x + n.x * followDistance, anchor.y + n.y * followDistance,
                 anchor.z + n.z * followDistance);
    glTranslatef(position.x, position.y, position.z);
    glScalef(scale.x, scale.y, scale.z);
    direction = n;
    heading = direction.headingTo(forward);
    glRotatef(heading, 0.0f, 1.0f, 0.0f);
    drawModel(drawnModel);
    glLoadIdentity();
    if (castsShadow) {
        drawShadow();
    }
    for (SceneNode* child : children) {
        child->drawAttached(parent, heading);
    }
}

void Actor::drawAttached(Matrix4 parent, float h)
{
    if (!hidden) {
        glTranslatef(position.x, position.y, position.z);
        glMultMatrixf(parent.m);
        heading = h;
        glRotatef(h, 0.0f, 1.0f, 0.0f);
        glScalef(scale.x, scale.y, scale.z);
        drawModel(drawnModel);
        glLoadIdentity();
        // Follow the carrier's motion of this frame.
        position.add(parent.m[12], parent.m[13], parent.m[14]);
        for (SceneNode* child : children) {
            child->drawAttached(parent, h);
        }
    }
    if (castsShadow) {
        drawShadow();
    }
}

void Actor::move(float d, Vector3 dir)
{
    const Vector3 n = normalized(dir);
    position.add(n.x * d, 0.0f, n.z * d);
}

void Actor::probeRight(float d)
{
    probe(d, Vector3(-direction.z, 0.0f, direction.x));
}

void Actor::probeBack(float d)
{
    probe(d, Vector3(-direction.x, 0.0f, -direction.z));
}

void Actor::probe(float d, Vector3 v)
{
    const Vector3 n = normalized(v);
    const Vector3 q(position.x + n.x * d, position.y + n.y * d, position.z + n.z * d);
    for (int i = 0; i < 4; ++i) {
        const Vector3& dir = box.cornerDir[i];
        const float dist = box.cornerDist[i];
        box.corner[i].set(q.x + dir.x * dist, q.y + dir.y * dist, q.z + dir.z * dist);
    }
    updateBoxPoints();
}

bool Actor::collides() const
{
    if (obstacles == nullptr) {
        return false;
    }
    for (const ModelNode* o : *obstacles) {
        const Vector3* q = o->box.points;
        for (int i = 0; i < 4; ++i) {
            const Vector3& p = box.points[i];
            for (int j = 0; j < 4; ++j) {
                const Vector3& a = q[j];
                const Vector3& b = q[(j + 1) % 4];
                // Edges along an axis (to within one unit) are tested as a box.
                const bool alongAxis = std::floor(b.x) == std::floor(a.x) ||
                                       std::floor(b.z) == std::floor(a.z);
                if (alongAxis ? insideBox(*o, p.x, p.z) : crossesEdge(p, a, b)) {
                    return true;
                }
            }
        }
    }
    return false;
}

bool Actor::pathIsFree(Probe kind, float amount)
{
    Vector3 savedCorners[4];
    Vector3 savedDirs[4];
    float reach = 0.0f; // how far a corner can be from the actor's position
    for (int i = 0; i < 4; ++i) {
        savedCorners[i] = box.corner[i];
        savedDirs[i] = box.cornerDir[i];
        reach = std::fmax(reach, box.cornerDist[i]);
    }
    constexpr float radiansPerDegree = 3.14159265f / 180.0f;
    const float travel = std::fabs(amount) * (kind == Probe::Turn ? reach * radiansPerDegree : 1.0f);
    const float safeStep = longestSafeStep();
    const int steps = safeStep > 0.0f ? std::max(1, static_cast<int>(std::ceil(travel / safeStep))) : 1;
    const auto restore = [&] {
        for (int i = 0; i < 4; ++i) {
            box.corner[i] = savedCorners[i];
            box.cornerDir[i] = savedDirs[i];
        }
    };
    for (int k = 1; k <= steps; ++k) {
        // Each probe starts from the saved box; the last one probes the
        // whole amount exactly as a single step would.
        restore();
        const float part = k == steps ? amount : amount * static_cast<float>(k) / static_cast<float>(steps);
        switch (kind) {
        case Probe::Back: probeBack(part); break;
        case Probe::Right: probeRight(part); break;
        case Probe::Turn: rotateBox(part); break;
        }
        if (collides()) {
            restore();
            updateBoxPoints();
            return false;
        }
    }
    return true;
}

float Actor::longestSafeStep() const
{
    float thinnest = 0.0f;
    if (obstacles != nullptr) {
        for (const ModelNode* o : *obstacles) {
            const Vector3* q = o->box.points;
            for (int side : {1, 3}) {
                const float length = std::hypot(q[side].x - q[0].x, q[side].z - q[0].z);
                // A box without extent stops nothing.
                if (length > 0.0f && (thinnest == 0.0f || length < thinnest)) {
                    thinnest = length;
                }
            }
        }
    }
    return thinnest / 2.0f;
}

bool Actor::insideBox(const ModelNode& o, float x, float z)
{
    const Vector3& a = o.box.points[0];
    const Vector3& b = o.box.points[1];
    const Vector3& d = o.box.points[3];
    return (a.x < x && x < d.x && a.z < z && z < b.z) ||
           (a.x < x && x < b.x && d.z < z && z < a.z) ||
           (d.x < x && x < a.x && b.z < z && z < a.z) ||
           (b.x < x && x < a.x && a.z < z && z < d.z);
}

bool Actor::crossesEdge(const Vector3& p, const Vector3& a, const Vector3& b)
{
    const float xlo = std::fmin(a.x, b.x);
    const float xhi = std::fmax(a.x, b.x);
    const float zlo = std::fmin(a.z, b.z);
    const float zhi = std::fmax(a.z, b.z);
    if (!(xlo < p.x && p.x < xhi && zlo < p.z && p.z < zhi)) {
        return false;
    }
    const Vector3 edge = Vector3::subtract(b.x, b.y, b.z, a.x, a.y, a.z);
    const Vector3 toPoint = Vector3::subtract(p.x, p.y, p.z, a.x, a.y, a.z);
    return edge.headingTo(toPoint) > 90.0f;
}

void Actor::resetMotion()
{
    for (Matrix4& m : motion) {
        m.identity();
    }
}
