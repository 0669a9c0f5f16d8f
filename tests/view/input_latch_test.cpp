#include "view/input_latch.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/editor_state.h"
#include "support/terrain_fixture.h"
#include "tools/edit_pass.h"
#include "tools/tool_selection.h"

namespace {

using vh::view::InputLatch;

// Passes taken until the latch has handed out everything queued and the
// current state once.
std::vector<vh::InputState> Drain(InputLatch& latch) {
    std::vector<vh::InputState> passes;
    for (bool more = true; more;) {
        more = latch.Queued() > 0;
        passes.push_back(latch.Take(16));
    }
    return passes;
}

std::string Buttons(const std::vector<vh::InputState>& passes) {
    std::string s;
    for (const vh::InputState& p : passes) s += p.Button1 ? 'D' : 'u';
    return s;
}

TEST(InputLatch, EveryButtonChangeBetweenTwoPollsReachesAPass) {
    // What happens between two polls, and the left button in each pass
    // until the latch is drained (D down, u up).
    const struct {
        const char* name;
        std::function<void(InputLatch&)> events;
        const char* passes;
    } rows[] = {
        {"nothing", [](InputLatch&) {}, "u"},
        {"press and hold", [](InputLatch& l) { l.Button(1, true); }, "D"},
        {"one click", [](InputLatch& l) { l.Button(1, true), l.Button(1, false); }, "Du"},
        {"two clicks",
         [](InputLatch& l) {
             for (int i = 0; i < 2; ++i) l.Button(1, true), l.Button(1, false);
         },
         "DuDu"},
        {"press twice (repeated down)", [](InputLatch& l) { l.Button(1, true), l.Button(1, true); }, "D"},
    };
    for (const auto& r : rows) {
        InputLatch latch;
        latch.Take(16);
        r.events(latch);
        EXPECT_EQ(Buttons(Drain(latch)), r.passes) << r.name;
        EXPECT_FALSE(latch.Take(16).Button1 && std::string(r.passes).back() == 'u') << r.name;
    }

    // Released and pressed again while held: the passes see the release.
    InputLatch held;
    held.Button(1, true);
    held.Take(16);
    held.Button(1, false), held.Button(1, true);
    EXPECT_EQ(Buttons(Drain(held)), "uD");
}

TEST(InputLatch, KeyTapsAndOtherButtonsAreLatchedAlike) {
    InputLatch latch;
    latch.Take(16);
    for (int i = 0; i < 3; ++i) latch.Key(vh::Key::PageUp, true), latch.Key(vh::Key::PageUp, false);
    latch.Key(vh::Key::L, true), latch.Key(vh::Key::L, false);
    latch.Button(3, true), latch.Button(3, false);
    const std::vector<vh::InputState> passes = Drain(latch);
    int pageUp = 0, lock = 0, middle = 0;
    for (size_t i = 0; i < passes.size(); ++i) {
        const bool before = i > 0 && passes[i - 1].KeyDown(vh::Key::PageUp);
        pageUp += passes[i].KeyDown(vh::Key::PageUp) && !before;
        lock += passes[i].KeyDown(vh::Key::L) && !(i > 0 && passes[i - 1].KeyDown(vh::Key::L));
        middle += passes[i].Button3 && !(i > 0 && passes[i - 1].Button3);
    }
    EXPECT_EQ(pageUp, 3);
    EXPECT_EQ(lock, 1);
    EXPECT_EQ(middle, 1);
    EXPECT_FALSE(passes.back().KeyDown(vh::Key::PageUp));
}

TEST(InputLatch, WheelNotchesSumAndReachTheToolsOneAPass) {
    InputLatch latch;
    for (int i = 0; i < 3; ++i) latch.Wheel(120, false);
    for (int i = 0; i < 16; ++i) latch.Wheel(15, true);  // a smooth wheel: 2 notches with Ctrl
    vh::InputState first = latch.Take(16);
    EXPECT_EQ(first.WheelNotches, 3);
    EXPECT_EQ(first.DollyNotches, 2);
    std::vector<int> wheel{first.Wheel};
    for (int i = 0; i < 3; ++i) {
        const vh::InputState p = latch.Take(16);
        EXPECT_EQ(p.WheelNotches + p.DollyNotches, 0);
        wheel.push_back(p.Wheel);
    }
    EXPECT_EQ(wheel, (std::vector<int>{120, 240, 360, 360}));

    // Opposite notches cancel; part notches wait for the rest.
    latch.Wheel(120, false), latch.Wheel(-120, false), latch.Wheel(60, false);
    EXPECT_EQ(latch.Take(16).Wheel, 360);
    latch.Wheel(60, false);
    EXPECT_EQ(latch.Take(16).Wheel, 480);
}

TEST(InputLatch, APressAwayFromTheLastPassGetsAPassThatPicksItsPlaceFirst) {
    InputLatch latch;
    latch.Move(10, 10, true);
    latch.Take(16);
    latch.Move(50, 40, true);
    latch.Button(1, true), latch.Button(1, false);
    const std::vector<vh::InputState> passes = Drain(latch);
    ASSERT_EQ(Buttons(passes), "uDu");
    for (const vh::InputState& p : passes) EXPECT_TRUE(p.CursorX == 50 && p.CursorY == 40);
    EXPECT_EQ(passes[0].MouseDX, 40);
    EXPECT_EQ(passes[1].MouseDX + passes[2].MouseDX, 0) << "movement is counted once";
}

TEST(InputLatch, ReleaseAllDropsQueuedPassesAndTheQueueIsBounded) {
    InputLatch latch;
    latch.Button(1, true), latch.Button(1, false), latch.Button(1, true);
    latch.Wheel(240, false);
    latch.ReleaseAll();
    const vh::InputState p = latch.Take(16);
    EXPECT_FALSE(p.Button1);
    EXPECT_EQ(latch.Queued(), 0);
    EXPECT_EQ(p.WheelNotches, 0);

    for (int i = 0; i < 1000; ++i) latch.Button(1, true), latch.Button(1, false);
    EXPECT_EQ(latch.Queued(), InputLatch::kMaxQueued);
}

// The latch in front of the edit pass: what a user does between two slow
// frames reaches the tools exactly once each.
TEST(InputLatch, QuickClicksAndTapsEachReachTheEditPassOnce) {
    vh::EditorState s;
    vh::ToolBox tools;
    vhtest::MakeTerrain(s, 5, 5, 256);
    const int square = 6;
    const vh::SquareCorners c = s.Terrain.Corners(square);

    // Ten noise clicks, each drawing the largest change (+48 on grid 16).
    vh::SelectTool(s, tools, vh::Tool::Noise);
    s.Tools.NoiseRadius = 1;
    s.Rnd.Script({0.999f});
    InputLatch latch;
    latch.Move(100, 100, true);
    vh::RunEditPass(s, tools, latch.Take(16), square);
    for (int i = 0; i < 10; ++i) latch.Button(1, true), latch.Button(1, false);
    for (const vh::InputState& p : Drain(latch)) vh::RunEditPass(s, tools, p, square);
    EXPECT_EQ(s.Terrain.Points[c.c2].Height, 480);

    // Ten Page Up taps with touch-up: ten grid steps on corner 1 (C2).
    vh::SelectTool(s, tools, vh::Tool::TouchUp);
    for (int i = 0; i < 10; ++i) latch.Key(vh::Key::PageUp, true), latch.Key(vh::Key::PageUp, false);
    for (const vh::InputState& p : Drain(latch)) vh::RunEditPass(s, tools, p, square);
    EXPECT_EQ(s.Terrain.Points[c.c2].Height, 480 + 10 * 16);

    // Three wheel notches move the touch-up corner three times: 1 -> 4.
    for (int i = 0; i < 3; ++i) latch.Wheel(120, false);
    for (int i = 0; i < 4; ++i) vh::RunEditPass(s, tools, latch.Take(16), square);
    EXPECT_EQ(tools.TouchUp.TouchUpCorner, 4);
}

}  // namespace
