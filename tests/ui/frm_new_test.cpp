#include "ui/frm_new.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <cmath>
#include <memory>

#include "core/rules.h"
#include "support/temp_dir.h"
#include "support/terrain_fixture.h"
#include "ui/fake_services_fixture.h"

using namespace vh;
using vh::ui::FrmNew;

namespace {

class FrmNewTest : public ::testing::Test {
protected:
    vhtest::FakeServices services;

    std::unique_ptr<FrmNew> Open() { return std::make_unique<FrmNew>(services, nullptr); }

    template <class W>
    static W* Get(FrmNew& dlg, const char* name) {
        W* w = dlg.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    static QLineEdit* Text(FrmNew& d, const char* n) { return Get<QLineEdit>(d, n); }
    static QLabel* Label(FrmNew& d, const char* n) { return Get<QLabel>(d, n); }
    static QCheckBox* Check(FrmNew& d, const char* n) { return Get<QCheckBox>(d, n); }
    static QSlider* Slider(FrmNew& d, const char* n) { return Get<QSlider>(d, n); }

    // Types into a box and leaves it, as the user would.
    static void Type(FrmNew& d, const char* name, const char* text) {
        QLineEdit* t = Text(d, name);
        t->setText(QString::fromLatin1(text));
        emit t->editingFinished();
    }

    static bool IsRed(QLabel* l) { return l->palette().color(QPalette::WindowText) == QColor(255, 0, 0); }
    static bool IsBlack(QLabel* l) { return l->palette().color(QPalette::WindowText) == QColor(0, 0, 0); }
    static bool LooksLocked(QLineEdit* t) {
        return t->isReadOnly() &&
               t->palette().color(QPalette::Base) == QApplication::palette().color(QPalette::Window);
    }
    static bool LooksUnlocked(QLineEdit* t) {
        return !t->isReadOnly() &&
               t->palette().color(QPalette::Base) == QApplication::palette().color(QPalette::HighlightedText);
    }

    // A tiny grid so that a generation is quick.
    static void SmallGrid(FrmNew& d, const char* triangles = "2") {
        Text(d, "txtX")->setText(QString::fromLatin1(triangles));
        Text(d, "txtZ")->setText(QString::fromLatin1(triangles));
    }

    static void Ok(FrmNew& d) { Get<QPushButton>(d, "cmdOk")->click(); }
};

bool OnHeightGrid(const EditorState& s) {
    for (int i = 1; i <= s.PointTotal(); ++i)
        if (std::fmod(s.Points[i].Height, static_cast<float>(s.Grid)) != 0) return false;
    return true;
}

std::string WriteImage(const vhtest::TempDir& dir, const std::string& name, QColor colour) {
    QImage img(8, 8, QImage::Format_RGB32);
    img.fill(colour);
    const std::string path = dir.File(name);
    EXPECT_TRUE(img.save(QString::fromStdString(path)));
    return path;
}

}  // namespace

// ---- layout ----

TEST_F(FrmNewTest, ShowsFiveTabsWithTheirFrames) {
    auto d = Open();
    EXPECT_EQ(d->windowTitle(), "Generate New Terrain");
    QTabWidget* tabs = Get<QTabWidget>(*d, "tbNew");
    ASSERT_EQ(tabs->count(), 5);
    EXPECT_EQ(tabs->tabText(0), "&General Options");
    EXPECT_EQ(tabs->tabText(1), "&Smoothing Options");
    EXPECT_EQ(tabs->tabText(2), "&Fractal Generation");
    EXPECT_EQ(tabs->tabText(3), "&Slope Generation");
    EXPECT_EQ(tabs->tabText(4), "&Height Map Generation");
    EXPECT_EQ(Get<QGroupBox>(*d, "frmGeneral")->title(), "&General Options:");
    EXPECT_EQ(Get<QGroupBox>(*d, "frmSlope")->title(), "&Slope Generaton Options:");
    EXPECT_EQ(Get<QGroupBox>(*d, "frmHeightMap")->title(), "&Height Map Generaton Options:");
    EXPECT_EQ(Get<QPushButton>(*d, "cmdOk")->text(), "&Okey");
    EXPECT_EQ(Get<QPushButton>(*d, "cmdCancel")->text(), "&Cancel");
    EXPECT_EQ(Get<QRadioButton>(*d, "opRadialOver")->text(), "Radial Smoothing && Over Sampling");
    EXPECT_TRUE(Get<QProgressBar>(*d, "progBar")->isHidden());
    EXPECT_TRUE(Label(*d, "lblStat")->text().isEmpty());
}

TEST_F(FrmNewTest, SlidersHaveTheirRangesAndSteps) {
    auto d = Open();
    struct Expect {
        const char* name;
        int min, max, small, large, tick;
    };
    for (const Expect& e :
         {Expect{"sldPasses", 1, 45, 1, 5, 1}, Expect{"sldFlatten", 1, 10, 1, 2, 1},
          Expect{"sldHeightMulti", 1, 32, 1, 2, 2}, Expect{"sldFaultIt", 1, 512, 4, 16, 32},
          Expect{"sldParticleIt", 1, 8192, 16, 64, 256}, Expect{"sldCircleIt", 1, 1024, 4, 16, 32},
          Expect{"sldSteep", 1, 256, 1, 5, 5}, Expect{"sldBM", 1, 256, 1, 5, 5}}) {
        QSlider* s = Slider(*d, e.name);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->minimum(), e.min) << e.name;
        EXPECT_EQ(s->maximum(), e.max) << e.name;
        EXPECT_EQ(s->singleStep(), e.small) << e.name;
        EXPECT_EQ(s->pageStep(), e.large) << e.name;
        EXPECT_EQ(s->tickInterval(), e.tick) << e.name;
    }
}

// ---- size read-outs ----

TEST_F(FrmNewTest, DefaultsReadTwoThousandUnitsAndFiveHundredFacesInBlack) {
    auto d = Open();
    EXPECT_EQ(Text(*d, "txtX")->text(), "16");
    EXPECT_EQ(Text(*d, "txtZ")->text(), "16");
    EXPECT_EQ(Text(*d, "txtLength")->text(), "256");
    EXPECT_EQ(Label(*d, "lblX")->text(), "+/- 2048 Units.");
    EXPECT_EQ(Label(*d, "lblZ")->text(), "+/- 2048 Units.");
    EXPECT_EQ(Label(*d, "lblFaces")->text(), "512 Faces.");
    EXPECT_TRUE(IsBlack(Label(*d, "lblX")));
    EXPECT_TRUE(IsBlack(Label(*d, "lblZ")));
    EXPECT_TRUE(IsBlack(Label(*d, "lblFaces")));
}

TEST_F(FrmNewTest, ThirtyTwoTrianglesStayBlackThirtyThreeTurnRed) {
    auto d = Open();
    Type(*d, "txtX", "32");
    EXPECT_EQ(Label(*d, "lblX")->text(), "+/- 4096 Units.");
    EXPECT_TRUE(IsBlack(Label(*d, "lblX")));
    Type(*d, "txtX", "33");
    EXPECT_EQ(Label(*d, "lblX")->text(), "+/- 4224 Units.");
    EXPECT_TRUE(IsRed(Label(*d, "lblX")));
    EXPECT_TRUE(IsBlack(Label(*d, "lblZ")));
    EXPECT_EQ(Label(*d, "lblFaces")->text(), "1056 Faces.");
    EXPECT_TRUE(IsBlack(Label(*d, "lblFaces")));
}

TEST_F(FrmNewTest, TriangleLengthSnapsToTheEditorGrid) {
    auto d = Open();
    Type(*d, "txtLength", "100");
    EXPECT_EQ(Text(*d, "txtLength")->text(), "96");
    Type(*d, "txtLength", "120");
    EXPECT_EQ(Text(*d, "txtLength")->text(), "128");
    Type(*d, "txtLength", "136");
    EXPECT_EQ(Text(*d, "txtLength")->text(), "128");
    EXPECT_EQ(Label(*d, "lblX")->text(), "+/- 1024 Units.");
}

TEST_F(FrmNewTest, TriangleLengthFollowsALargerGrid) {
    services.state.Grid = 64;
    auto d = Open();
    Type(*d, "txtLength", "100");
    EXPECT_EQ(Text(*d, "txtLength")->text(), "128");
}

// ---- focus-loss clamps ----

TEST_F(FrmNewTest, PercentLimitersAreKeptBetween100And200) {
    auto d = Open();
    for (const char* box : {"txtDiamondPerLimiter", "txtParticlePerLimiter"}) {
        Type(*d, box, "50");
        EXPECT_EQ(Text(*d, box)->text(), "100");
        Type(*d, box, "250");
        EXPECT_EQ(Text(*d, box)->text(), "200");
        Type(*d, box, "-300");
        EXPECT_EQ(Text(*d, box)->text(), "100");
    }
}

TEST_F(FrmNewTest, CircleRadiusRoundsHalfToEvenAndIsAtLeastTwo) {
    auto d = Open();
    Type(*d, "txtCircleMaxRad", "2.5");
    EXPECT_EQ(Text(*d, "txtCircleMaxRad")->text(), "2");
    Type(*d, "txtCircleMaxRad", "3.5");
    EXPECT_EQ(Text(*d, "txtCircleMaxRad")->text(), "4");
    Type(*d, "txtCircleMaxRad", "0");
    EXPECT_EQ(Text(*d, "txtCircleMaxRad")->text(), "2");
}

TEST_F(FrmNewTest, MaxSeedAndMaxChangesTakeMagnitudesAndReplaceZero) {
    auto d = Open();
    Type(*d, "txtMaxSeed", "-64");
    EXPECT_EQ(Text(*d, "txtMaxSeed")->text(), "64");
    Type(*d, "txtMaxSeed", "lots");
    EXPECT_EQ(Text(*d, "txtMaxSeed")->text(), "48");
    Type(*d, "txtFaultMaxChange", "x");
    EXPECT_EQ(Text(*d, "txtFaultMaxChange")->text(), "256");
    Type(*d, "txtCircleMaxChange", "0");
    EXPECT_EQ(Text(*d, "txtCircleMaxChange")->text(), "512");
}

// ---- load ----

TEST_F(FrmNewTest, LoadShowsTheSettings) {
    EditorState& s = services.state;
    s.X = 9;
    s.Y = 5;
    s.Size = 128;
    s.Fractal = 1;
    s.MaxSeed = 300;
    s.DiamondSquareStyle = "Diminish";
    s.FaultLines = 3;
    s.SmoothPassType = "lin";
    s.SlopeDir = "NY";
    s.SlopeSteepness = 512;
    s.BitMapHeightMulti = 8;
    auto d = Open();
    EXPECT_EQ(Text(*d, "txtX")->text(), "8");
    EXPECT_EQ(Text(*d, "txtZ")->text(), "4");
    EXPECT_EQ(Text(*d, "txtLength")->text(), "128");
    EXPECT_EQ(Label(*d, "lblX")->text(), "+/- 512 Units.");
    EXPECT_EQ(Label(*d, "lblFaces")->text(), "64 Faces.");
    EXPECT_TRUE(Check(*d, "chkFractal")->isChecked());
    EXPECT_EQ(Text(*d, "txtMaxSeed")->text(), "300");
    EXPECT_EQ(Get<QComboBox>(*d, "cboDiamondStyle")->currentText(), "Diminish");
    EXPECT_EQ(Get<QComboBox>(*d, "cboFaultLines")->currentText(), "3");
    EXPECT_TRUE(Get<QRadioButton>(*d, "opLinear")->isChecked());
    EXPECT_TRUE(Get<QRadioButton>(*d, "opNY")->isChecked());
    EXPECT_EQ(Slider(*d, "sldSteep")->value(), 32);
    EXPECT_EQ(Slider(*d, "sldBM")->value(), 64);
}

TEST_F(FrmNewTest, UnknownOptionCodesSelectNoButton) {
    services.state.SmoothPassType = "ZIGZAG";
    services.state.SlopeDir = "";
    auto d = Open();
    for (const char* name :
         {"opRadial", "opLinear", "opRadialOver", "opLinearOver", "opPX", "opNX", "opPY", "opNY"})
        EXPECT_FALSE(Get<QRadioButton>(*d, name)->isChecked()) << name;
}

TEST_F(FrmNewTest, LoadedCheckBoxesGiveTheirRulesLooks) {
    EditorState& s = services.state;
    s.Smooth = 0;
    s.Normalize = 1;
    s.FlattenToZero = 1;
    s.Fractal = 1;
    s.Fault = 1;
    s.Circle = 0;
    auto d = Open();
    EXPECT_TRUE(LooksLocked(Text(*d, "txtThreshold")));
    EXPECT_FALSE(Slider(*d, "sldPasses")->isEnabled());
    EXPECT_FALSE(Get<QRadioButton>(*d, "opRadial")->isEnabled());
    EXPECT_TRUE(LooksUnlocked(Text(*d, "txtMinNormal")));
    EXPECT_TRUE(Check(*d, "chkFlatten")->isEnabled());
    EXPECT_TRUE(Slider(*d, "sldFlatten")->isEnabled());
    EXPECT_TRUE(LooksUnlocked(Text(*d, "txtMaxSeed")));
    EXPECT_TRUE(Get<QComboBox>(*d, "cboFaultLines")->isEnabled());
    EXPECT_TRUE(LooksUnlocked(Text(*d, "txtFaultMaxChange")));
    EXPECT_TRUE(Slider(*d, "sldFaultIt")->isEnabled());
    EXPECT_FALSE(Get<QComboBox>(*d, "cboDiamondStyle")->isEnabled());
    EXPECT_TRUE(LooksLocked(Text(*d, "txtCircleMaxRad")));
    EXPECT_FALSE(Slider(*d, "sldCircleIt")->isEnabled());
}

// ---- enable rules ----

TEST_F(FrmNewTest, UncheckingNormalizeDisablesFlatteningWhateverItsState) {
    services.state.Normalize = 1;
    services.state.FlattenToZero = 1;
    auto d = Open();
    Check(*d, "chkNormal")->click();
    EXPECT_FALSE(Check(*d, "chkFlatten")->isEnabled());
    EXPECT_FALSE(Slider(*d, "sldFlatten")->isEnabled());
    EXPECT_TRUE(Check(*d, "chkFlatten")->isChecked());
    EXPECT_TRUE(LooksLocked(Text(*d, "txtMinNormal")));
    EXPECT_TRUE(LooksLocked(Text(*d, "txtMaxNormal")));
    Check(*d, "chkNormal")->click();
    EXPECT_TRUE(Check(*d, "chkFlatten")->isEnabled());
    EXPECT_TRUE(Slider(*d, "sldFlatten")->isEnabled());
}

TEST_F(FrmNewTest, FractalSwitchGovernsTheFourAlgorithms) {
    auto d = Open();
    for (const char* c : {"chkDiamond", "chkFault", "chkParticle", "chkCircle"})
        EXPECT_FALSE(Check(*d, c)->isEnabled()) << c;
    EXPECT_TRUE(LooksLocked(Text(*d, "txtMaxSeed")));
    Check(*d, "chkFractal")->click();
    for (const char* c : {"chkDiamond", "chkFault", "chkParticle", "chkCircle"})
        EXPECT_TRUE(Check(*d, c)->isEnabled()) << c;
    EXPECT_TRUE(LooksUnlocked(Text(*d, "txtMaxSeed")));
    EXPECT_TRUE(Slider(*d, "sldHeightMulti")->isEnabled());
    // Their own boxes are still off, so their controls stay locked.
    EXPECT_FALSE(Get<QComboBox>(*d, "cboDiamondStyle")->isEnabled());
    EXPECT_TRUE(LooksLocked(Text(*d, "txtDiamondPerLimiter")));
    Check(*d, "chkDiamond")->click();
    EXPECT_TRUE(Get<QComboBox>(*d, "cboDiamondStyle")->isEnabled());
    EXPECT_TRUE(LooksUnlocked(Text(*d, "txtDiamondPerLimiter")));
    Check(*d, "chkParticle")->click();
    EXPECT_TRUE(Slider(*d, "sldParticleIt")->isEnabled());
    // Turning fractal generation off locks everything below it again.
    Check(*d, "chkFractal")->click();
    EXPECT_FALSE(Get<QComboBox>(*d, "cboDiamondStyle")->isEnabled());
    EXPECT_TRUE(LooksLocked(Text(*d, "txtDiamondPerLimiter")));
    EXPECT_FALSE(Slider(*d, "sldParticleIt")->isEnabled());
    EXPECT_TRUE(Check(*d, "chkDiamond")->isChecked());
}

TEST_F(FrmNewTest, SlopeAndHeightMapSwitches) {
    auto d = Open();
    EXPECT_FALSE(Get<QRadioButton>(*d, "opPX")->isEnabled());
    EXPECT_FALSE(Slider(*d, "sldSteep")->isEnabled());
    Check(*d, "chkSlope")->click();
    EXPECT_TRUE(Get<QRadioButton>(*d, "opNY")->isEnabled());
    EXPECT_TRUE(Slider(*d, "sldSteep")->isEnabled());

    QLineEdit* path = Text(*d, "txtBM");
    EXPECT_FALSE(Get<QPushButton>(*d, "cmdBMBrowse")->isEnabled());
    EXPECT_FALSE(path->isReadOnly());  // only its colour follows the rule
    EXPECT_EQ(path->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Window));
    Check(*d, "chkBM")->click();
    EXPECT_TRUE(Get<QPushButton>(*d, "cmdBMBrowse")->isEnabled());
    EXPECT_TRUE(Slider(*d, "sldBM")->isEnabled());
    EXPECT_TRUE(Check(*d, "chkInvertColors")->isEnabled());
    EXPECT_TRUE(LooksUnlocked(path));
}

// ---- height image ----

TEST_F(FrmNewTest, BrowseAsksForAnImageAndShowsIt) {
    vhtest::TempDir dir;
    const std::string white = WriteImage(dir, "white.bmp", Qt::white);
    services.state.BitMap = 1;
    auto d = Open();
    services.prompts.FileAnswers.push_back(vhtest::ScriptedPrompts::Choose(white));
    Get<QPushButton>(*d, "cmdBMBrowse")->click();
    ASSERT_EQ(services.prompts.OpenRequests.size(), 1u);
    const FileDialogRequest& r = services.prompts.OpenRequests[0];
    EXPECT_EQ(r.Title, "Open Height Map.");
    EXPECT_EQ(r.Filter,
              "Supported Images (*.bmp;*.gif;*.jpg;*.jpeg)|*.bmp;*.gif;*.jpg;*.jpeg|Bitmap Files "
              "(*.bmp)|*.bmp|CompuServe GIF (*.gif)|*.gif|JPEG (*.jpg;*.jpeg)|*.jpg;*.jpeg");
    EXPECT_EQ(r.InitialFolder, "/");
    EXPECT_TRUE(r.FileName.empty());
    EXPECT_EQ(Text(*d, "txtBM")->text().toStdString(), white);
    ASSERT_FALSE(d->Preview().isNull());
    EXPECT_EQ(d->Preview().width(), kPreviewSide);
    EXPECT_EQ(d->Preview().height(), kPreviewSide);
    EXPECT_EQ(d->Preview().pixelColor(kPreviewSide / 2, kPreviewSide / 2), QColor(Qt::white));

    // The next browse starts in the folder of the current image.
    Get<QPushButton>(*d, "cmdBMBrowse")->click();
    ASSERT_EQ(services.prompts.OpenRequests.size(), 2u);
    EXPECT_EQ(services.prompts.OpenRequests[1].InitialFolder, vh::FolderOf(white));
}

TEST_F(FrmNewTest, UnusableChoicesLeaveThePreviewAndPath) {
    vhtest::TempDir dir;
    const std::string black = WriteImage(dir, "black.bmp", Qt::black);
    const std::string broken = dir.File("broken.bmp");
    vhtest::WriteFileBytes(broken, "not an image at all");
    const std::string text = dir.File("notes.txt");
    vhtest::WriteFileBytes(text, "hello");
    services.state.BitMap = 1;
    services.state.BitMapPath = black;
    auto d = Open();
    ASSERT_FALSE(d->Preview().isNull());  // loaded with the dialog
    const QImage before = d->Preview();

    for (const std::string& choice : {broken, text, std::string()}) {
        services.prompts.FileAnswers.push_back(vhtest::ScriptedPrompts::Choose(choice));
        Get<QPushButton>(*d, "cmdBMBrowse")->click();
        EXPECT_EQ(Text(*d, "txtBM")->text().toStdString(), black) << choice;
        EXPECT_EQ(d->Preview(), before) << choice;
    }
}

// ---- OK ----

TEST_F(FrmNewTest, OkGeneratesAFractalTerrainOnTheHeightGrid) {
    auto d = Open();
    Type(*d, "txtX", "32");
    Type(*d, "txtZ", "32");
    Check(*d, "chkFractal")->click();
    Check(*d, "chkDiamond")->click();
    Type(*d, "txtMaxSeed", "512");
    Ok(*d);

    const EditorState& s = services.state;
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(s.X, 33);
    EXPECT_EQ(s.Y, 33);
    EXPECT_EQ(s.PointTotal(), 33 * 33);
    EXPECT_TRUE(FromBool16(s.TerrainExists));
    EXPECT_EQ(s.DocTitle, "newmap.vhm");
    EXPECT_TRUE(s.DocPath.empty());
    EXPECT_EQ(s.DocClean, 0);
    EXPECT_EQ(s.Fractal, 1);
    EXPECT_EQ(s.DiamondSquare, 1);
    EXPECT_FLOAT_EQ(s.MaxSeed, 512.0f);
    EXPECT_TRUE(OnHeightGrid(s));
    int nonZero = 0;
    for (int i = 1; i <= s.PointTotal(); ++i) nonZero += s.Points[i].Height != 0;
    EXPECT_GT(nonZero, 0);

    EXPECT_EQ(services.waitCursorCalls, (std::vector<bool>{true, false}));
    EXPECT_GE(services.refreshCount, 1);
    EXPECT_FALSE(Get<QProgressBar>(*d, "progBar")->isHidden());
    EXPECT_EQ(Label(*d, "lblStat")->text(), "Building Mesh...");
}

TEST_F(FrmNewTest, ZeroAndOneTrianglesGiveThreeAndTwoPoints) {
    auto d = Open();
    Text(*d, "txtX")->setText("0");
    Text(*d, "txtZ")->setText("1");
    Ok(*d);
    EXPECT_EQ(services.state.X, 3);
    EXPECT_EQ(services.state.Y, 2);
    EXPECT_EQ(services.state.PointTotal(), 6);
}

TEST_F(FrmNewTest, SliderScalesSurviveAGenerationAndReopen) {
    auto d = Open();
    SmallGrid(*d);
    Slider(*d, "sldSteep")->setValue(32);
    Slider(*d, "sldBM")->setValue(64);
    Ok(*d);
    EXPECT_EQ(services.state.SlopeSteepness, 512);
    EXPECT_FLOAT_EQ(services.state.BitMapHeightMulti, 8.0f);
    auto again = Open();
    EXPECT_EQ(Slider(*again, "sldSteep")->value(), 32);
    EXPECT_EQ(Slider(*again, "sldBM")->value(), 64);
}

TEST_F(FrmNewTest, ZeroThresholdIsStoredAsMinusOneAndShownAsZero) {
    auto d = Open();
    SmallGrid(*d);
    Text(*d, "txtThreshold")->setText("0");
    Ok(*d);
    EXPECT_FLOAT_EQ(services.state.SmoothThreshold, -1.0f);
    auto again = Open();
    EXPECT_EQ(Text(*again, "txtThreshold")->text(), "0");
}

TEST_F(FrmNewTest, SlopeRunsFromTheDialogsOptions) {
    auto d = Open();
    Text(*d, "txtX")->setText("16");
    Text(*d, "txtZ")->setText("1");
    Check(*d, "chkSlope")->click();
    Get<QRadioButton>(*d, "opPX")->click();
    Slider(*d, "sldSteep")->setValue(32);  // 512 units
    Ok(*d);
    const EditorState& s = services.state;
    ASSERT_EQ(s.X, 17);
    EXPECT_FLOAT_EQ(s.Points[1].Height, -448.0f);
    EXPECT_FLOAT_EQ(s.Points[9].Height, 0.0f);
    EXPECT_FLOAT_EQ(s.Points[17].Height, 448.0f);
    EXPECT_EQ(s.SlopeDir, "PX");
}

TEST_F(FrmNewTest, HeightImageFromThePreviewRaisesTheTerrain) {
    vhtest::TempDir dir;
    const std::string white = WriteImage(dir, "white.bmp", Qt::white);
    services.state.BitMap = 1;
    services.state.BitMapPath = white;
    auto d = Open();
    SmallGrid(*d, "1");
    Slider(*d, "sldBM")->setValue(64);  // multiplier 8
    Ok(*d);
    const EditorState& s = services.state;
    ASSERT_EQ(s.PointTotal(), 4);
    for (int i = 1; i <= 4; ++i) EXPECT_FLOAT_EQ(s.Points[i].Height, 1024.0f) << i;

    auto inverted = Open();
    SmallGrid(*inverted, "1");
    Check(*inverted, "chkInvertColors")->setChecked(true);
    Ok(*inverted);
    for (int i = 1; i <= 4; ++i) EXPECT_FLOAT_EQ(s.Points[i].Height, -1024.0f) << i;
    EXPECT_EQ(s.BitMapInvertColors, -1);
}

TEST_F(FrmNewTest, OversizedGridIsRefusedAndKeepsTheTerrain) {
    vhtest::MakeTerrain(services.state, 5, 5);
    services.state.Points[7].Height = 64;
    services.state.DocTitle = "hills.vhm";
    auto d = Open();
    Text(*d, "txtX")->setText("200");
    Text(*d, "txtZ")->setText("200");
    Ok(*d);
    ASSERT_EQ(services.prompts.Messages.size(), 1u);
    EXPECT_EQ(services.prompts.Messages[0].Title, "Varnholm");
    EXPECT_NE(d->result(), QDialog::Accepted);
    EXPECT_EQ(services.state.PointTotal(), 25);
    EXPECT_FLOAT_EQ(services.state.Points[7].Height, 64.0f);
    EXPECT_EQ(services.state.DocTitle, "hills.vhm");
    EXPECT_EQ(services.state.X, 5);
    EXPECT_TRUE(services.waitCursorCalls.empty());
}

TEST_F(FrmNewTest, SixteenBitOverflowIsRefused) {
    auto d = Open();
    SmallGrid(*d);
    Text(*d, "txtLength")->setText("40000");
    Ok(*d);
    ASSERT_EQ(services.prompts.Messages.size(), 1u);
    EXPECT_EQ(services.prompts.Messages[0].Title, "Varnholm");
    EXPECT_FALSE(FromBool16(services.state.TerrainExists));
    EXPECT_EQ(services.state.Size, 256);
}

TEST_F(FrmNewTest, NormalisationLimitThatIsNoNumberIsRefused) {
    auto d = Open();
    SmallGrid(*d);
    Text(*d, "txtMaxNormal")->setText("high");
    Ok(*d);
    ASSERT_EQ(services.prompts.Messages.size(), 1u);
    EXPECT_NE(services.prompts.Messages[0].Text.find("high"), std::string::npos);
    EXPECT_FALSE(FromBool16(services.state.TerrainExists));
    EXPECT_FLOAT_EQ(services.state.MaxNormal, 4032.0f);
}

TEST_F(FrmNewTest, CancelChangesNothing) {
    vhtest::MakeTerrain(services.state, 3, 3);
    const float maxSeed = services.state.MaxSeed;
    auto d = Open();
    Type(*d, "txtMaxSeed", "999");
    Text(*d, "txtX")->setText("40");
    Get<QPushButton>(*d, "cmdCancel")->click();
    EXPECT_EQ(d->result(), QDialog::Rejected);
    EXPECT_FLOAT_EQ(services.state.MaxSeed, maxSeed);
    EXPECT_EQ(services.state.X, 3);
    EXPECT_EQ(services.state.PointTotal(), 9);
    EXPECT_TRUE(services.prompts.Messages.empty());
}

TEST_F(FrmNewTest, AlgorithmBoxesDoNothingWithFractalGenerationOff) {
    auto d = Open();
    SmallGrid(*d, "8");
    Check(*d, "chkFractal")->click();
    Check(*d, "chkDiamond")->click();
    Check(*d, "chkFault")->click();
    Check(*d, "chkFractal")->click();  // off again; the two boxes stay ticked
    Check(*d, "chkSmooth")->click();
    Check(*d, "chkNormal")->click();
    Ok(*d);
    const EditorState& s = services.state;
    ASSERT_EQ(s.PointTotal(), 81);
    EXPECT_EQ(s.DiamondSquare, 1);
    EXPECT_EQ(s.Fractal, 0);
    for (int i = 1; i <= s.PointTotal(); ++i) EXPECT_FLOAT_EQ(s.Points[i].Height, 0.0f) << i;
}

TEST_F(FrmNewTest, StoredImageThatCannotLoadLeavesTheBlankPreview) {
    vhtest::TempDir dir;
    services.state.BitMap = 1;
    services.state.BitMapPath = dir.File("missing.jpg");
    auto d = Open();
    EXPECT_EQ(Text(*d, "txtBM")->text().toStdString(), services.state.BitMapPath);
    EXPECT_TRUE(d->Preview().isNull());
}
