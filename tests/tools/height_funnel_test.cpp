// Every tool writes its heights through the funnel: the observers hear of
// exactly the span of points a pass changed, and the locked rule holds for
// all of them but touch-up's corner.
#include <gtest/gtest.h>

#include <algorithm>

#include "tools/edit_pass.h"
#include "tools_fixture.h"

namespace {

struct ToolCase {
    vh::Tool tool;
    int radius;  // 0: the tool has no radius setting
};

const ToolCase kTools[] = {{vh::Tool::RaiseLower, 2}, {vh::Tool::Mountain, 0}, {vh::Tool::Smooth, 2},
                           {vh::Tool::Noise, 2},      {vh::Tool::Flatten, 2},  {vh::Tool::TouchUp, 0}};

// A 9 x 9 terrain with uneven ground, the tool chosen and the centre square picked.
void Prepare(vhtools::ToolTerrain& t, const ToolCase& c, bool locked, bool ignoreLocked) {
    for (int p = 1; p <= t.s.Terrain.PointCount; ++p) {
        t.H(p) = static_cast<float>(16 * ((p * 7) % 5) - 32);
        t.s.Terrain.Points[p].Locked = locked;
    }
    vh::SetCurrentTool(t.s, c.tool);
    if (int* radius = vh::RadiusField(t.s.Tools, c.tool); radius && c.radius) *radius = c.radius;
    t.s.Tools.MountVallRadius = 3;
    t.s.Tools.IgnoreLocked = ignoreLocked;
    t.s.Stroke.PickedSquare = 4 * 8 + 5;
    t.s.Rnd.Seed(7);
    t.seen.changes.clear();
}

// A held button dragged upwards over four passes; returns, per pass, the
// points whose height changed and the range the observers were told.
struct PassResult {
    std::vector<int> changed;
    std::vector<vh::PointRange> told;
};
std::vector<PassResult> Drag(vhtools::ToolTerrain& t) {
    std::vector<PassResult> out;
    vh::InputState in;
    in.Button1 = true;
    in.CursorInView = true;
    for (int y : {300, 280, 260, 240}) {
        const std::vector<float> before = t.Heights();
        const size_t told = t.seen.changes.size();
        in.CursorY = y;
        vh::RunEditPass(t.s, t.tools, in, 0);
        PassResult r;
        for (int p = 1; p <= t.s.Terrain.PointCount; ++p)
            if (t.H(p) != before[p - 1]) r.changed.push_back(p);
        r.told.assign(t.seen.changes.begin() + static_cast<long>(told), t.seen.changes.end());
        out.push_back(r);
    }
    return out;
}

}  // namespace

TEST(HeightFunnel, EachPassTellsTheObserversOnceOfTheSpanItChanged) {
    for (const ToolCase& c : kTools) {
        vhtools::ToolTerrain t(9, 9);
        Prepare(t, c, false, false);
        int changedPasses = 0;
        for (const PassResult& r : Drag(t)) {
            if (r.changed.empty()) {
                EXPECT_TRUE(r.told.empty()) << static_cast<int>(c.tool);
                continue;
            }
            ++changedPasses;
            ASSERT_EQ(r.told.size(), 1u) << static_cast<int>(c.tool);
            EXPECT_EQ(r.told[0].First, r.changed.front()) << static_cast<int>(c.tool);
            EXPECT_EQ(r.told[0].Last, r.changed.back()) << static_cast<int>(c.tool);
        }
        EXPECT_GT(changedPasses, 0) << static_cast<int>(c.tool);
    }
}

TEST(HeightFunnel, LockedPointsStayUnlessIgnoredAndTouchUpMovesItsCornerAnyway) {
    for (const ToolCase& c : kTools) {
        vhtools::ToolTerrain free(9, 9), locked(9, 9), ignored(9, 9);
        Prepare(free, c, false, false);
        Prepare(locked, c, true, false);
        Prepare(ignored, c, true, true);
        const std::vector<float> start = free.Heights();
        Drag(free);
        Drag(locked);
        Drag(ignored);
        EXPECT_EQ(ignored.Heights(), free.Heights()) << static_cast<int>(c.tool);
        const int expected = c.tool == vh::Tool::TouchUp ? 1 : 0;
        EXPECT_EQ(locked.Changed(start), expected) << static_cast<int>(c.tool);
        EXPECT_EQ(static_cast<int>(locked.seen.changes.size()), expected ? 3 : 0) << static_cast<int>(c.tool);
    }
}
