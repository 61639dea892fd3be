// Building the tree, switching levels, a frame of the game, its text lines and the function keys.

#include "app/GameManager.h"

#include "app/Panels.h"
#include "game/ControlNode.h"
#include "game/KeyBindings.h"
#include "game/Quest.h"
#include "levels/ControlKeys.h"
#include "levels/GuideTexts.h"
#include "levels/Journal.h"
#include "levels/LevelTables.h"
#include "levels/Translation.h"
#include "model/MeshGeometry.h"
#include "model/Ms3dReader.h"
#include "platform/DataFile.h"
#include "platform/Host.h"
#include "platform/Random.h"
#include "platform/Sound.h"

#include <GL/freeglut.h>

#include <cstdio>

namespace {

// Text rows of the game manager, pixels from the left and the top.
constexpr float textX = 10.0f;
constexpr float promptY = 30.0f;
constexpr float fpsY = 70.0f;
constexpr float messageY = 110.0f;
constexpr int messageDuration = 2000; // ms
constexpr int areaNameDuration = 3000; // ms the area's name stays after entering it
constexpr float areaNameY = 60.0f;
constexpr float panelTop = 140.0f;
constexpr char journalKey = '\t';
constexpr int fpsWindow = 50;          // ms a measurement spans at least

// The particles' rebirths draw from here on in the random sequence: where
// the game's set-up has always left it (two systems of 1000 particles drew
// their fade rates for each of the 200 model nodes it made), so the glow
// and the smoke play out as they always have.
constexpr long firstDrawInPlay = 400000;

void makeBlackTimes24(TextStyle& style)
{
    style.font = GLUT_BITMAP_TIMES_ROMAN_24;
    style.red = 0.0f;
    style.green = 0.0f;
}

constexpr TextStyle panelStyle{GLUT_BITMAP_HELVETICA_12, 1.0f, 1.0f, 1.0f};
constexpr TextStyle areaNameStyle{GLUT_BITMAP_TIMES_ROMAN_24, 1.0f, 0.85f, 0.4f};

// A function key turns its flag over (if it has one), applies it and says
// `on` or `off` by the flag, or `on` alone; no text keeps the message.
struct FunctionKey {
    int key;
    bool GameManager::*flag;
    const char* on;
    const char* off;
    void (*apply)(GameManager&);
};

constexpr FunctionKey functionKeys[] = {
    {GLUT_KEY_F1, nullptr, N_("H I L F E"), nullptr,
     [](GameManager&) { playSound("data/sound/hilfe.wav", SoundMode::Once); }},
    {GLUT_KEY_F2, &GameManager::showFps, nullptr, nullptr, nullptr},
    {GLUT_KEY_F3, &GameManager::wireframe, nullptr, nullptr,
     [](GameManager& game) {
         glPolygonMode(GL_FRONT_AND_BACK, game.wireframe ? GL_LINE : GL_FILL);
         ModelNode::cullBackFaces = !game.wireframe;
     }},
    {GLUT_KEY_F4, &GameManager::highTextureQuality, N_("Texturqualitaet hoch"), N_("Texturqualitaet nieder"),
     [](GameManager& game) {
         for (int number = 1; number <= 6; ++number) {
             Level& level = *game.levelByNumber(number);
             for (ModelNode* surface : {&level.sky, &level.ground}) {
                 surface->highQualityTextures = game.highTextureQuality;
                 surface->applyTextureQuality();
             }
         }
     }},
    // Only the village's sky and ground switch, each by turning its own flag.
    {GLUT_KEY_F5, &GameManager::mipMapping, N_("Mip Mapping ein"), N_("Mip Mapping aus"),
     [](GameManager& game) {
         for (ModelNode* surface : {&game.level1.sky, &game.level1.ground}) {
             surface->textureFlag = !surface->textureFlag;
             surface->reloadTexturesWithFlag();
         }
     }},
    {GLUT_KEY_F6, nullptr, N_("Sie befinden sich im Immediate Mode"), nullptr, nullptr},
    {GLUT_KEY_F7, &GameManager::displayLists, N_("Display Lists ein"), N_("Display Lists aus"),
     [](GameManager& game) {
         for (int number = 1; number <= 6; ++number) {
             Level& level = *game.levelByNumber(number);
             for (const auto* group : {&level.trees, &level.forests}) {
                 for (ModelNode* node : *group) {
                     node->useDisplayList = game.displayLists;
                 }
             }
         }
     }},
    {GLUT_KEY_F8, &GameManager::frustumCulling, N_("View frustum culling ein"), N_("View frustum culling aus"),
     nullptr},
};

} // namespace

GameManager::GameManager()
{
    makeBlackTimes24(promptStyle);
}

Level* GameManager::levelByNumber(int number)
{
    switch (number) {
    case 1: return &level1;
    case 2: return &level2;
    case 3: return &level3;
    case 4: return &level4;
    case 5: return &level5;
    case 6: return &level6;
    default: return nullptr;
    }
}

std::string GameManager::missingPlayerFigure()
{
    for (int number = 1; number <= 6; ++number) {
        for (const ObjectRow& row : levelTable(number)->objects) {
            if (row.kind != Kind::Avatar) {
                continue;
            }
            std::string problem;
            const auto figure = readMs3dFile(row.model, &problem);
            if (!figure || figure->vertices.empty()) {
                warnAboutFile(row.model, figure ? tr(N_("enthaelt keine Eckpunkte")) : problem);
                return row.model;
            }
        }
    }
    return "";
}

void GameManager::init()
{
    root.setName("Ruth");
    level1.setName("Level1");
    level2.setName("Level2");
    level3.setName("Level3");
    level4.setName("Level4");
    level5.setName("Level5");
    level6.setName("Level6");
    root.addChild(controlNode);
    setName("Gamemanager");
    controlNode->addChild(this);
    controlNode->setName("Steuerung");

    levelNumber = 1;
    switchLevel();
    lensFlare.loadTextures();

    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glShadeModel(GL_SMOOTH);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    // Models are scaled as they are placed; lighting needs their normals at
    // unit length again, or a small model is lit many times too brightly.
    glEnable(GL_NORMALIZE);

    for (int number = 1; number <= 6; ++number) {
        levelByNumber(number)->setup();
    }
    seekRandom(firstDrawInPlay);

    // Every tree and every forest of the game shares the geometry of the
    // first one loaded; each still draws with its own model's materials.
    const unsigned int first = glGenLists(4);
    for (int i = 0; i < 4; ++i) {
        displayListIds[i] = first + static_cast<unsigned int>(i);
    }
    if (!level2.trees.empty()) {
        compileMeshLists(*level2.trees.front()->drawnModel, first);
    }
    if (!level1.forests.empty()) {
        compileMeshLists(*level1.forests.front()->drawnModel, first + 2);
    }
    for (int number = 1; number <= 6; ++number) {
        Level* level = levelByNumber(number);
        for (ModelNode* tree : level->trees) {
            tree->displayListBase = first;
        }
        for (ModelNode* forest : level->forests) {
            forest->displayListBase = first + 2;
        }
    }
}

void GameManager::switchLevel()
{
    Level* next = levelByNumber(levelNumber);
    if (next == nullptr || next == currentLevel) {
        return;
    }

    if (levelNumber == 2 && level3Visited) {
        level2.returnFromSideTrip(level3.feedCount); // the sacks left on the wheelbarrow
    } else if (levelNumber == 3) {
        level3Visited = true;
    } else if (levelNumber == 4 && level5Visited) {
        level4.returnFromSideTrip(1); // the badge from the snake pit
    } else if (levelNumber == 5 || levelNumber == 6) {
        level5Visited = true;
    }
    enter(next);
}

void GameManager::enter(Level* next)
{
    Level* previous = currentLevel;
    if (next == previous) {
        return;
    }
    // Only the first switch, from init, has nothing to detach.
    if (previous != nullptr) {
        controlNode->inputMode = 'l';
        previous->removeChild(&previous->geoBranch);
        controlNode->removeChild(previous);
        // A looped sound belongs to the level that started it: it ends
        // here, unless the avatar of the level entered still whistles.
        if (next->avatar.whistling || soundStatus().lastMode == SoundMode::Looped) {
            next->avatar.playWhistleSound();
        }
    }

    next->addChild(&next->geoBranch);
    currentLevel = next;
    next->nextLevel = levelNumber;
    controlNode->camera = &next->camera;
    controlNode->avatar = &next->avatar;
    controlNode->addChild(next);
    next->controls = controlNode;
    controlNode->inputMode = 'a';
    next->camera.apply();
    areaShownAt = Host::current().elapsedMs();
    panelStale = true;
}

void GameManager::runFrame()
{
    if (currentLevel == nullptr) {
        return;
    }
    if (currentLevel->nextLevel != levelNumber) {
        if (levelByNumber(currentLevel->nextLevel) != nullptr) {
            levelNumber = currentLevel->nextLevel;
            switchLevel();
            if (afterLevelChange) {
                afterLevelChange();
            }
        } else {
            // No such level: stay and forget the request.
            currentLevel->nextLevel = levelNumber;
        }
    }
    Level& level = *currentLevel;
    level.avatar.frameRate = framesPerSecond;
    level.fps = framesPerSecond;
    level.cullsOutOfView = frustumCulling;
    level.frame();
    controlNode->sendHeldCommands();
    // Rewritten only when the prompt or the keys change, not every frame.
    if (level.prompt != promptGiven || keyBindings.stamp() != promptStamp || currentLanguage() != promptLanguage) {
        promptGiven = level.prompt;
        promptStamp = keyBindings.stamp();
        promptLanguage = currentLanguage();
        promptShown = keyBindings.withKeysInForce(tr(promptGiven.c_str()));
    }
    // In a conversation the box says what can be done.
    if (controlNode->inputMode != 'g') {
        promptStyle.print(promptStyle.font, promptShown.c_str(), textX, promptY);
    }
    if (level.unansweredKey != 0) {
        message = level.unansweredKey == 'e' ? guide::nobodyToTalkTo : guide::nothingToTake;
        messageTime = Host::current().elapsedMs();
        level.unansweredKey = 0;
    }

    frustum.extract();
    if (frustum.pointInside(level.light.position)) {
        lensFlare.render(level.camera.eye(), level.camera.target, level.light.position);
    }

    // Measured over windows of more than 50 ms, so the divisor is never 0.
    ++frameCount;
    const int now = Host::current().elapsedMs();
    lastFrameTime = now;
    if (now - fpsTime > fpsWindow) {
        framesPerSecond = static_cast<float>(frameCount) * 1000.0f / static_cast<float>(now - fpsTime);
        fpsTime = now;
        frameCount = 0;
    }
    drawTexts();
}

void GameManager::drawTexts()
{
    if (showFps) {
        makeBlackTimes24(fpsStyle);
        // %g is the stream's default float format: six significant digits.
        char text[32];
        std::snprintf(text, sizeof text, "%g", static_cast<double>(framesPerSecond));
        fpsStyle.print(fpsStyle.font, text, textX, fpsY);
    }
    if (lastFrameTime - messageTime >= messageDuration) {
        message.clear();
    } else {
        promptStyle.print(promptStyle.font, tr(message.c_str()), textX, messageY);
    }
    drawGuidance();
}

void GameManager::drawGuidance()
{
    const Level& level = *currentLevel;
    if (lastFrameTime - areaShownAt < areaNameDuration) {
        drawCentred(tr(level.table.name), areaNameY, areaNameStyle);
    }
    if (level.avatar.whistling) {
        drawCentred(tr(guide::whistling), static_cast<float>(Host::current().windowHeight()) - 20.0f, panelStyle);
    }
    if (!helpOpen && !journalOpen) {
        return;
    }
    if (journalOpen && !helpOpen && (!(progress() == panelProgress) || currentLanguage() != panelLanguage)) {
        panelStale = true;
    }
    if (panelStale) {
        writePanel();
    }
    drawPanel(panelLines, panelTop, panelStyle);
}

void GameManager::writePanel()
{
    panelStale = false;
    panelLines.clear();
    if (helpOpen) {
        panelLines.emplace_back(tr(guide::helpTitle));
        for (const ControlKey& k : controlKeys) {
            panelLines.push_back(controlKeyName(k, keyBindings) + ":  " + tr(k.action));
        }
        return;
    }
    std::vector<const Quest*> quests;
    for (int number = 1; number <= 6; ++number) {
        const auto& own = levelByNumber(number)->quests;
        quests.insert(quests.end(), own.begin(), own.end());
    }
    panelLines = journalLines(currentLevel->table.name, quests);
    panelProgress = progress();
    panelLanguage = currentLanguage();
}

void GameManager::command(int key)
{
    if (key == journalKey) {
        journalOpen = !journalOpen;
    }
    // Talking changes what the journal knows: it is written again next frame.
    panelStale = panelStale || key == journalKey || key == 'e';
    SceneNode::command(key);
}

void GameManager::onKey(int key)
{
    helpOpen = key == GLUT_KEY_F1 && !helpOpen;
    panelStale = true;
    for (const FunctionKey& f : functionKeys) {
        if (f.key == key) {
            const bool on = f.flag == nullptr || (this->*f.flag = !(this->*f.flag));
            if (f.apply != nullptr) f.apply(*this);
            if (f.on != nullptr) message = on ? f.on : f.off;
        }
    }
    messageTime = Host::current().elapsedMs();
}

GameProgress GameManager::progress() const
{
    return {levelNumber,       level3Visited,     level5Visited,     level1.progress(), level2.progress(),
            level3.progress(), level4.progress(), level5.progress(), level6.progress()};
}

void GameManager::continueFrom(const GameProgress& saved)
{
    level3Visited = saved.level3Visited;
    level5Visited = saved.level5Visited;
    level1.restore(saved.level1);
    level2.restore(saved.level2);
    level3.restore(saved.level3);
    level4.restore(saved.level4);
    level5.restore(saved.level5);
    level6.restore(saved.level6);
    if (Level* level = levelByNumber(saved.levelNumber)) {
        levelNumber = saved.levelNumber;
        enter(level);
    }
}

bool GameManager::lastQuestFinished() const
{
    return level6.heroQuest.finished;
}
