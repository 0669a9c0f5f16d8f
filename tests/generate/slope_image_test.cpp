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
    s.SlopeSteepness = 512;
    vhtest::RecordingProgress p;
    SlopeTerrain(s, SlopeOption::PX, p);
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

TEST(Slope, NegativeXIsTheMirrorImage) {
    EditorState s;
    vhtest::MakeTerrain(s, 17, 3);
    s.SlopeSteepness = 512;
    SlopeTerrain(s, SlopeOption::NX, vh::NoProgress());
    EXPECT_EQ(H(s, 1), 448);
    EXPECT_EQ(H(s, 17), -448);
}

TEST(Slope, PositiveYUsesRowsPlusOneInTheDivisor) {
    EditorState s;
    vhtest::MakeTerrain(s, 17, 9);
    s.SlopeSteepness = 512;
    vhtest::RecordingProgress p;
    SlopeTerrain(s, SlopeOption::PY, p);
    EXPECT_EQ(p.maxima, std::vector<int>{153});
    EXPECT_EQ(p.values, (std::vector<int>{0, 1, 18, 35, 52, 69, 86, 103, 120, 137}));
    const float rows[9] = {-416, -304, -208, -96, 0, 96, 208, 304, 416};
    for (int r = 0; r < 9; ++r)
        for (int c = 1; c <= 17; ++c) EXPECT_EQ(H(s, r * 17 + c), rows[r]) << r << "," << c;
}

TEST(Slope, NegativeYAndNoOption) {
    EditorState s;
    vhtest::MakeTerrain(s, 17, 9);
    s.SlopeSteepness = 512;
    SlopeTerrain(s, SlopeOption::NY, vh::NoProgress());
    EXPECT_EQ(H(s, 1), 416);
    EXPECT_EQ(H(s, 153), -416);

    EditorState flat;
    vhtest::MakeTerrain(flat, 17, 9);
    SlopeTerrain(flat, SlopeOption::None, vh::NoProgress());
    for (int i = 1; i <= 153; ++i) EXPECT_EQ(H(flat, i), 0);
}

TEST(ExtractColour, SplitsTheBytesOfBgrColour) {
    EXPECT_EQ(ExtractR(0x00332211u), 0x11);
    EXPECT_EQ(ExtractG(0x00332211u), 0x22);
    EXPECT_EQ(ExtractB(0x00332211u), 0x33);
    EXPECT_EQ(ExtractR(0x00FFFFFFu), 255);
}

namespace {

// A one-colour image written as a file and loaded as the preview.
QImage Preview(const vhtest::TempDir& dir, QColor colour, const char* name = "plain.bmp") {
    QImage img(40, 30, QImage::Format_RGB32);
    img.fill(colour);
    const std::string path = dir.File(name);
    EXPECT_TRUE(img.save(QString::fromStdString(path)));
    auto preview = LoadHeightImagePreview(path);
    EXPECT_TRUE(preview.has_value());
    return preview ? *preview : QImage();
}

float AfterImage(const QImage& preview, int16_t invert, int side = 5) {
    EditorState s;
    vhtest::MakeTerrain(s, side, side);
    s.BitMapHeightMulti = 8;
    s.BitMapInvertColors = invert;
    HeightImage(s, preview, vh::NoProgress());
    for (int i = 2; i <= s.PointTotal(); ++i) EXPECT_EQ(H(s, i), H(s, 1)) << i;
    return H(s, 1);
}

}  // namespace

TEST(HeightImage, GreysMapOntoHeights) {
    vhtest::TempDir dir;
    EXPECT_EQ(AfterImage(Preview(dir, Qt::white), 1), 1024);
    EXPECT_EQ(AfterImage(Preview(dir, Qt::black), 1), -1024);
    EXPECT_EQ(AfterImage(Preview(dir, QColor(128, 128, 128)), 1), 0);  // 4 snaps to 0
    EXPECT_EQ(AfterImage(Preview(dir, Qt::white), -1), -1024);
    EXPECT_EQ(AfterImage(Preview(dir, Qt::black), -1), 1024);
}

TEST(HeightImage, TwoByTwoGridSamplesTheFourCorners) {
    vhtest::TempDir dir;
    QImage img(2, 2, QImage::Format_RGB32);
    img.setPixelColor(0, 0, Qt::white);
    img.setPixelColor(1, 0, Qt::black);
    img.setPixelColor(0, 1, QColor(255, 0, 0));  // grey 85
    img.setPixelColor(1, 1, QColor(128, 128, 128));
    const std::string path = dir.File("corners.bmp");
    ASSERT_TRUE(img.save(QString::fromStdString(path)));
    auto preview = LoadHeightImagePreview(path);
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->width(), kPreviewSide);
    EXPECT_EQ(preview->height(), kPreviewSide);

    EditorState s;
    vhtest::MakeTerrain(s, 2, 2);
    s.BitMapHeightMulti = 8;
    s.BitMapInvertColors = 1;
    vhtest::RecordingProgress p;
    HeightImage(s, *preview, p);
    EXPECT_EQ(p.statuses, std::vector<std::string>{"Generating Height Map..."});
    EXPECT_EQ(p.maxima, std::vector<int>{4});
    // Image left to right along +x, top to bottom along +z.
    EXPECT_EQ(H(s, 1), 1024);
    EXPECT_EQ(H(s, 2), -1024);
    EXPECT_EQ(H(s, 3), -336);  // (85.33 - 128) x 8 = -341.3 snapped
    EXPECT_EQ(H(s, 4), 0);
}

TEST(HeightImage, JpegLoadsAndAddsToExistingHeights) {
    vhtest::TempDir dir;
    const QImage preview = Preview(dir, Qt::white, "white.jpg");
    EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    s.BitMapHeightMulti = 8;
    s.BitMapInvertColors = 1;
    H(s, 5) = 100;
    HeightImage(s, preview, vh::NoProgress());
    EXPECT_EQ(H(s, 5), 1124);
    EXPECT_EQ(H(s, 1), 1024);
}

TEST(HeightImagePreview, RejectsOtherExtensionsAndMissingFiles) {
    vhtest::TempDir dir;
    QImage img(4, 4, QImage::Format_RGB32);
    img.fill(Qt::white);
    ASSERT_TRUE(img.save(QString::fromStdString(dir.File("white.png"))));
    EXPECT_FALSE(LoadHeightImagePreview(dir.File("white.png")));
    EXPECT_FALSE(LoadHeightImagePreview(dir.File("missing.bmp")));
    vhtest::WriteFileBytes(dir.File("broken.gif"), "not an image at all");
    EXPECT_FALSE(LoadHeightImagePreview(dir.File("broken.gif")));
    EXPECT_TRUE(IsHeightImagePath("C:/maps/Hills.JPEG"));
    EXPECT_TRUE(IsHeightImagePath("hills.Gif"));
    EXPECT_FALSE(IsHeightImagePath("hills.tga"));
}

TEST(HeightImagePreview, BlankPreviewIsItsBackground) {
    const QImage blank = BlankHeightImagePreview();
    EXPECT_EQ(blank.width(), kPreviewSide);
    EXPECT_EQ(blank.height(), kPreviewSide);
    EXPECT_EQ(blank.pixel(0, 0), blank.pixel(kPreviewSide - 1, kPreviewSide - 1));
}
