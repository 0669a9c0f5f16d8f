#include "tools/smooth.h"

#include <gtest/gtest.h>

#include "tools_fixture.h"

namespace {

// Point (3,3) of a 5 x 5 grid is inside, so its Linear neighbourhood is
// itself and four neighbours: A = (h + 4 b) / 5 when the neighbours are at b.
struct Smooth : ::testing::Test {
    vhtools::ToolTerrain t;
    int centre = 0;
    void SetUp() override {
        centre = t.P(3, 3);
        t.s.SmoothType = 1;
        t.s.SmoothToolThreshold = 48;
    }
    void Setup(float h, float neighbours) {
        t.SetAll(neighbours);
        t.H(centre) = h;
    }
};

TEST_F(Smooth, RowEndsHaveNoNeighboursInTheOtherRow) {
    t.SetAll(0);
    t.s.SmoothType = 0;
    t.H(5, 1) = 900;  // end of row 1, just before the start of row 2
    // (1,2) starts row 2: left neighbour and its diagonals are skipped.
    EXPECT_EQ(*vh::NeighbourhoodAverage(t.s, t.P(1, 2)), 0);
    // (5,2) ends row 2: (5,1) is straight below it, so it counts (1 of 6).
    EXPECT_EQ(*vh::NeighbourhoodAverage(t.s, t.P(5, 2)), 150);
    // Point 1 has neither a previous row nor a left neighbour: 1, 6, 2, 7.
    t.H(5, 1) = 0;
    t.H(1, 1) = 40;
    EXPECT_EQ(*vh::NeighbourhoodAverage(t.s, 1), 10);
}

TEST_F(Smooth, GradualMovesOneGridStepOrStays) {
    const struct {
        float offset, result;
    } table[] = {{48, 32}, {60, 44}, {32, 32}, {-32, -16}, {20, 20}, {-20, -20}, {0, 0}};
    for (const auto& row : table) {
        // Neighbours at 1000 put the average exactly `offset` below the point.
        const float h = 1000 + row.offset * 5 / 4;
        Setup(h, 1000);
        const float a = *vh::NeighbourhoodAverage(t.s, centre);
        ASSERT_EQ(h - a, row.offset);
        vh::SmoothPointByStep(t.s, centre);
        EXPECT_EQ(t.H(centre) - a, row.result) << "offset " << row.offset;
    }
}

TEST_F(Smooth, JumpKeepsPointsWithinTheThresholdAndSnapsTheRest) {
    // Neighbours b give A = (h + 4 b) / 5.
    const struct {
        float h, b, result;
    } table[] = {{140, 90, 140}, {160, 85, 96}, {164, 89, 96}, {180, 105, 128}};
    for (const auto& row : table) {
        Setup(row.h, row.b);
        vh::SmoothPointJump(t.s, centre);
        EXPECT_EQ(t.H(centre), row.result) << row.h;
    }
}

TEST(SmoothTool, JumpWithLargeRadiusActsOncePerClick) {
    vhtools::ToolTerrain t;
    t.s.PickedSquare = 6;
    t.s.ToolActive = vh::kTrue;
    t.s.SmoothStyle = 1;
    t.s.SmoothToolThreshold = 0;
    const auto spikes = [&t] {
        for (int r = 1; r <= 4; ++r)
            for (int c = 1; c <= 4; ++c) t.H(c, r) = static_cast<float>(160 * ((c + r) % 2));
    };
    spikes();
    const auto start = t.Heights();
    vh::SmoothTool(t.s);
    EXPECT_EQ(t.s.SmoothJumpDone, vh::kTrue);
    EXPECT_GT(t.Changed(start), 8);
    spikes();
    vh::SmoothTool(t.s);
    EXPECT_EQ(t.Changed(start), 0);
    EXPECT_EQ(t.rebuilds, 2);
}

}  // namespace
