// Parsing the command line, the --help and --version answers, and laying the result over the options.
// Kept from start-up so it can answer without a display and be tested without GLUT.

#include "app/CommandLine.h"

#include <cstdio>

namespace {

constexpr const char* usage =
    "Usage: korvel [OPTION]...\n"
    "A small 3D adventure game: six areas, their people and one quest in each.\n"
    "\n"
    "  --window WxH    play in a window of W by H pixels (64 to 16384 each)\n"
    "  --fullscreen    switch the screen to the game mode of the options file\n"
    "  --intro         play the intro video first\n"
    "  --no-intro      start without the intro video\n"
    "  --continue      continue the saved game without asking\n"
    "  --new-game      start a new game without asking; the saved one is kept\n"
    "                  until the new game is first saved\n"
    "  --help          show this help and exit\n"
    "  --version       show the version and exit\n"
    "\n"
    "These hold for one run and win over the options file. GLUT's X options\n"
    "-display NAME, -geometry WxH+X+Y, -iconic, -direct, -indirect, -gldebug\n"
    "and -sync are handed on to GLUT.\n"
    "\n"
    "Settings: options.txt in the working directory when it holds the game's\n"
    "data/ as well, else $XDG_CONFIG_HOME/korvel/options.txt (normally\n"
    "~/.config/korvel/options.txt), made from the default on the first start.\n"
    "\n"
    "The game is saved in $XDG_DATA_HOME/korvel/savegame.txt (normally\n"
    "~/.local/share/korvel/savegame.txt) at every change of area and when it\n"
    "ends; the next start asks whether to continue where it was left.\n"
    "\n"
    "Exit status: 0 after Escape or the end of the game, 1 when no X display\n"
    "can be opened or the game data is incomplete, 2 for a mistaken command line.\n";

// GLUT's X options and whether each takes a value.
struct GlutOption {
    const char* name;
    bool takesValue;
};
constexpr GlutOption glutOptions[] = {{"-display", true}, {"-geometry", true}, {"-iconic", false},
                                      {"-direct", false}, {"-indirect", false}, {"-gldebug", false},
                                      {"-sync", false}};

// "WxH" with both numbers in `windowSizes`.
bool parseSize(const std::string& text, int& width, int& height)
{
    const std::size_t x = text.find('x');
    if (x == std::string::npos) {
        return false;
    }
    const NumberReading w = readNumber(std::string_view(text).substr(0, x), windowSizes);
    const NumberReading h = readNumber(std::string_view(text).substr(x + 1), windowSizes);
    width = w.value;
    height = h.value;
    return w.verdict == NumberReading::Verdict::Valid && h.verdict == NumberReading::Verdict::Valid;
}

std::string sizeText(int side) { return std::to_string(side) + "x" + std::to_string(side); }

CommandLine refuse(const std::string& why)
{
    CommandLine refused;
    refused.action = CommandLine::Action::Refuse;
    refused.error = why;
    return refused;
}

} // namespace

CommandLine parseCommandLine(int argc, const char* const* argv)
{
    CommandLine command;
    command.savedGame = SaveChoice::Ask;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasNext = i + 1 < argc;
        if (arg == "--help" || arg == "-h") {
            command.action = CommandLine::Action::Help;
            return command;
        }
        if (arg == "--version") {
            command.action = CommandLine::Action::Version;
            return command;
        }
        if (arg == "--window" || arg.rfind("--window=", 0) == 0) {
            const std::string size = arg == "--window" ? (hasNext ? argv[++i] : "") : arg.substr(9);
            if (!parseSize(size, command.windowWidth, command.windowHeight)) {
                return refuse("--window wants a size such as 1024x768, from " + sizeText(windowSizes.least) +
                              " to " + sizeText(windowSizes.most) + ", not \"" + size + "\"");
            }
            command.fullscreen = false;
        } else if (arg == "--fullscreen") {
            command.fullscreen = true;
        } else if (arg == "--intro" || arg == "--no-intro") {
            command.playIntro = arg == "--intro";
        } else if (arg == "--continue" || arg == "--new-game") {
            command.savedGame = arg == "--continue" ? SaveChoice::Continue : SaveChoice::NewGame;
        } else {
            const GlutOption* glut = nullptr;
            for (const GlutOption& option : glutOptions) {
                glut = arg == option.name ? &option : glut;
            }
            if (glut == nullptr) {
                return refuse("unknown option \"" + arg + "\"");
            }
            if (glut->takesValue && !hasNext) {
                return refuse(arg + " wants a value");
            }
            command.glutArgs.push_back(arg);
            if (glut->takesValue) {
                command.glutArgs.push_back(argv[++i]);
            }
        }
    }
    return command;
}

std::optional<int> answerWithoutPlaying(const CommandLine& command)
{
    switch (command.action) {
    case CommandLine::Action::Play:
        return std::nullopt;
    case CommandLine::Action::Help:
        std::fputs(usage, stdout);
        return 0;
    case CommandLine::Action::Version:
        std::printf("Korvel %s\n", KORVEL_VERSION);
        return 0;
    case CommandLine::Action::Refuse:
        std::fprintf(stderr, "korvel: %s\n\n%s", command.error.c_str(), usage);
        return 2;
    }
    return 2;
}

void applyCommandLine(const CommandLine& command, Options& settings)
{
    if (command.fullscreen == true) {
        // As with "fullscreen" in the options file: the screen's mode decides
        // the size, and a display that refuses it gets the default window.
        settings.fullscreen = true;
        settings.windowWidth = Options{}.windowWidth;
        settings.windowHeight = Options{}.windowHeight;
    } else if (command.fullscreen == false) {
        settings.fullscreen = false;
        settings.windowWidth = command.windowWidth;
        settings.windowHeight = command.windowHeight;
    }
    if (command.playIntro) {
        settings.playIntro = *command.playIntro;
    }
}
