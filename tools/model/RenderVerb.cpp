// korvel-model render: draws a model as the game does, lit and textured, into a PNG.
// One file per verb; this one needs an X display.

#include "Verbs.h"

#include "model/LightNode.h"
#include "model/ModelNode.h"
#include "platform/NumberText.h"
#include "platform/PictureFile.h"
#include "scene/Angles.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

// Draws a model the way the game does (its own model node, materials,
// textures and lights) on the current X display and saves the picture.

namespace fs = std::filesystem;

namespace {

constexpr int pictureWidth = 640;
constexpr int pictureHeight = 480;

// Textures are named relative to the game's run directory: the folder that
// holds the model's "data" directory, else the folder of this tool.
fs::path runDirectoryFor(const fs::path& model)
{
    for (fs::path dir = model.parent_path(); !dir.empty(); dir = dir.parent_path()) {
        if (dir.filename() == "data") {
            return dir.parent_path();
        }
        if (dir == dir.parent_path()) {
            break;
        }
    }
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::current_path() : self.parent_path();
}

void openWindow()
{
    int argc = 1;
    char name[] = "korvel-model";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(pictureWidth, pictureHeight);
    glutCreateWindow("korvel-model render");
    glViewport(0, 0, pictureWidth, pictureHeight);
    glReadBuffer(GL_BACK);
}

// Smallest and largest corner of everything the node will draw.
void bounds(const Model& m, Vector3& low, Vector3& high)
{
    low.set(1e30f, 1e30f, 1e30f);
    high.set(-1e30f, -1e30f, -1e30f);
    for (const Vertex& v : m.vertices) {
        low.set(std::min(low.x, v.location[0]), std::min(low.y, v.location[1]),
                std::min(low.z, v.location[2]));
        high.set(std::max(high.x, v.location[0]), std::max(high.y, v.location[1]),
                 std::max(high.z, v.location[2]));
    }
    if (m.vertices.empty()) {
        low.set(-1, -1, -1);
        high.set(1, 1, 1);
    }
}

// Looks from front right and above so that the whole model fits the view.
// The game's depth range (1 .. 4000) may not suit a tiny or a huge model,
// so the clipping planes are fitted to it; the field of view is the game's.
struct View {
    Vector3 eye;
    Vector3 centre;
};

View frame(const Model& pose)
{
    Vector3 low, high;
    bounds(pose, low, high);
    const Vector3 centre((low.x + high.x) / 2, (low.y + high.y) / 2, (low.z + high.z) / 2);
    const float radius = std::max(0.5f * low.distanceTo(high.x, high.y, high.z), 0.01f);
    Vector3 from(0.6f, 0.45f, -1.0f); // models face -Z: look at their front
    from.normalize();
    const float distance = radius / std::sin(degreesToRadians(22.5f)) * 1.05f;
    const Vector3 eye(centre.x + from.x * distance, centre.y + from.y * distance,
                      centre.z + from.z * distance);

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(pictureWidth) / pictureHeight,
                   std::max(distance - 2 * radius, distance * 0.01f), distance + 2 * radius);
    gluLookAt(eye.x, eye.y, eye.z, centre.x, centre.y, centre.z, 0, 1, 0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    return {eye, centre};
}

// A light above and behind the viewer, and the game's half-bright second
// light from the opposite side.
void light(const View& view)
{
    const float globalAmbient[4] = {0.35f, 0.35f, 0.35f, 1.0f};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, globalAmbient);
    const Vector3 back = Vector3::subtract(view.eye.x, view.eye.y, view.eye.z, view.centre.x,
                                           view.centre.y, view.centre.z);
    const float reach = back.distanceTo(0, 0, 0);
    LightNode sun;
    sun.position.set(view.eye.x + back.x, view.eye.y + back.y + 2 * reach, view.eye.z + back.z);
    sun.draw(Matrix4());
    LightNode fill;
    fill.lightType = 1;
    fill.position.set(view.centre.x - back.x, view.centre.y + back.y, view.centre.z - back.z);
    fill.draw(Matrix4());
}

} // namespace

int runRender(const std::vector<std::string>& arguments)
{
    if (arguments.size() < 2 || arguments.size() > 4) {
        return exitUsage;
    }
    int pose = 0;
    if (arguments.size() == 4) {
        const NumberReading reading = readNumber(arguments[3], {0, Animation::maxKeyframes - 1});
        pose = reading.value;
        if (reading.verdict != NumberReading::Verdict::Valid) {
            std::fprintf(stderr, "korvel-model: the frame must be a number from 0 to %d\n",
                         Animation::maxKeyframes - 1);
            return exitUsage;
        }
    }
    if (arguments[0].empty() || arguments[1].empty()) {
        std::fprintf(stderr, "korvel-model: the model and the picture each need a file name\n");
        return exitRefused;
    }
    if (std::getenv("DISPLAY") == nullptr) {
        std::fprintf(stderr, "korvel-model: render needs an X display (DISPLAY is not set)\n");
        return exitRefused;
    }
    const fs::path model = fs::absolute(arguments[0]);
    const fs::path out = fs::absolute(arguments[1]);
    const fs::path runDir = runDirectoryFor(model);
    if (chdir(runDir.c_str()) != 0) {
        std::fprintf(stderr, "korvel-model: cannot enter %s\n", runDir.c_str());
        return exitRefused;
    }

    openWindow();
    auto node = std::make_unique<ModelNode>();
    node->castsShadow = false;
    if (arguments.size() >= 3) {
        node->animated = true;
        node->animations[0].name = arguments[2];
        node->animations[0].keyframeCount = pose + 1;
        node->animations[0].stepsPerKeyframe = 1;
    }
    if (!node->load(model.c_str())) {
        std::fprintf(stderr, "korvel-model: cannot load %s as a model\n", model.c_str());
        return exitRefused;
    }
    const Model* shown = &node->model;
    if (node->animated) {
        std::fflush(stdout);
        Ms3dModel& keyframe = node->animations[0].keyframes[pose];
        if (keyframe.vertices.size() < node->model.vertices.size()) {
            std::fprintf(stderr, "\nkorvel-model: no usable pose %d of animation \"%s\"\n", pose,
                         arguments[2].c_str());
            return exitRefused;
        }
        // Hold the pose: both ends of the blend are this keyframe.
        node->keyframeIndex = pose;
        node->toPose = &keyframe;
        shown = &keyframe;
    }

    const View view = frame(*shown);
    glClearColor(0.55f, 0.65f, 0.8f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    light(view);
    node->draw(Matrix4());
    glFinish();

    if (!savePicture(out.string(), pictureWidth, pictureHeight)) {
        std::fprintf(stderr, "korvel-model: cannot write %s\n", out.c_str());
        return exitRefused;
    }
    return 0;
}
