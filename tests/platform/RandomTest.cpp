#include "platform/Random.h"

#include <gtest/gtest.h>

#include <array>

TEST(RandomTest, TheSequenceStartsLikeTheCLibrarysAndCanBeResetOrSought)
{
    for (int run = 0; run < 2; ++run) {
        resetRandom();
        EXPECT_EQ((std::array{nextRandom(), nextRandom(), nextRandom()}), (std::array{41, 18467, 6334}));
    }
    seekRandom(1);
    EXPECT_EQ(nextRandom(), 18467);
}
