// Makes the default editor images: the six sky box faces (assets/sky) and the
// ground texture (assets/tex/ground.jpg). The sky is computed from the view
// direction of each pixel, using the same face layout as the renderer, so
// neighbouring faces meet without seams; the ground tiles seamlessly.
//
// Build and run from the repository root:
//   g++ -std=c++20 -O2 -fPIC -Isrc tools/make_assets.cpp src/view/textures.cpp
//       src/view/tga_reader.cpp src/core/rules.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/make_assets
//   /tmp/make_assets assets
#include <QDir>
#include <QImage>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "view/textures.h"

namespace {

uint32_t Hash(int x, int y, int z, uint32_t seed) {
    uint32_t h = seed ^ (static_cast<uint32_t>(x) * 0x8da6b343u) ^ (static_cast<uint32_t>(y) * 0xd8163841u) ^
                 (static_cast<uint32_t>(z) * 0xcb1ab31fu);
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return h;
}

float Lattice(int x, int y, int z, uint32_t seed) {
    return (Hash(x, y, z, seed) & 0xffffff) / float(0xffffff);
}

float Smooth(float t) {
    return t * t * (3 - 2 * t);
}

// Value noise in 3D; `period` > 0 wraps x and y (for tiling images).
float Noise3(float x, float y, float z, uint32_t seed, int period = 0) {
    const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y)),
              iz = static_cast<int>(std::floor(z));
    const float fx = Smooth(x - ix), fy = Smooth(y - iy), fz = Smooth(z - iz);
    auto wrap = [&](int v) { return period > 0 ? ((v % period) + period) % period : v; };
    float c[2][2][2];
    for (int a = 0; a < 2; ++a)
        for (int b = 0; b < 2; ++b)
            for (int d = 0; d < 2; ++d) c[a][b][d] = Lattice(wrap(ix + a), wrap(iy + b), iz + d, seed);
    auto lerp = [](float p, float q, float t) { return p + (q - p) * t; };
    const float x00 = lerp(c[0][0][0], c[1][0][0], fx), x10 = lerp(c[0][1][0], c[1][1][0], fx);
    const float x01 = lerp(c[0][0][1], c[1][0][1], fx), x11 = lerp(c[0][1][1], c[1][1][1], fx);
    return lerp(lerp(x00, x10, fy), lerp(x01, x11, fy), fz);
}

float Fbm(float x, float y, float z, uint32_t seed, int octaves, int period = 0) {
    float sum = 0, amp = 0.5f, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * Noise3(x, y, z, seed + o, period);
        norm += amp;
        x *= 2, y *= 2, z *= 2;
        if (period > 0) period *= 2;
        amp *= 0.5f;
    }
    return sum / norm;
}

float Clamp01(float v) {
    return v < 0 ? 0 : (v > 1 ? 1 : v);
}

QRgb SkyColour(float dx, float dy, float dz) {
    const float len = std::sqrt(dx * dx + dy * dy + dz * dz);
    dx /= len, dy /= len, dz /= len;
    const float horizon[3] = {205, 222, 240}, zenith[3] = {52, 104, 196}, below[3] = {120, 130, 140};
    float rgb[3];
    if (dy >= 0) {
        const float t = std::pow(dy, 0.6f);
        for (int i = 0; i < 3; ++i) rgb[i] = horizon[i] + (zenith[i] - horizon[i]) * t;
        // Clouds: noise on the direction itself, so every face agrees at its edges.
        const float n = Fbm(dx * 3.0f + 11, dy * 3.0f + 7, dz * 3.0f + 5, 1234, 5);
        const float cover = Clamp01((n - 0.52f) * 3.5f) * Clamp01(dy * 6.0f);
        const float lit = 235 - 40 * Clamp01((0.7f - n) * 2);
        for (int i = 0; i < 3; ++i) rgb[i] += (lit - rgb[i]) * cover;
        // A soft glow toward the sun the terrain is lit from.
        const float sun = (dx * 0.4f + dy * 1.0f + dz * 0.3f) / 1.118f;
        const float glow = std::pow(Clamp01(sun), 64.0f) * 0.6f + std::pow(Clamp01(sun), 2000.0f) * 0.4f;
        for (int i = 0; i < 3; ++i) rgb[i] += (255 - rgb[i]) * glow;
    } else {
        const float t = Clamp01(-dy * 4);
        for (int i = 0; i < 3; ++i) rgb[i] = horizon[i] + (below[i] - horizon[i]) * t;
    }
    return qRgb(static_cast<int>(Clamp01(rgb[0] / 255) * 255), static_cast<int>(Clamp01(rgb[1] / 255) * 255),
                static_cast<int>(Clamp01(rgb[2] / 255) * 255));
}

bool MakeSky(const QString& folder, int size) {
    using vh::view::SkyFace;
    const struct {
        SkyFace face;
        const char* file;
    } faces[] = {{SkyFace::Right, "right.bmp"}, {SkyFace::Left, "left.bmp"},     {SkyFace::Back, "back.bmp"},
                 {SkyFace::Front, "front.bmp"}, {SkyFace::Bottom, "bottom.bmp"}, {SkyFace::Top, "top.bmp"}};
    for (const auto& f : faces) {
        QImage img(size, size, QImage::Format_RGB32);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                float d[3];
                vh::view::SkyDirection(f.face, (x + 0.5f) / size, (y + 0.5f) / size, d);
                img.setPixel(x, y, SkyColour(d[0], d[1], d[2]));
            }
        if (!img.save(folder + "/" + f.file, "BMP")) return false;
    }
    return true;
}

bool MakeGround(const QString& path, int size) {
    QImage img(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const float u = float(x) / size, v = float(y) / size;
            // Periodic noise: the texture repeats once per square without a seam.
            const float patches = Fbm(u * 4, v * 4, 0.5f, 77, 4, 4);
            const float grain = Fbm(u * 32, v * 32, 0.5f, 91, 2, 32);
            const float blades = Lattice(x, y, 3, 5);
            const float dirt = Clamp01((patches - 0.5f) * 4 + 0.5f);
            const float grass[3] = {74, 112, 44}, soil[3] = {122, 98, 66};
            int rgb[3];
            for (int i = 0; i < 3; ++i) {
                const float base = grass[i] + (soil[i] - grass[i]) * dirt;
                const float shade = 0.82f + 0.25f * grain + 0.12f * (blades - 0.5f);
                rgb[i] = static_cast<int>(Clamp01(base * shade / 255) * 255);
            }
            img.setPixel(x, y, qRgb(rgb[0], rgb[1], rgb[2]));
        }
    return img.save(path, "JPG", 90);
}

}  // namespace

int main(int argc, char** argv) {
    const QString root = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("assets");
    QDir().mkpath(root + "/sky");
    QDir().mkpath(root + "/tex");
    if (!MakeSky(root + "/sky", 256) || !MakeGround(root + "/tex/ground.jpg", 256)) {
        std::fprintf(stderr, "could not write the images under %s\n", qPrintable(root));
        return 1;
    }
    return 0;
}
