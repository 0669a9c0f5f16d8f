#include "export/height_image.h"

#include <QBuffer>
#include <QImage>

#include "core/rules.h"
#include "core/save_file.h"

namespace vh {

uint8_t HeightGrey(float height) {
    const float v = height / 32.0f + 128.0f;
    const double r = RoundHalfEven(v);
    if (!(r > 0)) return 0;  // also NaN
    if (r >= 255) return 255;
    return static_cast<uint8_t>(r);
}

Status ExportHeightImage(const Terrain& t, const std::string& path) {
    auto fail = [](std::string why) { return Fail(ErrorKind::Invalid, std::move(why)); };
    // The terrain's own row length (the New Map setting X can differ after an open).
    const int width = t.PointsPerRow;
    const int np = t.PointCount;
    if (width < 1 || np < width || t.Points.size() < static_cast<size_t>(np) + 1)
        return fail("There is no terrain to export.");
    const int rows = np / width;

    QImage image(width, rows, QImage::Format_RGB888);
    if (image.isNull())
        return fail("The image of " + std::to_string(width) + " x " + std::to_string(rows) +
                    " pixels could not be made.");
    for (int r = 1; r <= rows; ++r) {
        uchar* line = image.scanLine(r - 1);
        for (int c = 1; c <= width; ++c) {
            const uint8_t v = HeightGrey(t.Points[(r - 1) * width + c].Height);
            line[3 * (c - 1)] = v;
            line[3 * (c - 1) + 1] = v;
            line[3 * (c - 1) + 2] = v;
        }
    }

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "BMP")) return fail("The image could not be encoded as a bitmap.");
    return WriteFileAtomically(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

}  // namespace vh
