// Every sound the game plays, as named sample buffers.
// Apart from the synthesiser, which knows no sound by name: here each one is composed.

#pragma once

#include <string>
#include <vector>

// One of the game's sound files: its name below data/sound/ and its samples
// (mono, at the writer's sample rate, in -1..1).
struct GameSound {
    std::string file;
    std::vector<float> samples;
};

// Every sound the game plays, synthesised afresh. Each starts the game's
// random sequence over, so a sound does not depend on the others.
std::vector<GameSound> makeGameSounds();
