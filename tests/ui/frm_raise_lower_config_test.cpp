#include "ui/frm_raise_lower_config.h"

#include <QGroupBox>
#include <QSlider>

#include "dialog_test_helpers.h"
#include "fake_services_fixture.h"

namespace {

using vh::ui::FrmRaiseLowerConfig;
using vhtest::Click;
using vhtest::Control;

class RaiseLowerConfigTest : public ::testing::Test {
protected:
    vhtest::FakeServices services;
    vh::EditorState& s = services.state;
};

TEST_F(RaiseLowerConfigTest, ShowsCaptionFrameLabelsAndTooltips) {
    FrmRaiseLowerConfig dlg(s);
    EXPECT_EQ(dlg.windowTitle().toStdString(), "Raise / Lower Tool Configuration");
    auto* frame = Control<QGroupBox>(dlg, "frmOptions");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->title().toStdString(), "Options:");

    auto* percent = Control<QLineEdit>(dlg, "txtRaiseLowerPercet");
    auto* threshold = Control<QSlider>(dlg, "sldRaiseLowerThreshold");
    auto* sensitivity = Control<QSlider>(dlg, "sldRaiseLowerSensitivity");
    ASSERT_TRUE(percent && threshold && sensitivity);
    EXPECT_EQ(vhtest::LabelFor(dlg, percent), "Secondary Height Percent:");
    EXPECT_EQ(vhtest::LabelFor(dlg, threshold->parentWidget()), "'Smart' Code Sensitivity:");
    EXPECT_EQ(vhtest::LabelFor(dlg, sensitivity->parentWidget()), "Mouse Sensitivity:");
    EXPECT_EQ(percent->toolTip().toStdString(), "Bigger = Flatter Top");
    EXPECT_EQ(threshold->toolTip().toStdString(), "Bigger = Less Waiting");
    EXPECT_EQ(sensitivity->toolTip().toStdString(), "Bigger = Faster");
    for (QSlider* sl : {threshold, sensitivity}) {
        EXPECT_EQ(sl->minimum(), 1);
        EXPECT_EQ(sl->maximum(), 10);
        EXPECT_EQ(sl->singleStep(), 1);
    }
    EXPECT_EQ(Control<QAbstractButton>(dlg, "cmdOkey")->text().toStdString(), "&Okey");
    EXPECT_EQ(Control<QAbstractButton>(dlg, "cmdCancel")->text().toStdString(), "&Cancel");
}

TEST_F(RaiseLowerConfigTest, LoadsPercentTimesHundredAndSliderSettings) {
    s.RaiseLowerPercent = 0.35f;
    s.RaiseLowerThreshold = 7;
    s.RaiseLowerSensitivity = 2;
    FrmRaiseLowerConfig dlg(s);
    EXPECT_EQ(vhtest::TextOf(dlg, "txtRaiseLowerPercet"), "35");
    EXPECT_EQ(Control<QSlider>(dlg, "sldRaiseLowerThreshold")->value(), 7);
    EXPECT_EQ(Control<QSlider>(dlg, "sldRaiseLowerSensitivity")->value(), 2);
}

TEST_F(RaiseLowerConfigTest, DefaultPercentShowsSeventy) {
    FrmRaiseLowerConfig dlg(s);
    EXPECT_EQ(vhtest::TextOf(dlg, "txtRaiseLowerPercet"), "70");
}

TEST_F(RaiseLowerConfigTest, OkeyStoresAbsolutePercentAndSliders) {
    FrmRaiseLowerConfig dlg(s);
    vhtest::Type(dlg, "txtRaiseLowerPercet", "-50");
    Control<QSlider>(dlg, "sldRaiseLowerThreshold")->setValue(9);
    Control<QSlider>(dlg, "sldRaiseLowerSensitivity")->setValue(1);
    Click(dlg, "cmdOkey");
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_FLOAT_EQ(s.RaiseLowerPercent, 0.5f);
    EXPECT_EQ(s.RaiseLowerThreshold, 9);
    EXPECT_EQ(s.RaiseLowerSensitivity, 1);
}

TEST_F(RaiseLowerConfigTest, OkeyClampsPercentIntoItsRange) {
    {
        FrmRaiseLowerConfig dlg(s);
        vhtest::Type(dlg, "txtRaiseLowerPercet", "flat");
        Click(dlg, "cmdOkey");
        EXPECT_FLOAT_EQ(s.RaiseLowerPercent, 0.01f);
    }
    {
        FrmRaiseLowerConfig dlg(s);
        vhtest::Type(dlg, "txtRaiseLowerPercet", "25000");
        Click(dlg, "cmdOkey");
        EXPECT_FLOAT_EQ(s.RaiseLowerPercent, 100.0f);
    }
}

TEST_F(RaiseLowerConfigTest, CancelStoresNothing) {
    FrmRaiseLowerConfig dlg(s);
    vhtest::Type(dlg, "txtRaiseLowerPercet", "20");
    Control<QSlider>(dlg, "sldRaiseLowerThreshold")->setValue(10);
    Click(dlg, "cmdCancel");
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_FLOAT_EQ(s.RaiseLowerPercent, 0.7f);
    EXPECT_EQ(s.RaiseLowerThreshold, 4);
}

TEST_F(RaiseLowerConfigTest, ClosingByTheFrameIsCancel) {
    FrmRaiseLowerConfig dlg(s);
    dlg.show();
    vhtest::Type(dlg, "txtRaiseLowerPercet", "20");
    dlg.close();
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_FLOAT_EQ(s.RaiseLowerPercent, 0.7f);
}

}  // namespace
