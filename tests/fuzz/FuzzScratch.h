#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

// The game reads its files relative to the working directory; a fuzzing
// process works in a private scratch directory (memory-backed where there is
// one, removed at exit), writes each input there under the name the reader
// asks for, and reads it back. `gameFile`, when given, is copied there from
// the build's generated data as `copy`. Returns 0, as LLVMFuzzerInitialize does.
inline int enterScratchDir(const std::string& gameFile = "", const std::string& copy = "")
{
    namespace fs = std::filesystem;
    static fs::path scratch;
    const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string pattern = (base / "korvel-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    fs::create_directories((scratch = pattern) / "data");
    fs::current_path(scratch);
    std::atexit([] { std::error_code ignored; fs::remove_all(scratch, ignored); });
    if (!gameFile.empty()) fs::copy_file(fs::path(KORVEL_RUN_DIR) / gameFile, copy, fs::copy_options::overwrite_existing);
    return 0;
}

inline void writeInput(const std::string& name, const std::uint8_t* data, std::size_t size)
{
    std::ofstream(name, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), std::streamsize(size));
}
