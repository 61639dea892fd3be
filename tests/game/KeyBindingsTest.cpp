#include "game/KeyBindings.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(KeyBindingsTest, EachLayoutBindsItsKeysInEitherCaseAndEachModeHasItsOwn)
{
    using enum Action;
    const KeyBindings today, french(KeyLayout::French);
    const struct { const KeyBindings& keys; unsigned char key; bool talking; std::optional<Action> action; } cases[] = {
        {today, 'w', false, Forward}, {today, 'W', false, Forward}, {today, 'a', false, Left},
        {today, 'z', false, {}},      {today, 'e', false, Talk},    {today, 'M', false, Take},
        {today, 'q', true, Close},    {today, 'q', false, {}},      {today, '1', true, Answer1},
        {today, '1', false, {}},      {today, 'w', true, {}},       {today, 'P', false, Pause},
        {today, 'p', true, Pause},    {french, 'z', false, Forward}, {french, 'Z', false, Forward},
        {french, 'q', false, Left},   {french, 'q', true, Close},   {french, 'w', false, {}},
        {french, 'a', false, {}},     {french, 'D', false, Right},  {french, 'v', false, Look},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.keys.actionOf(c.key, c.talking), c.action) << c.key << " talking " << c.talking;
    }
}

TEST(KeyBindingsTest, KeysMaySwapAKeyActingTwiceOrNoKeyIsRefusedAndHintsNameTheKeysInForce)
{
    const std::string hint = "Mit Mensch sprechen (e = etwas sagen) oder Mensch anschauen (v = view)";
    KeyBindings keys;
    EXPECT_EQ(keys.withKeysInForce(hint), hint);
    EXPECT_EQ(keys.withKeysInForce("q: Auf Wiedersehen."), "q: Auf Wiedersehen.");

    KeyBindings::WantedKeys wanted{};
    const auto want = [&](Action action, unsigned char key) { wanted[static_cast<std::size_t>(action)] = key; };
    want(Action::Look, 'E'); // with talk's e: swapped
    want(Action::Talk, 'v');
    want(Action::Close, 'w'); // w walks, but never in a conversation
    want(Action::Forward, 'm'); // take's
    want(Action::Back, 'x');
    want(Action::Right, 'x'); // the second x
    want(Action::Skip, ' ');
    const auto refused = keys.bindAll(wanted);
    ASSERT_EQ(refused.size(), 3u);
    EXPECT_EQ(refused[0].action, Action::Skip);
    EXPECT_EQ(refused[0].problem, "ist keine Taste, die sich belegen laesst");
    EXPECT_EQ(refused[1].action, Action::Forward) << "the layout's key holds";
    EXPECT_EQ(refused[1].problem, "ist schon an keytake vergeben");
    EXPECT_EQ(refused[2].action, Action::Right);
    EXPECT_EQ(refused[2].problem, "ist schon an keyback vergeben");
    std::string bound;
    for (Action action : {Action::Look, Action::Talk, Action::Close, Action::Forward, Action::Right, Action::Skip}) {
        bound += keys.keyName(action);
    }
    EXPECT_EQ(bound, "evwwdl");
    EXPECT_EQ(keys.withKeysInForce(hint), "Mit Mensch sprechen (v = etwas sagen) oder Mensch anschauen (e = view)");
    EXPECT_EQ(keys.withKeysInForce("q: Auf Wiedersehen."), "w: Auf Wiedersehen.");
    EXPECT_EQ(keys.withKeysInForce("Ding (q = ...)"), "Ding (q = ...)") << "q is no walking key";
}

} // namespace
