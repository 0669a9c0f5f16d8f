// The small settings dialogs: what Okey stores from odd input, and that
// Cancel stores nothing.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <cmath>
#include <functional>
#include <limits>
#include <tuple>

#include "core/input_state.h"
#include "core/rules.h"
#include "dialog_test_helpers.h"
#include "fake_services_fixture.h"
#include "support/terrain_fixture.h"
#include "tools/edit_pass.h"
#include "tools/tool_selection.h"
#include "ui/frm_about.h"
#include "ui/frm_cammera.h"
#include "ui/frm_ed_textures.h"
#include "ui/frm_export_options.h"
#include "ui/frm_mountain_config.h"
#include "ui/frm_noise_config.h"
#include "ui/frm_properties.h"
#include "ui/frm_raise_lower_config.h"
#include "ui/frm_scale_config.h"
#include "ui/frm_smooth_config.h"

namespace {

using namespace vh::ui;
using vhtest::Click;
using vhtest::Control;
using vhtest::Type;

// Opens a dialog on the state, types into one box and presses a button.
template <class D>
void Enter(vh::EditorState& s, const char* box, const char* text, const char* button) {
    D dlg(s);
    Type(dlg, box, text);
    Click(dlg, button);
    EXPECT_EQ(dlg.result(), button[3] == 'O' ? QDialog::Accepted : QDialog::Rejected);
}

constexpr float kFloatMax = std::numeric_limits<float>::max();

// A float setting inside one of the state's records.
template <auto Record, auto Field>
float& At(vh::EditorState& s) {
    return (s.*Record).*Field;
}
using T = vh::ToolSettings;
using B = vh::BrushTextures;
constexpr auto kTools = &vh::Settings::Tools;
constexpr auto kBrushes = &vh::Settings::Brushes;

struct Row {
    void (*enter)(vh::EditorState&, const char*, const char*, const char*);
    const char* box;
    const char* text;
    float& (*field)(vh::EditorState&);
    float expected;
};

TEST(ConfigDialogs, OkeyStoresTheLeadingNumberWithinItsRules) {
    const Row rows[] = {
        {&Enter<FrmRaiseLowerConfig>, "txtRaiseLowerPercet", "-50", &At<kTools, &T::RaiseLowerPercent>, 0.5f},
        {&Enter<FrmRaiseLowerConfig>, "txtRaiseLowerPercet", "flat", &At<kTools, &T::RaiseLowerPercent>,
         0.01f},
        {&Enter<FrmSmoothConfig>, "txtSmoothThreshold", "-30", &At<kTools, &T::SmoothToolThreshold>, 30},
        {&Enter<FrmNoiseConfig>, "txtNoise", "-20", &At<kTools, &T::MaxNoise>, 20},
        {&Enter<FrmScaleConfig>, "txtScale", "50%", &At<kTools, &T::ScalePassFactor>, 0.5f},
        {&Enter<FrmScaleConfig>, "txtScale", "half", &At<kTools, &T::ScalePassFactor>, 0},
        {&Enter<FrmProperties>, "txtTopX", "-3", &At<kBrushes, &B::TopScaleX>, 3},
        {&Enter<FrmProperties>, "txtTopY", "2.5abc", &At<kBrushes, &B::TopScaleY>, 2.5f},
        {&Enter<FrmProperties>, "txtSideX", "abc", &At<kBrushes, &B::SideScaleX>, 0},
        // Numbers past the float range are kept at its end.
        {&Enter<FrmScaleConfig>, "txtScale", "1e41", &At<kTools, &T::ScalePassFactor>, kFloatMax},
        {&Enter<FrmNoiseConfig>, "txtNoise", "-1e39", &At<kTools, &T::MaxNoise>, kFloatMax},
        {&Enter<FrmSmoothConfig>, "txtSmoothThreshold", "1e300", &At<kTools, &T::SmoothToolThreshold>,
         kFloatMax},
        {&Enter<FrmProperties>, "txtSideY", "1e40", &At<kBrushes, &B::SideScaleY>, kFloatMax},
    };
    for (const Row& r : rows) {
        vhtest::FakeServices services;
        r.enter(services.state, r.box, r.text, "cmdOkey");
        EXPECT_FLOAT_EQ(r.field(services.state), r.expected) << r.box << " " << r.text;
    }
}

TEST(ConfigDialogs, CancelStoresNothing) {
    const Row rows[] = {
        {&Enter<FrmRaiseLowerConfig>, "txtRaiseLowerPercet", "20", &At<kTools, &T::RaiseLowerPercent>, 0},
        {&Enter<FrmMountainConfig>, "txtMountainPercet", "300", &At<kTools, &T::MountVallPercent>, 0},
        {&Enter<FrmSmoothConfig>, "txtSmoothThreshold", "5", &At<kTools, &T::SmoothToolThreshold>, 0},
        {&Enter<FrmNoiseConfig>, "txtNoise", "99", &At<kTools, &T::MaxNoise>, 0},
        {&Enter<FrmScaleConfig>, "txtScale", "10", &At<kTools, &T::ScalePassFactor>, 0},
        {&Enter<FrmProperties>, "txtTopX", "9", &At<kBrushes, &B::TopScaleX>, 0},
    };
    for (const Row& r : rows) {
        vhtest::FakeServices services;
        const float before = r.field(services.state);
        r.enter(services.state, r.box, r.text, "cmdCancel");
        EXPECT_FLOAT_EQ(r.field(services.state), before) << r.box;
    }
}

TEST(ConfigDialogs, MountainRadiusTwoBecomesTwentyInTheNextPass) {
    vhtest::FakeServices services;
    vh::EditorState& s = services.state;
    vhtest::MakeTerrain(s, 5, 5);
    vh::SelectTool(s, services.tools, vh::Tool::Mountain);
    FrmMountainConfig dlg(s);
    Control<QSlider>(dlg, "sldMountainRadius")->setValue(2);
    Click(dlg, "cmdOkey");
    EXPECT_EQ(s.Tools.MountVallRadius, 2);
    vh::InputState still;
    still.Wheel = s.Stroke.PreviousWheel;
    vh::RunEditPass(s, services.tools, still, 0);
    EXPECT_EQ(s.Tools.MountVallRadius, 20);
}

TEST(ConfigDialogs, PropertiesTrimNamesAndShowZeroFacesWithoutSquares) {
    vhtest::FakeServices services;
    vh::EditorState& s = services.state;
    FrmProperties dlg(s);
    EXPECT_EQ(Control<QLabel>(dlg, "lblFaces")->text(), "0");
    Type(dlg, "txtTexTop", "  GRASS1 ");
    Type(dlg, "txtTexSide", "\tROCK 2\t");
    Type(dlg, "txtSky", "   ");
    Click(dlg, "cmdOkey");
    EXPECT_EQ(s.Brushes.TopTexture, "GRASS1");
    EXPECT_EQ(s.Brushes.SideTexture, "ROCK 2");
    EXPECT_EQ(s.Brushes.SkyTexture, "");
}

// 4 x 4 points: 18 triangles; an inner point 1000 units up makes its six
// triangles too steep.
TEST(ConfigDialogs, PropertiesShowTheWalkableShare) {
    vhtest::FakeServices services;
    vh::EditorState& s = services.state;
    auto shown = [&] {
        FrmProperties dlg(s);
        return Control<QLabel>(dlg, "lblWalkable")->text();
    };
    EXPECT_EQ(shown(), "100.0 %");
    vhtest::MakeTerrain(s, 4, 4);
    EXPECT_EQ(shown(), "100.0 %");
    s.Terrain.Points[6].Height = 1000;
    EXPECT_EQ(shown(), "66.7 %");
}

TEST(ConfigDialogs, AboutShowsTheVersionLine) {
    struct NoShell : WebShell {
        vh::ui::BrowserLookup FindBrowser(const std::string&, const std::string&) override {
            return vh::ui::BrowserLookup::Found;
        }
        bool OpenAddress(const std::string&) override { return true; }
    } shell;
    vhtest::FakeServices services;
    FrmAbout dlg(vh::PortablePaths("/nonexistent"), services.prompts, shell);
    EXPECT_EQ(Control<QLabel>(dlg, "lblVersion")->text(), "Varnholm v2.2.0  for Linux.");
}

TEST(ConfigDialogs, ExportOptionsOkeyStoresAndCancelDiscards) {
    vhtest::FakeServices services;
    vh::EditorState& s = services.state;
    for (const char* button : {"cmdCancel", "cmdOk"}) {
        FrmExportOptions d(services, nullptr);
        Click(d, "opRandom");
        Click(d, "opTop");
        Click(d, "chkHint");
        Click(d, "chkSky");
        Click(d, "opForward");
        Click(d, button);
        const bool ok = button[3] == 'O';
        EXPECT_EQ(s.Export.ExportType, ok ? "//" : "Best Fit");
        EXPECT_EQ(s.Export.ExportPosition, ok ? 1 : 0);
        EXPECT_EQ(s.Export.AddHint, !ok);
        EXPECT_EQ(s.Export.AddSky, !ok);
    }
}

TEST(ConfigDialogs, OkeyOnValuesTheDocumentKeepsMarksItChangedOnlyWhenOneChanged) {
    const struct {
        const char* what;
        std::function<void(vhtest::FakeServices&, bool change, const char* button)> run;
    } dialogs[] = {
        {"properties",
         [](vhtest::FakeServices& sv, bool change, const char* button) {
             FrmProperties d(sv.state);
             if (change) Type(d, "txtTopX", "5");
             Click(d, button);
         }},
        {"export options",
         [](vhtest::FakeServices& sv, bool change, const char* button) {
             FrmExportOptions d(sv, nullptr);
             if (change) Click(d, "opX");
             Click(d, button[3] == 'O' ? "cmdOk" : "cmdCancel");
         }},
        {"editor textures",
         [](vhtest::FakeServices& sv, bool change, const char* button) {
             FrmEdTextures d(sv);
             if (change) Type(d, "txtTex", "/new/ground.tga");
             Click(d, button);
         }},
    };
    for (const auto& dialog : dialogs) {
        for (const auto& [change, button, clean] :
             {std::tuple{true, "cmdOkey", false}, {false, "cmdOkey", true}, {true, "cmdCancel", true}}) {
            vhtest::FakeServices sv;
            vhtest::MakeTerrain(sv.state, 3, 3);
            sv.state.Doc.DocClean = true;
            dialog.run(sv, change, button);
            EXPECT_EQ(sv.state.Doc.DocClean, clean) << dialog.what << " " << change << " " << button;
        }
    }
}

TEST(ConfigDialogs, CammeraRoundsHalvesToEvenAndMapsTheSensitivitySlider) {
    vhtest::FakeServices services;
    vh::EditorState& s = services.state;
    s.Camera.WalkSpeed = 12.5f;
    s.Camera.StrafeSpeed = 13.5f;
    s.Camera.Sensitivity = 105;
    {
        FrmCammera d(s);
        EXPECT_EQ(Control<QSlider>(d, "sldWalkSpeed")->value(), 12);
        EXPECT_EQ(Control<QSlider>(d, "sldStrafeSpeed")->value(), 14);
        EXPECT_EQ(Control<QSlider>(d, "sldDiv")->value(), 41);
        Control<QSlider>(d, "sldWalkSpeed")->setValue(1);
        Click(d, "cmdCancel");
        EXPECT_FLOAT_EQ(s.Camera.WalkSpeed, 12.5f);
    }
    for (const auto& [position, sensitivity] : {std::pair{41, 100.0f}, {50, 10.0f}, {0, 510.0f}}) {
        FrmCammera d(s);
        Control<QSlider>(d, "sldDiv")->setValue(position);
        Click(d, "cmdOkey");
        EXPECT_FLOAT_EQ(s.Camera.Sensitivity, sensitivity) << position;
    }
}

class EdTextures : public ::testing::Test {
protected:
    void SetUp() override {
        sv.state.Paths = vh::PortablePaths("/opt/vh");
        sv.state.Textures.SkyUP = "/old/up.bmp";
        d = std::make_unique<FrmEdTextures>(sv);
    }
    QLineEdit* Sky(int i) { return d->findChild<QLineEdit*>(QStringLiteral("txtSky%1").arg(i)); }
    void Browse(const char* button, const std::string& answer) {
        sv.prompts.FileAnswers.push_back(vhtest::ScriptedPrompts::Choose(answer));
        Click(*d, button);
    }
    vhtest::FakeServices sv;
    std::unique_ptr<FrmEdTextures> d;
};

TEST_F(EdTextures, AutoFillSetsAllSixBoxesAndShortcutsAreRefused) {
    Browse("cmdSky1", "/pics/link.LNK");
    EXPECT_EQ(Sky(1)->text(), "/old/up.bmp");
    Control<QCheckBox>(*d, "chkAuto")->setChecked(true);
    Browse("cmdSky5", "/pics/x_up.tga");
    const char* expected[6] = {"/pics/x_up.tga", "/pics/x_dn.tga", "/pics/x_ft.tga",
                               "/pics/x_bk.tga", "/pics/x_rt.tga", "/pics/x_lf.tga"};
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(Sky(i)->text(), expected[i - 1]);
}

TEST_F(EdTextures, DefaultsLockTheBoxesAndAnEmptySkyBoxStoresAllSixDefaults) {
    Control<QCheckBox>(*d, "chkDefault")->setChecked(true);
    EXPECT_TRUE(Sky(1)->isReadOnly());
    EXPECT_FALSE(Control<QPushButton>(*d, "cmdSky2")->isEnabled());
    Control<QCheckBox>(*d, "chkDefault")->setChecked(false);
    Sky(2)->setText("");
    Type(*d, "txtTex", "  /new/ground.tga  ");
    Click(*d, "cmdOkey");
    EXPECT_EQ(sv.state.Textures.SkyUP, "/opt/vh/sky/top.bmp");
    EXPECT_EQ(sv.state.Textures.SkyLF, "/opt/vh/sky/back.bmp");
    EXPECT_EQ(sv.state.Textures.GroundTexture, "/new/ground.tga");
}

}  // namespace
