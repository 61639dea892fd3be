// Which key does what: the actions a player can rebind, the two layouts, and the hints that name the keys.
// One table for the control node, the options file, the settings and the controls panel.

#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a key can be bound to. Escape, the function keys, the arrows and the
// mouse are fixed and not in here.
enum class Action { Forward, Back, Left, Right, Look, Talk, Skip, Take, Answer1, Answer2, Close, Pause };

enum class KeyLayout { Today, French };

// One row of the table: the action's "#key" in the options file, its key in
// each layout, the command it sends down the scene tree, and when it acts:
// while walking, in a conversation, or both.
struct ActionRow {
    Action action;
    const char* optionKey;
    unsigned char todays;
    unsigned char french;
    char command;
    bool walking;
    bool talking;
};

inline constexpr ActionRow actionRows[] = {
    {Action::Forward, "keyforward", 'w', 'z', 'w', true, false},
    {Action::Back, "keyback", 's', 's', 's', true, false},
    {Action::Left, "keyleft", 'a', 'q', 'a', true, false},
    {Action::Right, "keyright", 'd', 'd', 'd', true, false},
    {Action::Look, "keylook", 'v', 'v', 'v', true, false},
    {Action::Talk, "keytalk", 'e', 'e', 'e', true, false},
    {Action::Skip, "keyskip", 'l', 'l', 'l', true, false},
    {Action::Take, "keytake", 'm', 'm', 'm', true, false},
    {Action::Answer1, "keyanswer1", '1', '1', '1', false, true},
    {Action::Answer2, "keyanswer2", '2', '2', '2', false, true},
    {Action::Close, "keyclose", 'q', 'q', 'q', false, true},
    {Action::Pause, "keypause", 'p', 'p', 0, true, true},
};
inline constexpr std::size_t actionCount = std::size(actionRows);

const ActionRow& actionRow(Action action);

// The key bound to every action. Letters act alike in either case, so Shift
// and Caps Lock change nothing during play.
class KeyBindings {
public:
    explicit KeyBindings(KeyLayout layout = KeyLayout::Today);

    KeyLayout layout() const { return chosenLayout; }
    // Different after every change of any bindings: whoever shows a hint
    // rewrites it when this changes.
    int stamp() const { return changeStamp; }
    unsigned char key(Action action) const { return keys[static_cast<std::size_t>(action)]; }
    // The key as a hint names it: the character itself.
    std::string keyName(Action action) const { return std::string(1, static_cast<char>(key(action))); }
    // The action a typed key stands for while walking or in a conversation.
    std::optional<Action> actionOf(unsigned char key, bool talking) const;
    // Binds the `wanted` keys over the layout's, all at once so that two
    // actions can swap keys; 0 keeps the layout's. A key that is no letter,
    // digit or other visible character, or that would act together with
    // another action's key, is refused and its action keeps the layout's
    // key. What was refused, and why ("ist schon an keytalk vergeben"), translated.
    using WantedKeys = std::array<unsigned char, actionCount>;
    struct Refusal {
        Action action;
        std::string problem;
    };
    std::vector<Refusal> bindAll(const WantedKeys& wanted);

    // A hint with the keys in force: "(v = view)" names the look key, a
    // reply "q: ..." the close key. With today's keys it comes back as is.
    std::string withKeysInForce(std::string_view text) const;

private:
    static inline int changes = 0;
    KeyLayout chosenLayout;
    int changeStamp = ++changes;
    std::array<unsigned char, actionCount> keys{};
};

// The bindings in force for this run.
inline KeyBindings keyBindings;
