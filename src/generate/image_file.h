// Image files (height images, editor textures) read by their content, with
// the size limits of core/image_limits.h checked before pixels are decoded.
#pragma once

#include <QImage>
#include <string>

#include "core/result.h"

namespace vh {

// The image, never null; or Unreadable (cannot be opened), Damaged (no pixels
// or not decodable) or TooLarge, with a message for the user.
Result<QImage> ReadImageFile(const std::string& path);

}  // namespace vh
