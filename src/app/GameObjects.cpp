#include "app/GameObjects.h"

#include "app/AppState.h"
#include "platform/Random.h"

#include <memory>

ControlNode controlNode;
GameManager gameManager;

void resetGameObjects()
{
    resetRandom();
    std::destroy_at(&gameManager);
    std::construct_at(&gameManager);
    std::destroy_at(&controlNode);
    std::construct_at(&controlNode);
    gameManager.controlNode = &controlNode;
    appState = AppState{};
}
