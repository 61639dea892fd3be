// Where the river level's objects stand, and where the opened barrier goes.
// Apart from Level4 so the world generator can read the same table without the level's code.

#pragma once

#include "game/Placement.h"

// The river with the bridge, the customs officer and the barrier walls.
namespace level4 {
extern const LevelLayout layout;
// Where "cBox2" stands once the officer has opened the barrier.
inline constexpr Vector3 openedBarrierPosition{148, 0, 160};
}
