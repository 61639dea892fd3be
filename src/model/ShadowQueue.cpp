#include "model/ShadowQueue.h"

#include "model/ModelNode.h"

#include <GL/gl.h>

#include <array>

namespace {

// The avatar and everything it can carry, with room to spare.
std::array<ModelNode*, 32> waiting{};
int waitingCount = 0;
bool holding = false;

} // namespace

namespace shadowQueue {

void hold()
{
    holding = true;
}

void release()
{
    holding = false;
    if (waitingCount == 0) {
        return;
    }
    // Shadows are placed in world coordinates, whatever node releases them.
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    for (int i = 0; i < waitingCount; ++i) {
        waiting[i]->drawShadow();
    }
    glPopMatrix();
    waitingCount = 0;
}

bool defer(ModelNode& node)
{
    if (!holding || waitingCount == static_cast<int>(waiting.size())) {
        return false;
    }
    waiting[waitingCount++] = &node;
    return true;
}

} // namespace shadowQueue
