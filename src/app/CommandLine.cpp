// Parsing the command line, the --help and --version answers, and laying the result over the options.
// Kept from start-up so it can answer without a display and be tested without GLUT.

#include "app/CommandLine.h"

#include "levels/Translation.h"

#include <cstdio>

namespace {

// German like every text of the game; the catalogues hold it in English.
constexpr const char* usage = N_(
    "Aufruf: korvel [OPTION]...\n"
    "Ein kleines 3D-Abenteuer: sechs Gebiete, ihre Leute und in jedem eine Aufgabe.\n"
    "\n"
    "  --window WxH    im Fenster spielen, W mal H Pixel gross (je 64 bis 16384)\n"
    "  --fullscreen    den Bildschirm in den Spielmodus der Optionsdatei schalten\n"
    "  --intro         zuerst das Intro-Video zeigen\n"
    "  --no-intro      ohne das Intro-Video beginnen\n"
    "  --continue      das gespeicherte Spiel ohne Rueckfrage fortsetzen\n"
    "  --new-game      ohne Rueckfrage ein neues Spiel beginnen; das gespeicherte\n"
    "                  bleibt, bis das neue zum ersten Mal gespeichert wird\n"
    "  --language de|en\n"
    "                  die Sprache der Texte: de (Deutsch) oder en (Englisch)\n"
    "  --help          diese Hilfe zeigen und beenden\n"
    "  --version       die Version zeigen und beenden\n"
    "\n"
    "Diese Angaben gelten fuer einen Lauf und gehen der Optionsdatei vor. Die\n"
    "X-Optionen von GLUT -display NAME, -geometry WxH+X+Y, -iconic, -direct,\n"
    "-indirect, -gldebug und -sync gibt das Spiel an GLUT weiter.\n"
    "\n"
    "Ohne --language gilt \"#language\" der Optionsdatei, sonst die erste Sprache\n"
    "aus LANGUAGE, LC_ALL, LC_MESSAGES oder LANG, die das Spiel kennt; ohne eine\n"
    "solche spricht es Deutsch.\n"
    "\n"
    "Einstellungen: options.txt im Arbeitsverzeichnis, wenn dort auch data/ des\n"
    "Spiels liegt, sonst $XDG_CONFIG_HOME/korvel/options.txt (meist\n"
    "~/.config/korvel/options.txt), beim ersten Start aus der Vorgabe angelegt.\n"
    "\n"
    "Das Spiel wird in $XDG_DATA_HOME/korvel/savegame.txt (meist\n"
    "~/.local/share/korvel/savegame.txt) bei jedem Wechsel des Gebiets und am\n"
    "Ende gespeichert; der naechste Start fragt, ob es dort weitergehen soll.\n"
    "\n"
    "Rueckgabewert: 0 nach Escape oder dem Ende des Spiels, 1 wenn kein X-Display\n"
    "geoeffnet werden kann oder die Spieldaten unvollstaendig sind, 2 bei einer\n"
    "falschen Befehlszeile.\n");

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
                return refuse(trf(N_("--window will eine Groesse wie 1024x768, von %s bis %s, nicht \"%s\""),
                                  sizeText(windowSizes.least), sizeText(windowSizes.most), size));
            }
            command.fullscreen = false;
        } else if (arg == "--language" || arg.rfind("--language=", 0) == 0) {
            const std::string code = arg == "--language" ? (hasNext ? argv[++i] : "") : arg.substr(11);
            command.language = code == "de" || code == "en" ? languageNamed(code) : std::nullopt;
            if (!command.language) {
                return refuse(trf(N_("--language will de oder en, nicht \"%s\""), code));
            }
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
                return refuse(trf(N_("unbekannte Option \"%s\""), arg));
            }
            if (glut->takesValue && !hasNext) {
                return refuse(trf(N_("%s braucht einen Wert"), arg));
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
        std::fputs(tr(usage), stdout);
        return 0;
    case CommandLine::Action::Version:
        std::printf("Korvel %s\n", KORVEL_VERSION);
        return 0;
    case CommandLine::Action::Refuse:
        std::fprintf(stderr, "korvel: %s\n\n%s", command.error.c_str(), tr(usage));
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
