#include "generate/pipeline.h"

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>

#include "core/lifecycle.h"
#include "generate_fixture.h"
#include "support/temp_dir.h"
#include "support/terrain_fixture.h"

using namespace vh;
using vhtest::H;

namespace {

// An editor as the program starts: defaults, logging off, no terrain.
void Fresh(EditorState& s) {
    SetDefaults(s, "/nonexistent-program-folder");
    s.LogPath.clear();
}

bool AllFlat(const EditorState& s) {
    for (int i = 1; i <= s.PointTotal(); ++i)
        if (s.Points[i].Height != 0) return false;
    return true;
}

}  // namespace

TEST(CheckNewMapValues, AcceptsTheLargestGridAndRejectsMore) {
    NewMapValues v;
    v.X = 181;
    v.Y = 181;
    EXPECT_FALSE(CheckNewMapValues(v));
    v.X = 182;
    auto message = CheckNewMapValues(v);
    ASSERT_TRUE(message);
    EXPECT_NE(message->find("32767"), std::string::npos);
}

TEST(CheckNewMapValues, RejectsValuesOutside16Bits) {
    NewMapValues v;
    v.Size = 40000;
    EXPECT_TRUE(CheckNewMapValues(v));
    v = NewMapValues{};
    v.X = 32768;
    v.Y = 1;
    EXPECT_TRUE(CheckNewMapValues(v));
    v = NewMapValues{};
    v.particleIterations = -40000;
    EXPECT_TRUE(CheckNewMapValues(v));
}

TEST(CheckNewMapValues, CircleRadiusMustFitOnlyWhenCirclesRun) {
    NewMapValues v;
    v.CircleMaxRad = 128;  // 128 x 256 = 32768
    EXPECT_FALSE(CheckNewMapValues(v));
    v.chkFractal = true;
    v.chkCircle = true;
    EXPECT_TRUE(CheckNewMapValues(v));
    v.CircleMaxRad = 127;
    EXPECT_FALSE(CheckNewMapValues(v));
}

TEST(RunNewMap, ZeroTrianglesGiveThreePointsAndShortLengthsTheGrid) {
    EditorState s;
    Fresh(s);
    NewMapValues v;
    v.X = 1;  // 0 triangles typed
    v.Y = 2;  // 1 triangle
    v.Size = 5;
    RunNewMap(s, v, vh::NoProgress());
    EXPECT_EQ(s.X, 3);
    EXPECT_EQ(s.Y, 2);
    EXPECT_EQ(s.Size, 16);
    EXPECT_EQ(s.PointCount, 6);
    EXPECT_EQ(s.Points[2].X - s.Points[1].X, 16);
}

TEST(RunNewMap, FractalOffRunsNoGeneratorWhateverTheirBoxes) {
    EditorState s;
    Fresh(s);
    NewMapValues v;
    v.chkDiamond = v.chkFault = v.chkParticle = v.chkCircle = true;
    v.HeightMulti = 4;
    s.Rnd.Script({0.5f});
    vhtest::RecordingProgress p;
    RunNewMap(s, v, p);
    EXPECT_EQ(s.Rnd.Draws(), 0u);
    EXPECT_TRUE(AllFlat(s));
    for (const auto& t : p.statuses) EXPECT_EQ(t.find("Running"), std::string::npos) << t;
}

TEST(RunNewMap, PassesNeedSomethingGenerated) {
    EditorState s;
    Fresh(s);
    NewMapValues v;
    v.chkSmooth = true;
    v.chkNormal = true;
    v.chkFlatten = true;
    vhtest::RecordingProgress p;
    RunNewMap(s, v, p);
    EXPECT_TRUE(AllFlat(s));
    const std::vector<std::string> expected = {"Generating Points...", "Building Squares...",
                                               "Sorting Squares...", "Building Mesh..."};
    EXPECT_EQ(p.statuses, expected);
}

TEST(RunNewMap, FractalWithNoAlgorithmSeedsEveryPointThenMultipliesAndSnaps) {
    EditorState s;
    Fresh(s);
    NewMapValues v;
    v.X = v.Y = 3;
    v.chkFractal = true;
    v.MaxSeed = 20;
    v.HeightMulti = 2;
    s.Rnd.Script({0.5f, 0.0f, 0.5f, 0.75f});  // 10 then -10, alternating
    RunNewMap(s, v, vh::NoProgress());
    EXPECT_EQ(s.Rnd.Draws(), 18u);
    for (int i = 1; i <= 9; ++i) EXPECT_EQ(H(s, i), i % 2 ? 16 : -16) << i;  // 20 -> 16
}

TEST(RunNewMap, RunsTheStagesInTheirFixedOrder) {
    EditorState s;
    Fresh(s);
    vhtest::TempDir dir;
    QImage img(8, 8, QImage::Format_RGB32);
    img.fill(Qt::white);
    const std::string path = dir.File("hills.bmp");
    ASSERT_TRUE(img.save(QString::fromStdString(path)));

    NewMapValues v;
    v.X = v.Y = 9;
    v.chkFractal = v.chkDiamond = v.chkParticle = v.chkCircle = v.chkFault = true;
    v.particleIterations = 50;
    v.CircleIterations = 5;
    v.CircleMaxRad = 2;
    v.FaultIterations = 5;
    v.chkSlope = true;
    v.chkBM = true;
    v.txtBM = path;
    v.Preview = *LoadHeightImagePreview(path);
    v.chkNormal = v.chkFlatten = v.chkSmooth = true;
    v.Smoothing = SmoothOption::Radial;
    v.SmoothPasses = 2;
    bool meshBuilt = false;
    vhtest::RecordingProgress p;
    s.OnTerrainReplaced = [&] {
        meshBuilt = true;
        EXPECT_EQ(p.statuses.back(), "Building Mesh...");
    };
    RunNewMap(s, v, p);
    EXPECT_TRUE(meshBuilt);
    const std::vector<std::string> expected = {"Generating Points...",
                                               "Building Squares...",
                                               "Sorting Squares...",
                                               "Running Diamond-Square Algorithm ...",
                                               "Running Particle Algorithm ...",
                                               "Running Circle Algorithm ...",
                                               "Running Fault Line Algorithm ...",
                                               "Generating Sloped Values...",
                                               "Generating Height Map...",
                                               "Neutralization Pass ...",
                                               "Flattening Pass ...",
                                               "Radial Smoothing Pass 1...",
                                               "Radial Smoothing Pass 2...",
                                               "Building Mesh..."};
    EXPECT_EQ(p.statuses, expected);
    for (int i = 1; i <= 81; ++i) {
        EXPECT_LE(H(s, i), 4032 + 16);
        EXPECT_GE(H(s, i), -4032 - 16);
        EXPECT_EQ(std::fmod(H(s, i), 16.0f), 0.0f) << i;
    }
}

TEST(RunNewMap, CopiesTheValuesAndStartsAnUnsavedDocument) {
    EditorState s;
    Fresh(s);
    vhtest::TempDir dir;
    s.LogPath = dir.File("debugVH.txt");
    s.DocPath = "/old/place.vhm";
    s.SmoothPassType = "LIN";
    s.SlopeDir = "NY";
    NewMapValues v;
    v.Smoothing = SmoothOption::None;
    v.SlopeDirection = SlopeOption::None;
    v.SmoothThreshold = 0;
    v.chkFault = true;
    v.FaultLines = 3;
    v.ParticleStyle = "Diminish";
    v.BitMapInvertColors = -1;
    v.txtBM = "/pictures/hills.bmp";
    RunNewMap(s, v, vh::NoProgress());
    EXPECT_EQ(s.SmoothPassType, "LIN");  // no option selected keeps the old code
    EXPECT_EQ(s.SlopeDir, "NY");
    EXPECT_EQ(s.SmoothThreshold, -1);  // 0 is stored as -1
    EXPECT_EQ(s.Fault, 1);
    EXPECT_EQ(s.Fractal, 0);
    EXPECT_EQ(s.FaultLines, 3);
    EXPECT_EQ(s.ParticleStyle, "Diminish");
    EXPECT_EQ(s.BitMapInvertColors, -1);
    EXPECT_EQ(s.BitMapPath, "/pictures/hills.bmp");
    EXPECT_EQ(s.DocTitle, "newmap.vhm");
    EXPECT_TRUE(s.DocPath.empty());
    EXPECT_EQ(s.Caption, "newmap.vhm - Varnholm");
    EXPECT_EQ(s.DocClean, 0);
    EXPECT_EQ(s.TerrainExists, -1);
    const std::string log = vhtest::ReadFileBytes(s.LogPath);
    EXPECT_NE(log.find("NEW MAP : New Map Started"), std::string::npos);
    EXPECT_LT(log.find("VH RESET"), log.find("NEW MAP"));
}

TEST(RunNewMap, ImageThatDidNotLoadSamplesTheBlankPreview) {
    EditorState s;
    Fresh(s);
    NewMapValues v;
    v.X = v.Y = 3;
    v.chkBM = true;
    v.txtBM = "/nowhere/missing.bmp";
    RunNewMap(s, v, vh::NoProgress());
    const float first = H(s, 1);
    EXPECT_NE(first, 0);
    for (int i = 2; i <= 9; ++i) EXPECT_EQ(H(s, i), first);

    EditorState empty;
    Fresh(empty);
    v.txtBM.clear();
    RunNewMap(empty, v, vh::NoProgress());
    EXPECT_TRUE(AllFlat(empty));
}

TEST(NewMapValuesFromSettings, FollowsTheDialogLoadAndOk) {
    EditorState s;
    Fresh(s);
    NewMapValues v = NewMapValuesFromSettings(s);
    EXPECT_EQ(v.X, 17);
    EXPECT_EQ(v.Y, 17);
    EXPECT_EQ(v.Size, 256);
    EXPECT_EQ(v.Smoothing, SmoothOption::Radial);
    EXPECT_EQ(v.SlopeDirection, SlopeOption::PX);
    EXPECT_EQ(v.SlopeSteepness, 512);
    EXPECT_FLOAT_EQ(v.BitMapHeightMulti, 8);
    EXPECT_EQ(v.BitMapInvertColors, 1);
    EXPECT_FALSE(v.chkFractal);

    s.Size = 100;            // 6.25 grid steps: 96
    s.SmoothThreshold = -1;  // shown as 0
    s.SmoothPassType = "linover";
    s.SlopeDir = "Sideways";
    s.FaultIterations = 5000;  // clamped into the slider
    s.HeightMulti = 0;         // design value
    s.BitMapInvertColors = -1;
    s.Fractal = 1;
    s.DiamondSquarePercentLimiter = 1.4f;
    v = NewMapValuesFromSettings(s);
    EXPECT_EQ(v.Size, 96);
    EXPECT_EQ(v.SmoothThreshold, 0);
    EXPECT_EQ(v.Smoothing, SmoothOption::LinearOver);
    EXPECT_EQ(v.SlopeDirection, SlopeOption::None);
    EXPECT_EQ(v.FaultIterations, 512);
    EXPECT_EQ(v.HeightMulti, 1);
    EXPECT_EQ(v.BitMapInvertColors, -1);
    EXPECT_TRUE(v.chkFractal);
    EXPECT_FLOAT_EQ(v.DiamondSquarePercentLimiter, 1.4f);
}

TEST(NewMapValuesFromSettings, LoadsThePreviewOfTheImagePath) {
    vhtest::TempDir dir;
    QImage img(4, 4, QImage::Format_RGB32);
    img.fill(Qt::black);
    const std::string path = dir.File("dark.bmp");
    ASSERT_TRUE(img.save(QString::fromStdString(path)));
    EditorState s;
    Fresh(s);
    s.BitMap = 1;
    s.BitMapPath = path;
    NewMapValues v = NewMapValuesFromSettings(s);
    ASSERT_FALSE(v.Preview.isNull());
    EXPECT_EQ(qRed(v.Preview.pixel(100, 100)), 0);
    s.BitMapPath = dir.File("missing.bmp");
    EXPECT_TRUE(NewMapValuesFromSettings(s).Preview.isNull());
}

TEST(RunNewMap, FlatteningRunsOnlyInsideNormalisation) {
    EditorState s;
    Fresh(s);
    NewMapValues v;
    v.X = v.Y = 5;
    v.chkSlope = true;
    v.chkFlatten = true;  // normalisation off
    v.chkSmooth = true;
    v.Smoothing = SmoothOption::Linear;
    v.SmoothPasses = 1;
    vhtest::RecordingProgress p;
    RunNewMap(s, v, p);
    EXPECT_EQ(std::count(p.statuses.begin(), p.statuses.end(), "Flattening Pass ..."), 0);
    EXPECT_EQ(std::count(p.statuses.begin(), p.statuses.end(), "Neutralization Pass ..."), 0);
    EXPECT_EQ(std::count(p.statuses.begin(), p.statuses.end(), "Linear Smoothing Pass 1..."), 1);

    EditorState n;
    Fresh(n);
    v.chkNormal = true;
    v.chkSmooth = false;
    vhtest::RecordingProgress q;
    RunNewMap(n, v, q);
    const std::vector<std::string> tail(q.statuses.end() - 4, q.statuses.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"Generating Sloped Values...", "Neutralization Pass ...",
                                              "Flattening Pass ...", "Building Mesh..."}));
}

TEST(CheckNewMapValues, SteepnessMustDoubleWithin16Bits) {
    NewMapValues v;
    v.SlopeSteepness = 20000;
    EXPECT_FALSE(CheckNewMapValues(v));  // slope not selected
    v.chkSlope = true;
    EXPECT_TRUE(CheckNewMapValues(v));
    v.SlopeSteepness = 4096;
    EXPECT_FALSE(CheckNewMapValues(v));
}
