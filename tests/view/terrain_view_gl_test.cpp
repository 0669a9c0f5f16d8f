// The view drawn for real under Xvfb: frames are grabbed and their pixels
// checked.
#include <gtest/gtest.h>

#include <QTest>
#include <algorithm>
#include <functional>

#include "core/editor_state.h"
#include "view/picking.h"
#include "view/terrain_view.h"
#include "view_test_fixture.h"

namespace {

class TerrainViewGl : public ::testing::Test {
protected:
    void SetUp() override {
        viewtest::App();
        vhtest::MakeTerrain(s, 17, 17, 256);
        const std::string sky = viewtest::SolidImage(dir, "sky.bmp", QColor(0, 0, 255));
        s.Textures.SkyUP = s.Textures.SkyDN = s.Textures.SkyFT = s.Textures.SkyBK = s.Textures.SkyRT =
            s.Textures.SkyLF = sky;
        s.Textures.GroundTexture = viewtest::SolidImage(dir, "ground.bmp", QColor(90, 60, 30));
        // Above the -z edge, looking down at the centre of the map.
        s.Pose.CameraPos = {0, 2500, -2500};
        s.Pose.CameraTarget = {0, 0, 0};
        s.LoopRunning = true;
        s.View.Fps = false;
        s.View.Info = false;
        view = std::make_unique<vh::view::TerrainView>(s, tools);
        view->resize(kW, kH);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view->SurfaceWindow()));
        view->TerrainReplaced();
    }

    QImage Frame() { return view->grabFramebuffer().convertToFormat(QImage::Format_RGB32); }

    static bool Ground(QRgb c) { return qRed(c) > 70 && qRed(c) < 120 && qGreen(c) > 40 && qBlue(c) < 60; }
    static bool Sky(QRgb c) { return qBlue(c) > 200 && qRed(c) < 40 && qGreen(c) < 40; }
    static bool Scene(QRgb c) {
        return std::abs(qRed(c) - 128) < 4 && std::abs(qGreen(c) - 128) < 4 && std::abs(qBlue(c) - 51) < 4;
    }
    static bool Black(QRgb c) { return qRed(c) < 8 && qGreen(c) < 8 && qBlue(c) < 8; }
    static bool Red(QRgb c) { return qRed(c) > 240 && qGreen(c) < 20 && qBlue(c) < 20; }
    static bool Green(QRgb c) { return qGreen(c) > 240 && qRed(c) < 20 && qBlue(c) < 20; }
    static bool Pale(QRgb c) { return qRed(c) > 130 && qGreen(c) > 120 && qBlue(c) > 80; }

    static int Count(const QImage& f, const std::function<bool(QRgb)>& test,
                     QRect area = QRect(0, 0, kW, kH)) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) n += test(f.pixel(x, y)) ? 1 : 0;
        return n;
    }

    static constexpr int kW = 320, kH = 240;
    vhtest::TempDir dir;
    vh::EditorState s;
    vh::ToolBox tools;
    std::unique_ptr<vh::view::TerrainView> view;
};

TEST_F(TerrainViewGl, GroundIsDrawnAndSkyShowsOnlyInTheTwoSolidModes) {
    const QImage f = Frame();
    EXPECT_TRUE(Ground(f.pixel(kW / 2, kH / 2))) << std::hex << f.pixel(kW / 2, kH / 2);
    EXPECT_TRUE(Sky(f.pixel(kW / 2, 2))) << std::hex << f.pixel(kW / 2, 2);
    s.View.Mode = vh::RenderMode::SolidWire;
    EXPECT_TRUE(Sky(Frame().pixel(kW / 2, 2)));
    s.View.Mode = vh::RenderMode::Wireframe;
    EXPECT_TRUE(Scene(Frame().pixel(kW / 2, 2)));
    s.View.Mode = vh::RenderMode::Points;
    EXPECT_TRUE(Black(Frame().pixel(kW / 2, 2)));
    s.View.Mode = vh::RenderMode::Solid;
    s.View.Sky = false;
    EXPECT_TRUE(Scene(Frame().pixel(kW / 2, 2)));
}

TEST_F(TerrainViewGl, PointsModeDrawsVisiblePointsOnABlackScene) {
    s.View.Mode = vh::RenderMode::Points;
    const QImage f = Frame();
    const QRect middle(kW / 4, kH / 3, kW / 2, kH / 2);
    const int points = Count(f, Pale, middle);
    const int black = Count(f, Black, middle);
    EXPECT_GT(points, 20);
    EXPECT_GT(black, points);
    s.View.Mode = vh::RenderMode::Solid;
    EXPECT_EQ(Count(Frame(), Black, middle), 0);
}

TEST_F(TerrainViewGl, AnEmptyViewShowsTheHintInItsMiddleUntilATerrainIsThere) {
    auto hintInk = [](QRgb c) { return qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) > 170; };
    const QRect middle(kW / 2 - 120, kH / 2 - 14, 240, 28);
    view->TerrainReset();
    const QImage empty = Frame();
    EXPECT_GT(Count(empty, hintInk, middle), 40);
    EXPECT_EQ(Count(empty, hintInk, QRect(0, 0, kW, kH / 3)), 0);
    view->TerrainReplaced();
    EXPECT_EQ(Count(Frame(), hintInk, middle), 0);
}

TEST_F(TerrainViewGl, PickedSquareGetsARedOutline) {
    EXPECT_EQ(Count(Frame(), Red), 0);
    const int k = view->PickSquare(kW / 2, kH / 2);
    ASSERT_NE(k, 0);
    s.Stroke.PickedSquare = k;
    s.View.HighlightEffected = false;
    const QImage f = Frame();
    EXPECT_GT(Count(f, Red, QRect(kW / 2 - 40, kH / 2 - 40, 80, 80)), 20);
    EXPECT_EQ(Count(f, Red, QRect(0, 0, kW / 4, kH)), 0);
    // The effected neighbours widen the outlined area.
    s.View.HighlightEffected = true;
    EXPECT_GT(Count(Frame(), Red), Count(f, Red));
    s.View.Highlight = false;
    EXPECT_EQ(Count(Frame(), Red), 0);
}

TEST_F(TerrainViewGl, LockedPointsShowGreenCubes) {
    EXPECT_EQ(Count(Frame(), Green), 0);
    s.Terrain.Points[145].Locked = true;  // the map's centre
    EXPECT_GT(Count(Frame(), Green, QRect(kW / 2 - 30, kH / 2 - 30, 60, 60)), 5);
    s.View.ShowLocked = false;
    EXPECT_EQ(Count(Frame(), Green), 0);
}

// Three bands across x: a 49.5 degree drop (too steep), a 44.3 degree rise
// (walkable, near the limit, its 250-unit edges steps too) and a 19-unit
// step; flat ground between them.
TEST_F(TerrainViewGl, WalkabilityOverlayTintsSlopesAndMarksStepsAndFollowsHeights) {
    vh::Terrain& t = s.Terrain;
    auto column = [&](int p) { return (p - 1) % 17; };
    for (int p = 1; p <= t.PointCount; ++p) {
        const int i = column(p);
        t.Points[p].Height = 300.0f * (i <= 2) + 250.0f * (i >= 9) + 19.0f * (i >= 13);
    }
    s.Observers.HeightsChanged({1, t.PointCount});  // the heights above were written directly
    s.Pose.CameraPos = {0, 2200, -1800};
    s.Pose.CameraTarget = {0, 300, 0};
    // A window around the middle of the band between columns i and i + 1
    // on the middle row.
    auto band = [&](int i) {
        const vh::view::ViewCamera cam = vh::view::MakeViewCamera(s.Pose, kW, kH);
        const vh::TerrainPoint &a = t.Points[8 * 17 + i + 1], &b = t.Points[8 * 17 + i + 2];
        float x = 0, y = 0;
        vh::view::ProjectToScreen(cam, {a.X + 128, (a.Height + b.Height) / 2, a.Z + 128}, x, y);
        return QRect(static_cast<int>(x) - 3, static_cast<int>(y) - 3, 6, 6);
    };
    auto reddish = [](QRgb c) { return qRed(c) > 150 && qGreen(c) < 80 && qBlue(c) < 60; };
    auto amber = [](QRgb c) { return qRed(c) > 150 && qGreen(c) > 60 && qGreen(c) < 190 && qBlue(c) < 70; };
    auto cyan = [](QRgb c) { return qBlue(c) > 150 && qGreen(c) > 150 && qRed(c) < 120; };
    const QRect steep = band(2), near = band(8), step = band(12).adjusted(-10, -10, 10, 10), flat = band(5);

    const QImage off = Frame();
    EXPECT_EQ(Count(off, reddish, steep) + Count(off, amber, near) + Count(off, cyan), 0);
    view->SetWalkabilityOverlay(true);
    const QImage on = Frame();
    EXPECT_EQ(Count(on, reddish, steep), 36);
    EXPECT_GT(Count(on, amber, near), 18);
    EXPECT_GT(Count(on, cyan, step), 10);
    EXPECT_EQ(Count(on, cyan, steep), 0) << "no steps on steep ground";
    EXPECT_EQ(on.pixel(flat.center()), off.pixel(flat.center())) << "walkable ground keeps its colour";

    // Heights change: the steep band becomes a gentle one.
    for (int p = 1; p <= t.PointCount; ++p)
        if (column(p) <= 2) t.Points[p].Height -= 200;
    s.Observers.HeightsChanged({1, t.PointCount});  // the heights above were written directly
    EXPECT_EQ(Count(Frame(), reddish, steep), 0);
}

// Two blocks of squares: the one with nothing to show draws without the
// overlay's lookups, and follows when an edit gives it a steep ramp.
TEST_F(TerrainViewGl, WalkabilityOverlayFollowsEachBlockOfALargerTerrain) {
    const vh::EditorTextures textures = s.Textures;
    vhtest::MakeTerrain(s, 65, 17, 256);
    s.Textures = textures;
    s.View.Fps = s.View.Info = false;
    vh::Terrain& t = s.Terrain;
    auto rampAt = [&](int column) {
        for (int p = 1; p <= t.PointCount; ++p)
            t.Points[p].Height = 400.0f * std::clamp((p - 1) % 65 - column, 0, 4);
    };
    rampAt(44);
    view->TerrainReplaced();
    s.Pose.CameraPos = {0, 24000, -1};  // straight down on the whole map
    s.Pose.CameraTarget = {0, 0, 0};
    // Pixels in the middle of the ramp from `column` on the middle row.
    auto ramp = [&](int column) {
        const vh::view::ViewCamera cam = vh::view::MakeViewCamera(s.Pose, kW, kH);
        const vh::TerrainPoint& a = t.Points[8 * 65 + column + 3];
        float x = 0, y = 0;
        vh::view::ProjectToScreen(cam, {a.X, 800, a.Z}, x, y);
        return QRect(static_cast<int>(x) - 2, static_cast<int>(y) - 2, 5, 5);
    };
    auto reddish = [](QRgb c) { return qRed(c) > 150 && qGreen(c) < 80 && qBlue(c) < 60; };
    const QImage off = Frame();
    view->SetWalkabilityOverlay(true);
    QImage on = Frame();
    EXPECT_EQ(Count(on, reddish, ramp(44)), 25);
    EXPECT_EQ(on.copy(ramp(12)), off.copy(ramp(12))) << "the flat block keeps its colour";

    rampAt(12);
    s.Observers.HeightsChanged({1, t.PointCount});
    on = Frame();
    EXPECT_EQ(Count(on, reddish, ramp(12)), 25);
    EXPECT_EQ(Count(on, reddish, ramp(44)), 0);
}

// A ridge across x (25 degree flanks) lit by the sun from -x: the flank
// turned from the sun reads darker than flat ground, and the two flanks differ.
TEST_F(TerrainViewGl, SlopesReadDifferentlyFromFlatGround) {
    vh::Terrain& t = s.Terrain;
    for (int p = 1; p <= t.PointCount; ++p) {
        const int i = (p - 1) % 17;
        t.Points[p].Height = 120.0f * std::max(0, std::min(i - 3, 13 - i));
    }
    s.Observers.HeightsChanged({1, t.PointCount});  // the heights above were written directly
    s.Pose.CameraPos = {0, 2600, -2000};
    s.Pose.CameraTarget = {0, 0, 0};
    const QImage f = Frame();
    // Grey level in the middle of the square right of column i on the middle row.
    auto grey = [&](int i) {
        const vh::view::ViewCamera cam = vh::view::MakeViewCamera(s.Pose, kW, kH);
        const vh::TerrainPoint &a = t.Points[8 * 17 + i + 1], &b = t.Points[8 * 17 + i + 2];
        float x = 0, y = 0;
        EXPECT_TRUE(vh::view::ProjectToScreen(cam, {a.X + 128, (a.Height + b.Height) / 2, a.Z + 128}, x, y));
        return qGray(f.pixel(static_cast<int>(x), static_cast<int>(y)));
    };
    const int flat = grey(0), towards = grey(5), away = grey(10);
    EXPECT_LT(away, flat * 4 / 5) << flat << " " << away;
    EXPECT_GT(towards, away + 10) << towards << " " << away;
}

}  // namespace

TEST_F(TerrainViewGl, UploadsOfTheChangedVerticesLeaveTheBufferAsAFullRebuild) {
    Frame();
    ASSERT_EQ(view->UploadedVertices(), vh::view::BuildTerrainMeshes(s.Terrain).Vertices);
    // Two passes before one frame (their ranges join), then a pass on its own.
    const struct { int first, last; } passes[][2] = {{{3, 20}, {150, 160}}, {{289, 289}, {1, 1}}};
    for (const auto& frame : passes) {
        for (const auto& pass : frame) {
            vh::HeightEdit edit = vh::EditHeights(s);
            for (int p = pass.first; p <= pass.last; ++p) edit.Add(p, static_cast<float>(16 * (p % 7)) + 16);
        }
        Frame();
        EXPECT_EQ(view->UploadedVertices(), vh::view::BuildTerrainMeshes(s.Terrain).Vertices);
    }
    // A replaced terrain of another size is uploaded whole.
    vh::Terrain small;
    small.Resize(5, 5);
    vh::ReplaceTerrain(s, small);
    Frame();
    EXPECT_EQ(view->UploadedVertices(), vh::view::BuildTerrainMeshes(s.Terrain).Vertices);
}
