// The game as a whole: the scene tree's root, the six levels, the frame and the level switch.
// Above the levels, as the one place that knows every level and runs a frame of the game.

#pragma once

#include "effects/LensFlare.h"
#include "game/TextStyle.h"
#include "levels/Level1.h"
#include "levels/Level2.h"
#include "levels/Level3.h"
#include "levels/Level4.h"
#include "levels/Level5.h"
#include "levels/Level6.h"
#include "model/Frustum.h"
#include "scene/SceneNode.h"

#include <functional>
#include <string>
#include <vector>

class ControlNode;

// Owns the game: the root of the scene tree, all six levels (built once at
// start-up and kept for the whole run), the view frustum, the lens flare,
// the three text lines it draws and the render switches of the function
// keys. A level asks for another by writing its `nextLevel`; the switch
// happens at the start of the next frame and only re-links nodes.
class GameManager : public SceneNode {
public:
    GameManager();

    // Builds the tree "Ruth" -> "Steuerung" -> ("Gamemanager", current
    // level), loads everything of every level and compiles the shared tree
    // and forest display lists. Runs once, with the GL context present.
    void init();
    // One game frame: switch, draw the level, held keys, texts, culling,
    // lens flare, frame rate, message.
    void runFrame();
    // Detaches the current level and attaches the one numbered `levelNumber`,
    // after the side trips' bookkeeping (a return counts what it brought).
    void switchLevel();
    // What the player has achieved in the whole game.
    GameProgress progress() const;
    // Once after init, before the first frame: every level set back to its
    // record and the saved level entered, where the player stands at its
    // entry, or at its return place after a side trip, as play puts them.
    void continueFrom(const GameProgress& saved);
    // F1 to F8: help, frame rate, wireframe, texture quality, mip-maps,
    // display lists, culling; every special key re-arms the message. F1 also
    // opens the list of keys, which any other key closes.
    void onKey(int key) override;
    // Tab opens and closes the journal.
    void command(int key) override;
    // A key was pressed: the list of keys closes.
    void closeHelp()
    {
        panelStale = panelStale || helpOpen;
        helpOpen = false;
    }
    // True once the last quest of the game is finished: the cue for the outro.
    bool lastQuestFinished() const;
    // The level numbered 1 to 6, or nullptr.
    Level* levelByNumber(int number);
    // The game cannot run without the player's figure: "" when its model
    // can be read, else its file name (what is wrong is named on the console).
    static std::string missingPlayerFigure();

    SceneNode root;
    Level1 level1;
    Level2 level2;
    Level3 level3;
    Level4 level4;
    Level5 level5;
    Level6 level6;
    Level* currentLevel = nullptr;
    // The parent of this node and of the current level; set before init.
    ControlNode* controlNode = nullptr;
    Frustum frustum;
    int frameCount = 0;       // frames since the last measurement
    int lastFrameTime = 0;    // ms, elapsed time read in the latest frame
    int fpsTime = 0;          // ms, elapsed time of the latest measurement
    float framesPerSecond = 80.0f;
    TextStyle fpsStyle;
    TextStyle promptStyle;
    std::string message;
    int messageTime = 0;      // ms, when `message` was last armed
    bool showFps = false;
    bool journalOpen = false;
    bool helpOpen = false;
    int areaShownAt = 0;      // ms, when the current area was entered
    // The open panel's lines, written again only when what they say changes.
    std::vector<std::string> panelLines;
    GameProgress panelProgress;
    Language panelLanguage = Language::German;
    bool panelStale = true;
    bool frustumCulling = true;
    bool wireframe = false;
    bool displayLists = false;
    LensFlare lensFlare;
    // Progress of the game as a whole: where the player is and which side
    // trips have been made (each level keeps its own).
    int levelNumber = 1;
    bool level3Visited = false;
    bool level5Visited = false; // Level 5 or 6 has been entered
    // Runs right after a level change, before the new level's first frame
    // (start-up saves the game here); empty: nothing.
    std::function<void()> afterLevelChange;
    unsigned int displayListIds[4] = {};
    bool highTextureQuality = true;
    bool mipMapping = false;

private:
    // Detaches the current level and attaches `next`.
    void enter(Level* next);
    // The level's prompt as last given, and as shown in the language and with the keys in force.
    std::string promptGiven;
    std::string promptShown;
    int promptStamp = -1;
    Language promptLanguage = Language::German;
    void drawTexts();
    // The area's name after entering it, the whistle's cue, the journal and the keys.
    void drawGuidance();
    void writePanel();
};
