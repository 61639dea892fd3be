// What a saved game's text yields: every record back as written, and every kind of damage refused with its reason.
#include "app/SaveText.h"
#include "support/SavedGames.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Every number at the top of its range and every flag set but "under way": a finished game.
GameProgress everythingDone()
{
    GameProgress p;
    forEachFact(p, [](const std::string& key, auto& value, auto... range) {
        if constexpr (sizeof...(range) == 0) {
            value = !key.ends_with(".accepted");
        } else {
            value = (range.most, ...);
        }
    });
    return p;
}

// The text of `p` with the line starting with `key` replaced by `line` (left out when empty).
std::string withLine(const GameProgress& p, const std::string& key, const std::string& line)
{
    std::string text = saveText(p);
    const auto at = text.find("\n" + key + " ") + 1;
    text.replace(at, text.find('\n', at) + 1 - at, line.empty() ? "" : line + "\n");
    return text;
}

TEST(SaveText, EveryRecordComesBackAsWritten)
{
    for (const GameProgress& p : {GameProgress{}, inTheYard(), everythingDone()}) {
        const SaveReading reading = readSaveText(saveText(p));
        EXPECT_EQ(reading.problem, "");
        EXPECT_TRUE(reading.progress == p) << saveText(p);
    }
    // A newer minor version adds facts this game leaves out; carriage returns are forgiven.
    std::string text = withLine(inTheYard(), "levelNumber", "levelNumber 3\r\nlevel7.dragons 12");
    text.replace(0, text.find('\n'), "korvel-savegame 1.4");
    EXPECT_TRUE(readSaveText(text).progress == inTheYard()) << readSaveText(text).problem;
}

TEST(SaveText, DamageIsRefusedWithItsReason)
{
    const GameProgress yard = inTheYard();
    const std::string whole = saveText(yard);
    struct Damage {
        std::string text, problem;
    };
    const Damage damages[] = {
        {"", "ist leer"},
        {whole.substr(0, whole.rfind('\n', whole.size() / 2) + 1), "hat keine Angabe "},
        {"\x7f" "ELF\x02\x01\x01", "enthaelt Bytes, die kein Text sind"},
        {"[Settings]\nvolume=3\n", "ist kein gespeichertes Spiel von Korvel"},
        {"korvel-savegame 2.0\n", "hat die Version 2.0, von einem neueren Korvel"},
        {std::string(70000, '#'), "ist groesser als jedes gespeicherte Spiel"},
        {withLine(yard, "levelNumber", "levelNumber 9"), "levelNumber \"9\""},
        {withLine(yard, "level3.feedCount", "level3.feedCount -2"), "level3.feedCount \"-2\""},
        {withLine(yard, "level3.barrowTaken", "level3.barrowTaken maybe"), "ist weder yes noch no"},
        {withLine(yard, "level3.barrowTaken", "level3.barrowTaken no"), "ohne level3.barrowTaken"},
        {withLine(yard, "level2.hermit.finished", "level2.hermit.finished yes\nlevel2.hermit.finished yes"),
         "enthaelt level2.hermit.finished doppelt"},
        {withLine(yard, "level6.hero.finished", "level6.hero.finished yes"), "nie angenommen"},
        {withLine(yard, "level3Visited", "level3Visited no"), "ueber 2 ohne level3Visited"},
        {withLine(yard, "level5.badgeCount", "level5.badgeCount 1"), "ohne level5.cageClosed"},
        {withLine(yard, "level3.feedCount", "sacksgalore"), "enthaelt die Zeile \"sacksgalore\", die keine Angabe ist"},
    };
    for (const auto& [text, problem] : damages) {
        const SaveReading reading = readSaveText(text);
        EXPECT_FALSE(reading.progress) << problem;
        EXPECT_NE(reading.problem.find(problem), std::string::npos) << reading.problem;
    }
}

} // namespace
