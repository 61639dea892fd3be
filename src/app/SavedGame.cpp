// Reading the save at the start, the start question, saving at level changes and ends, and ending on a caught signal.

#include "app/SavedGame.h"

#include "app/AppState.h"
#include "app/GameObjects.h"
#include "app/SaveText.h"
#include "game/DialogBox.h"
#include "game/KeyBindings.h"
#include "levels/LevelTables.h"
#include "levels/Translation.h"
#include "platform/DataFile.h"
#include "platform/PlayerFiles.h"

#include <csignal>
#include <cstdio>
#include <fstream>
#include <memory>
#include <optional>

namespace fs = std::filesystem;

namespace {

struct Run {
    SaveChoice choice = SaveChoice::Untouched;
    fs::path file;
    std::optional<GameProgress> toContinue;
    bool kept = false;          // saved at level changes and ends
    bool warned = false;        // the file could not be written, and was named
    bool finishSaved = false;
    std::unique_ptr<DialogBox> question;
};

Run run;

volatile std::sig_atomic_t caughtSignal = 0;
constexpr int endSignals[] = {SIGINT, SIGTERM, SIGHUP};

// What the file holds to continue, or nothing; a damaged file is named and
// set aside. False when it could not be set aside: the game must not write
// over it then.
bool readSave(const fs::path& file, std::optional<GameProgress>& toContinue)
{
    std::error_code error;
    if (!fs::exists(fs::symlink_status(file, error))) {
        return true;
    }
    std::ifstream in(file, std::ios::binary);
    std::string text(longestSaveText + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    const SaveReading reading = in.bad() || !in.is_open()
                                    ? SaveReading{std::nullopt, tr(N_("kann nicht gelesen werden"))}
                                                          : readSaveText(text);
    if (reading.progress) {
        if (!reading.progress->finished() && *reading.progress != GameProgress{}) {
            toContinue = reading.progress;
        }
        return true;
    }
    const fs::path aside = keepAside(file, "damaged");
    if (aside.empty()) {
        printWarning(file.string(),
                     trf(N_("%s; sie laesst sich nicht beiseitelegen, darum wird dieses Spiel nicht gespeichert"),
                         reading.problem));
        return false;
    }
    printWarning(file.string(), trf(N_("%s; aufbewahrt als %s, ein neues Spiel beginnt"), reading.problem,
                                    aside.filename().string()));
    return true;
}

void keepGame()
{
    run.kept = true;
    gameManager.afterLevelChange = saveGame;
}

void continueGame()
{
    gameManager.continueFrom(*run.toContinue);
    keepGame();
}

void openQuestion(const GameProgress& saved)
{
    run.question = std::make_unique<DialogBox>();
    run.question->loadModel();
    char where[160];
    // The lines are translated where the box shows them; this one only
    // after its level's name is filled in.
    std::snprintf(where, sizeof where, tr(N_("Zuletzt warst du hier: %s.")), tr(levelTable(saved.levelNumber)->name));
    run.question->texts = {N_("Willkommen zurueck, Fenno!"), N_("Dein Abenteuer ist noch nicht zu Ende."), where};
    run.question->replies = {N_("1: Dort weiterspielen"), N_("2: Ein neues Spiel beginnen")};
    run.question->hidden = false;
    appState.startQuestionOpen = true;
}

} // namespace

fs::path playerSaveFile()
{
    const fs::path folder = playerFolder(PlayerFolder::Data);
    return folder.empty() ? folder : folder / "savegame.txt";
}

void openSavedGame(SaveChoice choice, const fs::path& file)
{
    forgetSavedGame();
    if (choice == SaveChoice::Untouched) {
        return;
    }
    if (file.empty()) {
        printWarning("savegame.txt", tr(N_("hat keinen Platz: weder XDG_DATA_HOME noch HOME ist gesetzt; dieses "
                                           "Spiel wird nicht gespeichert")));
        return;
    }
    if (!readSave(file, run.toContinue)) {
        return;
    }
    run.choice = choice;
    run.file = file;
    struct sigaction caught {};
    caught.sa_handler = [](int number) { caughtSignal = number; };
    caught.sa_flags = SA_RESTART;
    sigemptyset(&caught.sa_mask);
    for (const int number : endSignals) {
        sigaction(number, &caught, nullptr);
    }
}

void startSavedGame()
{
    if (run.choice == SaveChoice::Untouched) {
        return;
    }
    if (run.toContinue && run.choice == SaveChoice::Ask) {
        openQuestion(*run.toContinue);
    } else if (run.toContinue && run.choice == SaveChoice::Continue) {
        continueGame();
    } else {
        keepGame();
    }
}

void drawStartQuestion()
{
    run.question->draw(Matrix4());
}

void answerStartQuestion(unsigned char key)
{
    // The answer keys in force, as the box names them.
    const std::optional<Action> answer = keyBindings.actionOf(key, true);
    if (answer != Action::Answer1 && answer != Action::Answer2) {
        return;
    }
    appState.startQuestionOpen = false;
    run.question.reset();
    if (answer == Action::Answer1) {
        continueGame();
    } else {
        keepGame();
    }
}

void saveGame()
{
    if (!run.kept) {
        return;
    }
    const std::string problem = writeFileAtomically(run.file, saveText(gameManager.progress()));
    if (!problem.empty() && !run.warned) {
        run.warned = true;
        printWarning(run.file.string(), trf(N_("%s; das Spiel geht ungespeichert weiter"), problem));
    }
}

void saveWhenFinished(bool lastQuestFinished)
{
    if (lastQuestFinished && !run.finishSaved) {
        run.finishSaved = true;
        saveGame();
    }
}

void endOnCaughtSignal()
{
    if (caughtSignal == 0) {
        return;
    }
    const int number = caughtSignal;
    saveGame();
    std::signal(number, SIG_DFL);
    std::raise(number);
}

void forgetSavedGame()
{
    if (run.choice != SaveChoice::Untouched) {
        for (const int number : endSignals) {
            std::signal(number, SIG_DFL);
        }
    }
    run = Run{};
}
