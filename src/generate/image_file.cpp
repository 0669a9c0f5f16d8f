#include "generate/image_file.h"

#include <QFile>
#include <QImageReader>

#include "core/image_limits.h"

namespace vh {

namespace {

Result<QImage> ReadImage(QIODevice& device, const std::string& name) {
    // Qt's own cap on one image's memory, for formats whose header size is
    // not known before decoding.
    QImageReader::setAllocationLimit(kMaxImageMegabytes);
    QImageReader reader(&device);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (size.isValid() && size.isEmpty())
        return Fail(ErrorKind::Damaged, "The image \"" + name + "\" has no pixels.");
    if (size.isValid() && !ImageSizeAllowed(size.width(), size.height()))
        return Fail(ErrorKind::TooLarge, ImageTooLargeText(name, size.width(), size.height()));
    QImage image = reader.read();
    if (image.isNull())
        return Fail(ErrorKind::Damaged, "The image \"" + name + "\" could not be read: " +
                                            reader.errorString().toStdString() + ".");
    if (!ImageSizeAllowed(image.width(), image.height()))
        return Fail(ErrorKind::TooLarge, ImageTooLargeText(name, image.width(), image.height()));
    return image;
}

}  // namespace

Result<QImage> ReadImageFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return Fail(ErrorKind::Unreadable, "The image \"" + path + "\" could not be opened: " +
                                               file.errorString().toStdString() + ".");
    return ReadImage(file, path);
}

}  // namespace vh
