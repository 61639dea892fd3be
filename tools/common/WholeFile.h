// Writing a generated file whole or not at all.
// Shared by the generators so no build leaves a half-written file the game would take for damaged.

#pragma once

#include <filesystem>
#include <functional>
#include <string>

// Writes `file` through `write`, which is handed a temporary name beside it
// and says whether all went well. The file appears under its own name only
// then, whole: a full disk or a crash leaves no partial file that the game
// would take for a damaged one, and an older complete file stays.
bool writeWholeFile(const std::filesystem::path& file, const std::function<bool(const std::string&)>& write);
