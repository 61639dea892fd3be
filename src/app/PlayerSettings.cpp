// Reading the player's settings with range checks, handing them on, and writing them back in place.

#include "app/PlayerSettings.h"

#include "app/GameObjects.h"
#include "app/Options.h"
#include "platform/DataFile.h"
#include "platform/PlayerFiles.h"
#include "platform/Sound.h"

#include <fstream>
#include <sstream>
#include <vector>

namespace {

// A setting's value, or "" when the file has no such key (or no file).
std::string valueOf(const char* key)
{
    std::error_code error;
    return std::filesystem::exists(optionsFile, error) ? readOption(key) : "";
}

void warn(const char* key, const std::string& value, const std::string& problem)
{
    printWarning(optionsFile.string(), std::string(key) + " \"" + value + "\" " + problem);
}

void readPercent(const char* key, NumberRange range, int& setting)
{
    const std::string value = valueOf(key);
    if (!value.empty()) {
        setting = readSetting(value, range, setting, optionsFile.string(), key);
    }
}

void readYes(const char* key, bool& setting)
{
    const std::string value = valueOf(key);
    if (!value.empty()) {
        setting = value == "yes";
    }
}

// One of two words; another is warned about and keeps the default.
void readChoice(const char* key, const char* no, const char* yes, bool& setting)
{
    const std::string value = valueOf(key);
    if (value == yes || value == no) {
        setting = value == yes;
    } else if (!value.empty()) {
        warn(key, value, trf(N_("ist weder %s noch %s; es gilt %s"), no, yes, setting ? yes : no));
    }
}

void readKeys()
{
    bool french = false;
    readChoice("keylayout", "wasd", "zqsd", french);
    keyBindings = KeyBindings(french ? KeyLayout::French : KeyLayout::Today);
    KeyBindings::WantedKeys wanted{};
    std::vector<std::string> values(actionCount);
    for (std::size_t i = 0; i < actionCount; ++i) {
        values[i] = valueOf(actionRows[i].optionKey);
        if (values[i].size() == 1) {
            wanted[i] = static_cast<unsigned char>(values[i][0]);
        } else if (!values[i].empty()) {
            warn(actionRows[i].optionKey, values[i],
                 trf(N_("ist keine einzelne Taste; es gilt %s"), keyBindings.keyName(actionRows[i].action)));
        }
    }
    for (const KeyBindings::Refusal& refusal : keyBindings.bindAll(wanted)) {
        const std::size_t i = static_cast<std::size_t>(refusal.action);
        warn(actionRows[i].optionKey, values[i],
             trf(N_("%s; es gilt %s"), refusal.problem, keyBindings.keyName(refusal.action)));
    }
}

std::string yesNo(bool yes)
{
    return yes ? "yes" : "no";
}

// Every setting as the file writes it, in the order it writes new ones.
std::vector<std::pair<std::string, std::string>> settingLines()
{
    const PlayerSettings& s = playerSettings;
    std::vector<std::pair<std::string, std::string>> lines = {
        {"soundvolume", std::to_string(s.volume)},
        {"soundmute", yesNo(s.mute)},
        {"mousesensitivity", std::to_string(s.mouse.sensitivity)},
        {"mouseinvert", yesNo(s.mouse.invertLook)},
        {"mousemode", s.mouse.byDistance ? "distance" : "step"},
        {"keylayout", keyBindings.layout() == KeyLayout::French ? "zqsd" : "wasd"},
        {"windowfullscreen", yesNo(s.fullScreen)},
    };
    for (const ActionRow& row : actionRows) {
        lines.emplace_back(row.optionKey, keyBindings.keyName(row.action));
    }
    // Only a language the player chose: otherwise the locale keeps deciding.
    if (s.language) {
        lines.emplace_back("language", languageCode(*s.language));
    }
    return lines;
}

} // namespace

void loadPlayerSettings()
{
    playerSettings = PlayerSettings{};
    playerSettings.language = languageSetting();
    readPercent("soundvolume", volumes, playerSettings.volume);
    readYes("soundmute", playerSettings.mute);
    readPercent("mousesensitivity", sensitivities, playerSettings.mouse.sensitivity);
    readYes("mouseinvert", playerSettings.mouse.invertLook);
    readChoice("mousemode", "step", "distance", playerSettings.mouse.byDistance);
    readYes("windowfullscreen", playerSettings.fullScreen);
    readKeys();
}

void applyPlayerSettings()
{
    setSoundVolume(playerSettings.mute ? 0 : playerSettings.volume);
    controlNode.mouse = playerSettings.mouse;
}

void savePlayerSettings()
{
    std::vector<std::string> lines;
    {
        std::ifstream in(optionsFile);
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
    }
    std::string added;
    for (const auto& [key, value] : settingLines()) {
        // The first "#key" line is the one read: its value line is replaced.
        bool found = false;
        for (std::size_t i = 0; i < lines.size() && !found; ++i) {
            if (found = lines[i] == "#" + key || lines[i] == "#" + key + "\r"; found) {
                if (i + 1 < lines.size()) {
                    lines[i + 1] = value;
                } else {
                    lines.push_back(value);
                }
            }
        }
        if (!found) {
            added += "#" + key + "\n" + value + "\n";
        }
    }
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    if (const std::string problem = writeFileAtomically(optionsFile, text + added); !problem.empty()) {
        printWarning(optionsFile.string(), problem);
    }
}
