// The view drawn for real under Xvfb: frames are grabbed and their pixels
// checked.
#include <gtest/gtest.h>

#include <QTest>

#include "core/rules.h"
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
        s.SkyUP = s.SkyDN = s.SkyFT = s.SkyBK = s.SkyRT = s.SkyLF = sky;
        s.GroundTexture = viewtest::SolidImage(dir, "ground.bmp", QColor(0, 200, 0));
        // Above the -z edge, looking down at the centre of the map.
        s.CameraPos = {0, 2500, -2500};
        s.CameraTarget = {0, 0, 0};
        s.LoopRunning = -1;
        view = std::make_unique<TerrainView>(s);
        view->resize(kW, kH);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        view->TerrainReplaced();
    }

    QImage Frame() { return view->grabFramebuffer().convertToFormat(QImage::Format_RGB32); }

    static bool Near(QRgb c, int r, int g, int b, int tol = 30) {
        return std::abs(qRed(c) - r) <= tol && std::abs(qGreen(c) - g) <= tol &&
               std::abs(qBlue(c) - b) <= tol;
    }
    static bool Greenish(QRgb c) { return qGreen(c) > 120 && qRed(c) < 60 && qBlue(c) < 60; }
    static bool Skyish(QRgb c) { return qBlue(c) > 200 && qRed(c) < 40 && qGreen(c) < 40; }

    void SetMode(vh::ControlState vh::CommandStates::*item) {
        auto& c = s.Commands;
        c.cmdSolid.Checked = c.cmdSolidWire.Checked = c.cmdWireframe.Checked = c.cmdPoints.Checked = false;
        (c.*item).Checked = true;
    }

    static constexpr int kW = 320, kH = 240;
    vhtest::TempDir dir;
    vh::EditorState s;
    std::unique_ptr<TerrainView> view;
};

TEST_F(TerrainViewGl, SolidModeDrawsTheGroundTextureAndTheSky) {
    const QImage f = Frame();
    EXPECT_TRUE(Greenish(f.pixel(kW / 2, kH / 2))) << std::hex << f.pixel(kW / 2, kH / 2);
    EXPECT_TRUE(Skyish(f.pixel(kW / 2, 2))) << std::hex << f.pixel(kW / 2, 2);
}

}  // namespace
