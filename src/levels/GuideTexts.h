// The texts of the game's guidance: journal, help, messages, the whistle's cue and the end screen.
// One place, so the translators find them together and no drawing code holds a text of its own.

#pragma once

#include "levels/Translation.h"

namespace guide {

// The journal (Tab).
inline constexpr const char* journalTitle = N_("Tagebuch (Tab = schliessen)");
inline constexpr const char* areaLine = N_("Du bist hier: %s");
inline constexpr const char* noQuestYet = N_("Noch keine Aufgabe. Sprich mit den Leuten hier (e).");
inline constexpr const char* questDone = N_("erledigt.");

// The help (F1).
inline constexpr const char* helpTitle = N_("Tasten (F1 oder eine andere Taste = schliessen)");

// What 'e' and 'm' say where nothing is near.
inline constexpr const char* nobodyToTalkTo = N_("Hier ist niemand zum Reden.");
inline constexpr const char* nothingToTake = N_("Hier gibt es nichts zum Mitnehmen.");

// While the figure whistles.
inline constexpr const char* whistling = N_("~ Fenno pfeift ~");

// The end screen, after the farewell.
inline constexpr const char* theEnd = N_("Ende");
inline constexpr const char* areasSeen = N_("Deine Reise durch %d Gebiete:");
inline constexpr const char* questsDone = N_("%d von %d Aufgaben erledigt.");
inline constexpr const char* leaveWithEscape = N_("Esc = Spiel verlassen");

} // namespace guide
