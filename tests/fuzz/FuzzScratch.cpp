#include "FuzzScratch.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

fs::path scratch;

void removeScratch()
{
    std::error_code ignored;
    fs::remove_all(scratch, ignored);
}

} // namespace

void enterScratchDir()
{
    // Memory-backed where there is one: every input is a file write.
    const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string pattern = (base / "korvel-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::abort();
    }
    scratch = pattern;
    fs::create_directories(scratch / "data");
    fs::current_path(scratch);
    std::atexit(removeScratch);
}

void writeInput(const std::string& name, const std::uint8_t* data, std::size_t size)
{
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void copyGameFile(const std::string& from, const std::string& to)
{
    fs::copy_file(fs::path(KORVEL_RUN_DIR) / from, to, fs::copy_options::overwrite_existing);
}
