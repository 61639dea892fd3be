// The generator's state and its step: state * 214013 + 2531011, bits 16..30.
// Its own file so the state is reachable only through the functions of Random.h.

#include "platform/Random.h"

#include <cstdint>

namespace {

std::uint32_t state = 1;

std::uint32_t step(std::uint32_t s)
{
    return s * 214013u + 2531011u;
}

} // namespace

int nextRandom()
{
    state = step(state);
    return static_cast<int>((state >> 16) & 0x7fffu);
}

void seekRandom(long draws)
{
    state = 1;
    for (long i = 0; i < draws; ++i) {
        state = step(state);
    }
}

void resetRandom()
{
    seekRandom(0);
}
