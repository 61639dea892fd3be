// The dialogues file's reader: sections, numbered entries, texts, replies and what is wrong with it.

#include "game/DialogueFile.h"

#include "platform/DataFile.h"
#include "platform/Language.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

// One line without its end; a Windows line end counts as a plain one.
bool nextLine(std::istream& in, std::string& line)
{
    if (!std::getline(in, line)) {
        return false;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
}

bool isNumberLine(const std::string& line)
{
    return line.size() > 1 && line[0] == '#' && std::isdigit(static_cast<unsigned char>(line[1]));
}

} // namespace

void readDialogueEntry(const std::string& partner, int entry,
                       std::vector<std::string>& texts, std::vector<std::string>& replies)
{
    std::ifstream in(dialoguesFile);
    if (!in) {
        std::fputs("Unable to open file", stdout);
        return;
    }
    readDialogueEntry(in, partner, entry, texts, replies);
}

void readDialogueEntry(std::istream& in, const std::string& partner, int entry,
                       std::vector<std::string>& texts, std::vector<std::string>& replies)
{
    const std::string partnerKey = "#" + partner;
    const std::string entryKey = "#" + std::to_string(entry);
    const std::string nextKey = "#" + std::to_string(entry + 1);

    bool inSection = false;
    bool inEntry = false;
    std::string line;
    while (nextLine(in, line)) {
        if (line == partnerKey) {
            inSection = true;
        } else if (inSection && line == entryKey) {
            inEntry = true;
        } else if (inSection && inEntry) {
            // A file that ends inside a block keeps what was read so far.
            if (line == "#text") {
                while (nextLine(in, line) && line != "#replies") {
                    texts.push_back(line);
                }
            }
            if (line == "#replies") {
                while (nextLine(in, line) && line != "#end" && line != nextKey) {
                    replies.push_back(line);
                }
            }
            inSection = false;
            inEntry = false;
        }
    }
}

std::string dialogueProblem(std::istream& in, const std::string& partner)
{
    const std::string contents{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!isPlainText(contents)) {
        return tr(N_("enthaelt Bytes, die kein Text sind"));
    }
    std::istringstream lines(contents);
    bool inBlock = false; // between "#text" or "#replies" and what closes the entry
    bool hasPartner = false;
    std::string line;
    while (nextLine(lines, line)) {
        if (line == "#text" || line == "#replies") {
            inBlock = true;
        } else if (line.starts_with("#") && !inBlock) {
            hasPartner = hasPartner || line == "#" + partner;
        } else if (line == "#end" || isNumberLine(line)) {
            inBlock = false;
        }
    }
    if (inBlock) {
        return tr(N_("endet mitten in einem Eintrag"));
    }
    return hasPartner ? "" : trf(N_("hat kein Gespraech fuer %s"), partner);
}

void checkDialogueFile(const std::string& partner)
{
    std::ifstream in(dialoguesFile, std::ios::binary);
    const std::string problem = in ? dialogueProblem(in, partner) : tr(N_("kann nicht geoeffnet werden"));
    if (!problem.empty()) {
        warnAboutFile(dialoguesFile, problem);
    }
}
