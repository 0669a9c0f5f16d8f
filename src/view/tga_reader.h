// A reader for TGA images: uncompressed and run-length encoded
// true-colour (types 2 and 10) and grey (types 3 and 11), either origin.
#pragma once

#include <QByteArray>
#include <QImage>
#include <string>

namespace vh::view {

struct TgaResult {
    QImage Image;       // ARGB32 when Error is empty
    std::string Error;  // why the file could not be read
    bool Ok() const { return Error.empty(); }
};

TgaResult ReadTga(const QByteArray& bytes);
TgaResult ReadTgaFile(const std::string& path);

}  // namespace vh::view
