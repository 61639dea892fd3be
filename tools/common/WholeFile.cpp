// Writes through a temporary name beside the file and renames it only on success.
// Shared by the generators so no build leaves a half-written file the game would take for damaged.

#include "WholeFile.h"

bool writeWholeFile(const std::filesystem::path& file, const std::function<bool(const std::string&)>& write)
{
    const std::string temporary = file.string() + ".part";
    std::error_code error;
    if (write(temporary)) {
        std::filesystem::rename(temporary, file, error);
        if (!error) {
            return true;
        }
    }
    std::filesystem::remove(temporary, error);
    return false;
}
