#include "view/overlay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "view/terrain_mesh.h"
#include "view_test_fixture.h"

namespace {

using vh::view::OverlayScene;

bool Same(const vh::Vec3f& a, const vh::TerrainPoint& p) {
    return a.x == p.X && a.y == p.Height && a.z == p.Z;
}

class Overlay : public ::testing::Test {
protected:
    void SetUp() override {
        vhtest::MakeTerrain(s, 17, 17, 256);
        s.CameraPos = {0, 500, -1000};
        s.CameraTarget = {0, 400, -900};
    }
    void Tool(vh::ControlState vh::CommandStates::*item) {
        auto& c = s.Commands;
        for (auto* t :
             {&c.cmdRaiseLower, &c.cmdMountain, &c.cmdSmooth, &c.cmdNoise, &c.cmdFlatten, &c.cmdTouchUp})
            t->Checked = false;
        (c.*item).Checked = true;
    }
    static std::vector<int> Sorted(std::vector<int> v) {
        std::sort(v.begin(), v.end());
        return v;
    }
    int Middle() const { return 8 * 16 + 8; }  // square 136, away from the border
    vh::EditorState s;
};

TEST_F(Overlay, SquareOutlineIsFourEdgesAndTheC3C0Diagonal) {
    OverlayScene o;
    vh::view::DrawSquareOutline(o, s, 20, vh::view::kRed);
    ASSERT_EQ(o.Lines.size(), 5u);
    const vh::view::SquareCorners c = vh::view::CornersOf(s, 20);
    EXPECT_TRUE(Same(o.Lines[4].a, s.Points[c.c3]) && Same(o.Lines[4].b, s.Points[c.c0]));
    for (const auto& l : o.Lines) EXPECT_EQ(l.colour.r, 1.0f);
    vh::view::DrawSquareOutline(o, s, 0, vh::view::kRed);
    EXPECT_EQ(o.Lines.size(), 5u);
}

TEST_F(Overlay, PointMarkerIsACubeOfTwelveThirtyUnitEdges) {
    OverlayScene o;
    vh::view::DrawPointMarker(o, s, 145, vh::view::kGreen, false);
    ASSERT_EQ(o.Lines.size(), 12u);
    for (const auto& l : o.Lines) {
        const float d = std::fabs(l.a.x - l.b.x) + std::fabs(l.a.y - l.b.y) + std::fabs(l.a.z - l.b.z);
        EXPECT_FLOAT_EQ(d, 30.0f);
    }
    EXPECT_TRUE(o.Texts.empty());
}

TEST_F(Overlay, PointInfoNeedsTheSwitchAndANearPointInFront) {
    s.Points[145].Height = 48;  // point 145 is at (0, 0)
    s.Commands.cmdPointInfo.Checked = true;
    OverlayScene o;
    vh::view::DrawPointMarker(o, s, 145, vh::view::kGreen, true);
    ASSERT_EQ(o.Texts.size(), 1u);
    EXPECT_EQ(o.Texts[0].text, "0, 0, 48");

    s.Commands.cmdPointInfo.Checked = false;
    OverlayScene off;
    vh::view::DrawPointMarker(off, s, 145, vh::view::kGreen, true);
    EXPECT_TRUE(off.Texts.empty());
}

TEST_F(Overlay, FarOrBehindPointsShowTheirCubeWithoutCoordinates) {
    s.Commands.cmdPointInfo.Checked = true;
    s.CameraPos = {0, 500, -2100};  // about 2159 from point 145
    s.CameraTarget = {0, 400, -2000};
    OverlayScene far;
    vh::view::DrawPointMarker(far, s, 145, vh::view::kGreen, true);
    EXPECT_EQ(far.Lines.size(), 12u);
    EXPECT_TRUE(far.Texts.empty());

    s.CameraPos = {0, 100, 300};
    s.CameraTarget = {0, 100, 400};  // looking away from (0, 0, 0)
    OverlayScene behind;
    vh::view::DrawPointMarker(behind, s, 145, vh::view::kGreen, true);
    EXPECT_EQ(behind.Lines.size(), 12u);
    EXPECT_TRUE(behind.Texts.empty());
}

TEST_F(Overlay, RaiseLowerLargeOutlinesSixNeighboursAndTwoDiagonals) {
    const vh::TerrainSquare& q = s.Squares[Middle()];
    const auto e = vh::view::EffectedSquaresOf(s, Middle());
    EXPECT_EQ(Sorted(e.Outlined), Sorted({int(q.SqNext), int(q.SqPrev), int(q.SqLeft), int(q.SqRight),
                                          int(q.SqNextLeft), int(q.SqPrevRight)}));
    EXPECT_EQ(Sorted(e.DiagonalsOnly), Sorted({int(q.SqNextRight), int(q.SqPrevLeft)}));
    s.RaiseLowerRadius = 1;
    EXPECT_TRUE(vh::view::EffectedSquaresOf(s, Middle()).Outlined.empty());
}

TEST_F(Overlay, FlattenRadiiPickAllOrOneAxisOfNeighbours) {
    Tool(&vh::CommandStates::cmdFlatten);
    const vh::TerrainSquare& q = s.Squares[Middle()];
    s.FlattenRadius = 2;
    EXPECT_EQ(vh::view::EffectedSquaresOf(s, Middle()).Outlined.size(), 8u);
    s.FlattenRadius = 3;
    EXPECT_EQ(Sorted(vh::view::EffectedSquaresOf(s, Middle()).Outlined),
              Sorted({int(q.SqNext), int(q.SqPrev)}));
    s.FlattenRadius = 4;
    EXPECT_EQ(Sorted(vh::view::EffectedSquaresOf(s, Middle()).Outlined),
              Sorted({int(q.SqLeft), int(q.SqRight)}));
}

TEST_F(Overlay, SmoothAndNoiseLargeOutlineAllNeighboursMountainNone) {
    Tool(&vh::CommandStates::cmdSmooth);
    EXPECT_EQ(vh::view::EffectedSquaresOf(s, Middle()).Outlined.size(), 8u);
    Tool(&vh::CommandStates::cmdNoise);
    s.NoiseRadius = 1;
    EXPECT_TRUE(vh::view::EffectedSquaresOf(s, Middle()).Outlined.empty());
    Tool(&vh::CommandStates::cmdMountain);
    EXPECT_TRUE(vh::view::EffectedSquaresOf(s, Middle()).Outlined.empty());
}

TEST_F(Overlay, BorderSquaresOutlineOnlyExistingNeighbours) {
    Tool(&vh::CommandStates::cmdSmooth);
    EXPECT_EQ(vh::view::EffectedSquaresOf(s, 1).Outlined.size(), 3u);  // corner square
    EXPECT_EQ(vh::view::EffectedSquaresOf(s, 2).Outlined.size(), 5u);  // edge square
}

TEST_F(Overlay, HighlightDrawsPickedAndEffectedSquaresOnlyWhenChecked) {
    s.PickedSquare = static_cast<float>(Middle());
    EXPECT_EQ(vh::view::BuildOverlay(s).Lines.size(), 5u + 6u * 5u + 2u);
    s.Commands.cmdHighlightEffected.Checked = false;
    EXPECT_EQ(vh::view::BuildOverlay(s).Lines.size(), 5u);
    s.Commands.cmdHighlight.Checked = false;
    EXPECT_TRUE(vh::view::BuildOverlay(s).Lines.empty());
    s.Commands.cmdHighlight.Checked = true;
    s.PickedSquare = 0;
    EXPECT_TRUE(vh::view::BuildOverlay(s).Lines.empty());
}

TEST_F(Overlay, LockedPointsGetGreenMarkersWhenShown) {
    s.Points[10].Locked = -1;
    s.Points[20].Locked = -1;
    const OverlayScene o = vh::view::BuildOverlay(s);
    EXPECT_EQ(o.Lines.size(), 24u);
    for (const auto& l : o.Lines) EXPECT_EQ(l.colour.g, 1.0f);
    s.Commands.cmdShowLocked.Checked = false;
    EXPECT_TRUE(vh::view::BuildOverlay(s).Lines.empty());
}

TEST_F(Overlay, TouchUpCornerMarkerIsRedWhenFreeAndBlueWithInfoWhenLocked) {
    Tool(&vh::CommandStates::cmdTouchUp);
    s.Commands.cmdHighlightEffected.Checked = false;  // the marker ignores it
    s.Commands.cmdPointInfo.Checked = true;
    s.PickedSquare = static_cast<float>(Middle());
    s.TouchUpCorner = 3;  // CornerNextRight, C1
    const int p = int(s.Squares[Middle()].CornerNextRight);
    EXPECT_EQ(vh::view::TouchUpCornerPoint(s, Middle()), p);

    OverlayScene free = vh::view::BuildOverlay(s);
    ASSERT_EQ(free.Lines.size(), 5u + 12u);
    EXPECT_EQ(free.Lines.back().colour.r, 1.0f);
    EXPECT_TRUE(free.Texts.empty());

    s.Commands.cmdShowLocked.Checked = false;
    s.Points[p].Locked = -1;
    s.CameraPos = {s.Points[p].X, 300, s.Points[p].Z - 400};
    s.CameraTarget = {s.Points[p].X, 250, s.Points[p].Z - 300};
    OverlayScene locked = vh::view::BuildOverlay(s);
    ASSERT_EQ(locked.Lines.size(), 5u + 12u);
    EXPECT_EQ(locked.Lines.back().colour.b, 1.0f);
    ASSERT_EQ(locked.Texts.size(), 1u);
    EXPECT_EQ(locked.Texts[0].text, vh::view::PointInfoText(s.Points[p]));
}

}  // namespace
