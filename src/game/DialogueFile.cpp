#include "game/DialogueFile.h"

#include <cstdio>
#include <fstream>

namespace {

// One line without its end; a Windows line end counts as a plain one.
bool nextLine(std::ifstream& in, std::string& line)
{
    if (!std::getline(in, line)) {
        return false;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
}

} // namespace

void readDialogueEntry(const std::string& partner, int entry,
                       std::vector<std::string>& texts, std::vector<std::string>& replies)
{
    const std::string partnerKey = "#" + partner;
    const std::string entryKey = "#" + std::to_string(entry);
    const std::string nextKey = "#" + std::to_string(entry + 1);

    std::ifstream in(dialoguesFile);
    if (!in) {
        std::fputs("Unable to open file", stdout);
        return;
    }

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
