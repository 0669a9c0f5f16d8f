#include "generate/passes.h"

#include <gtest/gtest.h>

#include "generate_fixture.h"
#include "support/terrain_fixture.h"

using namespace vh;
using vhtest::H;

TEST(NeutralizationPass, HeightsWithinTheLimitsStay) {
    EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    H(s, 1) = 4032;
    H(s, 2) = -4032;
    H(s, 5) = 100;
    const auto before = vhtest::Heights(s);
    vhtest::RecordingProgress p;
    const HeightRange r = NeutralizationPass(s, p);
    EXPECT_EQ(vhtest::Heights(s), before);
    EXPECT_EQ(p.statuses, std::vector<std::string>{"Neutralization Pass ..."});
    EXPECT_EQ(p.maxima, std::vector<int>{9});
    EXPECT_EQ(r.Lo, -4032);
    EXPECT_EQ(r.Hi, 4032);
}

TEST(NeutralizationPass, TooHighHalvesEveryHeight) {
    EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    H(s, 1) = 8064;
    H(s, 2) = -1000;
    H(s, 3) = 2000;
    vhtest::RecordingProgress p;
    const HeightRange r = NeutralizationPass(s, p);
    EXPECT_EQ(H(s, 1), 4032);
    EXPECT_EQ(H(s, 2), -496);  // -500 snapped to the grid of 16
    EXPECT_EQ(H(s, 3), 992);   // 1000 / 16 = 62.5 rounds to the even 62
    EXPECT_EQ(p.LastValue(), 9);
    EXPECT_EQ(r.Hi, 4032);
    EXPECT_EQ(r.Lo, -1000);
}

TEST(NeutralizationPass, TooLowUsesTheLowerRatio) {
    EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    H(s, 1) = 2000;
    H(s, 2) = -8064;
    const HeightRange r = NeutralizationPass(s, vh::NoProgress());
    EXPECT_EQ(H(s, 1), 992);
    EXPECT_EQ(H(s, 2), -4032);
    EXPECT_EQ(r.Lo, -4032);
    EXPECT_EQ(r.Hi, 2000);
}

TEST(NeutralizationPass, BothLimitsExceededTakesTheSmallerRatio) {
    EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    H(s, 1) = 8064;    // ratio 0.5
    H(s, 2) = -16128;  // ratio 0.25
    NeutralizationPass(s, vh::NoProgress());
    EXPECT_EQ(H(s, 1), 2016);
    EXPECT_EQ(H(s, 2), -4032);
}

TEST(FlatteningPass, PullsHeightsTowardZeroKeepingTheExtremes) {
    EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    s.FlattenToZeroFactor = 10;  // exponent 2
    H(s, 1) = 2016;
    H(s, 2) = 4032;
    H(s, 3) = -2016;
    H(s, 4) = -4032;
    vhtest::RecordingProgress p;
    FlatteningPass(s, HeightRange{-4032, 4032}, p);
    EXPECT_EQ(p.statuses, std::vector<std::string>{"Flattening Pass ..."});
    EXPECT_EQ(H(s, 1), 1008);
    EXPECT_EQ(H(s, 2), 4032);
    EXPECT_EQ(H(s, 3), -1008);
    EXPECT_EQ(H(s, 4), -4032);
    EXPECT_EQ(H(s, 5), 0);
    EXPECT_EQ(p.LastValue(), 9);
}

TEST(FlatteningPass, DefaultFactorUsesExponentOnePointTwo) {
    EditorState s;
    vhtest::MakeTerrain(s, 2, 2);
    s.FlattenToZeroFactor = 2;
    H(s, 1) = 1000;
    FlatteningPass(s, HeightRange{-2000, 2000}, vh::NoProgress());
    // 0.5^1.2 x 2000 = 870.55, snapped to 864.
    EXPECT_EQ(H(s, 1), 864);
}

namespace {

// Flat 5 x 5 ground with a spike of 480 in the middle (point 13).
void Spike(EditorState& s, float threshold) {
    vhtest::MakeTerrain(s, 5, 5);
    s.SmoothThreshold = threshold;
    H(s, 13) = 480;
}

}  // namespace

TEST(SmoothingPass, RadialSpikeDropsAndNeighboursStay) {
    EditorState s;
    Spike(s, 48);
    std::vector<float> work;
    vhtest::RecordingProgress p;
    SmoothingPass(s, SmoothOption::Radial, 1, work, p);
    EXPECT_EQ(p.statuses, std::vector<std::string>{"Radial Smoothing Pass 1..."});
    EXPECT_EQ(p.maxima, std::vector<int>{25});
    EXPECT_EQ(p.LastValue(), 25);
    EXPECT_EQ(H(s, 13), 48);  // 480 / 9 snaps to 48
    for (int i = 1; i <= 25; ++i) {
        if (i != 13) {
            EXPECT_EQ(H(s, i), 0) << i;
        }
    }
}

TEST(SmoothingPass, ThresholdDecidesWhichPointsTakeTheAverage) {
    EditorState big;
    Spike(big, 10000);
    std::vector<float> work;
    SmoothingPass(big, SmoothOption::Radial, 1, work, vh::NoProgress());
    EXPECT_EQ(H(big, 13), 480);

    EditorState zero;
    Spike(zero, 0);
    SmoothingPass(zero, SmoothOption::Radial, 1, work, vh::NoProgress());
    EXPECT_EQ(H(zero, 13), 48);
    for (int n : {7, 8, 9, 12, 14, 17, 18, 19}) EXPECT_EQ(H(zero, n), 48) << n;
    EXPECT_EQ(H(zero, 1), 0);
}

TEST(SmoothingPass, LinearUsesTheCrossOnly) {
    EditorState s;
    Spike(s, 48);
    std::vector<float> work;
    vhtest::RecordingProgress p;
    SmoothingPass(s, SmoothOption::Linear, 3, work, p);
    EXPECT_EQ(p.statuses, std::vector<std::string>{"Linear Smoothing Pass 3..."});
    EXPECT_EQ(H(s, 13), 96);  // 480 / 5
    for (int n : {8, 12, 14, 18}) EXPECT_EQ(H(s, n), 96) << n;
    for (int n : {7, 9, 17, 19}) EXPECT_EQ(H(s, n), 0) << n;
}

TEST(SmoothingPass, OversamplingWidensTheNeighbourhood) {
    EditorState s;
    Spike(s, 16);
    std::vector<float> work;
    vhtest::RecordingProgress p;
    SmoothingPass(s, SmoothOption::RadialOver, 1, work, p);
    EXPECT_EQ(p.statuses, std::vector<std::string>{"Radial Smoothing Pass With Oversampling 1..."});
    EXPECT_EQ(H(s, 13), 32);  // 480 / 17 = 28.2 snaps to 32
    // Point 11 sees the spike two columns away: 480 / 11 = 43.6 snaps to 48.
    EXPECT_EQ(H(s, 11), 48);
    // Point 1 sees nothing of it.
    EXPECT_EQ(H(s, 1), 0);

    EditorState lin;
    Spike(lin, 16);
    vhtest::RecordingProgress q;
    SmoothingPass(lin, SmoothOption::LinearOver, 2, work, q);
    EXPECT_EQ(q.statuses, std::vector<std::string>{"Linear Smoothing Pass With Oversampling 2..."});
    EXPECT_EQ(H(lin, 13), 48);  // 480 / 9 = 53.3 snaps to 48
    EXPECT_EQ(H(lin, 7), 0);    // diagonal: not in the linear neighbourhood
}

TEST(SmoothingPass, NeverAveragesAcrossTheEndOfARow) {
    EditorState s;
    vhtest::MakeTerrain(s, 5, 5);
    s.SmoothThreshold = 0;
    H(s, 5) = 480;  // last point of row 1
    std::vector<float> work;
    SmoothingPass(s, SmoothOption::Linear, 1, work, vh::NoProgress());
    EXPECT_EQ(H(s, 6), 0);     // first point of row 2: point 5 is not its neighbour
    EXPECT_EQ(H(s, 10), 128);  // 480 / 4 = 120: 7.5 grid steps round to 8
    EXPECT_EQ(H(s, 5), 160);   // 480 / 3
}
