// Naming, saving and announcing the screenshot of a game frame.

#include "app/Screenshots.h"

#include "app/GameObjects.h"
#include "platform/DataFile.h"
#include "platform/Host.h"
#include "platform/Language.h"
#include "platform/PictureFile.h"
#include "platform/PlayerFiles.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

namespace fs = std::filesystem;

namespace {

bool asked = false;

// %s is the file, or the folder that could not be written.
constexpr const char* savedMessage = N_("Bild gespeichert: %s");
constexpr const char* notSavedMessage = N_("Bild nicht gespeichert: %s ist nicht beschreibbar");

// The first name of this second that no file has yet; empty after 999 of them.
fs::path freeName(const fs::path& folder)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[48];
    std::strftime(stamp, sizeof stamp, "korvel-%Y-%m-%d-%H-%M-%S", &local);
    for (int n = 1; n < 1000; ++n) {
        const fs::path file = folder / (stamp + (n > 1 ? "-" + std::to_string(n) : std::string()) + ".png");
        std::error_code error;
        if (!fs::exists(fs::symlink_status(file, error))) {
            return file;
        }
    }
    return {};
}

// The path as the player knows it: "~" for their home.
std::string shown(const fs::path& path)
{
    const char* home = std::getenv("HOME");
    const std::string text = path.string();
    const std::string prefix = home != nullptr ? fs::path(home).lexically_normal().string() : "";
    if (prefix.size() > 1 && text.rfind(prefix, 0) == 0 && text.size() > prefix.size() && text[prefix.size()] == '/') {
        return "~" + text.substr(prefix.size());
    }
    return text;
}

void say(const char* text, const fs::path& path)
{
    char line[1024];
    std::snprintf(line, sizeof line, tr(text), shown(path).c_str());
    gameManager.message = line;
    gameManager.messageTime = Host::current().elapsedMs();
}

} // namespace

void askForScreenshot()
{
    asked = true;
    // The picture is of the game: no message, not even the last picture's.
    gameManager.message.clear();
}

void takeAskedScreenshot()
{
    if (!asked) {
        return;
    }
    asked = false;
    const fs::path pictures = picturesFolder();
    const fs::path folder = pictures.empty() ? fs::path("~/Pictures/Korvel") : pictures / "Korvel";
    std::error_code error;
    if (pictures.empty() || (fs::create_directories(folder, error), error)) {
        printWarning(folder.string(), trf(N_("laesst sich nicht anlegen: %s"),
                                          pictures.empty() ? tr(N_("HOME ist nicht gesetzt")) : error.message()));
        say(notSavedMessage, folder);
        return;
    }
    const fs::path file = freeName(folder);
    // The frame is drawn into the back buffer and not yet shown.
    glReadBuffer(GL_BACK);
    if (file.empty() || !savePicture(file.string(), Host::current().windowWidth(), Host::current().windowHeight())) {
        printWarning(file.empty() ? folder.string() : file.string(), tr(N_("laesst sich nicht schreiben")));
        say(notSavedMessage, file.empty() ? folder : file);
        return;
    }
    say(savedMessage, file);
}
