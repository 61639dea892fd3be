// The program's one random sequence.
// Its own header so every random draw visibly comes from this one generator.

#pragma once

// The one random sequence of the whole program. It is never seeded, so every
// run of the game plays out the same: state starts at 1, each draw sets
// state = state * 214013 + 2531011 and yields bits 16..30 (0..32767).
int nextRandom();

// Puts the sequence where it stands after `draws` numbers from its start, so
// that what draws next gets the same numbers whatever was drawn before it.
void seekRandom(long draws);

// Puts the sequence back to its start (tests only; the game never reseeds).
void resetRandom();
