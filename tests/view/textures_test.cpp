#include "view/textures.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <algorithm>
#include <cmath>

#include "view_test_fixture.h"

namespace {

using vh::view::SkyFace;

// Face and pixel a direction falls on: the inverse of SkyDirection.
void PixelOf(const float d[3], int size, SkyFace& face, int& x, int& y) {
    int axis = 0;
    for (int i = 1; i < 3; ++i)
        if (std::fabs(d[i]) > std::fabs(d[axis])) axis = i;
    for (int f = 0; f < vh::view::kSkyFaces; ++f) {
        float n[3];
        vh::view::SkyDirection(static_cast<SkyFace>(f), 0.5f, 0.5f, n);
        if (n[axis] * d[axis] <= 0 || std::fabs(n[axis]) < 0.5f) continue;
        float r[3], up[3];
        vh::view::SkyDirection(static_cast<SkyFace>(f), 1.0f, 0.5f, r);
        vh::view::SkyDirection(static_cast<SkyFace>(f), 0.5f, 0.0f, up);
        const float k = 1.0f / std::fabs(d[axis]);
        float a = 0, b = 0;
        for (int i = 0; i < 3; ++i) {
            a += d[i] * k * (r[i] - n[i]);
            b += d[i] * k * (up[i] - n[i]);
        }
        face = static_cast<SkyFace>(f);
        x = std::clamp(static_cast<int>((a + 1) / 2 * size), 0, size - 1);
        y = std::clamp(static_cast<int>((1 - b) / 2 * size), 0, size - 1);
        return;
    }
    FAIL() << "no face for direction";
}

TEST(SkyFaces, DefaultSkyImagesJoinWithoutSeams) {
    viewtest::App();
    const std::string sky = QCoreApplication::applicationDirPath().toStdString() + "/sky/";
    const char* files[6] = {"right.bmp", "left.bmp", "back.bmp", "front.bmp", "bottom.bmp", "top.bmp"};
    QImage img[6];
    for (int f = 0; f < 6; ++f) {
        img[f] = QImage(QString::fromStdString(sky + files[f]));
        if (img[f].isNull()) GTEST_SKIP() << "assets not copied beside the test";
    }
    const int size = img[0].width();
    int compared = 0;
    for (int f = 0; f < 6; ++f)
        for (int i = 0; i < size; i += 7) {
            // Step just across each edge of face f and compare with the pixel there.
            const float t = (i + 0.5f) / size;
            const float edges[4][2] = {{t, -0.001f}, {t, 1.001f}, {-0.001f, t}, {1.001f, t}};
            const int inside[4][2] = {{i, 0}, {i, size - 1}, {0, i}, {size - 1, i}};
            for (int e = 0; e < 4; ++e) {
                float d[3];
                vh::view::SkyDirection(static_cast<SkyFace>(f), edges[e][0], edges[e][1], d);
                SkyFace g;
                int x = 0, y = 0;
                PixelOf(d, size, g, x, y);
                ASSERT_NE(static_cast<int>(g), f);
                const QRgb a = img[f].pixel(inside[e][0], inside[e][1]);
                const QRgb b = img[static_cast<int>(g)].pixel(x, y);
                EXPECT_LE(std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                              std::abs(qBlue(a) - qBlue(b)),
                          24)
                    << "face " << f << " edge " << e << " at " << i;
                ++compared;
            }
        }
    EXPECT_GT(compared, 100);
}

}  // namespace
