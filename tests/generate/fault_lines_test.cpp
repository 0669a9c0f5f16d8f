#include <gtest/gtest.h>

#include "generate/generators.h"
#include "generate_fixture.h"
#include "support/terrain_fixture.h"

using namespace vh;
using vhtest::H;

namespace {

// Draws that pick point p of n as RandomPointIndex: (n - 1) * r + 1 rounds to p.
float PointDraw(int p, int n) {
    return (static_cast<float>(p) - 1.0f) / static_cast<float>(n - 1);
}

void OneIteration(EditorState& s, int lines) {
    vhtest::MakeTerrain(s, 5, 5);
    s.FaultLines = static_cast<int16_t>(lines);
    s.FaultIterations = 1;
    s.FaultMaxChange = 256;
}

}  // namespace

TEST(FaultLines, FourLinesShowStatusButChangeNothing) {
    EditorState s;
    OneIteration(s, 4);
    s.FaultIterations = 20;
    vhtest::RecordingProgress p;
    FaultLines(s, p);
    EXPECT_EQ(p.statuses, std::vector<std::string>{"Running Fault Line Algorithm ..."});
    EXPECT_EQ(p.maxima, std::vector<int>{20});
    EXPECT_EQ(p.values, std::vector<int>{0});
    EXPECT_EQ(s.Rnd.Draws(), 0u);
    for (int i = 1; i <= 25; ++i) EXPECT_EQ(H(s, i), 0);
}

TEST(FaultLines, LineAlongARowLeavesTheRowAndChangesOneSide) {
    // Region draw 0.5 rounds half to even (region 0), like 0.25.
    for (float regionDraw : {0.25f, 0.5f, 0.75f}) {
        EditorState s;
        OneIteration(s, 1);
        // dh 128 positive; line from point 11 to 15 (the middle row).
        s.Rnd.Script({0.5f, 0.25f, PointDraw(11, 25), PointDraw(15, 25), regionDraw});
        FaultLines(s, vh::NoProgress());
        EXPECT_EQ(s.Rnd.Draws(), 5u);
        // Region 0 (v > c) is the low-z side for a line running towards -x.
        const bool lowSide = regionDraw < 0.6f;
        for (int i = 1; i <= 25; ++i) {
            const int row = (i - 1) / 5 + 1;
            float expected = 0;
            if (row < 3 && lowSide) expected = 128;
            if (row > 3 && !lowSide) expected = 128;
            EXPECT_EQ(H(s, i), expected) << "point " << i << " region draw " << regionDraw;
        }
    }
}

TEST(FaultLines, ThreeLinesRegionRoundsHalfToEven) {
    EditorState s;
    OneIteration(s, 3);
    // Lines: middle row (+ low z), middle column (+ high x), and row 2 from 6
    // to 10 (+ below row 2). 7 x 0.5 = 3.5 rounds to 4: (-, -, +), which no
    // point satisfies (high z and below row 2), so nothing changes.
    const float lines[] = {PointDraw(11, 25), PointDraw(15, 25), PointDraw(3, 25),
                           PointDraw(23, 25), PointDraw(6, 25),  PointDraw(10, 25)};
    auto script = [&](float region) {
        s.Rnd.Script({0.5f, 0.25f, lines[0], lines[1], lines[2], lines[3], lines[4], lines[5], region});
    };
    script(0.5f);
    FaultLines(s, vh::NoProgress());
    for (int i = 1; i <= 25; ++i) EXPECT_EQ(H(s, i), 0) << i;
    // Region 7 (+, -, +): low z, low x, below row 2: points 1 and 2.
    script(0.99f);
    FaultLines(s, vh::NoProgress());
    for (int i = 1; i <= 25; ++i) EXPECT_EQ(H(s, i), (i == 1 || i == 2) ? 128.0f : 0.0f) << i;
}
