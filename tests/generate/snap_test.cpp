#include "generate/snap.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace vh;

TEST(SnapHeight, HalvesGoToTheEvenStep) {
    EXPECT_EQ(SnapHeight(8, 16), 0);      // 0.5 -> 0
    EXPECT_EQ(SnapHeight(24, 16), 32);    // 1.5 -> 2
    EXPECT_EQ(SnapHeight(40, 16), 32);    // 2.5 -> 2
    EXPECT_EQ(SnapHeight(-40, 16), -32);  // -2.5 -> -2
    EXPECT_EQ(SnapHeight(-1000, 16), -992);
    EXPECT_TRUE(std::signbit(SnapHeight(-3, 16)));  // -0.19 rounds to -0
}
