#pragma once

#include "game/ControlNode.h"
#include "game/GameManager.h"

// The two objects that live for the whole run: the input node and the game
// with all its levels. Constructed before main, in this order.
extern ControlNode controlNode;
extern GameManager gameManager;
