#include "ui/frm_scale_config.h"

#include <QGroupBox>

#include "dialog_test_helpers.h"
#include "fake_services_fixture.h"

namespace {

using vh::ui::FrmScaleConfig;
using vhtest::Click;
using vhtest::Control;

class ScaleConfigTest : public ::testing::Test {
protected:
    vhtest::FakeServices services;
    vh::EditorState& s = services.state;

    void Enter(const char* text) {
        FrmScaleConfig dlg(s);
        vhtest::Type(dlg, "txtScale", text);
        Click(dlg, "cmdOkey");
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
    }
};

TEST_F(ScaleConfigTest, ShowsCaptionFrameLabelAndTooltip) {
    FrmScaleConfig dlg(s);
    EXPECT_EQ(dlg.windowTitle().toStdString(), "Scale Tool Configuration");
    EXPECT_EQ(Control<QGroupBox>(dlg, "frmOptions")->title().toStdString(), "Options:");
    auto* scale = Control<QLineEdit>(dlg, "txtScale");
    ASSERT_NE(scale, nullptr);
    EXPECT_EQ(vhtest::LabelFor(dlg, scale), "Scale Percentage:");
    EXPECT_EQ(scale->toolTip().toStdString(), "Percent To Scale Each Point By.  Can Be Negative.");
}

TEST_F(ScaleConfigTest, LoadsTheFactorAsAPercentage) {
    {
        FrmScaleConfig dlg(s);
        EXPECT_EQ(vhtest::TextOf(dlg, "txtScale"), "75");
    }
    s.ScalePassFactor = -1.5f;
    FrmScaleConfig dlg(s);
    EXPECT_EQ(vhtest::TextOf(dlg, "txtScale"), "-150");
}

TEST_F(ScaleConfigTest, OkeyReadsTheNumberAtTheStart) {
    Enter("50%");
    EXPECT_FLOAT_EQ(s.ScalePassFactor, 0.5f);
}

TEST_F(ScaleConfigTest, OkeyKeepsTheSignAndHasNoLimit) {
    Enter("-100");
    EXPECT_FLOAT_EQ(s.ScalePassFactor, -1.0f);
    Enter("1000");
    EXPECT_FLOAT_EQ(s.ScalePassFactor, 10.0f);
}

TEST_F(ScaleConfigTest, TextThatIsNotANumberStoresZero) {
    Enter("half");
    EXPECT_FLOAT_EQ(s.ScalePassFactor, 0.0f);
}

TEST_F(ScaleConfigTest, CancelStoresNothing) {
    FrmScaleConfig dlg(s);
    vhtest::Type(dlg, "txtScale", "10");
    Click(dlg, "cmdCancel");
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_FLOAT_EQ(s.ScalePassFactor, 0.75f);
}

}  // namespace
