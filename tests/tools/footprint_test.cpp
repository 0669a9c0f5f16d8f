// What each tool says it touches is what its passes change: the highlight
// of the effected squares is drawn from these answers.
#include <gtest/gtest.h>

#include <iterator>
#include <set>

#include "tools/brush_tool.h"
#include "tools/edit_pass.h"
#include "tools/tool_common.h"
#include "tools/tool_selection.h"
#include "tools_fixture.h"

namespace {

struct Case {
    vh::Tool tool;
    int radius;
};

// Corners of the square and of every square in its footprint.
std::set<int> Reach(const vh::Terrain& t, int square, const vh::Footprint& f) {
    std::set<int> points;
    std::vector<int> squares = f.Outlined;
    squares.insert(squares.end(), f.DiagonalsOnly.begin(), f.DiagonalsOnly.end());
    if (!f.Corner) squares.push_back(square);
    for (int k : squares) {
        const vh::SquareCorners c = t.Corners(k);
        points.insert({c.c0, c.c1, c.c2, c.c3});
    }
    if (f.Corner) points.insert(f.Corner);
    return points;
}

}  // namespace

TEST(Footprint, EveryChangedPointLiesInTheFootprintAndTheRingShowsOnlyWithTheLargeRadius) {
    const Case cases[] = {{vh::Tool::RaiseLower, 1}, {vh::Tool::RaiseLower, 2}, {vh::Tool::Smooth, 1},
                          {vh::Tool::Smooth, 2},     {vh::Tool::Noise, 1},      {vh::Tool::Noise, 2},
                          {vh::Tool::Flatten, 1},    {vh::Tool::Flatten, 2},    {vh::Tool::Flatten, 3},
                          {vh::Tool::Flatten, 4},    {vh::Tool::TouchUp, 0}};
    // Inside, on the first row, and in a corner of a 7 x 7 grid.
    for (int square : {3 * 6 + 4, 3, 1}) {
        for (const Case& c : cases) {
            vhtools::ToolTerrain t(7, 7);
            for (int p = 1; p <= t.s.Terrain.PointCount; ++p) t.H(p) = static_cast<float>(48 * ((p * 5) % 7));
            t.s.Rnd.Seed(11);  // noise can round every draw away; a fixed stream always moves something here
            vh::SetCurrentTool(t.s, c.tool);
            if (int* radius = vh::RadiusField(t.s.Tools, c.tool)) *radius = c.radius;
            t.s.Stroke.PickedSquare = square;
            t.tools.TouchUp.TouchUpCorner = 3;
            const vh::BrushTool* tool = t.tools.Of(c.tool);
            ASSERT_NE(tool, nullptr);
            const vh::Footprint f = tool->FootprintAt(t.s.Terrain, t.s.Tools, square);
            const std::set<int> reach = Reach(t.s.Terrain, square, f);

            const std::vector<float> before = t.Heights();
            vh::InputState in;
            in.Button1 = true;
            for (int y : {300, 260, 220}) {
                in.CursorY = y;
                vh::RunEditPass(t.s, t.tools, in, 0);
            }
            const std::string what = std::to_string(static_cast<int>(c.tool)) + " radius " +
                                     std::to_string(c.radius) + " square " + std::to_string(square);
            EXPECT_GT(t.Changed(before), 0) << what;
            for (int p = 1; p <= t.s.Terrain.PointCount; ++p) {
                if (t.H(p) == before[p - 1]) continue;
                EXPECT_TRUE(reach.count(p)) << what << ": point " << p;
            }

            const bool ring = c.radius >= 2;
            EXPECT_EQ(f.Outlined.empty() && f.DiagonalsOnly.empty(), !ring) << what;
            for (int k : f.Outlined) EXPECT_TRUE(t.s.Terrain.IsSquare(k)) << what;
        }
    }
}

TEST(Footprint, TouchUpNamesItsCornerAndMountainShowsNothing) {
    vhtools::ToolTerrain t(5, 5);
    const vh::Terrain& g = t.s.Terrain;
    const int corners[] = {vh::CornerLeftOf(g, 6), vh::CornerNextLeftOf(g, 6), vh::CornerNextRightOf(g, 6),
                           vh::CornerRightOf(g, 6)};
    for (int corner = 0; corner <= 5; ++corner) {
        t.tools.TouchUp.TouchUpCorner = corner;
        const vh::Footprint f = t.tools.TouchUp.FootprintAt(g, t.s.Tools, 6);
        EXPECT_EQ(f.Corner, corner >= 1 && corner <= 4 ? corners[corner - 1] : 0) << corner;
        EXPECT_TRUE(f.Outlined.empty());
    }
    t.s.Tools.MountVallRadius = 20;
    const vh::Footprint m = t.tools.Mountain.FootprintAt(g, t.s.Tools, 6);
    EXPECT_TRUE(m.Outlined.empty() && m.DiagonalsOnly.empty() && m.Corner == 0);
    EXPECT_EQ(t.tools.Of(vh::Tool::None), nullptr);
}

TEST(ToolBox, EachToolIsItsOwnObjectAndTwoEditorsKeepTheirStrokesApart) {
    vhtools::ToolTerrain a(5, 5), b(5, 5);
    const vh::BrushTool* seen[] = {a.tools.Of(vh::Tool::RaiseLower), a.tools.Of(vh::Tool::Mountain),
                                   a.tools.Of(vh::Tool::Smooth),     a.tools.Of(vh::Tool::Noise),
                                   a.tools.Of(vh::Tool::Flatten),    a.tools.Of(vh::Tool::TouchUp)};
    EXPECT_EQ(std::set<const vh::BrushTool*>(std::begin(seen), std::end(seen)).size(), 6u);
    EXPECT_EQ(seen[5], &a.tools.TouchUp);
    EXPECT_EQ(seen[3], &a.tools.Noise);

    // A wheel step in one editor moves only its own touch-up corner.
    vh::SelectTool(a.s, a.tools, vh::Tool::TouchUp);
    vh::SelectTool(b.s, b.tools, vh::Tool::TouchUp);
    vh::InputState in;
    in.Wheel = 1;
    vh::RunEditPass(a.s, a.tools, in, 6);
    EXPECT_EQ(a.tools.TouchUp.TouchUpCorner, 2);
    EXPECT_EQ(b.tools.TouchUp.TouchUpCorner, 1);
    EXPECT_EQ(a.tools.TouchUp.FootprintAt(a.s.Terrain, a.s.Tools, 6).Corner,
              vh::CornerNextLeftOf(a.s.Terrain, 6));
    EXPECT_EQ(b.tools.TouchUp.FootprintAt(b.s.Terrain, b.s.Tools, 6).Corner,
              vh::CornerLeftOf(b.s.Terrain, 6));
}
