// The keys in force, each with what it does: the list the help (F1) shows.
// One small table; the keys a player may rebind are named as bound now.

#pragma once

#include "game/KeyBindings.h"
#include "levels/Translation.h"

#include <cctype>
#include <string>

struct ControlKey {
    const char* action;             // what it does
    const char* fixedKey = nullptr; // a key nobody rebinds, by name; else the keys bound to these
    Action first = Action::Forward;
    Action second = first;
};

inline constexpr ControlKey controlKeys[] = {
    {N_("vorwaerts / rueckwaerts gehen"), nullptr, Action::Forward, Action::Back},
    {N_("zur Seite gehen"), nullptr, Action::Left, Action::Right},
    {N_("gehen und drehen"), N_("Pfeiltasten")},
    {N_("umsehen, am Rand weiterdrehen"), N_("Maus")},
    {N_("pfeifen an / aus"), N_("linke Maustaste")},
    {N_("mit jemandem sprechen"), nullptr, Action::Talk},
    {N_("im Gespraech antworten"), nullptr, Action::Answer1, Action::Answer2},
    {N_("Gespraech beenden"), nullptr, Action::Close},
    {N_("anschauen (gedrueckt halten)"), nullptr, Action::Look},
    {N_("mitnehmen"), nullptr, Action::Take},
    {N_("Gebiet ueberspringen"), nullptr, Action::Skip},
    {N_("Pause und Einstellungen"), nullptr, Action::Pause},
    {N_("Tagebuch: wo du bist, was zu tun ist"), "Tab"},
    {N_("diese Hilfe"), "F1"},
    {N_("Bildrate, Drahtgitter, Texturen, Mip Mapping, Display Lists, Culling"), "F2 - F8"},
    {N_("Vollbild an / aus"), "F11"},
    {N_("Bild des Spiels in den Bilderordner"), "F12"},
    {N_("Spiel verlassen (es wird gespeichert)"), "Esc"},
};

// The row's key as the list names it: "W / S" with today's keys.
inline std::string controlKeyName(const ControlKey& row, const KeyBindings& bindings)
{
    if (row.fixedKey != nullptr) {
        return tr(row.fixedKey);
    }
    const auto name = [&](Action action) {
        return std::string(1, static_cast<char>(std::toupper(bindings.key(action))));
    };
    return row.second == row.first ? name(row.first) : name(row.first) + " / " + name(row.second);
}
