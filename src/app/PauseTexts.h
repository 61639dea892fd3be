// Every text of the pause screen and its settings list, marked for the translators.
// In one place so that a translation finds them together.

#pragma once

#include "levels/Translation.h"

// %s is the pause key in force.
inline constexpr const char* pauseLine = N_("Pause - %s: weiter, Pfeiltasten: einstellen, Esc: Spiel beenden");
inline constexpr const char* volumeRow = N_("Lautstaerke: %d %%");
inline constexpr const char* soundOnRow = N_("Ton: an");
inline constexpr const char* soundOffRow = N_("Ton: aus");
inline constexpr const char* sensitivityRow = N_("Mausempfindlichkeit: %d %%");
inline constexpr const char* lookPlainRow = N_("Maus nach oben: Blick nach oben");
inline constexpr const char* lookInvertedRow = N_("Maus nach oben: Blick nach unten");
inline constexpr const char* mouseStepRow = N_("Maus: ein Schritt je Bewegung");
inline constexpr const char* mouseDistanceRow = N_("Maus: dreht so weit, wie sie bewegt wird");
inline constexpr const char* keysTodayRow = N_("Tasten: w a s d");
inline constexpr const char* keysFrenchRow = N_("Tasten: z q s d (franzoesische Tastatur)");
inline constexpr const char* windowRow = N_("Vollbild: aus");
inline constexpr const char* fullScreenRow = N_("Vollbild: an");
inline constexpr const char* germanRow = N_("Sprache: Deutsch");
inline constexpr const char* englishRow = N_("Sprache: Englisch");
