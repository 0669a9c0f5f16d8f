// The largest image the program reads (height images, editor textures).
// Readers check the size a file announces before taking any pixel memory, so
// a damaged or hostile header cannot make them allocate gigabytes.
#pragma once

#include <cstdint>
#include <string>

namespace vh {

constexpr int kMaxImageSide = 16384;
constexpr int64_t kMaxImagePixels = int64_t{4096} * 4096;  // 64 MB as 32-bit pixels
constexpr int kMaxImageMegabytes = static_cast<int>(kMaxImagePixels * 4 >> 20);

inline bool ImageSizeAllowed(int64_t width, int64_t height) {
    return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide &&
           width * height <= kMaxImagePixels;
}

// "The image ... is too large" with its size and the limits, for the user.
inline std::string ImageTooLargeText(const std::string& name, int64_t width, int64_t height) {
    const std::string image = name.empty() ? "The image" : "The image \"" + name + "\"";
    return image + " is too large to use: " + std::to_string(width) + " x " + std::to_string(height) +
           " pixels (at most " + std::to_string(kMaxImagePixels) + " pixels and " +
           std::to_string(kMaxImageSide) + " pixels a side).";
}

}  // namespace vh
