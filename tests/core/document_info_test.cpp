#include "core/document_info.h"

#include <gtest/gtest.h>

#include "core/rules.h"
#include "support/terrain_fixture.h"

namespace {

std::string Line(const std::string& text, const std::string& name) {
    size_t at = text.find("\n" + name + ": ");
    if (at == std::string::npos)
        return text.rfind(name + ": ", 0) == 0 ? text.substr(0, text.find('\n')) : "";
    size_t end = text.find('\n', at + 1);
    return text.substr(at + 1, end - at - 1);
}

TEST(DescribeDocument, ReportsCountsGridSpacingAndHeightRange) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 9, 5, 64);
    s.DocPath = "/maps/x.vhm";
    s.Points[4].Height = -48;
    s.Points[40].Height = 1040;
    s.Points[7].Locked = vh::kTrue;
    s.Points[8].Locked = vh::kTrue;
    std::string t = vh::DescribeDocument(s);
    EXPECT_EQ(Line(t, "File"), "File: /maps/x.vhm");
    EXPECT_EQ(Line(t, "Points"), "Points: 45");
    EXPECT_EQ(Line(t, "Squares"), "Squares: 32");
    EXPECT_EQ(Line(t, "Grid"), "Grid: 9 points per row x 5 rows");
    EXPECT_EQ(Line(t, "Spacing"), "Spacing: 64");
    EXPECT_EQ(Line(t, "Height range"), "Height range: -48 to 1040");
    EXPECT_EQ(Line(t, "Locked points"), "Locked points: 2");
}

TEST(DescribeDocument, ReportsExportSettingsAndAllTexturePaths) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    s.AddHint = vh::kFalse;
    s.TopScaleX = 0.5f;
    s.SkyLF = "/sky/left one.tga";
    s.GroundTexture = "/tex/g.png";
    std::string t = vh::DescribeDocument(s);
    EXPECT_EQ(Line(t, "Last export"), "Last export: (none)");
    EXPECT_EQ(Line(t, "Export type"), "Export type: Best Fit");
    EXPECT_EQ(Line(t, "Add hint brushes"), "Add hint brushes: False");
    EXPECT_EQ(Line(t, "Add sky brushes"), "Add sky brushes: True");
    EXPECT_EQ(Line(t, "Top texture"), "Top texture: OUT_DIRT1 (scale 0.5 x 2)");
    EXPECT_EQ(Line(t, "Sky up"), "Sky up: /nonexistent-program-folder/sky/top.bmp");
    EXPECT_EQ(Line(t, "Sky left"), "Sky left: /sky/left one.tga");
    EXPECT_EQ(Line(t, "Ground texture"), "Ground texture: /tex/g.png");
}

TEST(DescribeDocument, FlatTerrainHasAZeroHeightRange) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 2, 2);
    EXPECT_EQ(Line(vh::DescribeDocument(s), "Height range"), "Height range: 0 to 0");
}

}  // namespace
