#include "core/rules.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace vh {

double RoundHalfEven(double v) {
    if (std::isnan(v)) return 0.0;
    if (std::isinf(v)) return v;
    return std::nearbyint(v);  // default rounding mode is to-nearest-even
}

int16_t RoundToInt16(double v) {
    double r = RoundHalfEven(v);
    if (r > 32767.0) return 32767;
    if (r < -32768.0) return -32768;
    return static_cast<int16_t>(r);
}

int32_t RoundToInt32(double v) {
    double r = RoundHalfEven(v);
    if (r > 2147483647.0) return std::numeric_limits<int32_t>::max();
    if (r < -2147483648.0) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(r);
}

float ClampToFloat(double v) {
    constexpr double kMax = std::numeric_limits<float>::max();
    if (std::isnan(v)) return 0.0f;
    if (v > kMax) return static_cast<float>(kMax);
    if (v < -kMax) return static_cast<float>(-kMax);
    return static_cast<float>(v);
}

float SnapToGrid(float v, int grid) {
    if (grid == 0) return ClampToFloat(RoundHalfEven(v));
    double q = RoundHalfEven(static_cast<double>(v) / grid);
    return ClampToFloat(q * grid);
}

std::string NumberText(float v) {
    if (std::isnan(v)) return "NaN";
    if (std::isinf(v)) return v > 0 ? "Infinity" : "-Infinity";
    if (v == 0.0f) return "0";
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.7G", static_cast<double>(v));
    // %G already drops trailing zeros; the exponent keeps at least two digits.
    return buf;
}

std::string PlainNumberText(float v) {
    if (!std::isfinite(v)) return NumberText(v);
    if (v == 0.0f) return "0";
    // Seven significant digits, as "%.7G" rounds them: d.dddddde[+-]x.
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6e", std::fabs(static_cast<double>(v)));
    std::string digits = std::string(1, buf[0]) + std::string(buf + 2, 6);
    const int exponent = std::atoi(std::strchr(buf, 'e') + 1);
    digits.erase(digits.find_last_not_of('0') + 1);
    std::string out = v < 0 ? "-" : "";
    if (exponent < 0) return out + "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    const size_t whole = static_cast<size_t>(exponent) + 1;
    if (digits.size() <= whole) return out + digits + std::string(whole - digits.size(), '0');
    return out + digits.substr(0, whole) + "." + digits.substr(whole);
}

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Length of the longest numeric prefix starting at s[i]; 0 when none.
size_t NumberPrefix(std::string_view s, size_t i) {
    size_t start = i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t digits = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        size_t expDigits = 0;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) ++j, ++expDigits;
        if (expDigits > 0) i = j;
    }
    return i - start;
}

double ParsePrefix(std::string_view s, size_t i, size_t len) {
    std::string tmp(s.substr(i, len));
    for (char& c : tmp)
        if (c == 'd' || c == 'D') c = 'E';
    double v = std::strtod(tmp.c_str(), nullptr);
    if (std::isnan(v)) return 0.0;
    return v;
}

}  // namespace

double ReadNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    size_t len = NumberPrefix(text, i);
    if (len == 0) return 0.0;
    return ParsePrefix(text, i, len);
}

std::optional<double> ReadNumberStrict(std::string_view text) {
    std::string t = Trim(text);
    if (t.empty()) return std::nullopt;
    size_t len = NumberPrefix(t, 0);
    if (len == 0 || len != t.size()) return std::nullopt;
    return ParsePrefix(t, 0, len);
}

std::string Trim(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b])) ++b;
    while (e > b && IsBlank(s[e - 1])) --e;
    return std::string(s.substr(b, e - b));
}

std::string UpperCase(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return r;
}

bool EndsWithNoCase(std::string_view s, std::string_view suffix) {
    if (s.size() < suffix.size()) return false;
    return UpperCase(s.substr(s.size() - suffix.size())) == UpperCase(suffix);
}

}  // namespace vh
