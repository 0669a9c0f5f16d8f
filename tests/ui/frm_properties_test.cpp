#include "ui/frm_properties.h"

#include <QGroupBox>
#include <QLabel>

#include "dialog_test_helpers.h"
#include "fake_services_fixture.h"
#include "support/terrain_fixture.h"

namespace {

using vh::ui::FrmProperties;
using vhtest::Click;
using vhtest::Control;

class PropertiesTest : public ::testing::Test {
protected:
    vhtest::FakeServices services;
    vh::EditorState& s = services.state;

    std::string Shown(QWidget& dlg, const char* label) {
        QLabel* l = Control<QLabel>(dlg, label);
        return l ? l->text().toStdString() : std::string();
    }
};

TEST_F(PropertiesTest, ShowsCaptionFourFramesAndLabels) {
    FrmProperties dlg(s);
    EXPECT_EQ(dlg.windowTitle().toStdString(), "Properties");
    std::vector<std::string> titles;
    for (QGroupBox* g : dlg.findChildren<QGroupBox*>()) titles.push_back(g->title().toStdString());
    EXPECT_EQ(titles, (std::vector<std::string>{
                          "Map Properties:", "Texture Properties:", "Hint Properties:", "Sky Properties:"}));
    const char* labels[][2] = {
        {"txtTexTop", "Top Texture:"},   {"txtTopX", "Top X Scale:"},   {"txtTopY", "Top Y Scale:"},
        {"txtTexSide", "Side Texture:"}, {"txtSideX", "Side X Scale:"}, {"txtSideY", "Side Y Scale:"},
        {"txtHint", "Hint Texture:"},    {"txtSkip", "Skip Texture:"},  {"txtSky", "Sky Texture:"},
    };
    for (const auto& l : labels) EXPECT_EQ(vhtest::LabelFor(dlg, Control<QLineEdit>(dlg, l[0])), l[1]);
}

TEST_F(PropertiesTest, LoadsTheNineFieldsFromTheSettings) {
    s.TopScaleX = 0.5f;
    s.SideScaleY = 1.25f;
    s.SkyTexture = "sky4";
    FrmProperties dlg(s);
    EXPECT_EQ(vhtest::TextOf(dlg, "txtTexTop"), "OUT_DIRT1");
    EXPECT_EQ(vhtest::TextOf(dlg, "txtTopX"), "0.5");
    EXPECT_EQ(vhtest::TextOf(dlg, "txtTopY"), "2");
    EXPECT_EQ(vhtest::TextOf(dlg, "txtTexSide"), "OUT_RK3");
    EXPECT_EQ(vhtest::TextOf(dlg, "txtSideX"), "2");
    EXPECT_EQ(vhtest::TextOf(dlg, "txtSideY"), "1.25");
    EXPECT_EQ(vhtest::TextOf(dlg, "txtHint"), "hint");
    EXPECT_EQ(vhtest::TextOf(dlg, "txtSkip"), "skip");
    EXPECT_EQ(vhtest::TextOf(dlg, "txtSky"), "sky4");
}

TEST_F(PropertiesTest, FacesAreTwiceTheSquaresAndStyleIsTheExportType) {
    vhtest::MakeTerrain(s, 5, 4);
    s.ExportType = "Random";
    FrmProperties dlg(s);
    ASSERT_EQ(s.SquareTotal(), 12);
    EXPECT_EQ(Shown(dlg, "lblFaces"), "24");
    EXPECT_EQ(Shown(dlg, "lblStyle"), "Random");
}

TEST_F(PropertiesTest, NoSquaresShowZeroFaces) {
    FrmProperties dlg(s);
    EXPECT_EQ(Shown(dlg, "lblFaces"), "0");
    EXPECT_EQ(Shown(dlg, "lblStyle"), "Best Fit");
}

TEST_F(PropertiesTest, OkeyStoresScalesAsAbsoluteLeadingNumbers) {
    FrmProperties dlg(s);
    vhtest::Type(dlg, "txtTopX", "-3");
    vhtest::Type(dlg, "txtTopY", "2.5abc");
    vhtest::Type(dlg, "txtSideX", "abc");
    vhtest::Type(dlg, "txtSideY", " -0.25 ");
    Click(dlg, "cmdOkey");
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_FLOAT_EQ(s.TopScaleX, 3.0f);
    EXPECT_FLOAT_EQ(s.TopScaleY, 2.5f);
    EXPECT_FLOAT_EQ(s.SideScaleX, 0.0f);
    EXPECT_FLOAT_EQ(s.SideScaleY, 0.25f);
}

TEST_F(PropertiesTest, OkeyStoresTrimmedNamesAndEmptyNames) {
    FrmProperties dlg(s);
    vhtest::Type(dlg, "txtTexTop", "  GRASS1 ");
    vhtest::Type(dlg, "txtTexSide", "\tROCK 2\t");
    vhtest::Type(dlg, "txtHint", "");
    vhtest::Type(dlg, "txtSkip", " skip2");
    vhtest::Type(dlg, "txtSky", "   ");
    Click(dlg, "cmdOkey");
    EXPECT_EQ(s.TopTexture, "GRASS1");
    EXPECT_EQ(s.SideTexture, "ROCK 2");
    EXPECT_EQ(s.HintTexture, "");
    EXPECT_EQ(s.SkipTexture, "skip2");
    EXPECT_EQ(s.SkyTexture, "");
}

TEST_F(PropertiesTest, CancelStoresNothing) {
    FrmProperties dlg(s);
    vhtest::Type(dlg, "txtTexTop", "OTHER");
    vhtest::Type(dlg, "txtTopX", "9");
    Click(dlg, "cmdCancel");
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(s.TopTexture, "OUT_DIRT1");
    EXPECT_FLOAT_EQ(s.TopScaleX, 2.0f);
}

}  // namespace
