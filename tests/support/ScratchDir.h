#pragma once

#include <filesystem>
#include <string>

// A fresh temporary directory that is the working directory while the
// object lives (the game reads everything relative to it). Removed after.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return dir; }
    // Writes a file below the directory, creating parent folders.
    void write(const std::string& relative, const std::string& contents) const;

private:
    std::filesystem::path dir;
    std::filesystem::path previous;
};
