#include <QColor>
#include <algorithm>
#include <cmath>

#include "core/rules.h"
#include "generate/generators.h"

namespace vh {

namespace {

void AddToColumn(EditorState& s, int col, float v) {
    const int pc = s.PointTotal();
    for (int p = col; p <= pc; p += s.X) s.Points[p].Height += v;
}

void AddToRow(EditorState& s, int start, float v) {
    for (int p = start; p < start + s.X; ++p) s.Points[p].Height += v;
}

}  // namespace

void SlopeTerrain(EditorState& s, SlopeOption option, Progress& progress) {
    int k = 0;
    progress.Value(0);
    progress.Status("Generating Sloped Values...");
    // Doubled in 16-bit arithmetic; the pipeline rejects steepness that overflows.
    const int16_t twice = static_cast<int16_t>(s.SlopeSteepness * 2);
    const int pc = s.PointTotal();

    if (option == SlopeOption::PX || option == SlopeOption::NX) {
        progress.Maximum(s.X);
        for (int col = 1; col <= s.X; ++col) {
            ++k;
            float v = static_cast<float>(static_cast<double>(twice) / (s.X + 1) * k - s.SlopeSteepness);
            v = SnapToGrid(v, s.Grid);
            if (option == SlopeOption::NX) v = -v;
            AddToColumn(s, col, v);
            progress.Value(col);
        }
    }
    if (option == SlopeOption::PY || option == SlopeOption::NY) {
        progress.Maximum(pc);
        for (int p = 1; p <= pc; p += s.X) {
            ++k;
            float v = static_cast<float>(static_cast<double>(twice) / (s.Y + 1) * k - s.SlopeSteepness);
            v = SnapToGrid(v, s.Grid);
            if (option == SlopeOption::NY) v = -v;
            AddToRow(s, p, v);
            progress.Value(p);
        }
    }
}

void HeightImage(EditorState& s, const QImage& preview, Progress& progress) {
    const int pc = s.PointTotal();
    progress.Value(0);
    progress.Maximum(pc);
    progress.Status("Generating Height Map...");
    if (preview.isNull() || s.X < 2 || s.Y < 2) return;
    const QImage img = preview.convertToFormat(QImage::Format_RGB32);
    const int w = img.width(), h = img.height();
    const float stepX = static_cast<float>(w - 1) / static_cast<float>(s.X - 1);
    const float stepY = static_cast<float>(h - 1) / static_cast<float>(s.Y - 1);
    const float multi = s.BitMapHeightMulti;
    const float invert = s.BitMapInvertColors;

    int k = 0;
    for (int p = 1; p <= pc; p += s.X) {
        // A fractional position selects the nearest pixel.
        const int py = std::clamp(static_cast<int>(RoundHalfEven(stepY * k)), 0, h - 1);
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(py));
        for (int c = 1; c <= s.X; ++c) {
            const int px = std::clamp(static_cast<int>(RoundHalfEven((c - 1) * stepX)), 0, w - 1);
            const QRgb rgb = line[px];
            const uint32_t colour = static_cast<uint32_t>(qRed(rgb)) |
                                    (static_cast<uint32_t>(qGreen(rgb)) << 8) |
                                    (static_cast<uint32_t>(qBlue(rgb)) << 16);
            const float grey =
                static_cast<float>(ExtractR(colour) + ExtractG(colour) + ExtractB(colour)) / 3.0f;
            float v = (grey * 257.0f / 256.0f - 128.0f) * multi;
            v = SnapToGrid(v, s.Grid) * invert;
            s.Points[p + c - 1].Height += v;
        }
        ++k;
        progress.Value(p);
    }
}

}  // namespace vh
