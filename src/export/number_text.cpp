#include "export/number_text.h"

#include <charconv>
#include <cmath>
#include <cstring>

#include "core/rules.h"

namespace vh {

size_t WriteNumberText(char* out, float v) {
    if (!std::isfinite(v)) {
        // Never met in a terrain; kept identical to the shared rule.
        std::string t = NumberText(v);
        std::memcpy(out, t.data(), t.size());
        return t.size();
    }
    if (v == 0.0f) {  // also -0, which has no sign in the text
        out[0] = '0';
        return 1;
    }
    // "%.7G" of the value widened to double: general form, 7 significant
    // digits, trailing zeros dropped, exponent of at least two digits.
    char buf[32];
    auto res = std::to_chars(buf, buf + sizeof buf, static_cast<double>(v), std::chars_format::general, 7);
    size_t n = static_cast<size_t>(res.ptr - buf);
    for (size_t i = 0; i < n; ++i)
        if (buf[i] == 'e') buf[i] = 'E';
    std::memcpy(out, buf, n);
    return n;
}

void AppendNumberText(std::string& out, float v) {
    char buf[kNumberTextMax];
    out.append(buf, WriteNumberText(buf, v));
}

std::string FaceSuffix(const std::string& texture, float scaleX, float scaleY) {
    std::string t = texture + " 0 0 0 ";
    AppendNumberText(t, scaleX);
    t += ' ';
    AppendNumberText(t, scaleY);
    return t + "\r\n";
}

}  // namespace vh
