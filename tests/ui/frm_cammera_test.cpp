#include "ui/frm_cammera.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QSlider>

#include "fake_services_fixture.h"
#include "ui/view_commands.h"

namespace {

class Cammera : public ::testing::Test {
protected:
    std::unique_ptr<vh::ui::FrmCammera> Open() {
        auto d = std::make_unique<vh::ui::FrmCammera>(sv.state);
        return d;
    }
    static QSlider* Slider(QWidget* d, const char* name) { return d->findChild<QSlider*>(name); }
    static void Click(QWidget* d, const char* name) { d->findChild<QPushButton*>(name)->click(); }
    vhtest::FakeServices sv;
};

TEST_F(Cammera, LoadShowsTheSettingsRoundedAndTheSensitivityAsSliderPosition) {
    sv.state.WalkSpeed = 12.5f;  // halves to even: 12
    sv.state.StrafeSpeed = 13.5f;
    sv.state.WalkAcceleration = 3;
    sv.state.StrafeAcceleration = 4;
    sv.state.Sensitivity = 105;
    sv.state.Inverse = 1;
    auto d = Open();
    EXPECT_EQ(d->windowTitle(), "Cammera Options");
    EXPECT_EQ(Slider(d.get(), "sldWalkSpeed")->value(), 12);
    EXPECT_EQ(Slider(d.get(), "sldStrafeSpeed")->value(), 14);
    EXPECT_EQ(Slider(d.get(), "sldWalkAccel")->value(), 3);
    EXPECT_EQ(Slider(d.get(), "sldStrafeAccel")->value(), 4);
    EXPECT_EQ(Slider(d.get(), "sldDiv")->value(), 41);
    EXPECT_TRUE(d->findChild<QCheckBox*>("chkInverse")->isChecked());
    EXPECT_EQ(Slider(d.get(), "sldDiv")->maximum(), 50);
}

TEST_F(Cammera, OkeyStoresSlidersAndTheSensitivityRule) {
    sv.state.Sensitivity = 105;
    auto d = Open();
    Slider(d.get(), "sldWalkSpeed")->setValue(40);
    Slider(d.get(), "sldStrafeAccel")->setValue(0);
    Click(d.get(), "cmdOkey");
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_FLOAT_EQ(sv.state.WalkSpeed, 40.0f);
    EXPECT_FLOAT_EQ(sv.state.StrafeAcceleration, 0.0f);
    EXPECT_FLOAT_EQ(sv.state.Sensitivity, 100.0f);
    EXPECT_EQ(sv.state.Inverse, 0);
}

TEST_F(Cammera, SensitivitySliderEndsGiveTenAndFiveHundredTen) {
    auto d = Open();
    Slider(d.get(), "sldDiv")->setValue(50);
    d->findChild<QCheckBox*>("chkInverse")->setChecked(true);
    Click(d.get(), "cmdOkey");
    EXPECT_FLOAT_EQ(sv.state.Sensitivity, 10.0f);
    EXPECT_EQ(sv.state.Inverse, 1);
    auto e = Open();
    Slider(e.get(), "sldDiv")->setValue(0);
    Click(e.get(), "cmdOkey");
    EXPECT_FLOAT_EQ(sv.state.Sensitivity, 510.0f);
}

TEST_F(Cammera, CancelKeepsEverySetting) {
    auto d = Open();
    Slider(d.get(), "sldWalkSpeed")->setValue(1);
    Slider(d.get(), "sldDiv")->setValue(0);
    Click(d.get(), "cmdCancel");
    EXPECT_EQ(d->result(), QDialog::Rejected);
    EXPECT_FLOAT_EQ(sv.state.WalkSpeed, 10.0f);
    EXPECT_FLOAT_EQ(sv.state.Sensitivity, 100.0f);
}

TEST_F(Cammera, MenuCommandOpensTheDialogThroughTheWindow) {
    vh::ui::InstallViewCommands(sv);
    ASSERT_TRUE(sv.Run("cmdCammera"));
    ASSERT_EQ(sv.openedDialogs.size(), 1u);
    EXPECT_NE(qobject_cast<vh::ui::FrmCammera*>(sv.openedDialogs[0].data()), nullptr);
}

}  // namespace
