#include <gtest/gtest.h>

#include <QImage>

#include "generate/generators.h"
#include "generate/pipeline.h"
#include "generate_fixture.h"
#include "support/temp_dir.h"
#include "support/terrain_fixture.h"

using namespace vh;
using vhtest::H;

TEST(Slope, PositiveXRisesAcrossTheColumns) {
    EditorState s;
    vhtest::MakeTerrain(s, 17, 3);
    s.NewMap.SlopeSteepness = 512;
    vhtest::RecordingProgress p;
    SlopeTerrain(s.Terrain, s.NewMap, s.Tools.Grid, SlopeOption::PX, p);
    EXPECT_EQ(p.statuses, std::vector<std::string>{"Generating Sloped Values..."});
    EXPECT_EQ(p.maxima, std::vector<int>{17});
    EXPECT_EQ(p.LastValue(), 17);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(H(s, row * 17 + 1), -448);  // -455.1 snapped
        EXPECT_EQ(H(s, row * 17 + 9), 0);
        EXPECT_EQ(H(s, row * 17 + 17), 448);
    }
    for (int c = 1; c <= 17; ++c) EXPECT_EQ(H(s, c), -H(s, 18 - c)) << c;
}

TEST(Slope, PositiveYUsesRowsPlusOneInTheDivisor) {
    EditorState s;
    vhtest::MakeTerrain(s, 17, 9);
    s.NewMap.SlopeSteepness = 512;
    vhtest::RecordingProgress p;
    SlopeTerrain(s.Terrain, s.NewMap, s.Tools.Grid, SlopeOption::PY, p);
    EXPECT_EQ(p.maxima, std::vector<int>{153});
    EXPECT_EQ(p.values, (std::vector<int>{0, 1, 18, 35, 52, 69, 86, 103, 120, 137}));
    const float rows[9] = {-416, -304, -208, -96, 0, 96, 208, 304, 416};
    for (int r = 0; r < 9; ++r)
        for (int c = 1; c <= 17; ++c) EXPECT_EQ(H(s, r * 17 + c), rows[r]) << r << "," << c;
}

TEST(HeightImage, GreysMapOntoHeights) {
    vhtest::TempDir dir;
    // Grey 128 gives 4, which snaps to 0.
    const struct {
        QColor colour;
        int16_t invert;
        float height;
    } rows[] = {{Qt::white, 1, 1024},
                {Qt::black, 1, -1024},
                {QColor(128, 128, 128), 1, 0},
                {Qt::white, -1, -1024},
                {Qt::black, -1, 1024}};
    for (const auto& r : rows) {
        QImage img(40, 30, QImage::Format_RGB32);
        img.fill(r.colour);
        const std::string path = dir.File("plain.bmp");
        ASSERT_TRUE(img.save(QString::fromStdString(path)));
        auto preview = LoadHeightImagePreview(path);
        ASSERT_TRUE(preview.Ok()) << preview.Message();
        EditorState s;
        vhtest::MakeTerrain(s, 5, 5);
        s.NewMap.BitMapHeightMulti = 8;
        s.NewMap.BitMapInvertColors = r.invert;
        HeightImage(s.Terrain, s.NewMap, s.Tools.Grid, preview.Value(), vh::NoProgress());
        for (int i = 1; i <= s.Terrain.PointCount; ++i)
            EXPECT_EQ(H(s, i), r.height) << r.colour.name().toStdString();
    }
}
