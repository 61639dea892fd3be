#include "platform/Random.h"

#include <gtest/gtest.h>

TEST(RandomTest, TheSequenceStartsLikeTheCLibrarysAndCanBeReset)
{
    resetRandom();
    EXPECT_EQ(nextRandom(), 41);
    EXPECT_EQ(nextRandom(), 18467);
    EXPECT_EQ(nextRandom(), 6334);
    resetRandom();
    EXPECT_EQ(nextRandom(), 41);
}
