// One playing area built from its table: its objects, keys, drawing, proximity rules and exits.
// Kept apart from the six levels so each of them holds only its table and its script.

#pragma once

#include "game/Avatar.h"
#include "game/LevelTable.h"
#include "game/TextStyle.h"
#include "model/Camera.h"
#include "model/Frustum.h"
#include "model/LightNode.h"
#include "model/ModelNode.h"
#include "scene/SceneNode.h"

#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class ControlNode;
class ParticleSpray;
class Quest;

// One proximity rule: standing closer than `radius` to `object` (strictly)
// shows `text` (nullptr leaves the line as it was) and selects the object.
// An exit's rule leads to level `exitTarget` and selects nothing.
struct ProximityRule {
    ModelNode* object;
    float radius;
    const char* text;
    int exitTarget = 0;
};

// One playing area. At set-up it makes a node for every row of its table and
// owns them for the whole run; only the current level hangs in the scene
// tree (the game manager links its `geoBranch` in and out). Each frame it
// draws its scene, paces its animations, selects what the avatar stands at,
// opens its exits and runs its script; its keys are talk, skip, close and
// look, and every key is forwarded to its children so quests below the
// scenery receive them. A level's own class adds only its script.
class Level : public SceneNode {
public:
    explicit Level(const LevelTable& table);
    ~Level() override;

    // 'e' talk, 'l' skip, 'q' close the conversation, 'v' look; every key
    // is then forwarded to the children (SceneNode).
    void command(int key) override;
    // Once at start-up: names geoBranch "Geobranch", makes, places and loads
    // the node of every row, links them below geoBranch in row order, lists
    // the obstacles, rules, partners and look order, finds the script's
    // handles and gives its quests. A table that makes no sense, or a handle
    // whose name the table lacks, stops here with a std::logic_error.
    void setup();
    // Once per frame while current: draw, pace animations, select, leave
    // through an open exit, then the script.
    void frame();
    // Draws the object's description lines while it is selected.
    void showDescription(ModelNode& object);
    // After set-up, the node made for the row `name`; a name the table
    // lacks, or a node of another type, throws.
    template <typename T>
    T* find(std::string_view name)
    {
        if (T* node = dynamic_cast<T*>(nodeOf(name))) {
            return node;
        }
        throw missing(name);
    }

    const LevelTable& table;
    ModelNode geoBranch;
    Avatar avatar;
    Camera camera;
    ModelNode ground;
    ModelNode sky;
    ModelNode hill;
    LightNode light;
    LightNode light2;
    float fps = 1.0f;
    TextStyle textStyle;
    int nextLevel = 0;
    std::string prompt;
    // The game manager's input node, set at each switch to this level.
    ControlNode* controls = nullptr;
    // On, the objects, the shadows and the pieces of the ground and the
    // hills out of view are left out (the game manager's view-frustum culling).
    bool cullsOutOfView = true;
    // The avatar's collision list; also the objects culled.
    std::vector<ModelNode*> obstacles;
    // Whatever casts a shadow.
    std::vector<ModelNode*> shadowCasters;
    // Trees and forests, which the game manager lets draw from its shared
    // display lists.
    std::vector<ModelNode*> trees;
    std::vector<ModelNode*> forests;
    // The quests of this area, in the order the level gives them.
    std::vector<Quest*> quests;
    // 'e' or 'm' pressed with nobody, or nothing, near; 0 once the game has said so.
    int unansweredKey = 0;
    // The models, the ground and the hills are drawn ahead of the scene (see
    // drawOpaqueAhead); off, all in the scene's order: the same picture,
    // more pixels shaded.
    bool drawsAhead = true;

protected:
    // The script's own part of set-up, once its handles are found.
    virtual void setUpScript() {}
    // The script's part of each frame, after the rules: `reached` is the
    // object whose rule matched, or nullptr.
    virtual void runScript(ModelNode* /*reached*/) {}
    // Whether the exit leading to level `target` lets the player through now.
    virtual bool exitOpen(int /*target*/) const { return true; }

    // At set-up, hangs `quest` below the node of row `giver`, with the row's texts.
    void giveQuest(Quest& quest, const char* giver);
    // Puts the avatar and the camera where the table's return from a side
    // trip starts, moves the exit it closes out of reach and sets the skip
    // key's new level.
    void applyReturn();
    // Tries the rules in order, passing over those whose object the avatar
    // carries; the first one the avatar stands inside sets the prompt and
    // (unless an exit) the object's selected flag. Returns its index, or -1
    // after showing `idleText` and clearing the selected flags of every
    // object a rule can select.
    int select(std::span<const ProximityRule> rules, const char* idleText);

    // The proximity rules in the order they are tried.
    std::vector<ProximityRule> rules;
    // Every object a rule can select; cleared when the avatar stands at nothing.
    std::vector<ModelNode*> selectable;
    // The objects 'v' describes, first selected one wins.
    std::vector<ModelNode*> lookOrder;

private:
    template <typename T>
    friend class Handle;
    friend class ActorRun;

    struct PacedAnimation {
        ModelNode* node;
        int slot;
        int k;
    };

    // The actors of the `count` rows from `first` on, side by side.
    std::span<Actor> findActors(std::string_view first, std::size_t count);
    void make(const ObjectRow& row);
    void place(ModelNode& node, const ObjectRow& row);
    void link(SceneNode& node, const ObjectRow& row);
    void listRules();
    SceneNode* nodeOf(std::string_view name) const;
    std::logic_error missing(std::string_view name) const;
    // Draws the scene below geoBranch from an identity matrix.
    void drawScene();
    // Draws the models that may go first, then the ground and the hills,
    // before the rest of the scene.
    void drawOpaqueAhead();
    // At set-up, lists the models below `node` that may be drawn ahead;
    // false at a node after which none may (see the definition).
    bool listModelsAhead(SceneNode& node);

    // The nodes the rows make: models and exits, actors side by side, and
    // the effects; then each row's node in row order.
    std::vector<ModelNode> models;
    std::vector<Actor> actors;
    std::vector<std::unique_ptr<SceneNode>> effects;
    std::vector<SceneNode*> rowNodes;
    std::vector<ParticleSpray*> sprays;
    std::vector<PacedAnimation> paced;
    // What set-up does for the script: find its handles, give its quests.
    std::vector<std::function<void()>> scriptSteps;
    // What the camera sees in this frame.
    Frustum viewFrustum;
    // The ground and the hill in scene order, drawn before the scene.
    std::vector<ModelNode*> surfacesAhead;
    // The models drawn before them, in the scene's order.
    std::vector<ModelNode*> modelsAhead;
    // Characters the 'e' key starts a conversation with while selected.
    std::vector<ModelNode*> partners;
    // Where 'l' leads at once: the first exit's level; 0 for a level without one.
    int exitTarget = 0;
};

// A script's way to one object of its level: the node of the row named
// `name`, found once when the level sets up.
template <typename T>
class Handle {
public:
    Handle(Level* level, const char* name)
    {
        level->scriptSteps.push_back([this, level, name] { node = level->find<T>(name); });
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    T* operator->() const { return node; }
    T& operator*() const { return *node; }
    operator T*() const { return node; }

private:
    T* node = nullptr;
};

// A script's way to the actors of `count` rows in a row ("sack1" to "sack5").
class ActorRun : public std::span<Actor> {
public:
    ActorRun(Level* level, const char* first, std::size_t count)
    {
        level->scriptSteps.push_back([this, level, first, count] {
            std::span<Actor>::operator=(level->findActors(first, count));
        });
    }
    ActorRun(const ActorRun&) = delete;
    ActorRun& operator=(const ActorRun&) = delete;
};

// Shows the first `count` hidden items, in order.
void showHidden(std::span<Actor> items, int count);
