// Writing the facts of a saved game as lines, and reading them back with every value and combination checked.

#include "app/SaveText.h"

#include "platform/DataFile.h"

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
                return "is no saved game of Korvel";
            }
            const NumberReading major = readNumber(value.substr(0, dot), {saveFormatMajor, saveFormatMajor});
            const NumberReading minorPart = readNumber(value.substr(dot + 1), {0, 9999});
            if (major.verdict != NumberReading::Verdict::Valid || minorPart.verdict != NumberReading::Verdict::Valid) {
                return "is of version " + std::string(value) + (major.verdict == NumberReading::Verdict::TooLarge
                                                                    ? ", from a newer Korvel"
                                                                    : ", which no Korvel writes");
            }
            minor = minorPart.value;
        } else if (!line.empty() && !line.starts_with('#')) {
            if (space == std::string_view::npos) {
                return "holds the line \"" + std::string(line) + "\", which is no fact";
            }
            if (!facts.emplace(key, value).second) {
                return "holds " + std::string(key) + " twice";
            }
        }
    }
    return first ? "is empty" : "";
}

// What play never leaves behind; the first rule broken is named.
struct Rule {
    bool (*broken)(const GameProgress&);
    const char* problem;
};

const Rule rules[] = {
    {[](const GameProgress& p) { return p.levelNumber >= 3 && !p.level3Visited; },
     "has a levelNumber beyond 2 without level3Visited"},
    {[](const GameProgress& p) { return p.levelNumber >= 5 && !p.level5Visited; },
     "has a levelNumber beyond 4 without level5Visited"},
    // A return from a side trip is counted as the area left is entered again.
    {[](const GameProgress& p) { return p.level2.hermit.collected > 0 && (!p.level3Visited || p.levelNumber == 3); },
     "counts a return from level 3 in level2.hermit.collected that has not happened"},
    {[](const GameProgress& p) { return p.level4.officer.collected > 0 && (!p.level5Visited || p.levelNumber == 5); },
     "counts a return from level 5 in level4.officer.collected that has not happened"},
    {[](const GameProgress& p) { return p.level2.sacksBrought > 0 && p.level2.hermit.collected == 0; },
     "has level2.sacksBrought without a return from level 3"},
    {[](const GameProgress& p) { return p.level3.feedCount > 0 && !p.level3.barrowTaken; },
     "has a level3.feedCount without level3.barrowTaken"},
    {[](const GameProgress& p) { return p.level4.barrierOpened && !p.level4.officer.rewarded; },
     "has level4.barrierOpened before level4.officer.rewarded"},
    {[](const GameProgress& p) { return p.level5.cageClosed && std::ranges::count(p.level5.caught, true) < 5; },
     "has level5.cageClosed with snakes not caught"},
    {[](const GameProgress& p) { return p.level5.badgeCount > 0 && !p.level5.cageClosed; },
     "has a level5.badgeCount without level5.cageClosed"},
};

// A thanks ends a task that was under way and had its items; only the
// priest's thanks finish the old woman's task without her own.
std::string questProblem(const std::string& name, const QuestProgress& q, bool finishedByAnother)
{
    if (q.rewarded && (q.accepted || !q.finished || q.collected < 1)) {
        return "has " + name + ".rewarded for a task not done";
    }
    if (q.finished && !q.accepted && !q.rewarded && !finishedByAnother) {
        return "has " + name + ".finished for a task never accepted";
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
    return rule == std::end(rules) ? "" : rule->problem;
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
        return {std::nullopt, "is larger than any saved game"};
    }
    if (!isPlainText(text)) {
        return {std::nullopt, "holds bytes that are not text"};
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
            problem = "lacks " + key;
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
                problem = key + " \"" + *value + "\" is neither yes nor no";
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
        problem = "holds the unknown fact " + facts.begin()->first;
    }
    if (problem.empty()) {
        problem = consistencyProblem(progress);
    }
    if (!problem.empty()) {
        return {std::nullopt, problem};
    }
    return {progress, ""};
}
