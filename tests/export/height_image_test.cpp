#include "export/height_image.h"

#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>

#include "support/temp_dir.h"
#include "support/terrain_fixture.h"

using vh::HeightGrey;

TEST(HeightGrey, ThirtyTwoUnitsPerStepAroundMidGrey) {
    EXPECT_EQ(HeightGrey(0), 128);
    EXPECT_EQ(HeightGrey(32), 129);
    EXPECT_EQ(HeightGrey(-32), 127);
    EXPECT_EQ(HeightGrey(4064), 255);
    EXPECT_EQ(HeightGrey(-4096), 0);
}

TEST(HeightGrey, HalvesRoundToEven) {
    EXPECT_EQ(HeightGrey(16), 128);   // 128.5
    EXPECT_EQ(HeightGrey(48), 130);   // 129.5
    EXPECT_EQ(HeightGrey(-16), 128);  // 127.5
}

TEST(HeightGrey, ClampsAtBothEnds) {
    EXPECT_EQ(HeightGrey(4080), 255);  // 255.5 rounds to 256
    EXPECT_EQ(HeightGrey(100000), 255);
    EXPECT_EQ(HeightGrey(-4112), 0);  // -0.5 rounds to 0
    EXPECT_EQ(HeightGrey(-100000), 0);
}

namespace {

// Heights chosen so each pixel tells its column and row apart.
float HeightAt(int col, int row) {
    return static_cast<float>(col * 32 - row * 320);
}

}  // namespace

TEST(HeightImageExport, OnePixelPerPointWithRowOneOnTop) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 17, 9);
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 17; ++c) s.Points[(r - 1) * 17 + c].Height = HeightAt(c, r);
    vhtest::TempDir dir;
    const std::string path = dir.File("heights.bmp");
    std::string error;
    ASSERT_TRUE(vh::ExportHeightImage(s, path, &error)) << error;

    QImage img(QString::fromStdString(path));
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.width(), 17);
    EXPECT_EQ(img.height(), 9);
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 17; ++x) {
            const QRgb px = img.pixel(x, y);
            const int grey = HeightGrey(HeightAt(x + 1, y + 1));
            EXPECT_EQ(qRed(px), grey) << x << "," << y;
            EXPECT_EQ(qGreen(px), grey);
            EXPECT_EQ(qBlue(px), grey);
        }
    }
    // Row 1, column 1 is height 32 - 320 = -288 -> 119; row 9 is darker.
    EXPECT_EQ(qRed(img.pixel(0, 0)), 119);
    EXPECT_LT(qRed(img.pixel(0, 8)), qRed(img.pixel(0, 0)));
}

TEST(HeightImageExport, FlatTerrainIsUniformMidGrey) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 5, 4);
    vhtest::TempDir dir;
    const std::string path = dir.File("flat.bmp");
    ASSERT_TRUE(vh::ExportHeightImage(s, path, nullptr));
    QImage img(QString::fromStdString(path));
    ASSERT_EQ(img.size(), QSize(5, 4));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(img.pixel(x, y), qRgb(128, 128, 128));
}

TEST(HeightImageExport, WritesA24BitWindowsBitmap) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    vhtest::TempDir dir;
    const std::string path = dir.File("depth.bmp");
    ASSERT_TRUE(vh::ExportHeightImage(s, path, nullptr));
    const std::string bytes = vhtest::ReadFileBytes(path);
    ASSERT_GT(bytes.size(), 30u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24);  // bits per pixel
}

TEST(HeightImageExport, LogsTheExport) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    vhtest::TempDir dir;
    s.LogPath = dir.File("debugVH.txt");
    const std::string path = dir.File("log.bmp");
    ASSERT_TRUE(vh::ExportHeightImage(s, path, nullptr));
    EXPECT_EQ(vhtest::ReadFileBytes(s.LogPath), "BMP EXPORT : BitMap Exporting " + path + "\n");
}

TEST(HeightImageExport, AnUnwritablePathGivesAnErrorAndKeepsNoTemporary) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    vhtest::TempDir dir;
    s.LogPath = dir.File("debugVH.txt");
    std::string error;
    const std::string path = dir.File("missing/out.bmp");
    EXPECT_FALSE(vh::ExportHeightImage(s, path, &error));
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(s.LogPath));
}

TEST(HeightImageExport, ReplacesAnExistingFile) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 4, 2);
    vhtest::TempDir dir;
    const std::string path = dir.File("again.bmp");
    vhtest::WriteFileBytes(path, "not an image");
    ASSERT_TRUE(vh::ExportHeightImage(s, path, nullptr));
    EXPECT_EQ(QImage(QString::fromStdString(path)).size(), QSize(4, 2));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(HeightImageExport, NoTerrainIsRefused) {
    vh::EditorState s;
    vhtest::TempDir dir;
    std::string error;
    EXPECT_FALSE(vh::ExportHeightImage(s, dir.File("none.bmp"), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(std::filesystem::exists(dir.File("none.bmp")));
}

TEST(HeightImageExport, UsesTheTerrainsRowLengthNotTheNewMapSetting) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 17, 9);
    s.X = 33;  // as after opening a document made with other settings
    vhtest::TempDir dir;
    const std::string path = dir.File("opened.bmp");
    ASSERT_TRUE(vh::ExportHeightImage(s, path, nullptr));
    EXPECT_EQ(QImage(QString::fromStdString(path)).size(), QSize(17, 9));
}
