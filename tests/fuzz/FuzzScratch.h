#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The game reads its files relative to the working directory; a fuzzing
// process works in a private scratch directory (removed at exit), writes
// each input there under the name the reader asks for, and reads it back.
void enterScratchDir();
void writeInput(const std::string& name, const std::uint8_t* data, std::size_t size);
// Copies a file of the build's generated data into the scratch directory.
void copyGameFile(const std::string& from, const std::string& to);
