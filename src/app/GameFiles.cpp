// Finding the run directory or the installed data, and giving the player a copy of the default options.
// Its own file because the choice is pure path logic that tests drive with made-up places.

#include "app/GameFiles.h"

#include "app/Options.h"
#include "platform/PlayerFiles.h"

#include <cstdio>
#include <cstdlib>

namespace fs = std::filesystem;

namespace {

bool isRunDirectory(const fs::path& dir)
{
    std::error_code error;
    return fs::is_regular_file(dir / "options.txt", error) && fs::is_directory(dir / "data", error);
}

// The build lays out the icons and catalogues in the run directory as an
// install does below share/.
const fs::path runIcons = "icons/hicolor";
const fs::path runLocale = "locale";

bool ensureCopy(const fs::path& from, const fs::path& to)
{
    std::error_code error;
    if (fs::exists(to, error)) {
        return true;
    }
    fs::create_directories(to.parent_path(), error);
    return !error && fs::copy_file(from, to, error);
}

// Where the files are, before anything is made: an installed game's
// `defaults` are set, and its options file may not exist yet.
struct Located {
    GameFiles files;
    fs::path defaults;
};

Located locate(const StartPlaces& places)
{
    const fs::path catalogues = findCatalogues(places);
    for (const fs::path& dir : {places.workingDir, places.programDir}) {
        if (isRunDirectory(dir)) {
            return {{dir, "options.txt", dir / runIcons, catalogues}, {}};
        }
    }
    const fs::path installed = (places.programDir / places.installedData).lexically_normal();
    const fs::path icons = (places.programDir / places.installedIcons).lexically_normal();
    std::error_code error;
    if (!fs::is_directory(installed / "data", error)) {
        // Nothing found: the working directory, as if it were a run directory.
        return {{places.workingDir, "options.txt", places.workingDir / runIcons, places.workingDir / runLocale}, {}};
    }
    const fs::path folder = playerFolder(PlayerFolder::Config, places.configHome, places.home);
    const fs::path player = folder.empty() ? folder : folder / "options.txt";
    return {{installed, player, icons, catalogues}, installed / "options.txt"};
}

} // namespace

GameFiles findGameFiles(const StartPlaces& places)
{
    Located found = locate(places);
    const fs::path& player = found.files.optionsFile;
    if (!found.defaults.empty() && (player.empty() || !ensureCopy(found.defaults, player))) {
        std::printf("%s\n", trf(N_("Die Optionsdatei %s laesst sich nicht anlegen; es gelten die Vorgaben"),
                                player.string()).c_str());
        std::fflush(stdout);
        found.files.optionsFile = found.defaults;
    }
    return found.files;
}

fs::path findOptionsFile(const StartPlaces& places)
{
    const Located found = locate(places);
    std::error_code error;
    if (!found.defaults.empty() && !fs::is_regular_file(found.files.optionsFile, error)) {
        return found.defaults;
    }
    return found.files.directory / found.files.optionsFile;
}

fs::path findCatalogues(const StartPlaces& places)
{
    for (const fs::path& dir : {places.workingDir, places.programDir}) {
        if (isRunDirectory(dir)) {
            return dir / runLocale;
        }
    }
    return (places.programDir / places.installedLocale).lexically_normal();
}

StartPlaces startPlaces()
{
    std::error_code error;
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    return {fs::current_path(error), fs::read_symlink("/proc/self/exe", error).parent_path(),
            KORVEL_INSTALLED_DATA, KORVEL_INSTALLED_ICONS, KORVEL_INSTALLED_LOCALE,
            configHome ? configHome : "", home ? home : ""};
}

GameFiles useGameFiles()
{
    const GameFiles files = findGameFiles(startPlaces());
    std::error_code error;
    fs::current_path(files.directory, error);
    optionsFile = files.optionsFile;
    iconTheme = files.iconTheme;
    return files;
}
