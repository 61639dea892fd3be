// The six levels' camera walks, three stations each, and the even pace between them.
// Apart from the measuring so the same views serve both the timings and the screenshots.

#include "CameraPaths.h"

#include <algorithm>

namespace {

// Each path starts at the level's own start view and walks to where its
// main scene fills the picture.
const CameraPath paths[6] = {
    {"village: houses, church, well",
     {{{60, 5, 112}, {75, 1, 112}}, {{55, 12, 70}, {100, 2, 105}}, {{145, 10, 65}, {100, 2, 105}}}},
    {"hermit's house, smoke, manger",
     {{{-5, 5, 100}, {10, 1, 100}}, {{120, 8, 60}, {176, 4, 82}}, {{150, 10, 125}, {178, 4, 85}}}},
    {"chicken yard",
     {{{100, 5, -5}, {100, 1, 10}}, {{75, 6, 55}, {100, 1, 100}}, {{140, 8, 150}, {90, 1, 100}}}},
    {"river, bridge, officer",
     {{{-5, 5, 100}, {10, 1, 100}}, {{120, 8, 100}, {168, 0, 57}}, {{195, 10, 20}, {150, 0, 80}}}},
    {"snake pit and cage",
     {{{100, 5, -5}, {100, 1, 10}}, {{120, 8, 90}, {161, 1, 127}}, {{190, 10, 100}, {161, 1, 127}}}},
    {"inn and village",
     {{{104, 5, -2}, {104, 1, 13}}, {{104, 8, 60}, {115, 2, 110}}, {{70, 10, 80}, {115, 2, 110}}}},
};

Vector3 between(const Vector3& a, const Vector3& b, float f)
{
    return Vector3(a.x + (b.x - a.x) * f, a.y + (b.y - a.y) * f, a.z + (b.z - a.z) * f);
}

} // namespace

const CameraPath& cameraPath(int level)
{
    return paths[std::clamp(level, 1, 6) - 1];
}

CameraStation stationAt(const CameraPath& path, float t)
{
    const float along = std::clamp(t, 0.0f, 1.0f) * 2.0f;
    const int leg = std::min(static_cast<int>(along), 1);
    const float f = along - static_cast<float>(leg);
    const CameraStation& from = path.stations[leg];
    const CameraStation& to = path.stations[leg + 1];
    return {between(from.eye, to.eye, f), between(from.target, to.target, f)};
}
