// Full-screen playback of the intro and outro videos.

#pragma once

// Full-screen playback of the intro and outro videos on a textured quad,
// one video at a time. The frame shown follows the clock of Host::current(),
// so a slow machine skips frames and a fast one shows a frame several times;
// the video loops until it is closed.

// Opens the video and sets up the GL state for it. Returns false, after a
// line on standard error, when the file cannot be played; the caller then
// skips the video.
bool openVideo(const char* file);
// Advances the video's clock and draws the frame that is due.
// Does nothing when no video is open.
void advanceVideo();
void closeVideo();
