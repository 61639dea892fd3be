#include "app/Options.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {

// Reads one line; a trailing carriage return from a file edited on Windows
// is dropped, so "yes" there still means yes.
bool readLine(std::istream& in, std::string& line)
{
    if (!std::getline(in, line)) {
        return false;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
}

bool isYes(const std::string& key)
{
    return readOption(key) == "yes";
}

void readSize(const char* key, int& size)
{
    const std::string value = readOption(key);
    if (!value.empty()) {
        size = std::atoi(value.c_str());
    }
}

} // namespace

std::string readOption(const std::string& key)
{
    std::ifstream file(optionsFile);
    if (!file) {
        std::printf("Unable to open options file!\n");
        std::fflush(stdout);
        return "";
    }
    const std::string keyLine = "#" + key;
    std::string line;
    while (readLine(file, line)) {
        if (line == keyLine) {
            return readLine(file, line) ? line : "";
        }
    }
    return "";
}

void loadOptions()
{
    options.fullscreen = isYes("fullscreen");
    if (!options.fullscreen) {
        readSize("windowwidth", options.windowWidth);
        readSize("windowheight", options.windowHeight);
    }
    // Only ever switched on here; the frame loop switches them off.
    if (isYes("playintro")) {
        options.playIntro = true;
    }
    if (isYes("playoutro")) {
        options.playOutro = true;
    }
}
