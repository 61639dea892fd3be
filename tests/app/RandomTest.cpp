#include "app/Random.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(RandomTest, SequenceStartsLikeTheCLibraryAndCanBeReset)
{
    resetRandom();
    EXPECT_EQ(nextRandom(), 41);
    EXPECT_EQ(nextRandom(), 18467);
    EXPECT_EQ(nextRandom(), 6334);
    resetRandom();
    EXPECT_EQ(nextRandom(), 41);
}

TEST(RandomTest, StaysWithinFifteenBits)
{
    resetRandom();
    int largest = 0;
    for (int i = 0; i < 100000; ++i) {
        const int value = nextRandom();
        ASSERT_GE(value, 0);
        largest = std::max(largest, value);
    }
    EXPECT_LE(largest, 32767);
    EXPECT_GT(largest, 32000);
}
