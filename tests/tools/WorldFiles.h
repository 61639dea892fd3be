#pragma once

#include "levels/Level2Layout.h"
#include "levels/Level5Layout.h"
#include "levels/LevelLayouts.h"

#include <algorithm>
#include <string>
#include <vector>

// One model file the game loads: a model, the box beside a boxed one, or a
// pose of an animated one (`base` is the model it bends).
struct WorldFile {
    enum Kind { Model, Box, Pose } kind;
    std::string path; // relative to the run directory
    std::string base;
};

// Every model the six levels place or load later into placed nodes, and the
// dialog panel; then the boxes and poses of the placed ones. No repeats.
inline std::vector<WorldFile> worldFiles()
{
    std::vector<WorldFile> files;
    const auto add = [&files](WorldFile::Kind kind, const std::string& path, const std::string& base = "") {
        if (std::none_of(files.begin(), files.end(), [&](const WorldFile& f) { return f.path == path; })) {
            files.push_back({kind, path, base});
        }
    };
    for (const char* model : {level2::mendedManger, level5::shutCage, "data/dialogbox.ms3d"}) {
        add(WorldFile::Model, model);
    }
    for (int level = 1; level <= 6; ++level) {
        const LevelLayout& layout = *levelLayout(level);
        for (const Placement& p : layout.placements) {
            if (p.model == nullptr) {
                continue;
            }
            const std::string model = p.model, stem = model.substr(5, model.size() - 10); // data/<stem>.ms3d
            add(WorldFile::Model, model);
            if (p.flags & HasBox) {
                add(WorldFile::Box, "data/bb" + stem + ".ms3d");
            }
            for (const AnimationSlot& slot : layout.animations) {
                for (int k = 0; (p.flags & Animated) && slot.node == std::string(p.node) && k < slot.keyframeCount; ++k) {
                    add(WorldFile::Pose, "data/" + stem + "_" + slot.name + "_" + std::to_string(k) + ".ms3d", model);
                }
            }
        }
    }
    return files;
}
