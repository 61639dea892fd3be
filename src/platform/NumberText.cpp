// Reading whole numbers with std::from_chars, clamped into a range, and the warning for a bad setting.
// Its own file because every reader of numbers from outside shares it.

#include "platform/NumberText.h"

#include "platform/DataFile.h"
#include "platform/Language.h"

#include <charconv>
#include <limits>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

} // namespace

NumberReading readNumber(std::string_view text, NumberRange range)
{
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    // from_chars reads a minus sign but not a plus sign.
    std::string_view digits = text;
    if (digits.starts_with('+') && !digits.substr(1).starts_with('-')) {
        digits.remove_prefix(1);
    }
    long long value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error == std::errc::invalid_argument || end != digits.data() + digits.size()) {
        return {NumberReading::Verdict::NotANumber, 0, tr(N_("ist keine ganze Zahl"))};
    }
    // Beyond what from_chars can hold it leaves `value` alone; the sign tells the side.
    if (error == std::errc::result_out_of_range) {
        value = digits.starts_with('-') ? std::numeric_limits<long long>::min() : std::numeric_limits<long long>::max();
    }
    if (value < range.least) {
        return {NumberReading::Verdict::TooSmall, range.least, trf(N_("ist kleiner als %d"), range.least)};
    }
    if (value > range.most) {
        return {NumberReading::Verdict::TooLarge, range.most, trf(N_("ist groesser als %d"), range.most)};
    }
    return {NumberReading::Verdict::Valid, static_cast<int>(value), ""};
}

int readSetting(std::string_view text, NumberRange range, int fallback, const std::string& source,
                const std::string& name)
{
    NumberReading reading = readNumber(text, range);
    if (reading.verdict == NumberReading::Verdict::Valid) {
        return reading.value;
    }
    if (reading.verdict == NumberReading::Verdict::NotANumber) {
        reading.value = fallback;
    }
    printWarning(source, trf(N_("%s \"%s\" %s; es gilt %d"), name, std::string(text), reading.problem, reading.value));
    return reading.value;
}
