#include "core/random.h"

#include <gtest/gtest.h>

using namespace vh;

TEST(RandomSource, ValuesStayInTheHalfOpenUnitRange) {
    RandomSource r;
    for (int i = 0; i < 100000; ++i) {
        float v = r.Next();
        ASSERT_GE(v, 0.0f);
        ASSERT_LT(v, 1.0f);
    }
}

TEST(RandomSource, ScriptedDrawsComeInOrderAndRepeat) {
    RandomSource r;
    r.Script({0.1f, 0.9f});
    EXPECT_EQ(r.Next(), 0.1f);
    EXPECT_EQ(r.Next(), 0.9f);
    EXPECT_EQ(r.Next(), 0.1f);
    EXPECT_EQ(r.Draws(), 3u);
    r.Randomize();  // scripted draws are not disturbed by a re-seed
    EXPECT_EQ(r.Next(), 0.9f);
}

TEST(RandomSource, ASeedMakesRunsReproducibleAcrossRandomize) {
    RandomSource a, b;
    a.Seed(42);
    b.Seed(42);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(a.Next(), b.Next());
    float first = (a.Randomize(), a.Next());
    b.Seed(42);
    EXPECT_EQ(first, b.Next());
}

TEST(RandomSign, NegatesOnlyAboveOneHalf) {
    RandomSource r;
    r.Script({0.5f, 0.51f, 0.0f});
    EXPECT_EQ(RandomSign(r, 3.0f), 3.0f);
    EXPECT_EQ(RandomSign(r, 3.0f), -3.0f);
    EXPECT_EQ(RandomSign(r, 3.0f), 3.0f);
}

TEST(RandomPointIndex, CoversOneToCountWithHalvesToEven) {
    RandomSource r;
    r.Script({0.0f, 0.999999f, 0.5f, 0.125f});
    EXPECT_EQ(RandomPointIndex(r, 289), 1);
    EXPECT_EQ(RandomPointIndex(r, 289), 289);
    EXPECT_EQ(RandomPointIndex(r, 289), 145);  // 288 * 0.5 + 1
    EXPECT_EQ(RandomPointIndex(r, 5), 2);      // 4 * 0.125 + 1 = 1.5 -> 2
}
