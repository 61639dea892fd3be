// The benchmark's fixed camera walk through each level, and the view at any point of it.
// Apart from the measuring so the same views serve both the timings and the screenshots.

#pragma once

#include "scene/Vector3.h"

// A fixed walk of the camera through one level: eye and look-at point at
// three stations, passed at even pace. Every run draws the same views.
struct CameraStation {
    Vector3 eye;
    Vector3 target;
};

struct CameraPath {
    const char* sees; // what the path shows, for the table
    CameraStation stations[3];
};

// The path of level 1 to 6.
const CameraPath& cameraPath(int level);

// The station at t from 0 (first) to 1 (last), between stations linearly.
CameraStation stationAt(const CameraPath& path, float t);
