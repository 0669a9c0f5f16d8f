// Small shared rules: rounding, grid snapping, number text and reading.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vh {

// Nearest whole number, halves to even (2.5 -> 2, 3.5 -> 4). NaN gives 0.
double RoundHalfEven(double v);

// RoundHalfEven clamped into a 16-bit signed integer.
int16_t RoundToInt16(double v);
// RoundHalfEven clamped into a 32-bit signed integer.
int32_t RoundToInt32(double v);

// The nearest 32-bit float inside the finite range: values beyond it become
// the largest float of their sign, NaN becomes 0.
float ClampToFloat(double v);

// v / grid rounded half to even, times grid, as a 32-bit float kept inside
// the finite range. A grid of 0 (never offered by the editor) leaves v
// rounded to a whole number.
float SnapToGrid(float v, int grid);

// Shortest text of a 32-bit float with at most 7 significant digits:
// 12.3456789 -> "12.34568", 2 -> "2", 0.5 -> "0.5", 12345678 -> "1.234568E+07".
std::string NumberText(float v);

// The settings file's number text: a 32-bit float rounded to 7 significant
// digits, in plain decimal notation without exponent or trailing zeros
// (12345678 -> "12345680", 0.00001 -> "0.00001", 0.7 -> "0.7").
std::string PlainNumberText(float v);

// Longest leading number of the text (blanks skipped first); none gives 0.
double ReadNumber(std::string_view text);

// The whole text (trimmed of blanks) must be a number.
std::optional<double> ReadNumberStrict(std::string_view text);

std::string Trim(std::string_view s);
std::string UpperCase(std::string_view s);
bool EndsWithNoCase(std::string_view s, std::string_view suffix);

}  // namespace vh
