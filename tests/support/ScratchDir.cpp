#include "support/ScratchDir.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

ScratchDir::ScratchDir() : previous(fs::current_path())
{
    std::string pattern = (fs::temp_directory_path() / "korvel-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary directory");
    }
    dir = pattern;
    fs::current_path(dir);
}

ScratchDir::~ScratchDir()
{
    fs::current_path(previous);
    std::error_code ignored;
    fs::remove_all(dir, ignored);
}

void ScratchDir::write(const std::string& relative, const std::string& contents) const
{
    const fs::path file = dir / relative;
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out << contents;
}
