// The settings a player changes during play: sound, mouse and keys, read from the options file and written back.
// Apart from Options, which holds what is fixed at start-up; these act at once when changed.

#pragma once

#include "game/ControlNode.h"
#include "game/KeyBindings.h"
#include "platform/Language.h"
#include "platform/NumberText.h"

#include <optional>

#include <string>

// Each starts as the game has always played. The keys in force are
// `keyBindings` (KeyBindings.h).
struct PlayerSettings {
    int volume = 100; // percent
    bool mute = false;
    MouseSettings mouse;
    bool fullScreen = false; // the window fills the screen (F11)
    // Chosen in the settings list or given in the file; else the locale's.
    std::optional<Language> language;
};

inline constexpr NumberRange volumes{0, 100};
inline constexpr NumberRange sensitivities{10, 500};

inline PlayerSettings playerSettings;

// Reads the settings from the options file: "soundvolume" and
// "mousesensitivity" (percent), "soundmute" and "mouseinvert" ("yes" or
// not), "mousemode" ("step" or "distance"), "keylayout" ("wasd" or "zqsd")
// "windowfullscreen" ("yes" or not), "language" ("de" or "en") and one key per action ("keyforward", ... see
// KeyBindings.h) over the
// layout's. A value out of range is clamped, one that is no value keeps the
// default, and a key bound twice is refused, each with a warning naming the
// file. A file without these keys gives today's game.
void loadPlayerSettings();
// Hands the settings to the sound and the mouse.
void applyPlayerSettings();
// Writes every setting to the options file as its "#key" and value lines,
// in place of the old ones or after the file's other lines, which stay as
// they are. A file that cannot be written is named in a warning.
void savePlayerSettings();
