// Building a model out of boxes, quads, cylinders, ellipsoids and roofs.
// Its own file because every model recipe is written with it.

#pragma once

#include "Geometry.h"
#include "Ms3dWriter.h"

#include <string>

// Builds a model from primitives. Every primitive goes into the current
// group (one per material), is placed by the current frame and tagged with
// the current part. Faces are wound counter-clockwise seen from outside and
// get outward normals.
class ModelBuilder {
public:
    int material(const std::string& name, const std::string& texture, V3 colour, float emission = 0.0f,
                 float shininess = 0.0f);
    void use(int material);  // continues that material's group, creating it once
    void part(int tag) { currentPart = tag; }
    void place(const Frame& frame) { frame_ = frame; }
    void resetPlace() { frame_ = Frame{}; }

    // Raw pieces; positions are model-space before the current frame.
    int vertex(V3 p);
    void triangle(int a, int b, int c, const float s[3], const float t[3]);
    void triangleSmooth(int a, int b, int c, V3 na, V3 nb, V3 nc, const float s[3], const float t[3]);
    void quad(V3 a, V3 b, V3 c, V3 d, float uMax = 1.0f, float vMax = 1.0f);

    // Axis-aligned box (before the frame); texture repeats every uvUnit units.
    void box(V3 min, V3 max, float uvUnit = 1.0f);
    // Frustum of a cone along +y from base centre; r1 0 makes a cone.
    void cylinder(V3 base, float r0, float r1, float height, int segments, bool caps, float uRepeat = 1.0f,
                  float vRepeat = 1.0f);
    // Ellipsoid with smooth normals.
    void ellipsoid(V3 centre, V3 radii, int rings, int segments, float uRepeat = 1.0f, float vRepeat = 1.0f);
    // Gable roof over the rectangle x0..x1, z0..z1 at height y, ridge along x.
    void gableRoof(float x0, float x1, float z0, float z1, float y, float ridgeHeight, float overhang,
                   float uvUnit = 1.0f);

    const GenModel& model() const { return model_; }
    GenModel& model() { return model_; }

private:
    GenModel model_;
    int currentGroup = -1;
    int currentPart = 0;
    Frame frame_;
};
