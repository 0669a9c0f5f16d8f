// Number text for the export writers: the same text as NumberText, written
// straight into a caller's buffer without allocating.
#pragma once

#include <cstddef>
#include <string>

namespace vh {

// Longest text this can produce: 13 chars ("-1.234568E+07", "-0.0001234568").
constexpr size_t kNumberTextLongest = 13;
// Room to leave for one number (a little more than the longest).
constexpr size_t kNumberTextMax = 16;

// Writes NumberText(v) at out (room for kNumberTextMax chars) and returns
// the number of chars written. No terminating zero.
size_t WriteNumberText(char* out, float v);

// Convenience for appending to a string.
void AppendNumberText(std::string& out, float v);

// The end of a face line: the texture, the fixed offsets and rotation
// " 0 0 0 ", the two scales and CR LF.
std::string FaceSuffix(const std::string& texture, float scaleX, float scaleY);

}  // namespace vh
