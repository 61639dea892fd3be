// Writing the facts of a saved game as lines, and reading them back with every value and combination checked.

#include "app/SaveText.h"

#include "platform/DataFile.h"
#include "platform/Language.h"

#include <algorithm>
#include <map>

namespace {

constexpr std::string_view versionKey = "korvel-savegame";

template <typename... Visits>
struct Overloaded : Visits... {
    using Visits::operator()...;
};
// Clang before 17 does not deduce an aggregate's arguments by itself.
template <typename... Visits>
Overloaded(Visits...) -> Overloaded<Visits...>;

// The facts as the file gives them; a key of a newer minor version the
// game does not know is left over.
using Facts = std::map<std::string, std::string, std::less<>>;

std::string readFacts(std::string_view text, Facts& facts, int& minor)
{
    std::size_t at = 0;
    bool first = true;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        end = end == std::string_view::npos ? text.size() : end;
        std::string_view line = text.substr(at, end - at);
        at = end + 1;
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        const std::size_t space = line.find(' ');
        const std::string_view key = line.substr(0, space);
        const std::string_view value = space == std::string_view::npos ? "" : line.substr(space + 1);
        if (first) {
            first = false;
            const std::size_t dot = value.find('.');
            if (key != versionKey || dot == std::string_view::npos) {
                return tr(N_("ist kein gespeichertes Spiel von Korvel"));
            }
            const NumberReading major = readNumber(value.substr(0, dot), {saveFormatMajor, saveFormatMajor});
            const NumberReading minorPart = readNumber(value.substr(dot + 1), {0, 9999});
            if (major.verdict != NumberReading::Verdict::Valid || minorPart.verdict != NumberReading::Verdict::Valid) {
                return trf(major.verdict == NumberReading::Verdict::TooLarge
                               ? N_("hat die Version %s, von einem neueren Korvel")
                               : N_("hat die Version %s, die kein Korvel schreibt"),
                           std::string(value));
            }
            minor = minorPart.value;
        } else if (!line.empty() && !line.starts_with('#')) {
            if (space == std::string_view::npos) {
                return trf(N_("enthaelt die Zeile \"%s\", die keine Angabe ist"), std::string(line));
            }
            if (!facts.emplace(key, value).second) {
                return trf(N_("enthaelt %s doppelt"), std::string(key));
            }
        }
    }
    return first ? tr(N_("ist leer")) : "";
}

// What play never leaves behind; the first rule broken is named.
struct Rule {
    bool (*broken)(const GameProgress&);
    const char* problem;
};

const Rule rules[] = {
    {[](const GameProgress& p) { return p.levelNumber >= 3 && !p.level3Visited; },
     N_("hat eine levelNumber ueber 2 ohne level3Visited")},
    {[](const GameProgress& p) { return p.levelNumber >= 5 && !p.level5Visited; },
     N_("hat eine levelNumber ueber 4 ohne level5Visited")},
    // A return from a side trip is counted as the area left is entered again.
    {[](const GameProgress& p) { return p.level2.hermit.collected > 0 && (!p.level3Visited || p.levelNumber == 3); },
     N_("zaehlt in level2.hermit.collected eine Rueckkehr aus level 3, die es nicht gab")},
    {[](const GameProgress& p) { return p.level4.officer.collected > 0 && (!p.level5Visited || p.levelNumber == 5); },
     N_("zaehlt in level4.officer.collected eine Rueckkehr aus level 5, die es nicht gab")},
    {[](const GameProgress& p) { return p.level2.sacksBrought > 0 && p.level2.hermit.collected == 0; },
     N_("hat level2.sacksBrought ohne Rueckkehr aus level 3")},
    {[](const GameProgress& p) { return p.level3.feedCount > 0 && !p.level3.barrowTaken; },
     N_("hat einen level3.feedCount ohne level3.barrowTaken")},
    {[](const GameProgress& p) { return p.level4.barrierOpened && !p.level4.officer.rewarded; },
     N_("hat level4.barrierOpened vor level4.officer.rewarded")},
    {[](const GameProgress& p) { return p.level5.cageClosed && std::ranges::count(p.level5.caught, true) < 5; },
     N_("hat level5.cageClosed, obwohl Schlangen frei sind")},
    {[](const GameProgress& p) { return p.level5.badgeCount > 0 && !p.level5.cageClosed; },
     N_("hat einen level5.badgeCount ohne level5.cageClosed")},
};

// A thanks ends a task that was under way and had its items; only the
// priest's thanks finish the old woman's task without her own.
std::string questProblem(const std::string& name, const QuestProgress& q, bool finishedByAnother)
{
    if (q.rewarded && (q.accepted || !q.finished || q.collected < 1)) {
        return trf(N_("hat %s.rewarded fuer eine Aufgabe, die nicht erledigt ist"), name);
    }
    if (q.finished && !q.accepted && !q.rewarded && !finishedByAnother) {
        return trf(N_("hat %s.finished fuer eine Aufgabe, die nie angenommen wurde"), name);
    }
    return "";
}

std::string consistencyProblem(const GameProgress& p)
{
    const std::pair<std::string, const QuestProgress*> quests[] = {
        {"level1.priest", &p.level1.priest}, {"level1.woman", &p.level1.woman}, {"level2.hermit", &p.level2.hermit},
        {"level4.officer", &p.level4.officer}, {"level6.hero", &p.level6.hero}};
    for (const auto& [name, quest] : quests) {
        const std::string problem = questProblem(name, *quest, quest == &p.level1.woman && p.level1.priest.rewarded);
        if (!problem.empty()) {
            return problem;
        }
    }
    const auto rule = std::ranges::find_if(rules, [&](const Rule& r) { return r.broken(p); });
    return rule == std::end(rules) ? "" : tr(rule->problem);
}

} // namespace

std::string saveText(const GameProgress& progress)
{
    std::string text = std::string(versionKey) + " " + std::to_string(saveFormatMajor) + "." +
                       std::to_string(saveFormatMinor) + "\n# Where the player left Korvel, one fact a line.\n";
    forEachFact(progress, Overloaded{
        [&](const std::string& key, bool flag) { text += key + (flag ? " yes\n" : " no\n"); },
        [&](const std::string& key, int number, NumberRange) { text += key + " " + std::to_string(number) + "\n"; },
    });
    return text;
}

SaveReading readSaveText(std::string_view text)
{
    if (text.size() > longestSaveText) {
        return {std::nullopt, tr(N_("ist groesser als jedes gespeicherte Spiel"))};
    }
    if (!isPlainText(text)) {
        return {std::nullopt, tr(N_("enthaelt Bytes, die kein Text sind"))};
    }
    Facts facts;
    int minor = 0;
    std::string problem = readFacts(text, facts, minor);
    GameProgress progress;
    // Takes the fact `key` out of `facts`: its text, or nothing (and the
    // problem named) when it is missing or reading has failed already.
    const auto take = [&](const std::string& key) -> std::optional<std::string> {
        const auto fact = facts.find(key);
        if (fact == facts.end() && problem.empty()) {
            problem = trf(N_("hat keine Angabe %s"), key);
        }
        if (!problem.empty()) {
            return std::nullopt;
        }
        std::string value = fact->second;
        facts.erase(fact);
        return value;
    };
    forEachFact(progress, Overloaded{
        [&](const std::string& key, bool& flag) {
            const auto value = take(key);
            if (value && *value != "yes" && *value != "no") {
                problem = trf(N_("%s \"%s\" ist weder yes noch no"), key, *value);
            }
            flag = value == "yes";
        },
        [&](const std::string& key, int& number, NumberRange range) {
            if (const auto value = take(key)) {
                const NumberReading reading = readNumber(*value, range);
                if (reading.verdict != NumberReading::Verdict::Valid) {
                    problem = key + " \"" + *value + "\" " + reading.problem;
                }
                number = reading.value;
            }
        },
    });
    if (problem.empty() && !facts.empty() && minor <= saveFormatMinor) {
        problem = trf(N_("enthaelt die unbekannte Angabe %s"), facts.begin()->first);
    }
    if (problem.empty()) {
        problem = consistencyProblem(progress);
    }
    if (!problem.empty()) {
        return {std::nullopt, problem};
    }
    return {progress, ""};
}
