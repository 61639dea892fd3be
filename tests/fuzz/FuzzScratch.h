#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The game reads its files relative to the working directory; a fuzzing
// process works in a private scratch directory (removed at exit), writes
// each input there under the name the reader asks for, and reads it back.
// `gameFile`, when given, is copied there from the build's generated data as
// `copy`. Returns 0, as LLVMFuzzerInitialize does.
int enterScratchDir(const std::string& gameFile = "", const std::string& copy = "");
void writeInput(const std::string& name, const std::uint8_t* data, std::size_t size);
