#include "view/status_text.h"

#include <gtest/gtest.h>

#include "support/terrain_fixture.h"

namespace {

class StatusText : public ::testing::Test {
protected:
    void SetUp() override { vhtest::MakeTerrain(s, 17, 17, 256); }
    vh::EditorState s;
    vh::ToolBox tools;
};

TEST_F(StatusText, NothingOrAnIndexOutsideTheTerrainSaysNoSelection) {
    EXPECT_EQ(vh::view::StatusLineText(s, tools), "No Selection.");
    EXPECT_EQ(vh::view::InfoOverlayLines(s, tools),
              (std::array<std::string, 5>{"Tool: Raise\\Lower", "Radius: Large", "Block: No Selection.",
                                          "Origin: No Selection.", "Grid: 16"}));
    s.Stroke.PickedSquare = 9999;
    EXPECT_EQ(vh::view::StatusLineText(s, tools), "No Selection.");
    // After an export its notice stands in for "No Selection." until a square is picked.
    s.Doc.Notice = "Exported 12 brushes to x.map";
    EXPECT_EQ(vh::view::StatusLineText(s, tools), "Exported 12 brushes to x.map");
    s.Stroke.PickedSquare = 1;
    EXPECT_EQ(vh::view::StatusLineText(s, tools).rfind("Block: 1 ", 0), 0u);
}

TEST_F(StatusText, OriginIsTheCornerAverageRoundedHalfToEven) {
    // Square 1 spans x -2048..-1792 and z -2048..-1792: centre (-1920, -1920).
    s.Stroke.PickedSquare = 1;
    s.Terrain.Points[1].Height = 10;  // heights 10, 0, 0, 0 average 2.5 -> 2
    EXPECT_EQ(vh::view::StatusLineText(s, tools), "Block: 1 Origin: -1920 -1920 2");
    s.Terrain.Points[1].Height = 14;  // 3.5 -> 4
    EXPECT_EQ(vh::view::StatusLineText(s, tools), "Block: 1 Origin: -1920 -1920 4");
}

TEST_F(StatusText, TouchUpShowsTheCornerPointInsteadOfTheCentre) {
    s.CurrentTool = vh::Tool::TouchUp;
    s.Stroke.PickedSquare = 18;
    tools.TouchUp.TouchUpCorner = 2;  // CornerNextLeft
    const int p = s.Terrain.Corners(18).c0;
    s.Terrain.Points[p].Height = 33.5f;
    EXPECT_EQ(vh::view::StatusLineText(s, tools), "Block: 18 Origin: -1792 -1536 34");
    EXPECT_EQ(
        vh::view::InfoOverlayLines(s, tools),
        (std::array<std::string, 5>{"Tool: Touch Up", "Radius: N/A", "Block: 18 Point: " + std::to_string(p),
                                    "Origin: -1792 -1536 34", "Grid: 16"}));
}

// Square 1 as a ramp rising along x by `rise` units per unit: both
// triangles have the slope atan(rise).
TEST_F(StatusText, SlopeOfThePickedSquaresTrianglesAndWhetherTheyAreWalkable) {
    EXPECT_EQ(vh::view::SlopeText(s), "");
    s.Stroke.PickedSquare = 1;
    const vh::SquareCorners c = s.Terrain.Corners(1);
    const struct {
        float rise;
        const char* text;
    } cases[] = {
        {0.0f, "Slope: 0.0\u00b0 0.0\u00b0 walkable"},
        {1.0f, "Slope: 45.0\u00b0 45.0\u00b0 walkable"},          // normal up 0.707
        {1.1f, "Slope: 47.7\u00b0 47.7\u00b0 too steep"},         // atan 1.1, normal up 0.673
    };
    for (const auto& tc : cases) {
        for (int p : {c.c0, c.c1, c.c2, c.c3})
            s.Terrain.Points[p].Height = (s.Terrain.Points[p].X + 2048) * tc.rise;
        EXPECT_EQ(vh::view::SlopeText(s), tc.text) << tc.rise;
    }
    // One raised corner off the diagonal tilts one triangle only.
    for (int p : {c.c0, c.c1, c.c2, c.c3}) s.Terrain.Points[p].Height = 0;
    s.Terrain.Points[c.c1].Height = 200;  // atan(200 * sqrt 2 / 256) = 47.85
    EXPECT_EQ(vh::view::SlopeText(s), "Slope: 0.0\u00b0 47.9\u00b0 too steep");
}

TEST_F(StatusText, RadiusNamesPerTool) {
    s.CurrentTool = vh::Tool::Flatten;
    const char* names[] = {"Radius: Small", "Radius: Large", "Radius: X Axes Large", "Radius: Y Axes Large"};
    for (int r = 1; r <= 4; ++r) {
        s.Tools.FlattenRadius = static_cast<int16_t>(r);
        EXPECT_EQ(vh::view::InfoOverlayLines(s, tools)[1], names[r - 1]);
    }
    s.CurrentTool = vh::Tool::Mountain;
    s.Tools.MountVallRadius = 12;
    EXPECT_EQ(vh::view::InfoOverlayLines(s, tools)[0], "Tool: Mountain\\Valley");
    EXPECT_EQ(vh::view::InfoOverlayLines(s, tools)[1], "Radius: 12 Blocks");
}

}  // namespace
