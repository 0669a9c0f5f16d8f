#include "core/grid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/terrain_fixture.h"

using namespace vh;

TEST(Grid, SeventeenBySeventeenCountsAndCoordinates) {
    EditorState s;
    vhtest::MakeTerrain(s, 17, 17);
    EXPECT_EQ(s.PointCount, 289);
    EXPECT_EQ(s.SquareCount, 256);
    EXPECT_EQ(s.PointsPerRow, 17);
    const int corners[][3] = {{1, -2048, -2048}, {17, 2048, -2048}, {289, 2048, 2048}, {145, 0, 0}};
    for (const auto& c : corners) {
        EXPECT_EQ(s.Points[c[0]].X, c[1]) << c[0];
        EXPECT_EQ(s.Points[c[0]].Z, c[2]) << c[0];
    }
    for (int i = 1; i <= 289; ++i) EXPECT_TRUE(s.Points[i].Height == 0 && s.Points[i].Locked == 0) << i;
    ASSERT_EQ(s.UndoHeights3.size(), 290u);
}

TEST(Grid, SquareOneLinksAndTheLastSquaresEdges) {
    EditorState s;
    vhtest::MakeTerrain(s, 5, 4);
    const TerrainSquare& q = s.Squares[1];
    EXPECT_EQ(q.SqPrev + q.SqLeft + q.SqPrevLeft + q.SqPrevRight + q.SqNextLeft, 0);
    EXPECT_EQ(q.SqRight, 2);
    EXPECT_EQ(q.SqNext, 5);  // = X, although a row holds X - 1 squares
    EXPECT_EQ(q.SqNextRight, 6);
    EXPECT_EQ(q.CornerLeft, 1);
    EXPECT_EQ(q.CornerRight, 2);
    EXPECT_EQ(q.CornerNextLeft, 6);
    EXPECT_EQ(q.CornerNextRight, 7);
    const TerrainSquare& last = s.Squares[12];
    EXPECT_EQ(last.SqNext + last.SqRight + last.SqNextLeft + last.SqNextRight + last.SqPrevRight, 0);
    EXPECT_EQ(last.SqPrev, 8);
    EXPECT_EQ(last.SqPrevLeft, 7);
    EXPECT_EQ(last.CornerNextRight, 20);
}

TEST(Grid, YTwoIsASingleRowWithoutVerticalOrDiagonalLinks) {
    EditorState s;
    vhtest::MakeTerrain(s, 6, 2);
    ASSERT_EQ(s.SquareCount, 5);
    for (int n = 1; n <= 5; ++n) {
        const TerrainSquare& q = s.Squares[n];
        for (float v : {q.SqNext, q.SqPrev, q.SqNextLeft, q.SqNextRight, q.SqPrevLeft, q.SqPrevRight})
            EXPECT_EQ(v, 0) << n;
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
    EditorState s;
    vhtest::MakeTerrain(s, 181, 181);
    EXPECT_EQ(s.PointCount, 32761);
    EXPECT_EQ(s.SquareCount, 32400);
    EXPECT_EQ(s.Points[16381].X, 0);  // the centre point
    EXPECT_EQ(s.Squares[32400].CornerNextRight, 32761);
}

TEST(Grid, ReportsItsThreeStepsWithTheirMaxima) {
    struct Recorder : Progress {
        std::vector<std::string> statuses;
        std::vector<int> maxima;
        int last = -1;
        void Status(const std::string& t) override { statuses.push_back(t); }
        void Maximum(int m) override { maxima.push_back(m); }
        void Value(int v) override { last = v; }
    } p;
    EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    s.X = 17;
    s.Y = 9;
    BuildGrid(s, p);
    EXPECT_EQ(p.statuses, (std::vector<std::string>{"Generating Points...", "Building Squares...",
                                                    "Sorting Squares..."}));
    EXPECT_EQ(p.maxima, (std::vector<int>{9, 17 * 8, 128}));
    EXPECT_EQ(p.last, 128);
}
