#include "core/grid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/terrain_fixture.h"

using namespace vh;

namespace {

struct RecordingProgress : Progress {
    std::vector<std::string> statuses;
    std::vector<int> maxima;
    int lastValue = -1;
    void Status(const std::string& t) override { statuses.push_back(t); }
    void Maximum(int m) override { maxima.push_back(m); }
    void Value(int v) override { lastValue = v; }
};

}  // namespace

TEST(Grid, SeventeenBySeventeenCountsAndCoordinates) {
    EditorState s;
    vhtest::MakeTerrain(s, 17, 17);
    EXPECT_EQ(s.PointCount, 289);
    EXPECT_EQ(s.SquareCount, 256);
    EXPECT_EQ(s.PointsPerRow, 17);
    EXPECT_EQ(s.Points[1].X, -2048);
    EXPECT_EQ(s.Points[1].Z, -2048);
    EXPECT_EQ(s.Points[17].X, 2048);
    EXPECT_EQ(s.Points[17].Z, -2048);
    EXPECT_EQ(s.Points[289].X, 2048);
    EXPECT_EQ(s.Points[289].Z, 2048);
    EXPECT_EQ(s.Points[145].X, 0);
    EXPECT_EQ(s.Points[145].Z, 0);
    for (int i = 1; i <= 289; ++i) {
        EXPECT_EQ(s.Points[i].Height, 0);
        EXPECT_EQ(s.Points[i].Locked, 0);
    }
    ASSERT_EQ(s.UndoHeights3.size(), 290u);
}

TEST(Grid, EvenCountsAreCentredOnTheOrigin) {
    EditorState s;
    vhtest::MakeTerrain(s, 4, 2, 100);
    EXPECT_EQ(s.Points[1].X, -150);
    EXPECT_EQ(s.Points[4].X, 150);
    EXPECT_EQ(s.Points[1].Z, -50);
    EXPECT_EQ(s.Points[5].Z, 50);
    EXPECT_EQ(s.PointCount, 8);
}

TEST(Grid, SquareOneLinksAndCorners) {
    EditorState s;
    vhtest::MakeTerrain(s, 5, 4);
    const TerrainSquare& q = s.Squares[1];
    EXPECT_EQ(q.SqPrev, 0);
    EXPECT_EQ(q.SqLeft, 0);
    EXPECT_EQ(q.SqPrevLeft, 0);
    EXPECT_EQ(q.SqPrevRight, 0);
    EXPECT_EQ(q.SqNextLeft, 0);
    EXPECT_EQ(q.SqRight, 2);
    EXPECT_EQ(q.SqNext, 5);  // = X
    EXPECT_EQ(q.SqNextRight, 6);
    EXPECT_EQ(q.CornerLeft, 1);
    EXPECT_EQ(q.CornerRight, 2);
    EXPECT_EQ(q.CornerNextLeft, 6);
    EXPECT_EQ(q.CornerNextRight, 7);
}

TEST(Grid, LinksOfAnInnerAndTheLastSquare) {
    EditorState s;
    vhtest::MakeTerrain(s, 5, 5);  // 4 x 4 squares
    const TerrainSquare& q = s.Squares[6];  // row 2, column 2
    EXPECT_EQ(q.SqNext, 10);
    EXPECT_EQ(q.SqPrev, 2);
    EXPECT_EQ(q.SqLeft, 5);
    EXPECT_EQ(q.SqRight, 7);
    EXPECT_EQ(q.SqNextLeft, 9);
    EXPECT_EQ(q.SqNextRight, 11);
    EXPECT_EQ(q.SqPrevLeft, 1);
    EXPECT_EQ(q.SqPrevRight, 3);
    EXPECT_EQ(q.CornerLeft, 7);
    EXPECT_EQ(q.CornerNextRight, 13);
    const TerrainSquare& last = s.Squares[16];
    EXPECT_EQ(last.SqNext, 0);
    EXPECT_EQ(last.SqRight, 0);
    EXPECT_EQ(last.SqNextLeft, 0);
    EXPECT_EQ(last.SqNextRight, 0);
    EXPECT_EQ(last.SqPrevRight, 0);
    EXPECT_EQ(last.SqPrev, 12);
    EXPECT_EQ(last.SqPrevLeft, 11);
    EXPECT_EQ(last.CornerNextRight, 25);
}

TEST(Grid, SquareOneNextIsTheSquareAboveForTheDefaultGrid) {
    EditorState s;
    vhtest::MakeTerrain(s, 17, 17);
    // One row holds X - 1 = 16 squares, so the square above square 1 is 17 = X.
    EXPECT_EQ(s.Squares[1].SqNext, 17);
    EXPECT_EQ(s.Squares[1].CornerNextLeft, 18);
    EXPECT_EQ(s.Squares[1].CornerNextRight, 19);
}

TEST(Grid, ASingleRowOfSquaresHasNoVerticalOrDiagonalLinks) {
    EditorState s;
    vhtest::MakeTerrain(s, 6, 2);
    ASSERT_EQ(s.SquareCount, 5);
    for (int n = 1; n <= 5; ++n) {
        const TerrainSquare& q = s.Squares[n];
        EXPECT_EQ(q.SqNext, 0);
        EXPECT_EQ(q.SqPrev, 0);
        EXPECT_EQ(q.SqNextLeft, 0);
        EXPECT_EQ(q.SqNextRight, 0);
        EXPECT_EQ(q.SqPrevLeft, 0);
        EXPECT_EQ(q.SqPrevRight, 0);
    }
    EXPECT_EQ(s.Squares[3].SqLeft, 2);
    EXPECT_EQ(s.Squares[3].SqRight, 4);
}

TEST(Grid, SizeLimitAcceptsOneEightyOneSquaredOnly) {
    EXPECT_FALSE(CheckGridSize(181, 181, 256).has_value());
    auto msg = CheckGridSize(182, 181, 256);
    ASSERT_TRUE(msg.has_value());
    EXPECT_NE(msg->find("32767"), std::string::npos);
    EXPECT_TRUE(CheckGridSize(1, 5, 256).has_value());
    EXPECT_TRUE(CheckGridSize(5, 5, 0).has_value());
}

TEST(Grid, LargestGridBuildsEveryLink) {
    EditorState s;
    vhtest::MakeTerrain(s, 181, 181);
    EXPECT_EQ(s.PointCount, 32761);
    EXPECT_EQ(s.SquareCount, 32400);
    EXPECT_EQ(s.Points[16381].X, 0);  // the centre point
    EXPECT_EQ(s.Points[16381].Z, 0);
    EXPECT_EQ(s.Squares[32400].CornerNextRight, 32761);
}

TEST(Grid, ReportsItsThreeStepsWithTheirMaxima) {
    EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    s.X = 17;
    s.Y = 9;
    RecordingProgress p;
    BuildGrid(s, p);
    EXPECT_EQ(p.statuses,
              (std::vector<std::string>{"Generating Points...", "Building Squares...", "Sorting Squares..."}));
    EXPECT_EQ(p.maxima, (std::vector<int>{9, 17 * 8, 128}));
    EXPECT_EQ(p.lastValue, 128);
}
