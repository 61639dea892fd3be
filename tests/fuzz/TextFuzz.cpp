// Text as the game reads it: the options file at start-up, the saved game,
// and the dialogues (the start-up check and every entry the quests ask for).
#include "FuzzScratch.h"
#include "app/Options.h"
#include "app/SaveText.h"
#include "game/DialogueFile.h"

#include <sstream>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    return enterScratchDir();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    writeInput("options.txt", data, size);
    options = Options{};
    loadOptions(), readOption("glutGameModeString");
    const std::string text(reinterpret_cast<const char*>(data), size);
    readSaveText(text);
    for (const char* partner : {"priester", "held"}) {
        std::istringstream whole(text);
        dialogueProblem(whole, partner);
        for (int entry = 1; entry <= 8; ++entry) {
            std::istringstream in(text);
            std::vector<std::string> texts, replies;
            readDialogueEntry(in, partner, entry, texts, replies);
        }
    }
    return 0;
}
