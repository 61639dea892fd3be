#include "app/GameObjects.h"

ControlNode controlNode;
GameManager gameManager;
