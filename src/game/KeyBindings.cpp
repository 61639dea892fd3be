// The bindings: today's or the French layout, a key bound twice refused, and hints rewritten to the keys in force.

#include "game/KeyBindings.h"

#include "platform/Language.h"

#include <cctype>

namespace {

unsigned char folded(unsigned char key)
{
    return static_cast<unsigned char>(std::tolower(key));
}

// Two actions may share a key only when they never act at the same time.
bool actTogether(const ActionRow& a, const ActionRow& b)
{
    return (a.walking && b.walking) || (a.talking && b.talking);
}

} // namespace

const ActionRow& actionRow(Action action)
{
    return actionRows[static_cast<std::size_t>(action)];
}

KeyBindings::KeyBindings(KeyLayout layout) : chosenLayout(layout)
{
    for (const ActionRow& row : actionRows) {
        keys[static_cast<std::size_t>(row.action)] = layout == KeyLayout::French ? row.french : row.todays;
    }
}

std::optional<Action> KeyBindings::actionOf(unsigned char key, bool talking) const
{
    for (const ActionRow& row : actionRows) {
        if (this->key(row.action) == folded(key) && (talking ? row.talking : row.walking)) {
            return row.action;
        }
    }
    return std::nullopt;
}

std::vector<KeyBindings::Refusal> KeyBindings::bindAll(const WantedKeys& wanted)
{
    const KeyBindings layoutKeys(chosenLayout);
    std::vector<Refusal> refused;
    auto refuse = [&](std::size_t i, std::string problem) {
        refused.push_back({actionRows[i].action, std::move(problem)});
        keys[i] = layoutKeys.keys[i];
    };
    keys = layoutKeys.keys;
    for (std::size_t i = 0; i < actionCount; ++i) {
        if (wanted[i] == 0) {
            continue;
        }
        // Blanks and control keys (Escape among them) cannot be shown in a
        // hint, or are fixed.
        if (std::isgraph(wanted[i])) {
            keys[i] = folded(wanted[i]);
        } else {
            refuse(i, tr(N_("ist keine Taste, die sich belegen laesst")));
        }
    }
    // Each clash gives up one wanted key, the later one unless only it is
    // the layout's, until none is left: the layout itself has no clash.
    for (bool clash = true; clash;) {
        clash = false;
        for (std::size_t i = 0; i < actionCount && !clash; ++i) {
            for (std::size_t j = i + 1; j < actionCount && !clash; ++j) {
                if (keys[i] == keys[j] && actTogether(actionRows[i], actionRows[j])) {
                    clash = true;
                    const bool laterWanted = keys[j] != layoutKeys.keys[j];
                    const std::size_t other = laterWanted ? i : j;
                    refuse(laterWanted ? j : i, trf(N_("ist schon an %s vergeben"), actionRows[other].optionKey));
                }
            }
        }
    }
    changeStamp = ++changes;
    return refused;
}

std::string KeyBindings::withKeysInForce(std::string_view text) const
{
    std::string shown(text);
    for (const ActionRow& row : actionRows) {
        const char todays = static_cast<char>(row.todays);
        const char now = static_cast<char>(key(row.action));
        if (todays == now) {
            continue;
        }
        // A hint in brackets, "(v = view)", or a reply "q: Auf Wiedersehen."
        if (row.walking) {
            const std::string hint = std::string("(") + todays + " = ";
            // Found in the text as given, so swapped keys are not swapped back.
            for (std::size_t at = text.find(hint); at != std::string::npos; at = text.find(hint, at + 1)) {
                shown[at + 1] = now;
            }
        }
        if (row.talking && text.size() > 1 && text[0] == todays && text[1] == ':') {
            shown[0] = now;
        }
    }
    return shown;
}
