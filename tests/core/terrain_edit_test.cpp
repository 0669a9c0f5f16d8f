#include "core/terrain_edit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/terrain_fixture.h"

using namespace vh;

namespace {

struct Funnel : ::testing::Test {
    EditorState s;
    vhtest::RecordingObserver seen{s};
    void SetUp() override {
        vhtest::MakeTerrain(s, 4, 4);
        seen.events.clear();  // the reset of the new terrain
    }
    float H(int p) const { return s.Terrain.Points[p].Height; }
};

}  // namespace

TEST_F(Funnel, LockedPointsKeepTheirHeightUnlessIgnoredOrWrittenUnchecked) {
    const struct {
        bool locked, ignoreLocked;
        bool written;
    } table[] = {{false, false, true}, {true, false, false}, {true, true, true}, {false, true, true}};
    for (const auto& row : table) {
        s.Terrain.Points[5].Locked = row.locked;
        s.Terrain.Points[5].Height = 0;
        s.Tools.IgnoreLocked = row.ignoreLocked;
        HeightEdit edit = EditHeights(s);
        EXPECT_EQ(edit.Protected(5), !row.written);
        EXPECT_EQ(edit.Set(5, 32), row.written);
        EXPECT_EQ(edit.Add(5, 16), row.written);
        EXPECT_EQ(H(5), row.written ? 48 : 0) << row.locked << row.ignoreLocked;
        edit.SetEvenIfLocked(5, -16);
        EXPECT_EQ(H(5), -16);
    }
}

TEST_F(Funnel, ObserversHearOncePerPassOfTheSpanOfChangedPoints) {
    {
        HeightEdit edit = EditHeights(s);
        edit.Set(9, 16);
        edit.Set(3, 16);
        edit.Set(12, 16);
        edit.Set(7, 0);                    // the height it had: no change
        EXPECT_TRUE(seen.events.empty());  // nothing is told before the pass ends
        EXPECT_EQ(edit.Changed().First, 3);
        EXPECT_EQ(edit.Changed().Last, 12);
    }
    EXPECT_EQ(seen.events, std::vector<std::string>{"heights 3..12"});

    // A commit starts a new range; a pass that changed nothing tells nothing.
    {
        HeightEdit edit = EditHeights(s);
        edit.Set(16, 1);
        edit.Commit();
        edit.Set(1, 1);
        edit.Set(1, 0);  // back to where it was, still written
    }
    { HeightEdit unchanged = EditHeights(s); }
    EXPECT_EQ(seen.events, (std::vector<std::string>{"heights 3..12", "heights 16..16", "heights 1..1"}));
}

TEST_F(Funnel, ZeroOfTheOtherSignIsAChangeButTheSameBitsAreNot) {
    HeightEdit edit = EditHeights(s);
    edit.Set(2, 0.0f);
    EXPECT_TRUE(edit.Changed().Empty());
    edit.Set(2, -0.0f);
    EXPECT_EQ(edit.Changed().First, 2);
    EXPECT_TRUE(std::signbit(H(2)));
}

TEST_F(Funnel, HeightsOutsideTheFloatRangeAreBroughtBackAtTheCommit) {
    constexpr float kInf = std::numeric_limits<float>::infinity();
    constexpr float kMax = std::numeric_limits<float>::max();
    HeightEdit edit = EditHeights(s);
    edit.Set(4, kInf);
    edit.Set(6, -kInf);
    edit.Set(8, std::nanf(""));
    EXPECT_TRUE(std::isinf(H(4)));  // later writes of the pass still see the raw value
    edit.Commit();
    EXPECT_EQ(H(4), kMax);
    EXPECT_EQ(H(6), -kMax);
    EXPECT_EQ(H(8), 0.0f);
    EXPECT_EQ(seen.events, std::vector<std::string>{"heights 4..8"});
}

TEST_F(Funnel, ReplacementTellsObserversOnceAndCopiesOfTheStateWatchNothing) {
    Terrain bigger;
    bigger.Resize(5, 5);
    bigger.Points[3].Height = -std::numeric_limits<float>::infinity();
    ReplaceTerrain(s, bigger);
    EXPECT_EQ(seen.events, std::vector<std::string>{"replaced 25"});
    EXPECT_EQ(H(3), -std::numeric_limits<float>::max());
    EXPECT_EQ(s.History.RedoHeights.size(), 26u);  // room for the undo of every point

    EditorState copy = s;
    { HeightEdit(copy.Terrain, false, copy.Observers).Set(1, 64); }
    s = copy;  // the assigned state keeps its own observer
    { EditHeights(s).Set(2, 64); }
    EXPECT_EQ(seen.events, (std::vector<std::string>{"replaced 25", "heights 2..2"}));

    s.Observers.Add(&seen);  // a second Add changes nothing
    s.Observers.TerrainReset();
    EXPECT_EQ(seen.events.back(), "reset 25");
    EXPECT_EQ(seen.events.size(), 3u);
}
