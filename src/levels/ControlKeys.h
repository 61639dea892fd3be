// The keys in force, each with what it does: the list the help (F1) shows.
// One small table so the keys a player chooses can take the place of these names.

#pragma once

#include "levels/Translation.h"

struct ControlKey {
    const char* key;    // the key's name as the player reads it
    const char* action; // what it does
};

inline constexpr ControlKey controlKeys[] = {
    {"W / S", N_("vorwaerts / rueckwaerts gehen")},
    {"A / D", N_("zur Seite gehen")},
    {N_("Maus"), N_("umsehen, am Rand weiterdrehen")},
    {N_("linke Maustaste"), N_("pfeifen an / aus")},
    {"E", N_("mit jemandem sprechen")},
    {"1 / 2", N_("im Gespraech antworten")},
    {"Q", N_("Gespraech beenden")},
    {"V", N_("anschauen (gedrueckt halten)")},
    {"M", N_("mitnehmen")},
    {"L", N_("Gebiet ueberspringen")},
    {"Tab", N_("Tagebuch: wo du bist, was zu tun ist")},
    {"F1", N_("diese Hilfe")},
    {"F2 - F8", N_("Bildrate, Drahtgitter, Texturen, Mip Mapping, Display Lists, Culling")},
    {"Esc", N_("Spiel verlassen (es wird gespeichert)")},
};
