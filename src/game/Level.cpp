// Making a level's nodes from its table, its keys, drawing, selecting what the avatar stands at.
// Kept apart from the six levels so each of them holds only its table and its script.

#include "game/Level.h"

#include "effects/ParticleSheet.h"
#include "effects/ParticleSpray.h"
#include "effects/WaterSurface.h"
#include "game/ControlNode.h"
#include "game/Quest.h"
#include "platform/Host.h"
#include "platform/Language.h"
#include "platform/Random.h"

#include <GL/gl.h>

#include <algorithm>
#include <set>
#include <typeinfo>

namespace {

// Descriptions stand right of the middle, a third from the top.
constexpr double descriptionX = 0.5555555555555556;
constexpr double descriptionY = 0.3;
constexpr float lineHeight = 20.0f;

// Every level's two lights stand at the same places.
constexpr ObjectRow lightRow{.name = "Licht", .at = lightPosition};
constexpr ObjectRow light2Row{.name = "Licht2", .at = light2Position};

bool makesModel(Kind kind)
{
    return kind == Kind::Scenery || kind == Kind::Person || kind == Kind::Tree || kind == Kind::Forest ||
           kind == Kind::Exit;
}

// What makes no sense in a row, or nullptr.
const char* faultOf(const ObjectRow& row)
{
    if ((row.flags & Obstacle) != 0 && (row.flags & HasBox) == 0) {
        return "is an obstacle without a box";
    }
    if ((row.flags & Animated) != 0 && row.moves[0].name == nullptr) {
        return "is animated without moves";
    }
    return nullptr;
}

float headingOf(const ObjectRow& row)
{
    const Vector3& h = row.headingFacing;
    return (h.x != 0.0f || h.y != 0.0f || h.z != 0.0f ? h : row.facing).headingTo(forwardReference);
}

// The table's rows with a non-zero `key`, ordered by it, ties in row order.
std::vector<const ObjectRow*> orderedBy(int ObjectRow::*key, const LevelTable& table)
{
    std::vector<const ObjectRow*> rows;
    for (const ObjectRow& row : table.objects) {
        if (row.*key != 0) {
            rows.push_back(&row);
        }
    }
    std::ranges::stable_sort(rows, {}, [key](const ObjectRow* row) { return row->*key; });
    return rows;
}

} // namespace

const ObjectRow* findRow(const LevelTable& table, std::string_view name)
{
    const auto row = std::ranges::find(table.objects, name, &ObjectRow::name);
    return row == table.objects.end() ? nullptr : &*row;
}

Level::Level(const LevelTable& levelTable) : table(levelTable)
{
    light.lightType = 0;
    light2.lightType = 1;
}

Level::~Level() = default;

void Level::setup()
{
    geoBranch.setName("Geobranch");
    place(light, lightRow);
    place(light2, light2Row);
    std::set<std::string_view> names;
    for (const ObjectRow& row : table.objects) {
        const char* fault = names.insert(row.name).second ? faultOf(row) : "is named twice";
        if (fault != nullptr) {
            throw std::logic_error("level " + std::to_string(table.number) + ": \"" + row.name + "\" " + fault);
        }
    }
    // Made side by side once and never moved: every node keeps its address.
    models.reserve(std::ranges::count_if(table.objects, makesModel, &ObjectRow::kind));
    actors.reserve(std::ranges::count(table.objects, Kind::Actor, &ObjectRow::kind));
    for (const ObjectRow& row : table.objects) {
        make(row);
    }
    geoBranch.addChild(&light);
    geoBranch.addChild(&light2);
    avatar.obstacles = &obstacles;
    bool listing = false;
    for (SceneNode* node : geoBranch.getChildren()) {
        if (listing && !listModelsAhead(*node)) {
            break;
        }
        listing = listing || node == &avatar;
    }
    listRules();
    camera.setName("camera");
    camera.place(table.camera.position, table.camera.target);
    camera.obstacles = &obstacles;
    avatar.setCamera(&camera);
    avatar.setAnimation(0);
    for (const auto& step : scriptSteps) {
        step();
    }
    setUpScript();
}

void Level::make(const ObjectRow& row)
{
    // A particle system draws its fade rates as it is made.
    if (row.randomFrom >= 0) {
        seekRandom(row.randomFrom);
    }
    const auto keep = [this](auto made) -> auto& {
        auto& kept = *made;
        effects.push_back(std::move(made));
        return kept;
    };
    SceneNode* node = nullptr;
    ModelNode* model = nullptr;
    switch (row.kind) {
    case Kind::Avatar: model = &avatar; break;
    case Kind::Ground: model = &ground; ground.pass = FramePass::Surfaces; break;
    case Kind::Sky: model = &sky; sky.pass = FramePass::Sky; break;
    case Kind::Hill: model = &hill; hill.pass = FramePass::Surfaces; break;
    case Kind::Actor: model = &actors.emplace_back(); break;
    case Kind::Water: {
        WaterSurface& water = keep(std::make_unique<WaterSurface>());
        water.loadTexture();
        model = &water;
        break;
    }
    case Kind::Sheet: {
        ParticleSheet& sheet = keep(std::make_unique<ParticleSheet>());
        sheet.position = row.at;
        sheet.heading = headingOf(row);
        sheet.loadTexture();
        node = &sheet;
        break;
    }
    case Kind::Spray: {
        ParticleSpray& spray = keep(std::make_unique<ParticleSpray>());
        spray.position = row.at;
        spray.loadTexture();
        sprays.push_back(&spray);
        node = &spray;
        break;
    }
    default: model = &models.emplace_back(); break;
    }
    if (model != nullptr) {
        place(*model, row);
        node = model;
    }
    node->setName(row.name);
    rowNodes.push_back(node);
    if (row.kind == Kind::Exit) {
        return;
    }
    link(*node, row);
    if ((row.flags & Obstacle) != 0 && model != nullptr) {
        obstacles.push_back(model);
    }
    if ((row.flags & CastsShadow) != 0 && (row.flags & NoShadowCast) == 0 && model != nullptr) {
        shadowCasters.push_back(model);
    }
    if (row.kind == Kind::Tree) {
        trees.push_back(model);
    } else if (row.kind == Kind::Forest) {
        forests.push_back(model);
    } else if (row.kind == Kind::Person) {
        partners.push_back(model);
    }
}

void Level::place(ModelNode& node, const ObjectRow& row)
{
    node.position = row.at;
    node.scale = row.scale;
    node.direction = row.facing;
    node.heading = headingOf(row);
    node.hasBoundingBox = (row.flags & HasBox) != 0;
    node.animated = (row.flags & Animated) != 0;
    node.hidden = (row.flags & StartsHidden) != 0;
    if ((row.flags & CastsShadow) != 0) {
        node.shadowLight = light.position;
    }
    if ((row.flags & NoShadowCast) != 0) {
        node.castsShadow = false;
    }
    if (auto* actor = dynamic_cast<Actor*>(&node)) {
        actor->followDistance = row.followDistance;
    }
    const auto lines = std::ranges::find(row.lines, nullptr);
    node.descriptionLines = {row.lines.begin(), lines};
    // The poses are loaded with the model, so the slots come first.
    for (int slot = 0; slot < static_cast<int>(row.moves.size()); ++slot) {
        const Move& move = row.moves[slot];
        if (move.name == nullptr) {
            continue;
        }
        Animation& a = node.animations[slot];
        a.name = move.name;
        a.keyframeCount = move.keyframeCount;
        a.stepsPerKeyframe = move.stepsPerKeyframe;
        if (move.pacing != 0) {
            paced.push_back({&node, slot, move.pacing});
        }
    }
    if (row.model != nullptr) {
        node.load(row.model);
    }
}

void Level::link(SceneNode& node, const ObjectRow& row)
{
    switch (row.parent) {
    case Parent::Ground: ground.addChild(&node); break;
    case Parent::Top: geoBranch.addChild(&node); break;
    case Parent::Avatar: avatar.addChild(&node); break;
    case Parent::Nowhere: return;
    }
    // Ahead of the scene, the surfaces keep the order they have in it.
    if (&node == &ground || &node == &hill) {
        static_cast<ModelNode&>(node).drawnAhead = true;
        surfacesAhead.push_back(static_cast<ModelNode*>(&node));
    }
}

void Level::listRules()
{
    for (const ObjectRow* row : orderedBy(&ObjectRow::rule, table)) {
        auto* object = dynamic_cast<ModelNode*>(nodeOf(row->name));
        if (object == nullptr || row->reach <= 0.0f) {
            continue;
        }
        const bool exit = row->kind == Kind::Exit;
        rules.push_back({object, row->reach, row->prompt, exit ? row->target : 0});
        if (!exit) {
            selectable.push_back(object);
        } else if (exitTarget == 0) {
            exitTarget = row->target;
        }
    }
    for (const ObjectRow* row : orderedBy(&ObjectRow::look, table)) {
        if (auto* object = dynamic_cast<ModelNode*>(nodeOf(row->name))) {
            lookOrder.push_back(object);
        }
    }
}

SceneNode* Level::nodeOf(std::string_view name) const
{
    const ObjectRow* row = findRow(table, name);
    if (row == nullptr || rowNodes.empty()) {
        return nullptr;
    }
    return rowNodes[static_cast<std::size_t>(row - table.objects.data())];
}

std::logic_error Level::missing(std::string_view name) const
{
    return std::logic_error("level " + std::to_string(table.number) + " has no object \"" + std::string(name) +
                            "\" of the kind its script asks for");
}

std::span<Actor> Level::findActors(std::string_view first, std::size_t count)
{
    Actor* start = find<Actor>(first);
    const auto at = static_cast<std::size_t>(start - actors.data());
    if (at + count > actors.size()) {
        throw missing(first);
    }
    return {start, count};
}

void Level::giveQuest(Quest& quest, const char* giver)
{
    quests.push_back(&quest);
    scriptSteps.push_back([this, &quest, giver] {
        ModelNode* node = find<ModelNode>(giver);
        const QuestText& text = findRow(table, giver)->quest;
        if (text.title == nullptr) {
            throw missing(giver);
        }
        quest.init(text.title, text.partner, node, 1);
        quest.text = text;
        if (text.nodeName != nullptr) {
            quest.setName(text.nodeName);
        }
        node->addChild(&quest);
    });
}

void Level::command(int key)
{
    if (key >= 'e' && key <= 'v') {
        switch (key) {
        case 'e':
            for (ModelNode* partner : partners) {
                if (partner->selected && controls != nullptr) {
                    controls->inputMode = 'g';
                }
            }
            if (std::ranges::none_of(partners, &ModelNode::selected)) {
                unansweredKey = key;
            }
            break;
        case 'm':
            if (std::ranges::none_of(selectable, &ModelNode::selected)) {
                unansweredKey = key;
            }
            break;
        case 'l':
            if (exitTarget != 0) {
                nextLevel = exitTarget;
            }
            break;
        case 'q':
            if (controls != nullptr) {
                controls->heldForward = false;
                controls->heldBack = false;
                controls->heldLeft = false;
                controls->heldRight = false;
                controls->heldTurnLeft = false;
                controls->heldTurnRight = false;
                controls->inputMode = 'a';
            }
            break;
        case 'v':
            for (ModelNode* object : lookOrder) {
                if (object->selected) {
                    showDescription(*object);
                    break;
                }
            }
            break;
        default:
            break;
        }
    }
    SceneNode::command(key);
}

void Level::showDescription(ModelNode& object)
{
    if (!object.selected) {
        return;
    }
    const double w = Host::current().windowWidth();
    const double h = Host::current().windowHeight();
    const float x = static_cast<float>(w * descriptionX);
    const float top = static_cast<float>(h * descriptionY);
    for (std::size_t i = 0; i < object.descriptionLines.size(); ++i) {
        textStyle.print(textStyle.font, tr(object.descriptionLines[i]), x, top + lineHeight * static_cast<float>(i));
    }
}

void Level::frame()
{
    // Nothing may hide the figure: the eye stands in front of what is in between.
    camera.moveOut(1.0f / fps);
    camera.apply();
    for (ParticleSpray* spray : sprays) {
        spray->viewer = camera.eye();
    }
    drawScene();
    for (const PacedAnimation& p : paced) {
        p.node->animations[p.slot].stepsPerKeyframe = pacedSteps(p.k, fps);
    }
    const int matched = select(rules, table.idleText);
    ModelNode* reached = nullptr;
    if (matched >= 0) {
        const ProximityRule& rule = rules[static_cast<std::size_t>(matched)];
        if (rule.exitTarget == 0) {
            reached = rule.object;
        } else if (exitOpen(rule.exitTarget)) {
            nextLevel = rule.exitTarget;
        }
    }
    runScript(reached);
}

void Level::drawScene()
{
    // What this frame's camera sees: the objects, the shadows and the pieces
    // of the ground and the hills out of it are left out. Judged by this
    // frame's own view, an object turning into view is drawn at once.
    viewFrustum.extract();
    for (ModelNode* object : obstacles) {
        object->outOfView =
            cullsOutOfView && !viewFrustum.boxInside(object->placement(), object->drawnLow, object->drawnHigh);
    }
    for (ModelNode* surface : {&ground, &hill}) {
        surface->view = cullsOutOfView ? &viewFrustum : nullptr;
    }
    Matrix4 shadow;
    for (ModelNode* caster : shadowCasters) {
        caster->shadowOutOfView = cullsOutOfView && caster->shadowPlacement(shadow) &&
                                  !viewFrustum.boxInside(shadow, caster->drawnLow, caster->drawnHigh);
    }
    // A fresh stencil: every pixel may take one shadow in this picture.
    glClear(GL_STENCIL_BUFFER_BIT);
    drawOpaqueAhead();
    // Until the avatar come the sky and what is drawn without depth (the
    // glow above, the river); what was drawn ahead, drawn after them in the
    // scene's order, would paint over them, so they stay off its pixels.
    glEnable(GL_STENCIL_TEST);
    glStencilFunc(GL_EQUAL, 0, ModelNode::aheadStencilBit);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
    for (SceneNode* node : geoBranch.getChildren()) {
        if (node == &avatar) {
            glDisable(GL_STENCIL_TEST);
        }
        node->draw(Matrix4());
    }
    glDisable(GL_STENCIL_TEST);
}

// The sky comes first in the scene, the ground and the hills cover most of
// it, and the models stand in front of them. Drawn ahead, in the state they
// meet at their turn in the scene, they hide from the depth test what lies
// behind them, which then spares shading it; their pixels are marked in
// the stencil. Opaque, they end up the same in any order but where two
// faces lie in one plane: there the first one drawn wins, so the models
// keep the scene's order among themselves (nearest first would change
// such pixels).
void Level::drawOpaqueAhead()
{
    for (ModelNode* model : modelsAhead) {
        // Shared lists draw with the texture state of their turn.
        model->drawnAhead = drawsAhead && !model->useDisplayList;
    }
    for (ModelNode* surface : surfacesAhead) {
        surface->drawnAhead = drawsAhead;
    }
    if (!drawsAhead) {
        return;
    }
    glPushAttrib(GL_ALL_ATTRIB_BITS);
        glEnable(GL_LIGHTING);
        glEnable(GL_DEPTH_TEST);
        glDepthMask(GL_TRUE);
        glDisable(GL_BLEND);
        glDisable(GL_TEXTURE_2D);
        glEnable(GL_STENCIL_TEST);
        glStencilMask(ModelNode::aheadStencilBit);
        glStencilFunc(GL_ALWAYS, ModelNode::aheadStencilBit, ModelNode::aheadStencilBit);
        glStencilOp(GL_KEEP, GL_KEEP, GL_REPLACE);
        for (const auto* group : {&modelsAhead, &surfacesAhead}) {
            for (ModelNode* node : *group) {
                if (node->drawnAhead && !node->hidden && !node->outOfView) {
                    node->drawAhead();
                }
            }
        }
    glPopAttrib();
}

// The plain models after the avatar may go ahead, up to the first node that
// paints without the depth buffer (the smoke): a model after it would paint
// over it at its turn. A quest's dialog box, drawn over the picture, is
// passed over: it should stay on top, and ahead the models leave it so.
bool Level::listModelsAhead(SceneNode& node)
{
    if (dynamic_cast<Quest*>(&node) != nullptr) {
        return true;
    }
    const std::type_info& type = typeid(node);
    if (type != typeid(ModelNode) && type != typeid(Actor)) {
        return false;
    }
    auto& model = static_cast<ModelNode&>(node);
    if (model.pass == FramePass::Models) {
        modelsAhead.push_back(&model);
    }
    return std::ranges::all_of(node.getChildren(), [this](SceneNode* child) { return listModelsAhead(*child); });
}

int Level::select(std::span<const ProximityRule> candidates, const char* idleText)
{
    const Vector3& at = avatar.position;
    const auto& carried = avatar.getChildren();
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const ProximityRule& rule = candidates[i];
        if (std::ranges::find(carried, rule.object) != carried.end()) {
            continue;
        }
        const Vector3& p = rule.object->position;
        if (p.distanceTo(at.x, at.y, at.z) < rule.radius) {
            if (rule.text != nullptr) {
                prompt = rule.text;
            }
            if (rule.exitTarget == 0) {
                rule.object->selected = true;
            }
            return static_cast<int>(i);
        }
    }
    prompt = idleText;
    for (ModelNode* object : selectable) {
        object->selected = false;
    }
    return -1;
}

void Level::applyReturn()
{
    const ReturnSetup& back = table.returnSetup;
    const float oldHeading = avatar.heading;
    avatar.position = back.avatarPosition;
    avatar.direction = back.avatarFacing;
    avatar.heading = back.avatarFacing.headingTo(avatar.forward);
    // Re-derives the box corners about the new position and heading.
    avatar.rotateBox(avatar.heading - oldHeading);
    camera.place(back.camera.position, back.camera.target);
    find<ModelNode>(back.closedExit)->position = back.closedExitPosition;
    exitTarget = back.exitTarget;
}

void showHidden(std::span<Actor> items, int count)
{
    for (Actor& item : items) {
        if (count > 0 && item.hidden) {
            item.hidden = false;
            --count;
        }
    }
}
