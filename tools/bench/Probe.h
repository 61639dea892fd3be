// What the game costs outside its frames: time to the first frame and peak memory.
// Apart from the frame timings because it runs the game again as a child process.

#pragma once

#include "app/CommandLine.h"

#include <optional>

// What the game costs outside its frames: the time from starting the
// program to its first drawn game frame, and its resident memory.

// Peak resident memory of this process so far, in MB (VmHWM).
double peakResidentMb();

// Runs this program again with `probeArgument`, as the game starts: the
// child reports when its first game frame was presented. Milliseconds from
// just before the start, or nothing when the child failed.
std::optional<double> timeToFirstFrame(const char* probeArgument);

// The child's side: starts the game with `command` and ends the process
// after the first drawn game frame, reporting the time on standard output.
[[noreturn]] void runFirstFrameProbe(const CommandLine& command, char** argv);
