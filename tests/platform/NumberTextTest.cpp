#include "platform/NumberText.h"

#include <gtest/gtest.h>

#include <tuple>

using Verdict = NumberReading::Verdict;

TEST(NumberTextTest, WholeNumbersAreReadWithoutWrappingAndClampedIntoTheRange)
{
    // Text, what it is as a window size (64 to 16384), the value then.
    const std::tuple<const char*, Verdict, int> cases[] = {
        {"640", Verdict::Valid, 640},
        {" \t640 ", Verdict::Valid, 640},
        {"+480", Verdict::Valid, 480},
        {"16384", Verdict::Valid, 16384},
        {"63", Verdict::TooSmall, 64},
        {"-32", Verdict::TooSmall, 64},
        {"16385", Verdict::TooLarge, 16384},
        {"4294967297", Verdict::TooLarge, 16384},           // 1 when wrapped to 32 bits
        {"99999999999999999999999", Verdict::TooLarge, 16384}, // beyond any integer
        {"-99999999999999999999999", Verdict::TooSmall, 64},
        {"640abc", Verdict::NotANumber, 0},
        {"6 40", Verdict::NotANumber, 0},
        {"0x400", Verdict::NotANumber, 0},
        {"1e3", Verdict::NotANumber, 0},
        {"+-5", Verdict::NotANumber, 0},
        {"++5", Verdict::NotANumber, 0},
        {"-", Verdict::NotANumber, 0},
        {" ", Verdict::NotANumber, 0},
        {"", Verdict::NotANumber, 0},
    };
    for (const auto& [text, verdict, value] : cases) {
        const NumberReading reading = readNumber(text, {64, 16384});
        EXPECT_EQ(std::tie(reading.verdict, reading.value), std::tie(verdict, value)) << '"' << text << '"';
        EXPECT_EQ(reading.problem.empty(), verdict == Verdict::Valid) << text;
    }
}

TEST(NumberTextTest, ASettingOutOfRangeOrNoNumberIsNamedWithWhereItCameFrom)
{
    const std::tuple<const char*, int, const char*> cases[] = {
        {"1024", 1024, ""},
        {"99999999999", 16384,
         "=== WARNING: /home/p/options.txt windowwidth \"99999999999\" ist groesser als 16384; es gilt 16384 ===\n"},
        {"0", 64, "=== WARNING: /home/p/options.txt windowwidth \"0\" ist kleiner als 64; es gilt 64 ===\n"},
        {"wide", 800, "=== WARNING: /home/p/options.txt windowwidth \"wide\" ist keine ganze Zahl; es gilt 800 ===\n"},
    };
    for (const auto& [text, value, warning] : cases) {
        testing::internal::CaptureStdout();
        EXPECT_EQ(readSetting(text, {64, 16384}, 800, "/home/p/options.txt", "windowwidth"), value) << text;
        EXPECT_EQ(testing::internal::GetCapturedStdout(), warning);
    }
}
