// Defines the run-long control node and game manager, and makes both afresh for tests.
// Alone so the objects' order of construction is visible in one place.

#include "app/GameObjects.h"

#include "app/AppState.h"
#include "app/PauseScreen.h"
#include "app/SavedGame.h"
#include "game/KeyBindings.h"
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
    forgetSavedGame();
    forgetPause();
    keyBindings = KeyBindings();
}
