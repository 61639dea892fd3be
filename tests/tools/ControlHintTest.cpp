// Every control a text names — any bracket in the generated dialogues, "(x = ...)"
// in the levels' prompts — fed to the real control node, sends a command.
#include "game/ControlNode.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

namespace fs = std::filesystem;

namespace {

struct Recorder : SceneNode {
    void command(int key) override { commands += key == 'x' ? "" : std::string(1, char(key)); }
    std::string commands;
};

// Commands the control sends while walking or talking ('x', no movement key, aside).
std::string commandsOf(const std::string& control)
{
    Recorder recorder;
    for (char mode : {'a', 'g'}) {
        ControlNode controls;
        controls.addChild(&recorder);
        controls.inputMode = mode;
        if (control == "linke Maustaste") controls.mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0);
        if (control.size() == 1) controls.keyDown(static_cast<unsigned char>(control[0]), 0, 0);
        if (control == "Tab") controls.keyDown('\t', 0, 0);
        controls.sendHeldCommands();
    }
    return recorder.commands;
}

// Checks the control in group 1 of every match in `file`; the number of matches.
int checkHints(const fs::path& file, const std::regex& hint)
{
    int count = 0;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        for (std::sregex_iterator at(line.begin(), line.end(), hint), end; at != end; ++at, ++count) {
            EXPECT_NE(commandsOf((*at)[1]), "") << '"' << (*at)[1] << "\" does nothing, named in: " << line;
        }
    }
    return count;
}

} // namespace

TEST(ControlHintTest, EveryControlATextNamesDoesSomething)
{
    EXPECT_GT(checkHints(fs::path(KORVEL_RUN_DIR) / "data/text/dialogues.txt", std::regex(R"(\(([^()]*)\))")), 0);
    int prompts = 0;
    for (const auto& source : fs::directory_iterator(fs::path(KORVEL_SOURCE_DIR) / "src/levels")) {
        prompts += checkHints(source.path(), std::regex(R"re(\(([^()" ]+) = [^()"]*\))re"));
    }
    EXPECT_GT(prompts, 0);
}
