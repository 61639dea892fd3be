#include "app/VideoPlayer.h"

#include <cstdio>

// No decoder is built in yet: the caller goes on as if the video had been
// skipped, and the player is told so.
bool openVideo(const char* file)
{
    std::fprintf(stderr, "Error: video playback is not available, skipping %s\n", file);
    return false;
}

void advanceVideo()
{
}

void closeVideo()
{
}
