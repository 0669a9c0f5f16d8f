#include <QPainter>

#include "core/rules.h"
#include "generate/new_map_rules.h"
#include "generate/pipeline.h"

namespace vh {

namespace {

// The preview's background: the window system's button-face grey.
constexpr QRgb kPreviewBackground = 0xFFF0F0F0u;

}  // namespace

bool IsHeightImagePath(const std::string& path) {
    return EndsWithNoCase(path, ".BMP") || EndsWithNoCase(path, ".GIF") || EndsWithNoCase(path, ".JPG") ||
           EndsWithNoCase(path, ".JPEG");
}

QImage BlankHeightImagePreview() {
    QImage img(kPreviewSide, kPreviewSide, QImage::Format_RGB32);
    img.fill(kPreviewBackground);
    return img;
}

Result<QImage> LoadHeightImagePreview(const std::string& path) {
    if (!IsHeightImagePath(path)) return Fail(ErrorKind::Unreadable, HeightImageUnreadableText(path));
    const Result<QImage> read = ReadImageFile(path);
    // An image too large to use says so; any other failure gets the one
    // message the dialog and the CLI give.
    if (!read.Ok())
        return read.Kind() == ErrorKind::TooLarge ? read.Error()
                                                  : Fail(read.Kind(), HeightImageUnreadableText(path));
    // Stretched over the whole preview, pixel by pixel as a plain blit would,
    // over the background where the image is transparent.
    QImage preview = BlankHeightImagePreview();
    QPainter painter(&preview);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(0, 0, kPreviewSide, kPreviewSide), read.Value());
    painter.end();
    return preview;
}

}  // namespace vh
