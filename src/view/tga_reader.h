// A reader for TGA images: uncompressed and run-length encoded
// true-colour (types 2 and 10) and grey (types 3 and 11), either origin.
#pragma once

#include <QByteArray>
#include <QImage>
#include <string>

#include "generate/image_file.h"

namespace vh::view {

// An ARGB32 image, or why the bytes are not one (Damaged, TooLarge,
// Unreadable for a file that cannot be opened). `name` (the file's path)
// only appears in messages.
Result<QImage> ReadTga(const QByteArray& bytes, const std::string& name = {});
Result<QImage> ReadTgaFile(const std::string& path);

}  // namespace vh::view
