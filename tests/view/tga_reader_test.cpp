#include "view/tga_reader.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// 18-byte header followed by `body`.
QByteArray Tga(int type, int w, int h, int depth, int descriptor, const std::vector<unsigned char>& body) {
    std::vector<unsigned char> b(18, 0);
    b[2] = static_cast<unsigned char>(type);
    b[12] = static_cast<unsigned char>(w), b[13] = static_cast<unsigned char>(w >> 8);
    b[14] = static_cast<unsigned char>(h), b[15] = static_cast<unsigned char>(h >> 8);
    b[16] = static_cast<unsigned char>(depth), b[17] = static_cast<unsigned char>(descriptor);
    b.insert(b.end(), body.begin(), body.end());
    return QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()));
}

// 2 x 2 pixels in file order (BGR): red, green, blue, white.
const std::vector<unsigned char> kFourPixels = {0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255};

TEST(TgaReader, TrueColourFollowsTheOriginBit) {
    for (int top : {0, 1}) {
        const vh::Result<QImage> r = vh::view::ReadTga(Tga(2, 2, 2, 24, top ? 0x20 : 0, kFourPixels));
        ASSERT_TRUE(r.Ok()) << vh::MessageOf(r);
        const int first = top ? 0 : 1;  // row of the first pixels in the file
        EXPECT_EQ(r->pixel(0, first), qRgb(255, 0, 0));
        EXPECT_EQ(r->pixel(1, first), qRgb(0, 255, 0));
        EXPECT_EQ(r->pixel(0, 1 - first), qRgb(0, 0, 255));
        EXPECT_EQ(r->pixel(1, 1 - first), qRgb(255, 255, 255));
    }
}

TEST(TgaReader, GreyImagesBecomeEqualChannelsBottomUp) {
    const vh::Result<QImage> r = vh::view::ReadTga(Tga(3, 2, 2, 8, 0, {0, 128, 255, 7}));
    ASSERT_TRUE(r.Ok()) << vh::MessageOf(r);
    EXPECT_EQ(r->pixel(0, 1), qRgb(0, 0, 0));
    EXPECT_EQ(r->pixel(1, 1), qRgb(128, 128, 128));
    EXPECT_EQ(r->pixel(0, 0), qRgb(255, 255, 255));
}

TEST(TgaReader, RunLengthPacketsExpandInBothOrigins) {
    // 4 x 1, top-down: a run of three red pixels, then one raw blue pixel.
    const vh::Result<QImage> r =
        vh::view::ReadTga(Tga(10, 4, 1, 24, 0x20, {0x82, 0, 0, 255, 0x00, 255, 0, 0}));
    ASSERT_TRUE(r.Ok()) << vh::MessageOf(r);
    for (int x = 0; x < 3; ++x) EXPECT_EQ(r->pixel(x, 0), qRgb(255, 0, 0));
    EXPECT_EQ(r->pixel(3, 0), qRgb(0, 0, 255));
    // 2 x 2 bottom-up: runs of two, one per row.
    const vh::Result<QImage> b = vh::view::ReadTga(Tga(10, 2, 2, 24, 0, {0x81, 1, 2, 3, 0x81, 4, 5, 6}));
    ASSERT_TRUE(b.Ok()) << vh::MessageOf(b);
    EXPECT_EQ(b->pixel(0, 1), qRgb(3, 2, 1));
    EXPECT_EQ(b->pixel(1, 0), qRgb(6, 5, 4));
}

TEST(TgaReader, TruncatedOrUnsupportedFilesGiveAnError) {
    const QByteArray full = Tga(2, 2, 2, 24, 0, kFourPixels);
    const QByteArray rle = Tga(10, 4, 1, 24, 0x20, {0x82, 0, 0, 255});
    for (const QByteArray& bad : {full.left(full.size() - 1), full.left(10), rle, rle.left(rle.size() - 1),
                                  Tga(3, 2, 2, 8, 0, {0, 0, 0}), Tga(1, 2, 2, 8, 0, {0, 0, 0, 0}),
                                  Tga(10, 2, 1, 24, 0, {0x85, 1, 2, 3})}) {
        const vh::Result<QImage> r = vh::view::ReadTga(bad);
        ASSERT_FALSE(r.Ok());
        EXPECT_EQ(r.Kind(), vh::ErrorKind::Damaged);
    }
}

TEST(TgaReader, OversizedImagesAreRefusedByTheirHeaderWithAMessage) {
    for (const QByteArray& header :
         {Tga(2, 65535, 65535, 32, 0, {}), Tga(10, 16385, 1, 24, 0, {0xFF, 1, 2, 3}),
          Tga(3, 4097, 4096, 8, 0x20, {})}) {
        const vh::Result<QImage> r = vh::view::ReadTga(header, "big.tga");
        ASSERT_FALSE(r.Ok());
        EXPECT_EQ(r.Kind(), vh::ErrorKind::TooLarge);
        EXPECT_NE(r.Message().find("The image \"big.tga\" is too large to use"), std::string::npos)
            << r.Message();
    }
}

}  // namespace
