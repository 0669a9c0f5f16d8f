#include "core/document_info.h"

#include <gtest/gtest.h>

#include "core/rules.h"
#include "support/terrain_fixture.h"

namespace {

bool HasLine(const std::string& text, const std::string& line) {
    return ("\n" + text + "\n").find("\n" + line + "\n") != std::string::npos;
}

TEST(DescribeDocument, ReportsCountsHeightRangeExportSettingsAndTextures) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 9, 5, 64);
    EXPECT_TRUE(HasLine(vh::DescribeDocument(s.Doc.DocPath, s.Terrain, vh::DocumentSettingsOf(s)),
                        "Height range: 0 to 0"));
    s.Doc.DocPath = "/maps/x.vhm";
    s.Terrain.Points[4].Height = -48;
    s.Terrain.Points[40].Height = 1040;
    s.Terrain.Points[7].Locked = s.Terrain.Points[8].Locked = true;
    s.Export.AddHint = false;
    s.Brushes.TopScaleX = 0.5f;
    s.Textures.SkyLF = "/sky/left one.tga";
    std::string t = vh::DescribeDocument(s.Doc.DocPath, s.Terrain, vh::DocumentSettingsOf(s));
    for (const char* line :
         {"File: /maps/x.vhm", "Points: 45", "Squares: 32", "Grid: 9 points per row x 5 rows", "Spacing: 64",
          "Height range: -48 to 1040", "Locked points: 2", "Last export: (none)", "Export type: Best Fit",
          "Add hint brushes: False", "Add sky brushes: True", "Top texture: OUT_DIRT1 (scale 0.5 x 2)",
          "Sky up: /nonexistent-program-folder/sky/top.bmp", "Sky left: /sky/left one.tga"})
        EXPECT_TRUE(HasLine(t, line)) << line << "\n" << t;
}

}  // namespace
