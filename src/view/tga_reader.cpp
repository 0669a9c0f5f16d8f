#include "view/tga_reader.h"

#include <QFile>
#include <cstdint>
#include <vector>

#include "core/image_limits.h"

namespace vh::view {

namespace {

Failure Damaged(const std::string& why) {
    return vh::Fail(ErrorKind::Damaged, why);
}

uint16_t U16(const unsigned char* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

// One pixel of `bytes` bytes in file order (BGR[A], grey, or 16-bit ARRRRRGG GGGBBBBB).
QRgb PixelOf(const unsigned char* p, int bytes, bool grey, bool useAlpha) {
    if (grey) return qRgb(p[0], p[0], p[0]);
    if (bytes == 2) {
        const int v = U16(p);
        auto expand = [](int c) { return (c << 3) | (c >> 2); };
        return qRgb(expand((v >> 10) & 31), expand((v >> 5) & 31), expand(v & 31));
    }
    const int a = bytes == 4 && useAlpha ? p[3] : 255;
    return qRgba(p[2], p[1], p[0], a);
}

}  // namespace

Result<QImage> ReadTga(const QByteArray& bytes, const std::string& name) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype size = bytes.size();
    if (size < 18) return Damaged("The file is too short for a TGA header.");
    const int idLength = data[0];
    const int colourMapType = data[1];
    const int type = data[2];
    const int mapLength = U16(data + 5);
    const int mapEntryBits = data[7];
    const int width = U16(data + 12);
    const int height = U16(data + 14);
    const int depth = data[16];
    const int descriptor = data[17];

    const bool rle = type == 10 || type == 11;
    const bool grey = type == 3 || type == 11;
    if (type != 2 && type != 3 && type != 10 && type != 11)
        return Damaged("Unsupported TGA image type " + std::to_string(type) + ".");
    if (width == 0 || height == 0) return Damaged("The TGA image has no pixels.");
    if (grey ? depth != 8 : (depth != 16 && depth != 24 && depth != 32))
        return Damaged("Unsupported TGA pixel depth " + std::to_string(depth) + ".");

    qsizetype pos = 18 + idLength;
    if (colourMapType == 1) pos += static_cast<qsizetype>(mapLength) * ((mapEntryBits + 7) / 8);
    if (pos > size) return Damaged("The TGA file is truncated.");

    const int bpp = depth / 8;
    const bool useAlpha = (descriptor & 0x0F) > 0;
    const bool topDown = descriptor & 0x20;
    const bool rightToLeft = descriptor & 0x10;
    const qsizetype total = static_cast<qsizetype>(width) * height;
    if (!ImageSizeAllowed(width, height))
        return vh::Fail(ErrorKind::TooLarge, ImageTooLargeText(name, width, height));
    // Every packet of at most 128 pixels costs a count byte and one pixel at
    // least: a file too short for that is refused before memory is taken.
    const qsizetype leastBytes = rle ? (total + 127) / 128 * (1 + bpp) : total * bpp;
    if (size - pos < leastBytes) return Damaged("The TGA file is truncated.");

    std::vector<QRgb> pixels;
    pixels.reserve(total);
    if (!rle) {
        for (qsizetype i = 0; i < total; ++i, pos += bpp)
            pixels.push_back(PixelOf(data + pos, bpp, grey, useAlpha));
    } else {
        while (static_cast<qsizetype>(pixels.size()) < total) {
            if (pos >= size) return Damaged("The TGA file is truncated.");
            const int packet = data[pos++];
            const int count = (packet & 0x7F) + 1;
            if (static_cast<qsizetype>(pixels.size()) + count > total)
                return Damaged("A TGA run goes past the end of the image.");
            if (packet & 0x80) {
                if (size - pos < bpp) return Damaged("The TGA file is truncated.");
                const QRgb p = PixelOf(data + pos, bpp, grey, useAlpha);
                pos += bpp;
                pixels.insert(pixels.end(), count, p);
            } else {
                if (size - pos < static_cast<qsizetype>(count) * bpp)
                    return Damaged("The TGA file is truncated.");
                for (int i = 0; i < count; ++i, pos += bpp)
                    pixels.push_back(PixelOf(data + pos, bpp, grey, useAlpha));
            }
        }
    }

    QImage image(width, height, QImage::Format_ARGB32);
    if (image.isNull()) return Damaged("There is not enough memory for the TGA image.");
    for (int row = 0; row < height; ++row) {
        // Rows are stored bottom-up unless the descriptor says top-down.
        const int y = topDown ? row : height - 1 - row;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const QRgb* src = pixels.data() + static_cast<qsizetype>(row) * width;
        for (int col = 0; col < width; ++col) line[rightToLeft ? width - 1 - col : col] = src[col];
    }
    return image;
}

Result<QImage> ReadTgaFile(const std::string& path) {
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly)) return vh::Fail(ErrorKind::Unreadable, "Cannot open " + path + ".");
    // Header, image id, colour map and the largest image allowed: anything
    // longer is not read into memory.
    constexpr qint64 kMostBytes = 18 + 255 + 65535 * 4 + kMaxImagePixels * 4 + 4096;
    if (f.isSequential()) return Damaged("\"" + path + "\" is not a file.");
    if (f.size() > kMostBytes) return Damaged("The file \"" + path + "\" is too large for a TGA image.");
    return ReadTga(f.readAll(), path);
}

}  // namespace vh::view
