// Reading "options.txt": a "#key" line, its value on the next, with warnings for a damaged file.
// Its own file because the options are read once at start-up and by key from elsewhere.

#include "app/Options.h"

#include "platform/DataFile.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <regex>

namespace {

// Reads one line; a trailing carriage return from a file edited on Windows
// is dropped, so "yes" there still means yes.
bool readLine(std::istream& in, std::string& line)
{
    if (!std::getline(in, line)) {
        return false;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
}

bool isYes(const std::string& key)
{
    return readOption(key) == "yes";
}

void readSize(const char* key, int& size)
{
    const std::string value = readOption(key);
    if (!value.empty()) {
        size = readSetting(value, windowSizes, size, optionsFile.string(), key);
    }
}

// Names a damaged options file once: bytes that are no text, or a last
// line that is a key without its value (a file cut short). A missing file
// is reported by every lookup instead.
void checkOptionsFile()
{
    const std::string name = optionsFile.string();
    std::ifstream file(optionsFile, std::ios::binary);
    const std::string contents{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    std::string lastLine = contents.substr(0, contents.find_last_not_of("\r\n") + 1);
    lastLine.erase(0, lastLine.find_last_of('\n') + 1);
    if (!isPlainText(contents)) {
        warnAboutFile(name, tr(N_("enthaelt Bytes, die kein Text sind")));
    } else if (lastLine.starts_with("#")) {
        warnAboutFile(name, trf(N_("endet mit der Schluesselzeile %s ohne ihren Wert"), lastLine));
    }
}

std::string readOptionFrom(const std::filesystem::path& name, const std::string& key)
{
    std::ifstream file(name);
    if (!file) {
        std::printf("Unable to open options file!\n");
        std::fflush(stdout);
        return "";
    }
    const std::string keyLine = "#" + key;
    std::string line;
    while (readLine(file, line)) {
        if (line == keyLine) {
            return readLine(file, line) ? line : "";
        }
    }
    return "";
}

} // namespace

std::string readOption(const std::string& key)
{
    return readOptionFrom(optionsFile, key);
}

std::optional<Language> languageSetting(const std::filesystem::path& file)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        return std::nullopt;
    }
    return languageNamed(readOptionFrom(file, "language"));
}

void loadOptions()
{
    checkOptionsFile();
    if (const std::string language = readOption("language"); !language.empty() && !languageNamed(language)) {
        printWarning(optionsFile.string(),
                     trf(N_("language \"%s\" ist weder de noch en; es gilt die Sprache der Umgebung"), language));
    }
    options.fullscreen = isYes("fullscreen");
    if (!options.fullscreen) {
        readSize("windowwidth", options.windowWidth);
        readSize("windowheight", options.windowHeight);
    }
    // Only ever switched on here; the frame loop switches them off.
    if (isYes("playintro")) {
        options.playIntro = true;
    }
    if (isYes("playoutro")) {
        options.playOutro = true;
    }
}

std::optional<std::string> gameModeSetting()
{
    const std::string mode = readOption("glutGameModeString");
    // GLUT's forms; blanks would end its reading early.
    static const std::regex form("(?:([^x:@ \\t]*)x([^x:@ \\t]*))?(?::([^x:@ \\t]*))?(?:@([^x:@ \\t]*))?");
    std::smatch parts;
    std::string problem = tr(N_("ist kein Spielmodus wie 800x600:32@60"));
    if (std::regex_match(mode, parts, form)) {
        // Each part's problem, the number's own problem in it.
        struct Part {
            const char* problem;
            NumberRange range;
        };
        const Part checks[] = {{N_("hat eine falsche Breite (%s)"), windowSizes},
                               {N_("hat eine falsche Hoehe (%s)"), windowSizes},
                               {N_("hat eine falsche Farbtiefe (%s)"), {1, 64}},
                               {N_("hat eine falsche Bildrate (%s)"), {1, 1000}}};
        problem.clear();
        for (std::size_t i = 0; i < 4 && problem.empty(); ++i) {
            const NumberReading reading = readNumber(parts[i + 1].str(), checks[i].range);
            if (parts[i + 1].matched && reading.verdict != NumberReading::Verdict::Valid) {
                problem = trf(checks[i].problem, reading.problem);
            }
        }
    }
    if (!problem.empty()) {
        printWarning(optionsFile.string(),
                     trf(N_("glutGameModeString \"%s\" %s; gespielt wird im Fenster"), mode, problem));
        return std::nullopt;
    }
    return mode;
}
