// The window's class and icon, by which docks and task bars know it as the game's.
// Its own file because it talks to X past GLUT, which sets neither.

#pragma once

#include <filesystem>

// The class of the game's window (WM_CLASS "korvel", "Korvel"); the desktop
// entry names it as its StartupWMClass, so a dock shows the window under the
// game's own entry and icon.
inline constexpr const char* windowClass = "Korvel";

// Gives the current GL window the class `windowClass` and, as its icon
// (_NET_WM_ICON), every size of `<iconTheme>/<n>x<n>/apps/korvel.png` up to
// 128 pixels that can be read. Without X (another GLUT platform) or without
// icons the window just keeps what it has.
void identifyWindow(const std::filesystem::path& iconTheme);
