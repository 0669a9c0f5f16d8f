// A reader for TGA images: uncompressed and run-length encoded
// true-colour (types 2 and 10) and grey (types 3 and 11), either origin.
#pragma once

#include <QByteArray>
#include <QImage>
#include <string>

#include "generate/image_file.h"

namespace vh::view {

// The image is ARGB32 when Error is empty.
using TgaResult = ImageRead;

// `name` (the file's path) only appears in messages.
TgaResult ReadTga(const QByteArray& bytes, const std::string& name = {});
TgaResult ReadTgaFile(const std::string& path);

}  // namespace vh::view
