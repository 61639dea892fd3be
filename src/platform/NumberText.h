// Whole numbers read from text that a player or a file gave: checked against a range, never wrapped.
// One helper for the command line, the options file and every file the game reads numbers from.

#pragma once

#include <string>
#include <string_view>

// The values a number may take, both ends included.
struct NumberRange {
    int least;
    int most;
};

// What a text holds as a number of some range.
struct NumberReading {
    enum class Verdict { Valid, TooSmall, TooLarge, NotANumber };
    Verdict verdict = Verdict::NotANumber;
    int value = 0;       // clamped into the range; 0 when the text is no number
    std::string problem; // in a warning's words ("ist groesser als 16384"), translated; empty when valid
};

// Reads `text` as a whole decimal number: blanks around it, an optional
// sign and digits, nothing else. However many digits there are, the number
// never wraps: beyond the range it comes back as the range's nearer end.
NumberReading readNumber(std::string_view text, NumberRange range);

// A setting's number. A valid text gives its value; a number out of range
// is clamped and a text that is no number gives `fallback`, each with the
// warning "=== WARNING: <source> <name> "<text>" <problem>; es gilt <value> ===",
// where `source` says where the text came from (a file, an option).
int readSetting(std::string_view text, NumberRange range, int fallback, const std::string& source,
                const std::string& name);
