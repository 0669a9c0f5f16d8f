#include "view/status_text.h"

#include <gtest/gtest.h>

#include "support/terrain_fixture.h"

namespace {

class StatusText : public ::testing::Test {
protected:
    void SetUp() override { vhtest::MakeTerrain(s, 17, 17, 256); }
    vh::EditorState s;
};

TEST_F(StatusText, NothingOrAnIndexOutsideTheTerrainSaysNoSelection) {
    EXPECT_EQ(vh::view::StatusLineText(s), "No Selection.");
    EXPECT_EQ(vh::view::InfoOverlayLines(s),
              (std::array<std::string, 5>{"Tool: Raise\\Lower", "Radius: Large", "Block: No Selection.",
                                          "Origin: No Selection.", "Grid: 16"}));
    s.Stroke.PickedSquare = 9999;
    EXPECT_EQ(vh::view::StatusLineText(s), "No Selection.");
}

TEST_F(StatusText, OriginIsTheCornerAverageRoundedHalfToEven) {
    // Square 1 spans x -2048..-1792 and z -2048..-1792: centre (-1920, -1920).
    s.Stroke.PickedSquare = 1;
    s.Terrain.Points[1].Height = 10;  // heights 10, 0, 0, 0 average 2.5 -> 2
    EXPECT_EQ(vh::view::StatusLineText(s), "Block: 1 Origin: -1920 -1920 2");
    s.Terrain.Points[1].Height = 14;  // 3.5 -> 4
    EXPECT_EQ(vh::view::StatusLineText(s), "Block: 1 Origin: -1920 -1920 4");
}

TEST_F(StatusText, TouchUpShowsTheCornerPointInsteadOfTheCentre) {
    s.CurrentTool = vh::Tool::TouchUp;
    s.Stroke.PickedSquare = 18;
    s.Stroke.TouchUpCorner = 2;  // CornerNextLeft
    const int p = s.Terrain.Corners(18).c0;
    s.Terrain.Points[p].Height = 33.5f;
    EXPECT_EQ(vh::view::StatusLineText(s), "Block: 18 Origin: -1792 -1536 34");
    EXPECT_EQ(
        vh::view::InfoOverlayLines(s),
        (std::array<std::string, 5>{"Tool: Touch Up", "Radius: N/A", "Block: 18 Point: " + std::to_string(p),
                                    "Origin: -1792 -1536 34", "Grid: 16"}));
}

TEST_F(StatusText, RadiusNamesPerTool) {
    s.CurrentTool = vh::Tool::Flatten;
    const char* names[] = {"Radius: Small", "Radius: Large", "Radius: X Axes Large", "Radius: Y Axes Large"};
    for (int r = 1; r <= 4; ++r) {
        s.Tools.FlattenRadius = static_cast<int16_t>(r);
        EXPECT_EQ(vh::view::InfoOverlayLines(s)[1], names[r - 1]);
    }
    s.CurrentTool = vh::Tool::Mountain;
    s.Tools.MountVallRadius = 12;
    EXPECT_EQ(vh::view::InfoOverlayLines(s)[0], "Tool: Mountain\\Valley");
    EXPECT_EQ(vh::view::InfoOverlayLines(s)[1], "Radius: 12 Blocks");
}

}  // namespace
