// The player's warning line, naming a missing or damaged data file once, and telling text from binary bytes.

#pragma once

#include <string>
#include <string_view>

// A data file that is missing or damaged is named on standard output once,
// with what is wrong with it, however often the game asks for it: a player
// with a broken install learns which file to restore, and the console is
// not flooded by the many models that share one file. The caller goes on
// without the file. `onNewLine` ends a line that other output left open
// first. False when the file was named before and nothing is printed.
bool warnAboutFile(const std::string& file, const std::string& problem, bool onNewLine = false);

// Prints "=== WARNING: <subject> <problem> ===" on standard output, every
// time: the one form of warning for the player, whatever it is about.
void printWarning(const std::string& subject, const std::string& problem, bool onNewLine = false);

// True when `bytes` are text: no control characters besides tab and line
// ends (bytes above 127 pass, for umlauts in any encoding).
bool isPlainText(std::string_view bytes);
