// The generator's state and its step: state * 214013 + 2531011, bits 16..30.
// Its own file so the state is reachable only through nextRandom and resetRandom.

#include "platform/Random.h"

#include <cstdint>

namespace {
std::uint32_t state = 1;
}

int nextRandom()
{
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7fffu);
}

void resetRandom()
{
    state = 1;
}
