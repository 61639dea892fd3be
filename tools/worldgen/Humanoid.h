// The figure every person of the game is built from, dressed by a Look.
// Apart from People.cpp so the body and its poses are written once for all six people.

#pragma once

#include "Models.h"

// The figure every person of the game is built from; a Look says how it is
// dressed and how tall it is.
enum class Headwear { None, Cap, Scarf, Hood, Feather };

struct Look {
    V3 shirt;
    V3 trousers;
    V3 hair;
    V3 robe{};
    bool robed = false;
    Headwear headwear = Headwear::None;
    V3 headwearColour{};
    bool beard = false;
    bool staff = false;
    bool backpack = false;
    bool badge = false;
    float height = 8.0f; // model units
};

// The figure dressed as `look`, with the idle, walk and whistle poses.
BuiltModel humanoid(const Look& look);
