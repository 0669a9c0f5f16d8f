#include "generate/pipeline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "core/lifecycle.h"
#include "generate_fixture.h"
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
    for (int i = 1; i <= s.Terrain.PointCount; ++i)
        if (s.Terrain.Points[i].Height != 0) return false;
    return true;
}

}  // namespace

TEST(RunNewMap, ZeroTrianglesGiveThreePointsAndShortLengthsTheGrid) {
    EditorState s;
    Fresh(s);
    NewMapValues v;
    v.X = 1;  // 0 triangles typed
    v.Y = 2;  // 1 triangle
    v.Size = 5;
    RunNewMap(s, v, vh::NoProgress());
    EXPECT_EQ(s.NewMap.X, 3);
    EXPECT_EQ(s.NewMap.Y, 2);
    EXPECT_EQ(s.NewMap.Size, 16);
    EXPECT_EQ(s.Terrain.PointCount, 6);
    EXPECT_EQ(s.Terrain.Points[2].X - s.Terrain.Points[1].X, 16);
}

TEST(RunNewMap, FractalOffRunsNoGeneratorAndPassesNeedSomethingGenerated) {
    EditorState s;
    Fresh(s);
    NewMapValues v;
    v.DiamondSquare = v.Fault = v.Particle = v.Circle = true;
    v.Smooth = v.Normalize = v.FlattenToZero = true;
    v.HeightMulti = 4;
    s.Rnd.Script({0.5f});
    vhtest::RecordingProgress p;
    RunNewMap(s, v, p);
    EXPECT_EQ(s.Rnd.Draws(), 0u);
    EXPECT_TRUE(AllFlat(s));
    const std::vector<std::string> expected = {"Generating Points...", "Building Squares...",
                                               "Sorting Squares...", "Building Mesh..."};
    EXPECT_EQ(p.statuses, expected);
}

TEST(RunNewMap, FlatteningRunsOnlyInsideNormalisation) {
    EditorState s;
    Fresh(s);
    NewMapValues v;
    v.X = v.Y = 5;
    v.Slope = true;
    v.FlattenToZero = true;  // normalisation off
    v.Smooth = true;
    v.SmoothPassType = "LIN";
    v.SmoothPasses = 1;
    vhtest::RecordingProgress p;
    RunNewMap(s, v, p);
    auto count = [&](const char* t) { return std::count(p.statuses.begin(), p.statuses.end(), t); };
    EXPECT_EQ(count("Flattening Pass ..."), 0);
    EXPECT_EQ(count("Neutralization Pass ..."), 0);
    EXPECT_EQ(count("Linear Smoothing Pass 1..."), 1);

    EditorState n;
    Fresh(n);
    v.Normalize = true;
    v.Smooth = false;
    vhtest::RecordingProgress q;
    RunNewMap(n, v, q);
    const std::vector<std::string> tail(q.statuses.end() - 4, q.statuses.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"Generating Sloped Values...", "Neutralization Pass ...",
                                              "Flattening Pass ...", "Building Mesh..."}));
}

TEST(RunNewMap, HugeParametersGiveHeightsInsideTheFloatRange) {
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
        EditorState s;
        Fresh(s);
        s.Rnd.Seed(11);
        NewMapValues v;
        v.Fractal = v.Smooth = true;
        c.set(v);
        ASSERT_FALSE(CheckNewMapValues(v, s.Tools.Grid)) << c.what;
        RunNewMap(s, v, vh::NoProgress());
        int extreme = 0;
        for (int i = 1; i <= s.Terrain.PointCount; ++i) {
            ASSERT_TRUE(std::isfinite(H(s, i))) << c.what << " point " << i;
            extreme += std::fabs(H(s, i)) > 1e30f;
        }
        EXPECT_GT(extreme, 0) << c.what;
    }
}

TEST(CheckNewMapValues, CircleRadiusMustFit16BitsOnlyWhenCirclesRun) {
    NewMapValues v;
    v.CircleMaxRad = 128;  // 128 x 256 = 32768
    EXPECT_FALSE(CheckNewMapValues(v, 16));
    v.Fractal = v.Circle = true;
    EXPECT_TRUE(CheckNewMapValues(v, 16));
    v.CircleMaxRad = 127;
    EXPECT_FALSE(CheckNewMapValues(v, 16));
    // The radius counts in triangles of the corrected length: 50 units
    // become 128 on a grid of 128, and 256 of them are 32768 units.
    v.Size = 50;
    v.CircleMaxRad = 256;
    EXPECT_FALSE(CheckNewMapValues(v, 16));
    const auto message = CheckNewMapValues(v, 128);
    ASSERT_TRUE(message.has_value());
    EXPECT_NE(message->find("32768"), std::string::npos) << *message;
}

TEST(CheckNewMapValues, TheSpacingAndTheSidesAreCheckedAsTheGridWillBeBuilt) {
    NewMapValues v;
    v.Size = 0;
    EXPECT_FALSE(CheckNewMapValues(v, 16));  // raised to one grid step
    const auto none = CheckNewMapValues(v, 0);
    ASSERT_TRUE(none.has_value());
    EXPECT_NE(none->find("greater than 0"), std::string::npos) << *none;
    v.X = 2;
    v.Y = 14358;
    v.Size = 9729;
    const auto drift = CheckNewMapValues(v, 16);
    ASSERT_TRUE(drift.has_value());
    EXPECT_NE(drift->find("exactly"), std::string::npos) << *drift;
}
