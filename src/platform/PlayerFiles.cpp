// The XDG folders with their fallbacks, the atomic write (temporary file, fsync, rename) and keeping a file aside.

#include "platform/PlayerFiles.h"

#include "platform/Language.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>

namespace fs = std::filesystem;

namespace {

std::string fromEnvironment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// `what` a German text with %s for the system's reason.
std::string failed(const char* what)
{
    return trf(what, std::strerror(errno));
}

// Writes all of `contents` to `fd` and syncs it to the disk.
std::string writeAndSync(int fd, std::string_view contents)
{
    while (!contents.empty()) {
        const ssize_t written = write(fd, contents.data(), contents.size());
        if (written < 0 && errno != EINTR) {
            return failed(N_("kann nicht geschrieben werden: %s"));
        }
        contents.remove_prefix(written < 0 ? 0 : static_cast<std::size_t>(written));
    }
    return fsync(fd) == 0 ? "" : failed(N_("kann nicht auf die Platte gebracht werden: %s"));
}

} // namespace

fs::path playerFolder(PlayerFolder which, const std::string& xdgValue, const std::string& home)
{
    if (fs::path(xdgValue).is_absolute()) {
        return fs::path(xdgValue) / "korvel";
    }
    if (home.empty()) {
        return {};
    }
    return fs::path(home) / (which == PlayerFolder::Data ? ".local/share" : ".config") / "korvel";
}

fs::path playerFolder(PlayerFolder which)
{
    return playerFolder(which, fromEnvironment(which == PlayerFolder::Data ? "XDG_DATA_HOME" : "XDG_CONFIG_HOME"),
                        fromEnvironment("HOME"));
}

fs::path picturesFolder(std::string_view userDirs, const std::string& home)
{
    constexpr std::string_view key = "XDG_PICTURES_DIR=\"", homeWord = "$HOME";
    fs::path folder = home.empty() ? fs::path() : fs::path(home) / "Pictures";
    while (!userDirs.empty()) {
        const std::size_t end = std::min(userDirs.find('\n'), userDirs.size());
        std::string_view line = userDirs.substr(0, end);
        userDirs.remove_prefix(std::min(end + 1, userDirs.size()));
        line.remove_prefix(std::min(line.find_first_not_of(" \t"), line.size()));
        const std::size_t close = line.find('"', key.size());
        if (line.substr(0, key.size()) != key || close == std::string_view::npos ||
            line.find_first_not_of(" \t\r", close + 1) != std::string_view::npos) {
            continue;
        }
        const std::string_view value = line.substr(key.size(), close - key.size());
        const bool inHome = value.substr(0, homeWord.size()) == homeWord &&
                            (value.size() == homeWord.size() || value[homeWord.size()] == '/');
        if (inHome && !home.empty()) {
            folder = home + std::string(value.substr(homeWord.size()));
        } else if (!value.empty() && value.front() == '/') {
            folder = std::string(value);
        }
    }
    return folder;
}

fs::path picturesFolder()
{
    const fs::path config = playerFolder(PlayerFolder::Config).parent_path();
    // The folders' names fill a few lines; more is no such file.
    std::string text(16384, '\0');
    std::ifstream in;
    if (!config.empty()) {
        in.open(config / "user-dirs.dirs", std::ios::binary);
    }
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    return picturesFolder(text, fromEnvironment("HOME"));
}

std::string writeFileAtomically(const fs::path& file, std::string_view contents)
{
    const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        return trf(N_("kann nicht geschrieben werden: sein Ordner laesst sich nicht anlegen (%s)"), error.message());
    }
    std::string temporary = (folder / ("." + file.filename().string() + ".XXXXXX")).string();
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        return failed(N_("kann nicht geschrieben werden: %s"));
    }
    std::string problem = writeAndSync(fd, contents);
    if (close(fd) != 0 && problem.empty()) {
        problem = failed(N_("kann nicht geschrieben werden: %s"));
    }
    if (problem.empty() && std::rename(temporary.c_str(), file.c_str()) != 0) {
        problem = failed(N_("kann nicht ersetzt werden: %s"));
    }
    if (!problem.empty()) {
        unlink(temporary.c_str());
        return problem;
    }
    // The rename is an entry of the folder: synced with it.
    const int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return "";
}

fs::path keepAside(const fs::path& file, const std::string& tag)
{
    for (int n = 1; n < 1000; ++n) {
        fs::path aside = file;
        aside += "." + tag + "-" + std::to_string(n);
        std::error_code error;
        if (fs::exists(fs::symlink_status(aside, error))) {
            continue;
        }
        fs::rename(file, aside, error);
        return error ? fs::path() : aside;
    }
    return {};
}
