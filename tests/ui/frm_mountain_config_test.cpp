#include "ui/frm_mountain_config.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QSlider>

#include "core/input_state.h"
#include "core/rules.h"
#include "dialog_test_helpers.h"
#include "fake_services_fixture.h"
#include "support/terrain_fixture.h"
#include "tools/edit_pass.h"
#include "tools/tool_selection.h"

namespace {

using vh::ui::FrmMountainConfig;
using vhtest::Click;
using vhtest::Control;

class MountainConfigTest : public ::testing::Test {
protected:
    vhtest::FakeServices services;
    vh::EditorState& s = services.state;
};

TEST_F(MountainConfigTest, ShowsCaptionLabelsRangesAndTooltips) {
    FrmMountainConfig dlg(s);
    EXPECT_EQ(dlg.windowTitle().toStdString(), "Mountain / Vally Tool Configuration");
    EXPECT_EQ(Control<QGroupBox>(dlg, "frmOptions")->title().toStdString(), "Options:");
    auto* percent = Control<QLineEdit>(dlg, "txtMountainPercet");
    ASSERT_NE(percent, nullptr);
    EXPECT_EQ(vhtest::LabelFor(dlg, percent), "Height Percent Multiplayer:");
    EXPECT_EQ(percent->toolTip().toStdString(), "Bigger = Taller");

    struct Expect {
        const char* name;
        int lo, hi;
        const char* label;
        const char* tip;
    };
    const Expect sliders[] = {
        {"sldMountainRadius", 2, 20, "Radius:", "Number = 1 Triangle Length In Radius"},
        {"sldMountainCorrection", 1, 15, "Circular Correction Level:", "Bigger = Less Correction"},
        {"sldMountainSensitivity", 1, 10, "Mouse Sensitivity:", "Bigger = Faster"},
    };
    for (const Expect& e : sliders) {
        auto* sl = Control<QSlider>(dlg, e.name);
        ASSERT_NE(sl, nullptr);
        EXPECT_EQ(sl->minimum(), e.lo) << e.name;
        EXPECT_EQ(sl->maximum(), e.hi) << e.name;
        EXPECT_EQ(sl->singleStep(), 1) << e.name;
        EXPECT_EQ(vhtest::LabelFor(dlg, sl->parentWidget()), e.label);
        EXPECT_EQ(sl->toolTip().toStdString(), e.tip);
    }
    auto* chk = Control<QCheckBox>(dlg, "chkSmoothOuter");
    EXPECT_EQ(chk->text().toStdString(), "Smooth Outer Points");
    EXPECT_EQ(chk->toolTip().toStdString(), "Smooth Points On The Outside Of The Circle");
}

TEST_F(MountainConfigTest, LoadsEverySetting) {
    s.MountVallPercent = 1.25f;
    s.MountVallRadius = 12;
    s.MountVallCorrection = 3;
    s.MountVallSensitivity = 9;
    s.MountVallSmoothOuter = vh::kFalse;
    FrmMountainConfig dlg(s);
    EXPECT_EQ(vhtest::TextOf(dlg, "txtMountainPercet"), "125");
    EXPECT_EQ(Control<QSlider>(dlg, "sldMountainRadius")->value(), 12);
    EXPECT_EQ(Control<QSlider>(dlg, "sldMountainCorrection")->value(), 3);
    EXPECT_EQ(Control<QSlider>(dlg, "sldMountainSensitivity")->value(), 9);
    EXPECT_FALSE(Control<QCheckBox>(dlg, "chkSmoothOuter")->isChecked());
}

TEST_F(MountainConfigTest, OkeyStoresPercentSlidersAndCheckBox) {
    FrmMountainConfig dlg(s);
    EXPECT_TRUE(Control<QCheckBox>(dlg, "chkSmoothOuter")->isChecked());
    vhtest::Type(dlg, "txtMountainPercet", "-150");
    Control<QSlider>(dlg, "sldMountainRadius")->setValue(15);
    Control<QSlider>(dlg, "sldMountainCorrection")->setValue(1);
    Control<QSlider>(dlg, "sldMountainSensitivity")->setValue(10);
    Control<QCheckBox>(dlg, "chkSmoothOuter")->setChecked(false);
    Click(dlg, "cmdOkey");
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_FLOAT_EQ(s.MountVallPercent, 1.5f);
    EXPECT_EQ(s.MountVallRadius, 15);
    EXPECT_EQ(s.MountVallCorrection, 1);
    EXPECT_EQ(s.MountVallSensitivity, 10);
    EXPECT_EQ(s.MountVallSmoothOuter, vh::kFalse);
}

TEST_F(MountainConfigTest, PercentTextThatIsNotANumberStoresTheLowestFactor) {
    FrmMountainConfig dlg(s);
    vhtest::Type(dlg, "txtMountainPercet", "tall");
    Click(dlg, "cmdOkey");
    EXPECT_FLOAT_EQ(s.MountVallPercent, 0.01f);
}

TEST_F(MountainConfigTest, RadiusTwoFromTheDialogBecomesTwentyInTheNextPass) {
    vhtest::MakeTerrain(s, 5, 5);
    vh::SelectTool(s, vh::Tool::Mountain);
    FrmMountainConfig dlg(s);
    Control<QSlider>(dlg, "sldMountainRadius")->setValue(2);
    Click(dlg, "cmdOkey");
    EXPECT_EQ(s.MountVallRadius, 2);

    vh::InputState still;
    still.Wheel = s.PreviousWheel;
    vh::RunEditPass(s, still, 0);
    EXPECT_EQ(s.MountVallRadius, 20);
}

TEST_F(MountainConfigTest, CancelStoresNothing) {
    FrmMountainConfig dlg(s);
    vhtest::Type(dlg, "txtMountainPercet", "300");
    Control<QSlider>(dlg, "sldMountainRadius")->setValue(3);
    Control<QCheckBox>(dlg, "chkSmoothOuter")->setChecked(false);
    Click(dlg, "cmdCancel");
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_FLOAT_EQ(s.MountVallPercent, 0.8f);
    EXPECT_EQ(s.MountVallRadius, 8);
    EXPECT_EQ(s.MountVallSmoothOuter, vh::kTrue);
}

}  // namespace
