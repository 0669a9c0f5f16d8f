// Image files (height images, editor textures) read by their content, with
// the size limits of core/image_limits.h checked before pixels are decoded.
#pragma once

#include <QImage>
#include <string>

namespace vh {

struct ImageRead {
    QImage Image;           // null when Error is set
    std::string Error;      // why the image was refused, for the user
    bool TooLarge = false;  // refused for its size (Error says so)
    bool Ok() const { return Error.empty(); }
};

ImageRead ReadImageFile(const std::string& path);

}  // namespace vh
