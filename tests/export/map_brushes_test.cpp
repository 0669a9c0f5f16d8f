// Byte-exact text of one-square terrains in every style and position. The
// expected lines are written out by hand from the brush face tables.
#include <gtest/gtest.h>

#include "export/map_export.h"
#include "export_fixture.h"

using vhtest::CrLf;
using vhtest::ExportToText;
using vhtest::MakeOneSquare;

namespace {

// Heights: C0 -32, C1 8.5, C2 16, C3 48; L = -32 - 16 = -48, H = 48 + 16 = 64.
// h0*h3 = -1536 < h1*h2 = 136, so "Best Fit" picks the "//" pair.
void Sloped(vh::EditorState& s) {
    MakeOneSquare(s, -32, 8.5f, 16, 48);
}

const std::string kOpen = CrLf({"{", "    \"classname\" \"worldspawn\""});
const std::string kClose = CrLf({"}"});

// "\\" pair, flatten bottom, top texture GRASS 0.5 0.25, side ROCK 1 3.
const std::string kBackslashBottom = CrLf({
    "    {",
    "        ( 32 -32 48 ) ( -32 -32 16 ) ( -32 32 -32 ) GRASS 0 0 0 0.5 0.25",
    "        ( -32 32 -48 ) ( -32 -32 -48 ) ( 32 -32 -48 ) ROCK 0 0 0 1 3",
    "        ( -32 -32 16 ) ( 32 -32 48 ) ( 32 -32 -48 ) ROCK 0 0 0 1 3",
    "        ( -32 32 -32 ) ( -32 -32 16 ) ( -32 -32 -48 ) ROCK 0 0 0 1 3",
    "        ( 32 -32 48 ) ( -32 32 -32 ) ( -32 32 -48 ) ROCK 0 0 0 1 3",
    "    }",
    "    {",
    "        ( -32 32 -32 ) ( 32 32 8.5 ) ( 32 -32 48 ) GRASS 0 0 0 0.5 0.25",
    "        ( 32 -32 -48 ) ( 32 32 -48 ) ( -32 32 -48 ) ROCK 0 0 0 1 3",
    "        ( 32 32 8.5 ) ( -32 32 -32 ) ( -32 32 -48 ) ROCK 0 0 0 1 3",
    "        ( 32 -32 48 ) ( 32 32 8.5 ) ( 32 32 -48 ) ROCK 0 0 0 1 3",
    "         ( -32 32 -32 ) ( 32 -32 48 ) ( 32 -32 -48 ) ROCK 0 0 0 1 3",
    "    }",
});

const std::string kForwardBottom = CrLf({
    "    {",
    "        ( -32 -32 16 ) ( -32 32 -32 ) ( 32 32 8.5 ) GRASS 0 0 0 0.5 0.25",
    "        ( 32 32 -48 ) ( -32 32 -48 ) ( -32 -32 -48 ) ROCK 0 0 0 1 3",
    "        ( 32 32 8.5 ) ( -32 32 -32 ) ( -32 32 -48 ) ROCK 0 0 0 1 3",
    "        ( -32 32 -32 ) ( -32 -32 16 ) ( -32 -32 -48 ) ROCK 0 0 0 1 3",
    "        ( -32 -32 16 ) ( 32 32 8.5 ) ( 32 32 -48 ) ROCK 0 0 0 1 3",
    "    }",
    "    {",
    "        ( 32 32 8.5 ) ( 32 -32 48 ) ( -32 -32 16 ) GRASS 0 0 0 0.5 0.25",
    "        ( -32 -32 -48 ) ( 32 -32 -48 ) ( 32 32 -48 ) ROCK 0 0 0 1 3",
    "        ( -32 -32 16 ) ( 32 -32 48 ) ( 32 -32 -48 ) ROCK 0 0 0 1 3",
    "        ( 32 -32 48 ) ( 32 32 8.5 ) ( 32 32 -48 ) ROCK 0 0 0 1 3",
    "        ( 32 32 8.5 ) ( -32 -32 16 ) ( -32 -32 -48 ) ROCK 0 0 0 1 3",
    "    }",
});

const std::string kBackslashTop = CrLf({
    "    {",
    "        ( 32 -32 64 ) ( -32 -32 64 ) ( -32 32 64 ) ROCK 0 0 0 1 3",
    "        ( -32 32 -32 ) ( -32 -32 16 ) ( 32 -32 48 ) GRASS 0 0 0 0.5 0.25",
    "        ( -32 -32 64 ) ( 32 -32 64 ) ( 32 -32 48 ) ROCK 0 0 0 1 3",
    "        ( -32 32 64 ) ( -32 -32 64 ) ( -32 -32 16 ) ROCK 0 0 0 1 3",
    "        ( 32 -32 64 ) ( -32 32 64 ) ( -32 32 -32 ) ROCK 0 0 0 1 3",
    "    }",
    "    {",
    "        ( -32 32 64 ) ( 32 32 64 ) ( 32 -32 64 ) ROCK 0 0 0 1 3",
    "        ( 32 -32 48 ) ( 32 32 8.5 ) ( -32 32 -32 ) GRASS 0 0 0 0.5 0.25",
    "        ( 32 32 64 ) ( -32 32 64 ) ( -32 32 -32 ) ROCK 0 0 0 1 3",
    "        ( 32 -32 64 ) ( 32 32 64 ) ( 32 32 8.5 ) ROCK 0 0 0 1 3",
    "         ( -32 32 64 ) ( 32 -32 64 ) ( 32 -32 48 ) ROCK 0 0 0 1 3",
    "    }",
});

const std::string kForwardTop = CrLf({
    "    {",
    "        ( -32 -32 64 ) ( -32 32 64 ) ( 32 32 64 ) ROCK 0 0 0 1 3",
    "        ( 32 32 8.5 ) ( -32 32 -32 ) ( -32 -32 16 ) GRASS 0 0 0 0.5 0.25",
    "        ( 32 32 64 ) ( -32 32 64 ) ( -32 32 -32 ) ROCK 0 0 0 1 3",
    "        ( -32 32 64 ) ( -32 -32 64 ) ( -32 -32 16 ) ROCK 0 0 0 1 3",
    "        ( -32 -32 64 ) ( 32 32 64 ) ( 32 32 8.5 ) ROCK 0 0 0 1 3",
    "    }",
    "    {",
    "        ( 32 32 64 ) ( 32 -32 64 ) ( -32 -32 64 ) ROCK 0 0 0 1 3",
    "        ( -32 -32 16 ) ( 32 -32 48 ) ( 32 32 8.5 ) GRASS 0 0 0 0.5 0.25",
    "        ( -32 -32 64 ) ( 32 -32 64 ) ( 32 -32 48 ) ROCK 0 0 0 1 3",
    "        ( 32 -32 64 ) ( 32 32 64 ) ( 32 32 8.5 ) ROCK 0 0 0 1 3",
    "        ( 32 32 64 ) ( -32 -32 64 ) ( -32 -32 16 ) ROCK 0 0 0 1 3",
    "    }",
});

class OneSquareExport : public ::testing::Test {
protected:
    void SetUp() override {
        Sloped(s);
        s.TopTexture = "GRASS";
        s.TopScaleX = 0.5f;
        s.TopScaleY = 0.25f;
        s.SideTexture = "ROCK";
        s.SideScaleX = 1;
        s.SideScaleY = 3;
    }
    std::string Export(const std::string& style, int position) {
        s.ExportType = style;
        s.ExportPosition = static_cast<int16_t>(position);
        return ExportToText(s);
    }
    vh::EditorState s;
};

}  // namespace

TEST_F(OneSquareExport, BackslashFlattenBottom) {
    EXPECT_EQ(Export("\\", 0), kOpen + kBackslashBottom + kClose);
}

TEST_F(OneSquareExport, ForwardFlattenBottom) {
    EXPECT_EQ(Export("//", 0), kOpen + kForwardBottom + kClose);
}

TEST_F(OneSquareExport, BackslashFlattenTop) {
    EXPECT_EQ(Export("\\", 1), kOpen + kBackslashTop + kClose);
}

TEST_F(OneSquareExport, ForwardFlattenTop) {
    EXPECT_EQ(Export("//", 1), kOpen + kForwardTop + kClose);
}

TEST_F(OneSquareExport, BestFitFollowsTheLowerProduct) {
    EXPECT_EQ(Export("Best Fit", 0), kOpen + kForwardBottom + kClose);
    EXPECT_EQ(Export("Best Fit", 1), kOpen + kForwardTop + kClose);
}

TEST_F(OneSquareExport, BestFitTakesBackslashWhenItsProductIsHigher) {
    // Swap C0 and C1: h0*h3 = 8.5*48 = 408 > h1*h2 = -32*16.
    s.Points[static_cast<int>(s.Squares[1].CornerNextLeft)].Height = 8.5f;
    s.Points[static_cast<int>(s.Squares[1].CornerNextRight)].Height = -32;
    const auto lines = vhtest::SplitCrLf(Export("Best Fit", 0));
    ASSERT_GT(lines.size(), 3u);
    EXPECT_EQ(lines[3], "        ( 32 -32 48 ) ( -32 -32 16 ) ( -32 32 8.5 ) GRASS 0 0 0 0.5 0.25");
}

TEST_F(OneSquareExport, SingleSquareXStyleIsTheBackslashPair) {
    EXPECT_EQ(Export("X", 0), kOpen + kBackslashBottom + kClose);
}

TEST_F(OneSquareExport, RandomRoundsHalfUpToTheForwardPair) {
    s.Rnd.Script({0.25f});
    EXPECT_EQ(Export("Random", 0), kOpen + kBackslashBottom + kClose);
    s.Rnd.Script({0.5f});  // 1.5 rounds to even 2
    EXPECT_EQ(Export("Random", 0), kOpen + kForwardBottom + kClose);
    s.Rnd.Script({0.4999f});
    EXPECT_EQ(Export("Random", 0), kOpen + kBackslashBottom + kClose);
    s.Rnd.Script({0.99f});
    EXPECT_EQ(Export("Random", 1), kOpen + kForwardTop + kClose);
}

// A plane square (C0 = C1 = 40, C2 = C3 = 8): L = 8 - 16 = -8, H = 56.
TEST(PlaneSquareExport, BestFitWritesOneQuadBrushFlattenBottom) {
    vh::EditorState s;
    MakeOneSquare(s, 40, 40, 8, 8);
    s.ExportType = "Best Fit";
    s.ExportPosition = 0;
    EXPECT_EQ(ExportToText(s), kOpen +
                                   CrLf({
                                       "    {",
                                       "        ( -32 32 40 ) ( 32 32 40 ) ( 32 -32 8 ) OUT_DIRT1 0 0 0 2 2",
                                       "        ( 32 -32 -8 ) ( 32 32 -8 ) ( -32 32 -8 ) OUT_RK3 0 0 0 2 2",
                                       "        ( 32 32 40 ) ( -32 32 40 ) ( -32 32 -8 ) OUT_RK3 0 0 0 2 2",
                                       "        ( 32 -32 8 ) ( 32 32 40 ) ( 32 32 -8 ) OUT_RK3 0 0 0 2 2",
                                       "        ( -32 -32 8 ) ( 32 -32 8 ) ( 32 -32 -8 ) OUT_RK3 0 0 0 2 2",
                                       "        ( -32 32 40 ) ( -32 -32 8 ) ( -32 -32 -8 ) OUT_RK3 0 0 0 2 2",
                                       "    }",
                                   }) +
                                   kClose);
}

TEST(PlaneSquareExport, BestFitWritesOneQuadBrushFlattenTop) {
    vh::EditorState s;
    MakeOneSquare(s, 40, 40, 8, 8);
    s.ExportType = "Best Fit";
    s.ExportPosition = 1;
    EXPECT_EQ(ExportToText(s), kOpen +
                                   CrLf({
                                       "    {",
                                       "        ( -32 32 56 ) ( 32 32 56 ) ( 32 -32 56 ) OUT_RK3 0 0 0 2 2",
                                       "        ( 32 -32 8 ) ( 32 32 40 ) ( -32 32 40 ) OUT_DIRT1 0 0 0 2 2",
                                       "        ( 32 32 56 ) ( -32 32 56 ) ( -32 32 40 ) OUT_RK3 0 0 0 2 2",
                                       "        ( 32 -32 56 ) ( 32 32 56 ) ( 32 32 40 ) OUT_RK3 0 0 0 2 2",
                                       "        ( -32 -32 56 ) ( 32 -32 56 ) ( 32 -32 8 ) OUT_RK3 0 0 0 2 2",
                                       "        ( -32 32 56 ) ( -32 -32 56 ) ( -32 -32 8 ) OUT_RK3 0 0 0 2 2",
                                       "    }",
                                   }) +
                                   kClose);
}

TEST(PlaneSquareExport, AConstantSlopeAlongXIsAlsoAQuad) {
    vh::EditorState s;
    MakeOneSquare(s, 0, 32, 0, 32);  // h0 = h2 and h1 = h3; both products 0
    s.ExportType = "Best Fit";
    std::string text = ExportToText(s);
    EXPECT_EQ(vhtest::SplitCrLf(text).size(), 2u + 8u + 1u);
}

TEST(BestFitSplitRule, EqualProductsWithoutAPlaneGiveBackslash) {
    // 2*8 = 4*4 but neither pair of sides is level.
    EXPECT_EQ(vh::BestFitSplit(2, 4, 4, 8), vh::SquareSplit::Backslash);
    EXPECT_EQ(vh::BestFitSplit(0, 0, 5, 7), vh::SquareSplit::Backslash);
    EXPECT_EQ(vh::BestFitSplit(3, 3, 3, 3), vh::SquareSplit::Quad);
    EXPECT_EQ(vh::BestFitSplit(1, 2, 3, 4), vh::SquareSplit::Forward);    // 4 < 6
    EXPECT_EQ(vh::BestFitSplit(4, 1, 1, 3), vh::SquareSplit::Backslash);  // 12 > 1
}

// Default textures, hint and sky on, "\\" flatten bottom: the whole file.
TEST(OneSquareFullExport, HintAndSkyBrushesFollowTheTerrain) {
    vh::EditorState s;
    Sloped(s);
    s.ExportType = "\\";
    s.AddHint = -1;
    s.AddSky = -1;
    const std::string text = ExportToText(s);
    const std::string expected =
        kOpen +
        CrLf({
            "    {",
            "        ( 32 -32 48 ) ( -32 -32 16 ) ( -32 32 -32 ) OUT_DIRT1 0 0 0 2 2",
            "        ( -32 32 -48 ) ( -32 -32 -48 ) ( 32 -32 -48 ) OUT_RK3 0 0 0 2 2",
            "        ( -32 -32 16 ) ( 32 -32 48 ) ( 32 -32 -48 ) OUT_RK3 0 0 0 2 2",
            "        ( -32 32 -32 ) ( -32 -32 16 ) ( -32 -32 -48 ) OUT_RK3 0 0 0 2 2",
            "        ( 32 -32 48 ) ( -32 32 -32 ) ( -32 32 -48 ) OUT_RK3 0 0 0 2 2",
            "    }",
            "    {",
            "        ( -32 32 -32 ) ( 32 32 8.5 ) ( 32 -32 48 ) OUT_DIRT1 0 0 0 2 2",
            "        ( 32 -32 -48 ) ( 32 32 -48 ) ( -32 32 -48 ) OUT_RK3 0 0 0 2 2",
            "        ( 32 32 8.5 ) ( -32 32 -32 ) ( -32 32 -48 ) OUT_RK3 0 0 0 2 2",
            "        ( 32 -32 48 ) ( 32 32 8.5 ) ( 32 32 -48 ) OUT_RK3 0 0 0 2 2",
            "         ( -32 32 -32 ) ( 32 -32 48 ) ( 32 -32 -48 ) OUT_RK3 0 0 0 2 2",
            "    }",
            // hint
            "    {",
            "        ( -32 32 64 ) ( 32 32 64 ) ( 32 -32 64 ) skip 0 0 0 1 1",
            "        ( 32 -32 -48 ) ( 32 32 -48 ) ( -32 32 -48 ) skip 0 0 0 1 1",
            "        ( 32 32 64 ) ( -32 32 64 ) ( -32 32 -48 ) hint 0 0 0 1 1",
            "        ( 32 -32 64 ) ( 32 32 64 ) ( 32 32 -48 ) hint 0 0 0 1 1",
            "        ( -32 -32 64 ) ( 32 -32 64 ) ( 32 -32 -48 ) hint 0 0 0 1 1",
            "        ( -32 32 64 ) ( -32 -32 64 ) ( -32 -32 -48 ) hint 0 0 0 1 1",
            "    }",
            // sky: wall at low x (x -48..-32)
            "    {",
            "        ( -48 32 64 ) ( -32 32 64 ) ( -32 -32 64 ) sky 0 0 0 1 1",
            "        ( -32 -32 -48 ) ( -32 32 -48 ) ( -48 32 -48 ) sky 0 0 0 1 1",
            "        ( -48 32 64 ) ( -48 -32 64 ) ( -48 -32 -48 ) sky 0 0 0 1 1",
            "        ( -32 -32 64 ) ( -32 32 64 ) ( -32 32 -48 ) sky 0 0 0 1 1",
            "        ( -32 32 64 ) ( -48 32 64 ) ( -48 32 -48 ) sky 0 0 0 1 1",
            "        ( -48 -32 64 ) ( -32 -32 64 ) ( -32 -32 -48 ) sky 0 0 0 1 1",
            "    }",
            // wall at high x (x 32..48)
            "    {",
            "        ( 32 32 64 ) ( 48 32 64 ) ( 48 -32 64 ) sky 0 0 0 1 1",
            "        ( 48 -32 -48 ) ( 48 32 -48 ) ( 32 32 -48 ) sky 0 0 0 1 1",
            "        ( 32 32 64 ) ( 32 -32 64 ) ( 32 -32 -48 ) sky 0 0 0 1 1",
            "        ( 48 -32 64 ) ( 48 32 64 ) ( 48 32 -48 ) sky 0 0 0 1 1",
            "        ( 48 32 64 ) ( 32 32 64 ) ( 32 32 -48 ) sky 0 0 0 1 1",
            "        ( 32 -32 64 ) ( 48 -32 64 ) ( 48 -32 -48 ) sky 0 0 0 1 1",
            "    }",
            // wall at high z (z 32..48)
            "    {",
            "        ( -48 48 64 ) ( 48 48 64 ) ( 48 32 64 ) sky 0 0 0 1 1",
            "        ( 48 32 -48 ) ( 48 48 -48 ) ( -48 48 -48 ) sky 0 0 0 1 1",
            "        ( -48 48 64 ) ( -48 32 64 ) ( -48 32 -48 ) sky 0 0 0 1 1",
            "        ( 48 32 64 ) ( 48 48 64 ) ( 48 48 -48 ) sky 0 0 0 1 1",
            "        ( 48 48 64 ) ( -48 48 64 ) ( -48 48 -48 ) sky 0 0 0 1 1",
            "        ( -48 32 64 ) ( 48 32 64 ) ( 48 32 -48 ) sky 0 0 0 1 1",
            "    }",
            // wall at low z (z -48..-32)
            "    {",
            "        ( -48 -32 64 ) ( 48 -32 64 ) ( 48 -48 64 ) sky 0 0 0 1 1",
            "        ( 48 -48 -48 ) ( 48 -32 -48 ) ( -48 -32 -48 ) sky 0 0 0 1 1",
            "        ( -48 -32 64 ) ( -48 -48 64 ) ( -48 -48 -48 ) sky 0 0 0 1 1",
            "        ( 48 -48 64 ) ( 48 -32 64 ) ( 48 -32 -48 ) sky 0 0 0 1 1",
            "        ( 48 -32 64 ) ( -48 -32 64 ) ( -48 -32 -48 ) sky 0 0 0 1 1",
            "        ( -48 -48 64 ) ( 48 -48 64 ) ( 48 -48 -48 ) sky 0 0 0 1 1",
            "    }",
            // roof (height 64..80)
            "    {",
            "        ( -48 48 80 ) ( 48 48 80 ) ( 48 -48 80 ) sky 0 0 0 1 1",
            "        ( 48 -48 64 ) ( 48 48 64 ) ( -48 48 64 ) sky 0 0 0 1 1",
            "        ( -48 48 80 ) ( -48 -48 80 ) ( -48 -48 64 ) sky 0 0 0 1 1",
            "        ( 48 -48 80 ) ( 48 48 80 ) ( 48 48 64 ) sky 0 0 0 1 1",
            "        ( 48 48 80 ) ( -48 48 80 ) ( -48 48 64 ) sky 0 0 0 1 1",
            "        ( -48 -48 80 ) ( 48 -48 80 ) ( 48 -48 64 ) sky 0 0 0 1 1",
            "    }",
        }) +
        kClose;
    EXPECT_EQ(text, expected);
}
