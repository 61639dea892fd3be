#include "game/GameManager.h"

#include "app/Host.h"
#include "game/ControlNode.h"

#include <GL/freeglut.h>

void GameManager::init()
{
    root.setName("Ruth");
    root.addChild(controlNode);
    setName("Gamemanager");
    controlNode->addChild(this);
    controlNode->setName("Steuerung");
    // Walking input from the first frame on.
    controlNode->inputMode = 'a';

    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glShadeModel(GL_SMOOTH);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
}

void GameManager::runFrame()
{
    // No level is drawn yet: an evening-sky blue shows the game is running.
    glClearColor(0.35f, 0.55f, 0.85f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    controlNode->sendHeldCommands();

    // Measured over windows of more than 50 ms, so the divisor is never 0.
    ++frameCount;
    const int now = Host::current().elapsedMs();
    lastFrameTime = now;
    if (now - fpsTime > 50) {
        framesPerSecond = static_cast<float>(frameCount) * 1000.0f / static_cast<float>(now - fpsTime);
        fpsTime = now;
        frameCount = 0;
    }
}

bool GameManager::lastQuestFinished() const
{
    return false;
}
