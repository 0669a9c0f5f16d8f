#include "ui/frm_noise_config.h"

#include <QGroupBox>

#include "dialog_test_helpers.h"
#include "fake_services_fixture.h"

namespace {

using vh::ui::FrmNoiseConfig;
using vhtest::Click;
using vhtest::Control;

class NoiseConfigTest : public ::testing::Test {
protected:
    vhtest::FakeServices services;
    vh::EditorState& s = services.state;
};

TEST_F(NoiseConfigTest, ShowsCaptionFrameLabelAndTooltip) {
    FrmNoiseConfig dlg(s);
    EXPECT_EQ(dlg.windowTitle().toStdString(), "Noise Tool Config");
    EXPECT_EQ(Control<QGroupBox>(dlg, "frmOptions")->title().toStdString(), "Options:");
    auto* noise = Control<QLineEdit>(dlg, "txtNoise");
    ASSERT_NE(noise, nullptr);
    EXPECT_EQ(vhtest::LabelFor(dlg, noise), "Maximum Noise:");
    EXPECT_EQ(noise->toolTip().toStdString(), "Maximum Noise To Add To A Point.");
}

TEST_F(NoiseConfigTest, LoadsMaxNoiseAsANumber) {
    s.MaxNoise = 7.25f;
    FrmNoiseConfig dlg(s);
    EXPECT_EQ(vhtest::TextOf(dlg, "txtNoise"), "7.25");
}

TEST_F(NoiseConfigTest, OkeyStoresTheAbsoluteValue) {
    FrmNoiseConfig dlg(s);
    vhtest::Type(dlg, "txtNoise", "-20");
    Click(dlg, "cmdOkey");
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_FLOAT_EQ(s.MaxNoise, 20.0f);
}

TEST_F(NoiseConfigTest, OkeyReadsTheLeadingNumberOrZero) {
    {
        FrmNoiseConfig dlg(s);
        vhtest::Type(dlg, "txtNoise", " 32 units");
        Click(dlg, "cmdOkey");
        EXPECT_FLOAT_EQ(s.MaxNoise, 32.0f);
    }
    {
        FrmNoiseConfig dlg(s);
        vhtest::Type(dlg, "txtNoise", "lots");
        Click(dlg, "cmdOkey");
        EXPECT_FLOAT_EQ(s.MaxNoise, 0.0f);
    }
}

TEST_F(NoiseConfigTest, CancelStoresNothing) {
    FrmNoiseConfig dlg(s);
    vhtest::Type(dlg, "txtNoise", "99");
    Click(dlg, "cmdCancel");
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_FLOAT_EQ(s.MaxNoise, 48.0f);
}

}  // namespace
