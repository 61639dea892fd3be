// The control node and the game manager, the two objects that live for the whole run.
// Declared alone so the shell, korvel-bench and the tests all reach the same two objects.

#pragma once

#include "app/GameManager.h"
#include "game/ControlNode.h"

// The two objects that live for the whole run: the input node and the game
// with all its levels. Constructed before main, in this order.
extern ControlNode controlNode;
extern GameManager gameManager;

// A fresh game as at start, for tests that play one game after another:
// both objects made anew and linked as main links them, the shell's flags
// cleared, no saved game read or kept, and the random numbers started over.
void resetGameObjects();
