#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

// A fresh temporary directory that is the working directory while the
// object lives (the game reads everything relative to it). Removed after.
class ScratchDir {
public:
    ScratchDir() : previous(std::filesystem::current_path())
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "korvel-test-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a temporary directory");
        std::filesystem::current_path(dir = pattern);
    }
    ~ScratchDir()
    {
        std::error_code ignored;
        std::filesystem::current_path(previous), std::filesystem::remove_all(dir, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return dir; }
    // Writes a file below the directory, creating parent folders.
    void write(const std::string& relative, const std::string& contents) const
    {
        std::filesystem::create_directories((dir / relative).parent_path());
        std::ofstream(dir / relative, std::ios::binary) << contents;
    }

private:
    std::filesystem::path dir, previous;
};
