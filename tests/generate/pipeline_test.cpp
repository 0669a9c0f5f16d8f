#include "generate/pipeline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "generate_fixture.h"

using namespace vh;

namespace {

// The terrain the values give with the stored settings as the program
// starts, as the New Map command would generate it; `m` gets the settings
// the run used.
Terrain Generate(const NewMapValues& v, Progress& progress, NewMapSettings* used = nullptr,
                 RandomSource* random = nullptr) {
    RandomSource own;
    const NewMapSettings m = NewMapSettingsFor(NewMapSettings{}, v, 16);
    if (used) *used = m;
    return GenerateTerrain(m, v, 16, random ? *random : own, progress);
}

bool AllFlat(const Terrain& t) {
    for (int i = 1; i <= t.PointCount; ++i)
        if (t.Points[i].Height != 0) return false;
    return true;
}

}  // namespace

TEST(GenerateTerrain, ZeroTrianglesGiveThreePointsAndShortLengthsTheGrid) {
    NewMapValues v;
    v.X = 1;  // 0 triangles typed
    v.Y = 2;  // 1 triangle
    v.Size = 5;
    NewMapSettings m;
    const Terrain t = Generate(v, vh::NoProgress(), &m);
    EXPECT_EQ(m.X, 3);
    EXPECT_EQ(m.Y, 2);
    EXPECT_EQ(m.Size, 16);
    EXPECT_EQ(t.PointCount, 6);
    EXPECT_EQ(t.Points[2].X - t.Points[1].X, 16);
}

TEST(GenerateTerrain, OptionGroupsWithNothingSelectedKeepTheStoredChoice) {
    NewMapSettings stored;
    stored.SmoothPassType = "LINOVER";
    stored.SlopeDir = "NY";
    NewMapValues v;
    v.SmoothPassType = "";
    v.SlopeDir = "PX";
    const NewMapSettings m = NewMapSettingsFor(stored, v, 16);
    EXPECT_EQ(m.SmoothPassType, "LINOVER");
    EXPECT_EQ(m.SlopeDir, "PX");
}

TEST(GenerateTerrain, FractalOffRunsNoGeneratorAndPassesNeedSomethingGenerated) {
    NewMapValues v;
    v.DiamondSquare = v.Fault = v.Particle = v.Circle = true;
    v.Smooth = v.Normalize = v.FlattenToZero = true;
    v.HeightMulti = 4;
    RandomSource rnd;
    rnd.Script({0.5f});
    vhtest::RecordingProgress p;
    const Terrain t = Generate(v, p, nullptr, &rnd);
    EXPECT_EQ(rnd.Draws(), 0u);
    EXPECT_TRUE(AllFlat(t));
    const std::vector<std::string> expected = {"Generating Points...", "Building Squares...",
                                               "Sorting Squares..."};
    EXPECT_EQ(p.statuses, expected);
}

TEST(GenerateTerrain, FlatteningRunsOnlyInsideNormalisation) {
    NewMapValues v;
    v.X = v.Y = 5;
    v.Slope = true;
    v.FlattenToZero = true;  // normalisation off
    v.Smooth = true;
    v.SmoothPassType = "LIN";
    v.SmoothPasses = 1;
    vhtest::RecordingProgress p;
    (void)Generate(v, p);
    auto count = [&](const char* t) { return std::count(p.statuses.begin(), p.statuses.end(), t); };
    EXPECT_EQ(count("Flattening Pass ..."), 0);
    EXPECT_EQ(count("Neutralization Pass ..."), 0);
    EXPECT_EQ(count("Linear Smoothing Pass 1..."), 1);

    v.Normalize = true;
    v.Smooth = false;
    vhtest::RecordingProgress q;
    (void)Generate(v, q);
    const std::vector<std::string> tail(q.statuses.end() - 3, q.statuses.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"Generating Sloped Values...", "Neutralization Pass ...",
                                              "Flattening Pass ..."}));
}

TEST(GenerateTerrain, HugeParametersGiveHeightsInsideTheFloatRange) {
    const struct {
        const char* what;
        std::function<void(NewMapValues&)> set;
    } cases[] = {
        {"seeding", [](NewMapValues& v) { v.MaxSeed = 3e38f, v.HeightMulti = 32; }},
        {"diamond-square",
         [](NewMapValues& v) { v.MaxSeed = 3e38f, v.DiamondSquare = true, v.HeightMulti = 32; }},
        {"circles", [](NewMapValues& v) { v.Circle = true, v.CircleMaxChange = 3e38f, v.CircleMaxRad = 4; }},
        {"fault lines", [](NewMapValues& v) { v.Fault = true, v.FaultMaxChange = 3e38f; }},
        {"particles",
         [](NewMapValues& v) {
             v.Particle = true, v.MaxSeed = 3e38f, v.ParticlePercentLimiter = 1.75f,
             v.particleIterations = 2048;
         }},
    };
    for (const auto& c : cases) {
        RandomSource rnd;
        rnd.Seed(11);
        NewMapValues v;
        v.Fractal = v.Smooth = true;
        c.set(v);
        ASSERT_TRUE(CheckNewMapValues(v, 16)) << c.what;
        const Terrain t = Generate(v, vh::NoProgress(), nullptr, &rnd);
        int extreme = 0;
        for (int i = 1; i <= t.PointCount; ++i) {
            ASSERT_TRUE(std::isfinite(t.Points[i].Height)) << c.what << " point " << i;
            extreme += std::fabs(t.Points[i].Height) > 1e30f;
        }
        EXPECT_GT(extreme, 0) << c.what;
    }
}

TEST(CheckNewMapValues, CircleRadiusMustFit16BitsOnlyWhenCirclesRun) {
    NewMapValues v;
    v.CircleMaxRad = 128;  // 128 x 256 = 32768
    EXPECT_TRUE(CheckNewMapValues(v, 16));
    v.Fractal = v.Circle = true;
    EXPECT_FALSE(CheckNewMapValues(v, 16));
    v.CircleMaxRad = 127;
    EXPECT_TRUE(CheckNewMapValues(v, 16));
    // The radius counts in triangles of the corrected length: 50 units
    // become 128 on a grid of 128, and 256 of them are 32768 units.
    v.Size = 50;
    v.CircleMaxRad = 256;
    EXPECT_TRUE(CheckNewMapValues(v, 16));
    const Status tooWide = CheckNewMapValues(v, 128);
    ASSERT_FALSE(tooWide);
    EXPECT_EQ(tooWide.Kind(), ErrorKind::Invalid);
    EXPECT_NE(tooWide.Message().find("32768"), std::string::npos) << tooWide.Message();
}

TEST(CheckNewMapValues, TheSpacingAndTheSidesAreCheckedAsTheGridWillBeBuilt) {
    NewMapValues v;
    v.Size = 0;
    EXPECT_TRUE(CheckNewMapValues(v, 16));  // raised to one grid step
    const Status none = CheckNewMapValues(v, 0);
    EXPECT_NE(MessageOf(none).find("greater than 0"), std::string::npos) << MessageOf(none);
    v.X = 2;
    v.Y = 14358;
    v.Size = 9729;
    const Status drift = CheckNewMapValues(v, 16);
    EXPECT_NE(MessageOf(drift).find("exactly"), std::string::npos) << MessageOf(drift);
}
