#include "generate/snap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

using namespace vh;

namespace {

// Same float, sign of zero included.
bool SameBits(float a, float b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace

TEST(SnapHeight, HalvesGoToTheEvenStep) {
    EXPECT_EQ(SnapHeight(8, 16), 0);      // 0.5 -> 0
    EXPECT_EQ(SnapHeight(24, 16), 32);    // 1.5 -> 2
    EXPECT_EQ(SnapHeight(40, 16), 32);    // 2.5 -> 2
    EXPECT_EQ(SnapHeight(-40, 16), -32);  // -2.5 -> -2
    EXPECT_EQ(SnapHeight(-1000, 16), -992);
    EXPECT_TRUE(std::signbit(SnapHeight(-3, 16)));  // -0.19 rounds to -0
}

TEST(SnapHeight, AgreesWithSnapToGridBitForBit) {
    std::mt19937 gen(7);
    std::uniform_real_distribution<float> small(-5000.0f, 5000.0f);
    std::uniform_real_distribution<float> large(-1e9f, 1e9f);
    for (int grid : {1, 2, 8, 16, 32, 128, -16, 3}) {
        for (int k = 0; k < 20000; ++k) {
            const float v = k % 4 == 0 ? large(gen) : small(gen);
            ASSERT_TRUE(SameBits(SnapHeight(v, grid), SnapToGrid(v, grid))) << v << " grid " << grid;
        }
        for (float v = -200.0f; v <= 200.0f; v += 0.5f)
            ASSERT_TRUE(SameBits(SnapHeight(v, grid), SnapToGrid(v, grid))) << v << " grid " << grid;
    }
    for (float v : {0.0f, -0.0f, 1e30f, -1e30f, std::numeric_limits<float>::infinity(),
                    std::numeric_limits<float>::max()})
        EXPECT_TRUE(SameBits(SnapHeight(v, 16), SnapToGrid(v, 16))) << v;
    EXPECT_TRUE(std::isnan(SnapHeight(std::nanf(""), 16)) == std::isnan(SnapToGrid(std::nanf(""), 16)));
    EXPECT_TRUE(SameBits(SnapHeight(12.5f, 0), SnapToGrid(12.5f, 0)));
}
