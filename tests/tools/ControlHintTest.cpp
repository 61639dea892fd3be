// Every control a text names — in brackets in the generated dialogues, as
// "(x = ...)" in the levels' prompts — must do something when the player
// uses it: the key or button, fed to the real control node, sends a command.
#include "game/ControlNode.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Hint {
    std::string control;
    std::string line;
};

// The controls named by `pattern`'s first group in every line of `file`.
void collectHints(const fs::path& file, const std::regex& pattern, std::vector<Hint>& hints)
{
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        for (std::sregex_iterator at(line.begin(), line.end(), pattern), end; at != end; ++at) {
            hints.push_back({(*at)[1], line});
        }
    }
}

class Recorder : public SceneNode {
public:
    void command(int key) override { commands += static_cast<char>(key); }
    std::string commands;
};

// What the control sends in the walking or the conversation mode, without
// the 'x' every frame brings while no movement key is held.
std::string commandsOf(const std::string& control)
{
    std::string sent;
    for (char mode : {'a', 'g'}) {
        ControlNode controls;
        Recorder recorder;
        controls.addChild(&recorder);
        controls.inputMode = mode;
        if (control == "linke Maustaste") {
            controls.mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0);
        } else if (control.size() == 1) {
            controls.keyDown(static_cast<unsigned char>(control[0]), 0, 0);
        }
        controls.sendHeldCommands();
        for (char c : recorder.commands) {
            sent += c == 'x' ? "" : std::string(1, c);
        }
    }
    return sent;
}

} // namespace

TEST(ControlHintTest, EveryControlATextNamesDoesSomething)
{
    std::vector<Hint> hints;
    collectHints(fs::path(KORVEL_RUN_DIR) / "data/text/dialogues.txt", std::regex(R"(\(([^()]*)\))"), hints);
    const std::size_t dialogueHints = hints.size();
    for (const auto& source : fs::directory_iterator(fs::path(KORVEL_SOURCE_DIR) / "src/levels")) {
        collectHints(source.path(), std::regex(R"re(\(([^()" ]+) = [^()"]*\))re"), hints);
    }
    ASSERT_GT(dialogueHints, 0u);
    ASSERT_GT(hints.size(), dialogueHints);
    for (const Hint& hint : hints) {
        EXPECT_NE(commandsOf(hint.control), "") << '"' << hint.control << "\" does nothing, named in: " << hint.line;
    }
}
