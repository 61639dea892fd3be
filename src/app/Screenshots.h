// F12's screenshots: the frame just drawn as a PNG in the player's pictures folder, and the message saying where.
// Apart from the frame loop, which only calls it between drawing a frame and showing it.

#pragma once

// The screenshot key: the next game frame is saved once it is drawn,
// without the message line.
void askForScreenshot();
// Between drawing a game frame and showing it: saves the frame, when asked,
// to <pictures>/Korvel/korvel-<date>-<time>.png (see picturesFolder in
// PlayerFiles.h; "-2", "-3", ... added to a name taken in the same second)
// and names the file on the message line, which joins only the next frame.
// A folder or file that cannot be written is said there and warned about.
void takeAskedScreenshot();
