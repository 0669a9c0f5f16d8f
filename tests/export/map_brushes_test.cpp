// Byte-exact text of one-square terrains in every style and position. The
// expected lines are written out by hand from the brush face tables.
#include <gtest/gtest.h>

#include "export/map_export.h"
#include "export_fixture.h"

using vhtest::CrLf;
using vhtest::ExportToText;
using vhtest::MakeOneSquare;

namespace {

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

struct StyleCase {
    const char* Style;
    int Position;
    float Draw;  // scripted random draw, or -1
    const std::string& Expected;
};

}  // namespace

// Top texture GRASS 0.5 0.25, side ROCK 1 3. "Best Fit" follows the lower
// product; a single "X" square is the "\\" pair; "Random" rounds 1 + draw
// half to even, so 0.5 gives the "//" pair.
TEST(OneSquareExport, EveryStyleAndPositionIsByteExact) {
    const StyleCase cases[] = {
        {"\\", 0, -1, kBackslashBottom},
        {"//", 0, -1, kForwardBottom},
        {"\\", 1, -1, kBackslashTop},
        {"//", 1, -1, kForwardTop},
        {"Best Fit", 0, -1, kForwardBottom},
        {"Best Fit", 1, -1, kForwardTop},
        {"X", 0, -1, kBackslashBottom},
        {"Random", 0, 0.5f, kForwardBottom},
        {"Random", 0, 0.4999f, kBackslashBottom},
        {"Random", 1, 0.99f, kForwardTop},
    };
    for (const auto& c : cases) {
        vh::EditorState s;
        // L = -32 - 16 = -48, H = 48 + 16 = 64; h0*h3 = -1536 < h1*h2 = 136.
        MakeOneSquare(s, -32, 8.5f, 16, 48);
        s.Brushes.TopTexture = "GRASS";
        s.Brushes.TopScaleX = 0.5f;
        s.Brushes.TopScaleY = 0.25f;
        s.Brushes.SideTexture = "ROCK";
        s.Brushes.SideScaleX = 1;
        s.Brushes.SideScaleY = 3;
        if (c.Draw >= 0) s.Rnd.Script({c.Draw});
        s.Export.ExportType = c.Style;
        s.Export.ExportPosition = static_cast<int16_t>(c.Position);
        EXPECT_EQ(ExportToText(s), kOpen + c.Expected + kClose)
            << c.Style << " " << c.Position << " " << c.Draw;
    }
}

// A plane square (C0 = C1 = 40, C2 = C3 = 8): one quad brush, L = -8, H = 56.
TEST(PlaneSquareExport, BestFitWritesOneQuadBrush) {
    const std::vector<std::string> bottom = {
        "    {",
        "        ( -32 32 40 ) ( 32 32 40 ) ( 32 -32 8 ) OUT_DIRT1 0 0 0 2 2",
        "        ( 32 -32 -8 ) ( 32 32 -8 ) ( -32 32 -8 ) OUT_RK3 0 0 0 2 2",
        "        ( 32 32 40 ) ( -32 32 40 ) ( -32 32 -8 ) OUT_RK3 0 0 0 2 2",
        "        ( 32 -32 8 ) ( 32 32 40 ) ( 32 32 -8 ) OUT_RK3 0 0 0 2 2",
        "        ( -32 -32 8 ) ( 32 -32 8 ) ( 32 -32 -8 ) OUT_RK3 0 0 0 2 2",
        "        ( -32 32 40 ) ( -32 -32 8 ) ( -32 -32 -8 ) OUT_RK3 0 0 0 2 2",
        "    }",
    };
    const std::vector<std::string> top = {
        "    {",
        "        ( -32 32 56 ) ( 32 32 56 ) ( 32 -32 56 ) OUT_RK3 0 0 0 2 2",
        "        ( 32 -32 8 ) ( 32 32 40 ) ( -32 32 40 ) OUT_DIRT1 0 0 0 2 2",
        "        ( 32 32 56 ) ( -32 32 56 ) ( -32 32 40 ) OUT_RK3 0 0 0 2 2",
        "        ( 32 -32 56 ) ( 32 32 56 ) ( 32 32 40 ) OUT_RK3 0 0 0 2 2",
        "        ( -32 -32 56 ) ( 32 -32 56 ) ( 32 -32 8 ) OUT_RK3 0 0 0 2 2",
        "        ( -32 32 56 ) ( -32 -32 56 ) ( -32 -32 8 ) OUT_RK3 0 0 0 2 2",
        "    }",
    };
    for (int position : {0, 1}) {
        vh::EditorState s;
        MakeOneSquare(s, 40, 40, 8, 8);
        s.Export.ExportType = "Best Fit";
        s.Export.ExportPosition = static_cast<int16_t>(position);
        EXPECT_EQ(ExportToText(s), kOpen + CrLf(position ? top : bottom) + kClose) << position;
    }
}

TEST(BestFitSplitRule, EqualProductsWithoutAPlaneGiveBackslash) {
    EXPECT_EQ(vh::BestFitSplit(2, 4, 4, 8), vh::SquareSplit::Backslash);  // 2*8 = 4*4, no level sides
    EXPECT_EQ(vh::BestFitSplit(0, 0, 5, 7), vh::SquareSplit::Backslash);
    EXPECT_EQ(vh::BestFitSplit(3, 3, 3, 3), vh::SquareSplit::Quad);
    EXPECT_EQ(vh::BestFitSplit(1, 2, 3, 4), vh::SquareSplit::Forward);    // 4 < 6
    EXPECT_EQ(vh::BestFitSplit(4, 1, 1, 3), vh::SquareSplit::Backslash);  // 12 > 1
}
