#include <QColor>
#include <algorithm>
#include <cmath>

#include "core/rules.h"
#include "generate/generators.h"

namespace vh {

namespace {

void AddToColumn(Terrain& t, int col, float v) {
    const int pc = t.PointCount;
    for (int p = col; p <= pc; p += t.PointsPerRow) t.Points[p].Height += v;
}

void AddToRow(Terrain& t, int start, float v) {
    for (int p = start; p < start + t.PointsPerRow; ++p) t.Points[p].Height += v;
}

}  // namespace

SlopeOption SlopeOptionOf(std::string_view code) {
    if (code == "PX") return SlopeOption::PX;
    if (code == "NX") return SlopeOption::NX;
    if (code == "PY") return SlopeOption::PY;
    if (code == "NY") return SlopeOption::NY;
    return SlopeOption::None;
}

void SlopeTerrain(Terrain& t, const NewMapSettings& m, int grid, SlopeOption option, Progress& progress) {
    int k = 0;
    progress.Value(0);
    progress.Status("Generating Sloped Values...");
    // Doubled in 16-bit arithmetic; the pipeline rejects steepness that overflows.
    const int16_t twice = static_cast<int16_t>(m.SlopeSteepness * 2);
    const int pc = t.PointCount, x = t.PointsPerRow, y = t.Rows();

    if (option == SlopeOption::PX || option == SlopeOption::NX) {
        progress.Maximum(x);
        for (int col = 1; col <= x; ++col) {
            ++k;
            float v = static_cast<float>(static_cast<double>(twice) / (x + 1) * k - m.SlopeSteepness);
            v = SnapToGrid(v, grid);
            if (option == SlopeOption::NX) v = -v;
            AddToColumn(t, col, v);
            progress.Value(col);
        }
    }
    if (option == SlopeOption::PY || option == SlopeOption::NY) {
        progress.Maximum(pc);
        for (int p = 1; p <= pc; p += x) {
            ++k;
            float v = static_cast<float>(static_cast<double>(twice) / (y + 1) * k - m.SlopeSteepness);
            v = SnapToGrid(v, grid);
            if (option == SlopeOption::NY) v = -v;
            AddToRow(t, p, v);
            progress.Value(p);
        }
    }
}

void HeightImage(Terrain& t, const NewMapSettings& m, int grid, const QImage& preview, Progress& progress) {
    const int pc = t.PointCount, x = t.PointsPerRow, y = t.Rows();
    progress.Value(0);
    progress.Maximum(pc);
    progress.Status("Generating Height Map...");
    if (preview.isNull() || x < 2 || y < 2) return;
    const QImage img = preview.convertToFormat(QImage::Format_RGB32);
    const int w = img.width(), h = img.height();
    const float stepX = static_cast<float>(w - 1) / static_cast<float>(x - 1);
    const float stepY = static_cast<float>(h - 1) / static_cast<float>(y - 1);
    const float multi = m.BitMapHeightMulti;
    const float invert = m.BitMapInvertColors;

    int k = 0;
    for (int p = 1; p <= pc; p += x) {
        // A fractional position selects the nearest pixel.
        const int py = std::clamp(static_cast<int>(RoundHalfEven(stepY * k)), 0, h - 1);
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(py));
        for (int c = 1; c <= x; ++c) {
            const int px = std::clamp(static_cast<int>(RoundHalfEven((c - 1) * stepX)), 0, w - 1);
            const QRgb rgb = line[px];
            const uint32_t colour = static_cast<uint32_t>(qRed(rgb)) |
                                    (static_cast<uint32_t>(qGreen(rgb)) << 8) |
                                    (static_cast<uint32_t>(qBlue(rgb)) << 16);
            const float grey =
                static_cast<float>(ExtractR(colour) + ExtractG(colour) + ExtractB(colour)) / 3.0f;
            float v = (grey * 257.0f / 256.0f - 128.0f) * multi;
            v = SnapToGrid(v, grid) * invert;
            t.Points[p + c - 1].Height += v;
        }
        ++k;
        progress.Value(p);
    }
}

}  // namespace vh
