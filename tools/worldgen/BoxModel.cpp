// Builds the untextured box of min..max and measures a model's extent.
// Its own file because every model gets one, whatever builds it.

#include "BoxModel.h"

#include "ModelBuilder.h"

#include <algorithm>

GenModel boxModel(V3 min, V3 max)
{
    ModelBuilder b;
    b.box(min, max);
    GenModel model = b.model();
    // No material: a box is never drawn textured.
    model.materials.clear();
    for (GenGroup& group : model.groups) {
        group.material = -1;
        group.name = "box";
    }
    return model;
}

void modelExtent(const GenModel& model, V3& min, V3& max)
{
    min = {1e30f, 1e30f, 1e30f};
    max = {-1e30f, -1e30f, -1e30f};
    for (const GenVertex& v : model.vertices) {
        min = {std::min(min.x, v.position[0]), std::min(min.y, v.position[1]), std::min(min.z, v.position[2])};
        max = {std::max(max.x, v.position[0]), std::max(max.y, v.position[1]), std::max(max.z, v.position[2])};
    }
}
