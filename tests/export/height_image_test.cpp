#include "export/height_image.h"

#include <gtest/gtest.h>

#include <QImage>

#include "support/temp_dir.h"
#include "support/terrain_fixture.h"

using vh::HeightGrey;

TEST(HeightGrey, MidGreyHalvesToEvenAndClamps) {
    const std::pair<float, int> cases[] = {{0, 128},   {4064, 255}, {4080, 255},   {-4096, 0},
                                           {-4112, 0}, {16, 128},   {48, 130},     {-16, 128},
                                           {32, 129},  {-32, 127},  {100000, 255}, {-100000, 0}};
    for (const auto& [height, grey] : cases) EXPECT_EQ(HeightGrey(height), grey) << height;
}

TEST(HeightImageExport, OnePixelPerPointWithRowOneOnTop) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 17, 9);
    s.NewMap.X = 33;  // a New Map setting that differs from the terrain, as after an open
    // Heights chosen so each pixel tells its column and row apart.
    auto heightAt = [](int col, int row) { return static_cast<float>(col * 32 - row * 320); };
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 17; ++c) s.Terrain.Points[(r - 1) * 17 + c].Height = heightAt(c, r);
    vhtest::TempDir dir;
    const std::string path = dir.File("heights.bmp");
    const vh::Status written = vh::ExportHeightImage(s.Terrain, path);
    ASSERT_TRUE(written) << vh::MessageOf(written);

    QImage img(QString::fromStdString(path));
    ASSERT_EQ(img.size(), QSize(17, 9));
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 17; ++x) {
            const int grey = HeightGrey(heightAt(x + 1, y + 1));
            EXPECT_EQ(img.pixel(x, y), qRgb(grey, grey, grey)) << x << "," << y;
        }
    }
    // Row 1, column 1 is height 32 - 320 = -288 -> 119; row 9 is darker.
    EXPECT_EQ(qRed(img.pixel(0, 0)), 119);
    EXPECT_LT(qRed(img.pixel(0, 8)), qRed(img.pixel(0, 0)));
}
