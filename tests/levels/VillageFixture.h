#pragma once

#include "LevelFixture.h"
#include "levels/Level1.h"

// The village as the game manager hands it over.
class VillageTest : public LevelTest<Level1, 1> {
protected:
    static int count(const SceneNode& parent, const SceneNode* child)
    {
        int n = 0;
        for (const SceneNode* c : parent.getChildren()) {
            n += c == child ? 1 : 0;
        }
        return n;
    }
};
