#pragma once

// Full-screen playback of the intro and outro videos on a textured quad.
// Returns false when the file cannot be played; the caller then skips it.
bool openVideo(const char* file);
// Advances the video's clock and draws the frame that is due.
void advanceVideo();
void closeVideo();
