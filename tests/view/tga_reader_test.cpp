#include "view/tga_reader.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/temp_dir.h"

namespace {

// 18-byte header followed by `body`.
QByteArray Tga(int type, int w, int h, int depth, int descriptor, const std::vector<unsigned char>& body,
               int idLength = 0) {
    std::vector<unsigned char> b(18, 0);
    b[0] = static_cast<unsigned char>(idLength);
    b[2] = static_cast<unsigned char>(type);
    b[12] = w & 0xff, b[13] = w >> 8, b[14] = h & 0xff, b[15] = h >> 8;
    b[16] = static_cast<unsigned char>(depth);
    b[17] = static_cast<unsigned char>(descriptor);
    for (int i = 0; i < idLength; ++i) b.push_back('x');
    b.insert(b.end(), body.begin(), body.end());
    return QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()));
}

// 2 x 2 pixels in file order (BGR): red, green, blue, white.
const std::vector<unsigned char> kFourPixels = {0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255};

TEST(TgaReader, UncompressedTrueColourBottomLeftOriginPutsTheFirstRowAtTheBottom) {
    const vh::view::TgaResult r = vh::view::ReadTga(Tga(2, 2, 2, 24, 0, kFourPixels));
    ASSERT_TRUE(r.Ok()) << r.Error;
    EXPECT_EQ(r.Image.size(), QSize(2, 2));
    EXPECT_EQ(r.Image.pixel(0, 1), qRgb(255, 0, 0));
    EXPECT_EQ(r.Image.pixel(1, 1), qRgb(0, 255, 0));
    EXPECT_EQ(r.Image.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(r.Image.pixel(1, 0), qRgb(255, 255, 255));
}

TEST(TgaReader, TopLeftOriginKeepsTheFirstRowAtTheTop) {
    const vh::view::TgaResult r = vh::view::ReadTga(Tga(2, 2, 2, 24, 0x20, kFourPixels));
    ASSERT_TRUE(r.Ok()) << r.Error;
    EXPECT_EQ(r.Image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(r.Image.pixel(1, 1), qRgb(255, 255, 255));
}

TEST(TgaReader, ThirtyTwoBitPixelsKeepTheirAlphaAndTheImageIdIsSkipped) {
    const std::vector<unsigned char> body = {10, 20, 30, 40};
    const vh::view::TgaResult r = vh::view::ReadTga(Tga(2, 1, 1, 32, 0x28, body, 5));
    ASSERT_TRUE(r.Ok()) << r.Error;
    EXPECT_EQ(r.Image.pixel(0, 0), qRgba(30, 20, 10, 40));
}

TEST(TgaReader, GreyImagesBecomeEqualChannels) {
    const vh::view::TgaResult r = vh::view::ReadTga(Tga(3, 3, 1, 8, 0x20, {0, 128, 255}));
    ASSERT_TRUE(r.Ok()) << r.Error;
    EXPECT_EQ(r.Image.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(r.Image.pixel(1, 0), qRgb(128, 128, 128));
    EXPECT_EQ(r.Image.pixel(2, 0), qRgb(255, 255, 255));
}

TEST(TgaReader, RunLengthPacketsExpandRunsAndRawPixels) {
    // 4 x 1, top-down: a run of three red pixels, then one raw blue pixel.
    const std::vector<unsigned char> body = {0x82, 0, 0, 255, 0x00, 255, 0, 0};
    const vh::view::TgaResult r = vh::view::ReadTga(Tga(10, 4, 1, 24, 0x20, body));
    ASSERT_TRUE(r.Ok()) << r.Error;
    for (int x = 0; x < 3; ++x) EXPECT_EQ(r.Image.pixel(x, 0), qRgb(255, 0, 0));
    EXPECT_EQ(r.Image.pixel(3, 0), qRgb(0, 0, 255));
}

TEST(TgaReader, RunLengthRowsMayCrossLinesAndFollowTheOrigin) {
    // 2 x 2 bottom-up: one run of four grey-blue pixels covering both rows.
    const std::vector<unsigned char> body = {0x81, 1, 2, 3, 0x81, 4, 5, 6};
    const vh::view::TgaResult r = vh::view::ReadTga(Tga(10, 2, 2, 24, 0, body));
    ASSERT_TRUE(r.Ok()) << r.Error;
    EXPECT_EQ(r.Image.pixel(0, 1), qRgb(3, 2, 1));  // first pixels, bottom row
    EXPECT_EQ(r.Image.pixel(1, 0), qRgb(6, 5, 4));
}

TEST(TgaReader, TruncatedFilesGiveAnErrorInsteadOfAnImage) {
    QByteArray full = Tga(2, 2, 2, 24, 0, kFourPixels);
    EXPECT_FALSE(vh::view::ReadTga(full.left(full.size() - 1)).Ok());
    EXPECT_FALSE(vh::view::ReadTga(full.left(10)).Ok());
    const QByteArray rle = Tga(10, 4, 1, 24, 0x20, {0x82, 0, 0, 255});
    EXPECT_FALSE(vh::view::ReadTga(rle).Ok());
    EXPECT_FALSE(vh::view::ReadTga(rle.left(rle.size() - 1)).Ok());
}

TEST(TgaReader, UnsupportedKindsAndRunsPastTheEndAreErrors) {
    EXPECT_FALSE(vh::view::ReadTga(Tga(1, 2, 2, 8, 0, {0, 0, 0, 0})).Ok());       // colour-mapped
    EXPECT_FALSE(vh::view::ReadTga(Tga(2, 1, 1, 8, 0, {0})).Ok());                // 8-bit true colour
    EXPECT_FALSE(vh::view::ReadTga(Tga(2, 0, 1, 24, 0, {})).Ok());                // no pixels
    EXPECT_FALSE(vh::view::ReadTga(Tga(10, 2, 1, 24, 0, {0x85, 1, 2, 3})).Ok());  // run of 6 in 2
}

TEST(TgaReader, FilesAreReadFromDiskAndMissingOnesAreErrors) {
    vhtest::TempDir dir;
    const QByteArray bytes = Tga(2, 2, 2, 24, 0, kFourPixels);
    vhtest::WriteFileBytes(dir.File("a.tga"), bytes.toStdString());
    EXPECT_TRUE(vh::view::ReadTgaFile(dir.File("a.tga")).Ok());
    const vh::view::TgaResult missing = vh::view::ReadTgaFile(dir.File("none.tga"));
    EXPECT_FALSE(missing.Ok());
    EXPECT_TRUE(missing.Image.isNull());
}

}  // namespace
