#include "generate/passes.h"

#include <gtest/gtest.h>

#include <cmath>

#include "generate/snap.h"
#include "generate_fixture.h"
#include "support/terrain_fixture.h"

using namespace vh;
using vhtest::H;

TEST(NeutralizationPass, TooHighHalvesEveryHeightAndSnaps) {
    EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    vhtest::SetHeights(s, {{1, 8064}, {2, -1000}, {3, 2000}});
    vhtest::RecordingProgress p;
    const HeightRange r = NeutralizationPass(s.Terrain, s.NewMap, s.Tools.Grid, p);
    EXPECT_EQ(p.statuses, std::vector<std::string>{"Neutralization Pass ..."});
    // -500 snapped to the grid of 16; 1000 / 16 = 62.5 rounds to the even 62.
    vhtest::ExpectHeights(s, {{1, 4032}, {2, -496}, {3, 992}});
    EXPECT_EQ(p.LastValue(), 9);
    EXPECT_EQ(r.Hi, 4032);
    EXPECT_EQ(r.Lo, -1000);
}

TEST(FlatteningPass, PullsHeightsTowardZeroKeepingTheExtremes) {
    EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    s.NewMap.FlattenToZeroFactor = 10;  // exponent 2
    vhtest::SetHeights(s, {{1, 2016}, {2, 4032}, {3, -2016}, {4, -4032}});
    vhtest::RecordingProgress p;
    FlatteningPass(s.Terrain, s.NewMap, s.Tools.Grid, HeightRange{-4032, 4032}, p);
    EXPECT_EQ(p.statuses, std::vector<std::string>{"Flattening Pass ..."});
    vhtest::ExpectHeights(s, {{1, 1008}, {2, 4032}, {3, -1008}, {4, -4032}, {5, 0}});
    EXPECT_EQ(p.LastValue(), 9);
}

TEST(SmoothingPass, RadialSpikeDropsAndNeighboursStay) {
    EditorState s;
    vhtest::MakeTerrain(s, 5, 5);
    s.NewMap.SmoothThreshold = 48;
    H(s, 13) = 480;
    std::vector<float> work;
    vhtest::RecordingProgress p;
    SmoothingPass(s.Terrain, s.NewMap, s.Tools.Grid, SmoothOption::Radial, 1, work, p);
    EXPECT_EQ(p.statuses, std::vector<std::string>{"Radial Smoothing Pass 1..."});
    EXPECT_EQ(p.maxima, std::vector<int>{25});
    EXPECT_EQ(p.LastValue(), 25);
    for (int i = 1; i <= 25; ++i) EXPECT_EQ(H(s, i), i == 13 ? 48 : 0) << i;  // 480 / 9 snaps to 48
}

TEST(SnapHeight, HalvesGoToTheEvenStep) {
    EXPECT_EQ(SnapHeight(8, 16), 0);      // 0.5 -> 0
    EXPECT_EQ(SnapHeight(24, 16), 32);    // 1.5 -> 2
    EXPECT_EQ(SnapHeight(40, 16), 32);    // 2.5 -> 2
    EXPECT_EQ(SnapHeight(-40, 16), -32);  // -2.5 -> -2
    EXPECT_EQ(SnapHeight(-1000, 16), -992);
    EXPECT_TRUE(std::signbit(SnapHeight(-3, 16)));  // -0.19 rounds to -0
}
