#include "ui/frm_smooth_config.h"

#include <QGroupBox>
#include <QRadioButton>

#include "dialog_test_helpers.h"
#include "fake_services_fixture.h"

namespace {

using vh::ui::FrmSmoothConfig;
using vhtest::Click;
using vhtest::Control;

class SmoothConfigTest : public ::testing::Test {
protected:
    vhtest::FakeServices services;
    vh::EditorState& s = services.state;

    bool On(QWidget& dlg, const char* name) { return Control<QRadioButton>(dlg, name)->isChecked(); }
};

TEST_F(SmoothConfigTest, ShowsCaptionFramesCaptionsAndTooltips) {
    FrmSmoothConfig dlg(s);
    EXPECT_EQ(dlg.windowTitle().toStdString(), "Smooth Tool Configuration");
    EXPECT_EQ(Control<QGroupBox>(dlg, "frmOptions")->title().toStdString(), "Options:");
    EXPECT_NE(Control<QGroupBox>(dlg, "Frame1"), nullptr);
    auto* threshold = Control<QLineEdit>(dlg, "txtSmoothThreshold");
    EXPECT_EQ(vhtest::LabelFor(dlg, threshold), "Smoothing Threshold:");
    EXPECT_EQ(threshold->toolTip().toStdString(), "Bigger = Bigger Difference Then Average To Smooth");
    const char* expected[][3] = {
        {"opRadial", "Radial", "Radial Based Average Height Values"},
        {"opLinear", "Linear", "Linear Based Average Height Values"},
        {"opMove", "Gradual Move", "Gradually Move Point To Average Height Value"},
        {"opJump", "Jump", "Jump Point To Average Height Value"},
    };
    for (const auto& e : expected) {
        auto* b = Control<QRadioButton>(dlg, e[0]);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text().toStdString(), e[1]);
        EXPECT_EQ(b->toolTip().toStdString(), e[2]);
    }
}

TEST_F(SmoothConfigTest, LoadsThresholdTypeAndStyle) {
    s.SmoothToolThreshold = 12.5f;
    s.SmoothType = 1;
    s.SmoothStyle = 1;
    FrmSmoothConfig dlg(s);
    EXPECT_EQ(vhtest::TextOf(dlg, "txtSmoothThreshold"), "12.5");
    EXPECT_FALSE(On(dlg, "opRadial"));
    EXPECT_TRUE(On(dlg, "opLinear"));
    EXPECT_FALSE(On(dlg, "opMove"));
    EXPECT_TRUE(On(dlg, "opJump"));
}

TEST_F(SmoothConfigTest, OptionPairsAreExclusiveEachOnItsOwn) {
    FrmSmoothConfig dlg(s);
    EXPECT_TRUE(On(dlg, "opRadial"));
    EXPECT_TRUE(On(dlg, "opMove"));
    Click(dlg, "opLinear");
    EXPECT_FALSE(On(dlg, "opRadial"));
    EXPECT_TRUE(On(dlg, "opMove"));
    Click(dlg, "opJump");
    EXPECT_FALSE(On(dlg, "opMove"));
    EXPECT_TRUE(On(dlg, "opLinear"));
}

TEST_F(SmoothConfigTest, OkeyStoresAbsoluteThresholdAndChosenOptions) {
    FrmSmoothConfig dlg(s);
    vhtest::Type(dlg, "txtSmoothThreshold", "-30");
    Click(dlg, "opLinear");
    Click(dlg, "opJump");
    Click(dlg, "cmdOkey");
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_FLOAT_EQ(s.SmoothToolThreshold, 30.0f);
    EXPECT_EQ(s.SmoothType, 1);
    EXPECT_EQ(s.SmoothStyle, 1);
}

TEST_F(SmoothConfigTest, ThresholdTextThatIsNotANumberStoresZero) {
    FrmSmoothConfig dlg(s);
    vhtest::Type(dlg, "txtSmoothThreshold", "smooth");
    Click(dlg, "cmdOkey");
    EXPECT_FLOAT_EQ(s.SmoothToolThreshold, 0.0f);
}

TEST_F(SmoothConfigTest, UnknownStoredTypeSelectsNoneAndSurvivesOkey) {
    s.SmoothType = 5;
    FrmSmoothConfig dlg(s);
    EXPECT_FALSE(On(dlg, "opRadial"));
    EXPECT_FALSE(On(dlg, "opLinear"));
    Click(dlg, "cmdOkey");
    EXPECT_EQ(s.SmoothType, 5);
}

TEST_F(SmoothConfigTest, CancelStoresNothing) {
    FrmSmoothConfig dlg(s);
    vhtest::Type(dlg, "txtSmoothThreshold", "5");
    Click(dlg, "opLinear");
    Click(dlg, "cmdCancel");
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_FLOAT_EQ(s.SmoothToolThreshold, 48.0f);
    EXPECT_EQ(s.SmoothType, 0);
}

}  // namespace
