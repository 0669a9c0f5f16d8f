#include "tools/flatten.h"

#include <gtest/gtest.h>

#include "tools_fixture.h"

namespace {

// Square 6 of a 5 x 5 grid: corners (2,2), (3,2), (2,3), (3,3).
struct Flatten : ::testing::Test {
    vhtools::ToolTerrain t;
    void SetUp() override {
        t.s.PickedSquare = 6;
        t.s.ToolActive = vh::kTrue;
        t.s.FlattenRadius = 1;
    }
    void Corners(float a, float b, float c, float d) {
        t.H(2, 2) = a;
        t.H(3, 2) = b;
        t.H(2, 3) = c;
        t.H(3, 3) = d;
    }
};

TEST_F(Flatten, TargetIsTheMeanSnappedToTheGrid) {
    const struct {
        float a, b, c, d, target;
    } table[] = {{10, 20, 30, 40, 32}, {0, 0, 16, 24, 16}, {0, 0, 0, 32, 0}, {0, 0, 48, 48, 32}};
    for (const auto& row : table) {
        Corners(row.a, row.b, row.c, row.d);
        vh::FlattenTool(t.s);
        for (int p : {t.P(2, 2), t.P(3, 2), t.P(2, 3), t.P(3, 3)}) EXPECT_EQ(t.H(p), row.target) << row.a;
    }
}

TEST_F(Flatten, LargeRadiusOnACornerSquareFlattensOnlyExistingNeighbours) {
    t.s.FlattenRadius = 2;
    t.s.PickedSquare = 1;
    t.SetAll(64);
    t.H(1, 1) = 0;
    t.H(2, 1) = 0;
    t.H(1, 2) = 0;
    t.H(2, 2) = 0;
    vh::FlattenTool(t.s);
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 5; ++c) EXPECT_EQ(t.H(c, r), (c <= 3 && r <= 3) ? 0 : 64) << c << "," << r;
}

TEST_F(Flatten, LargeRadiusFlattensTheFourByFourBlock) {
    t.s.FlattenRadius = 2;
    t.SetAll(80);
    Corners(0, 0, 0, 0);
    vh::FlattenTool(t.s);
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 5; ++c) EXPECT_EQ(t.H(c, r), (c <= 4 && r <= 4) ? 0 : 80) << c << "," << r;
}

TEST_F(Flatten, XAxesRadiusRunsAcrossRowsAndYAxesAlongTheRow) {
    t.SetAll(80);
    Corners(0, 0, 0, 0);
    t.s.FlattenRadius = 3;
    vh::FlattenTool(t.s);
    // Squares 2, 6, 10: columns 2..3, rows 1..4.
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 5; ++c)
            EXPECT_EQ(t.H(c, r), (c >= 2 && c <= 3 && r <= 4) ? 0 : 80) << c << "," << r;

    t.SetAll(80);
    Corners(0, 0, 0, 0);
    t.s.FlattenRadius = 4;
    vh::FlattenTool(t.s);
    // Squares 5, 6, 7: columns 1..4, rows 2..3.
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 5; ++c)
            EXPECT_EQ(t.H(c, r), (c <= 4 && r >= 2 && r <= 3) ? 0 : 80) << c << "," << r;
}

TEST_F(Flatten, LockedCornerKeepsItsHeightAndCountsInTheMean) {
    Corners(64, 0, 0, 0);
    t.s.Points[t.P(2, 2)].Locked = vh::kTrue;
    vh::FlattenTool(t.s);
    EXPECT_EQ(t.H(2, 2), 64);
    EXPECT_EQ(t.H(3, 2), 16);
    EXPECT_EQ(t.H(3, 3), 16);
}

TEST_F(Flatten, OtherRadiusFlattensNothingButRebuilds) {
    t.s.FlattenRadius = 5;
    Corners(0, 16, 32, 48);
    const auto before = t.Heights();
    vh::FlattenTool(t.s);
    EXPECT_EQ(t.Changed(before), 0);
    EXPECT_EQ(t.rebuilds, 1);
}

TEST_F(Flatten, InactiveToolDoesNothing) {
    t.s.ToolActive = vh::kFalse;
    Corners(0, 16, 32, 48);
    const auto before = t.Heights();
    vh::FlattenTool(t.s);
    EXPECT_EQ(t.Changed(before), 0);
    EXPECT_EQ(t.rebuilds, 0);
}

}  // namespace
