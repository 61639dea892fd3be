// korvel-mediagen: writes the game's sounds and its dialogues file below a run directory.
// A program of its own so the build makes the sounds and texts without the game.

#include "Dialogues.h"
#include "Sounds.h"
#include "WavWriter.h"
#include "WholeFile.h"

#include <filesystem>
#include <fstream>
#include <iostream>

namespace fs = std::filesystem;

// korvel-mediagen <run-dir>: writes data/sound/*.wav and
// data/text/dialogues.txt below the run directory.
// korvel-mediagen --template <file>: writes the dialogues' lines as a
// gettext template for the translators.
int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--template") {
        std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
        writeDialogueTemplate(out, dialoguePartners());
        out.close();
        return out.fail() ? 1 : 0;
    }
    if (argc != 2) {
        std::cerr << "usage: korvel-mediagen <run-dir> | --template <file>\n";
        return 2;
    }
    const fs::path data = fs::path(argv[1]) / "data";
    std::error_code error;
    fs::create_directories(data / "sound", error);
    fs::create_directories(data / "text", error);

    for (const GameSound& sound : makeGameSounds()) {
        if (!writeWav(data / "sound" / sound.file, sound.samples)) {
            std::cerr << "korvel-mediagen: cannot write " << (data / "sound" / sound.file) << '\n';
            return 1;
        }
    }

    const std::vector<DialoguePartner>& partners = dialoguePartners();
    if (const std::string problem = unsafeDialogueLine(partners); !problem.empty()) {
        std::cerr << "korvel-mediagen: " << problem << '\n';
        return 1;
    }
    const fs::path dialogues = data / "text" / "dialogues.txt";
    const bool written = writeWholeFile(dialogues, [&partners](const std::string& temporary) {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        writeDialogues(out, partners);
        out.close();
        return !out.fail();
    });
    if (!written) {
        std::cerr << "korvel-mediagen: cannot write " << dialogues << '\n';
        return 1;
    }
    return 0;
}
