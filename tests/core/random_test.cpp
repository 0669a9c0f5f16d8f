#include "core/random.h"

#include <gtest/gtest.h>

using namespace vh;

TEST(RandomSource, ScriptedDrawsRepeatAndSeedsReproduceAcrossRandomize) {
    RandomSource r;
    r.Script({0.1f, 0.9f});
    EXPECT_EQ(r.Next(), 0.1f);
    EXPECT_EQ(r.Next(), 0.9f);
    EXPECT_EQ(r.Next(), 0.1f);
    EXPECT_EQ(r.Draws(), 3u);
    r.Randomize();  // scripted draws are not disturbed by a re-seed
    EXPECT_EQ(r.Next(), 0.9f);

    RandomSource a, b;
    a.Seed(42);
    b.Seed(42);
    for (int i = 0; i < 1000; ++i) {
        float v = a.Next();
        ASSERT_EQ(v, b.Next());
        ASSERT_TRUE(v >= 0.0f && v < 1.0f) << v;
    }
    float first = (a.Randomize(), a.Next());
    b.Seed(42);
    EXPECT_EQ(first, b.Next());
}

TEST(RandomHelpers, SignFlipsAboveOneHalfAndIndexRoundsHalvesToEven) {
    RandomSource r;
    r.Script({0.5f, 0.51f, 0.0f});
    EXPECT_EQ(RandomSign(r, 3.0f), 3.0f);
    EXPECT_EQ(RandomSign(r, 3.0f), -3.0f);
    EXPECT_EQ(RandomSign(r, 3.0f), 3.0f);
    r.Script({0.0f, 0.999999f, 0.5f, 0.125f});
    EXPECT_EQ(RandomPointIndex(r, 289), 1);
    EXPECT_EQ(RandomPointIndex(r, 289), 289);
    EXPECT_EQ(RandomPointIndex(r, 289), 145);  // 288 * 0.5 + 1
    EXPECT_EQ(RandomPointIndex(r, 5), 2);      // 4 * 0.125 + 1 = 1.5 -> 2
}
