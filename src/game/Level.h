// One playing area: what every level owns and does, and the helpers the six levels share.
// Kept apart from the six levels so each of them holds only its own objects and script.

#pragma once

#include "game/Avatar.h"
#include "game/Placement.h"
#include "game/TextStyle.h"
#include "model/Camera.h"
#include "model/LightNode.h"
#include "model/ModelNode.h"
#include "scene/SceneNode.h"

#include <initializer_list>
#include <span>
#include <string>
#include <vector>

class ControlNode;

// One proximity rule: standing closer than `radius` to `object` (strictly)
// shows `text` (nullptr leaves the line as it was). Markers only mark a
// place and are never flagged selected.
struct ProximityRule {
    ModelNode* object;
    float radius;
    const char* text;
    bool marker = false;
};

// The line a level shows near the object or exit of a given name.
struct PromptRow {
    const char* name;
    const char* prompt;
};

// Ties a node name of a placement table to the level member it places.
struct NodeBinding {
    const char* name;
    ModelNode* node;
};

// One playing area. It owns every object of the area by value; only the
// current level hangs in the scene tree (the game manager links its
// `geoBranch` in and out). Each frame it draws its scene, paces its
// animations, selects what the avatar stands at and runs its script; its
// keys are talk, skip, close and look, and every key is forwarded to its
// children so quests below the scenery receive them.
class Level : public SceneNode {
public:
    Level();

    // 'e' talk, 'l' skip, 'q' close the conversation, 'v' look; every key
    // is then forwarded to the children (SceneNode).
    void command(int key) override;
    // Appends every object's description lines.
    virtual void describe() {}
    virtual void unload() {}
    // Once at start-up: names geoBranch "Geobranch", places and loads every
    // object, links the scene below geoBranch, creates the quests, describes.
    virtual void setup();
    // Once per frame while current: draw, pace animations, select, script.
    virtual void frame() {}
    // Function keys reach the level here; no level uses them.
    virtual void rawKey(int) {}
    // Coming back from a side trip (Level 3 to 2, Level 5 to 4) with the
    // items gathered there; the game manager runs it on every such return.
    virtual void returnFromSideTrip(int) {}

    // Draws the object's description lines while it is selected.
    void showDescription(ModelNode& object);

    ModelNode geoBranch;
    Avatar avatar;
    Avatar* avatarPtr = &avatar;
    Camera camera;
    ModelNode ground;
    ModelNode sky;
    LightNode light;
    LightNode light2;
    ModelNode boundaryN;
    ModelNode boundaryS;
    ModelNode boundaryW;
    ModelNode boundaryE;
    ModelNode hill;
    float fps = 1.0f;
    TextStyle textStyle;
    int nextLevel = 0;
    std::string prompt;
    ControlNode* controls = nullptr;
    // The avatar's collision list; also what the game manager culls.
    std::vector<ModelNode*> obstacles;
    // Trees ("data/baum.ms3d") and forests ("data/klwald.ms3d"), which the
    // game manager lets draw from its shared display lists.
    std::vector<ModelNode*> trees;
    std::vector<ModelNode*> forests;

protected:
    // Places and loads every row of `layout` whose node is bound, in table
    // order (animation slots before the load, the light's position as the
    // shadow light), remembers the animations to pace, and sets up the
    // camera with the avatar following it.
    void placeAll(const LevelLayout& layout, std::span<const NodeBinding> nodes);
    // Position, scale, facing and heading, flags, shadow light, then load.
    void place(ModelNode& node, const Placement& row, std::span<const AnimationSlot> animations);
    // The avatar's collision list, in table order, of the bound nodes.
    void listObstacles(const LevelLayout& layout, std::span<const NodeBinding> nodes);
    // Puts the avatar and the camera where a return from a side trip starts,
    // moves `closedExit` out of reach and sets the new exit target.
    void applyReturn(const ReturnSetup& setup, ModelNode& closedExit);
    // Links sky, heavenBase, `beforeAvatar`, the avatar, the ground and the
    // two lights below geoBranch, in that order, which is the drawing order
    // (the ground and the hill are drawn ahead, see drawScene).
    void linkSceneTop(SceneNode& heavenBase, std::initializer_list<SceneNode*> beforeAvatar = {});
    // Hangs `nodes` below the ground, in order.
    void addToGround(std::initializer_list<ModelNode*> nodes);
    // The hill, wherever it is linked, is drawn ahead after what precedes it.
    void drawAheadIfHill(SceneNode* node);
    // Ties the rows of the layout's placement table, in order, to `placed`,
    // and its first exit markers to `markers`; a member too many or too few
    // would shift every name after it, so the counts must match the table.
    static std::vector<NodeBinding> bindRows(const LevelLayout& layout, const std::vector<ModelNode*>& placed,
                                             const std::vector<ModelNode*>& markers = {});
    // Re-derives the steps per keyframe of every paced animation from fps.
    void paceAnimations();
    // Draws the scene below geoBranch from an identity matrix.
    void drawScene();
    // Draws the ground and the hills before the rest of the scene.
    void drawSurfacesAhead();
    // Steps per keyframe of one animation of pace K at the measured fps.
    void pace(ModelNode& node, int slot, int k) const;
    // Tries the rules in order; the first one the avatar stands inside sets
    // the prompt and (unless a marker) the object's selected flag. Returns
    // its index, or -1 after showing `idleText` and clearing the selected
    // flags of every object in `selectable`.
    int select(std::span<const ProximityRule> rules, const char* idleText);
    // Exit rule: the level asks the game manager for `target` once done.
    void leaveWhen(bool completed, int target);

    // Characters the 'e' key starts a conversation with while selected.
    std::vector<ModelNode*> partners;
    // The objects 'v' describes, first selected one wins.
    std::vector<ModelNode*> lookOrder;
    // Every object a rule can flag; cleared when the avatar stands at nothing.
    std::vector<ModelNode*> selectable;
    // Where 'l' leads at once; 0 for a level without an exit.
    int exitTarget = 0;

private:
    struct PacedAnimation {
        ModelNode* node;
        int slot;
        int k;
    };
    std::vector<PacedAnimation> paced;
    // The ground and the hill in scene order, drawn before the scene.
    std::vector<ModelNode*> surfacesAhead;
};

// The member bound to `name`, or nullptr.
ModelNode* boundNode(std::span<const NodeBinding> nodes, const char* name);
// The prompt of the first row named exactly `name`, or `otherwise`.
const char* promptNamed(std::span<const PromptRow> rows, const char* name, const char* otherwise);
// The prompt of the first row whose name `name` starts with, or `otherwise`.
const char* promptByPrefix(std::span<const PromptRow> rows, const char* name, const char* otherwise);
// The table's exit marker labelled `label`, or nullptr.
const ExitMarker* exitMarker(const LevelLayout& layout, const char* label);
