#include "export/plane_count.h"

#include <cmath>
#include <cstdlib>

#include "export/number_text.h"

namespace vh {

namespace {

// The value a compiler reads back from the number's text.
double AsRead(float v) {
    if (v == std::nearbyint(v) && std::fabs(v) < 1e7f) return v;
    char text[kNumberTextMax + 1];
    text[WriteNumberText(text, v)] = 0;
    return std::strtod(text, nullptr);
}

}  // namespace

PlaneCounter::PlaneCounter(size_t expected) {
    size_t cap = 64;
    while (cap < expected * 2) cap <<= 1;
    slots_.assign(cap, 0);
}

void PlaneCounter::Insert(uint64_t key, bool surface) {
    const size_t mask = slots_.size() - 1;
    size_t i = static_cast<size_t>(key >> 17) & mask;
    for (; slots_[i] != 0; i = (i + 1) & mask) {
        if ((slots_[i] & ~1ull) != key) continue;
        if (surface && !(slots_[i] & 1)) slots_[i] |= 1, ++surface_;
        return;
    }
    slots_[i] = key | (surface ? 1 : 0);
    surface_ += surface ? 1 : 0;
    if (++count_ * 2 <= slots_.size()) return;
    std::vector<uint64_t> old(slots_.size() * 2, 0);
    old.swap(slots_);
    for (uint64_t k : old) {
        if (k == 0) continue;
        size_t j = static_cast<size_t>((k & ~1ull) >> 17) & (slots_.size() - 1);
        while (slots_[j] != 0) j = (j + 1) & (slots_.size() - 1);
        slots_[j] = k;
    }
}

void PlaneCounter::Face(const FacePoints& face, FaceTexture texture) {
    ++faces_;
    double p[3][3];
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) p[i][j] = AsRead(face.P[i][j]);
    // normal = (p0 - p1) x (p2 - p1), normalised; dist = p1 . normal
    const double ax = p[0][0] - p[1][0], ay = p[0][1] - p[1][1], az = p[0][2] - p[1][2];
    const double bx = p[2][0] - p[1][0], by = p[2][1] - p[1][1], bz = p[2][2] - p[1][2];
    double n[3] = {ay * bz - az * by, az * bx - ax * bz, ax * by - ay * bx};
    const double len = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    if (len < 1e-6) return;  // a compiler drops a face without a normal
    for (double& v : n) v /= len;
    const double d = p[1][0] * n[0] + p[1][1] * n[1] + p[1][2] * n[2];
    // Cells of the compiler's tolerances, turned so that a plane and its
    // opposite land in the same cell: the first non-zero part positive.
    auto cell = [](double v) { return static_cast<int64_t>(std::nearbyint(v)); };  // odd: cell(-v) = -cell(v)
    const int64_t k[4] = {cell(n[0] * 1e6), cell(n[1] * 1e6), cell(n[2] * 1e6), cell(d * 1e4)};
    const int64_t lead = k[0] != 0 ? k[0] : k[1] != 0 ? k[1] : k[2];
    uint64_t h = 0x9E3779B97F4A7C15ull;
    for (int64_t v : k) {
        h ^= static_cast<uint64_t>(lead < 0 ? -v : v);
        h *= 0xBF58476D1CE4E5B9ull;
        h ^= h >> 29;
    }
    h &= ~1ull;
    if (h == 0) h = 2;
    Insert(h, texture == FaceTexture::Top);
}

}  // namespace vh
