#include "export/export_options.h"

#include <gtest/gtest.h>

using namespace vh;

TEST(ExportOptions, LoadCopiesTheFourFields) {
    EditorState s;
    s.ExportType = std::string("X");
    s.ExportPosition = 1;
    s.AddHint = 0;
    s.AddSky = -1;
    const auto v = LoadExportOptions(s);
    EXPECT_EQ(v.Style, "X");
    EXPECT_EQ(v.Position, 1);
    EXPECT_FALSE(v.Hint);
    EXPECT_TRUE(v.Sky);
}

TEST(ExportOptions, EachStyleTextSelectsItsButtonAndBack) {
    const std::pair<const char*, ExportStyleButton> pairs[] = {{"Best Fit", ExportStyleButton::BestFit},
                                                               {"//", ExportStyleButton::Forward},
                                                               {"\\", ExportStyleButton::Backward},
                                                               {"X", ExportStyleButton::X},
                                                               {"Random", ExportStyleButton::Random}};
    for (const auto& [text, button] : pairs) {
        EXPECT_EQ(StyleButtonFor(text), button) << text;
        EXPECT_EQ(StyleOf(button), text);
    }
}

TEST(ExportOptions, AnUnknownStyleSelectsNoButtonAndIsKeptUntilOneIsClicked) {
    EditorState s;
    s.ExportType = std::string("x");  // case matters
    auto v = LoadExportOptions(s);
    EXPECT_EQ(StyleButtonFor(v.Style), ExportStyleButton::None);
    ApplyExportOptions(v, s);
    EXPECT_EQ(s.ExportType, "x");
    SelectStyle(v, ExportStyleButton::Random);
    ApplyExportOptions(v, s);
    EXPECT_EQ(s.ExportType, "Random");
}

TEST(ExportOptions, AnyNonZeroPositionShowsFlattenTop) {
    ExportOptionsValues v;
    v.Position = 0;
    EXPECT_FALSE(TopSelected(v));
    v.Position = 1;
    EXPECT_TRUE(TopSelected(v));
    v.Position = 7;
    EXPECT_TRUE(TopSelected(v));
}

TEST(ExportOptions, PositionButtonsSetZeroOrOne) {
    EditorState s;
    s.ExportPosition = 7;
    auto v = LoadExportOptions(s);
    SelectPosition(v, false);
    EXPECT_EQ(v.Position, 0);
    SelectPosition(v, true);
    EXPECT_EQ(v.Position, 1);
}

TEST(ExportOptions, OkeyWritesTheWorkingCopyAndCancelLeavesTheState) {
    EditorState s;
    auto v = LoadExportOptions(s);
    SelectStyle(v, ExportStyleButton::Backward);
    SelectPosition(v, true);
    v.Hint = false;
    v.Sky = false;
    // Cancel: the state is untouched by editing the copy.
    EXPECT_EQ(s.ExportType, "Best Fit");
    EXPECT_EQ(s.ExportPosition, 0);
    EXPECT_EQ(s.AddHint, -1);
    EXPECT_EQ(s.AddSky, -1);
    ApplyExportOptions(v, s);
    EXPECT_EQ(s.ExportType, "\\");
    EXPECT_EQ(s.ExportPosition, 1);
    EXPECT_EQ(s.AddHint, 0);
    EXPECT_EQ(s.AddSky, 0);
}

TEST(ExportOptions, TickedBoxesBecomeTrueFlags) {
    EditorState s;
    s.AddHint = 0;
    s.AddSky = 0;
    auto v = LoadExportOptions(s);
    v.Hint = true;
    v.Sky = true;
    ApplyExportOptions(v, s);
    EXPECT_EQ(s.AddHint, -1);
    EXPECT_EQ(s.AddSky, -1);
}
