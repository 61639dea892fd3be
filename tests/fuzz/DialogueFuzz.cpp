// Dialogue texts: the start-up check and every entry the quests ask for.
#include "game/DialogueFile.h"

#include <cstddef>
#include <cstdint>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const char* partner : {"priester", "held"}) {
        std::istringstream whole(text);
        dialogueProblem(whole, partner);
        for (int entry = 1; entry <= 8; ++entry) {
            std::istringstream in(text);
            std::vector<std::string> texts;
            std::vector<std::string> replies;
            readDialogueEntry(in, partner, entry, texts, replies);
        }
    }
    return 0;
}
