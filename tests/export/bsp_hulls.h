// The collision hulls of a compiled map, read back from its .bsp: what a
// Quake engine tests the player (hull 1) and large monsters (hull 2) against.
// BSP29 and BSP2; only the world model.
#pragma once

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace vhtest {

class BspHulls {
public:
    static constexpr int kEmpty = -1, kSolid = -2;

    // False with *why when the file is not a map this reads.
    bool Load(const std::string& path, std::string* why) {
        std::ifstream in(path, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (bytes.size() < 4 + 15 * 8) return Fail(why, "too short");
        const int32_t version = I32(bytes, 0);
        bool bsp2 = false;
        if (bytes.compare(0, 4, "BSP2") == 0) {
            bsp2 = true;
        } else if (version != 29) {
            return Fail(why, "version " + std::to_string(version));
        }
        auto lump = [&](int i, size_t size, size_t* count) {
            const int32_t offset = I32(bytes, 4 + 8 * i), length = I32(bytes, 8 + 8 * i);
            if (offset < 0 || length < 0 ||
                static_cast<size_t>(offset) + static_cast<size_t>(length) > bytes.size() ||
                length % static_cast<int32_t>(size) != 0)
                return static_cast<size_t>(-1);
            *count = static_cast<size_t>(length) / size;
            return static_cast<size_t>(offset);
        };
        size_t n = 0;
        const size_t planes = lump(1, 20, &n);
        if (planes == static_cast<size_t>(-1)) return Fail(why, "planes");
        for (size_t i = 0; i < n; ++i) {
            const size_t at = planes + 20 * i;
            planes_.push_back({{F32(bytes, at), F32(bytes, at + 4), F32(bytes, at + 8)},
                               F32(bytes, at + 12),
                               I32(bytes, at + 16)});
        }
        const size_t nodeSize = bsp2 ? 12 : 8;
        const size_t clip = lump(9, nodeSize, &n);
        if (clip == static_cast<size_t>(-1)) return Fail(why, "clipnodes");
        for (size_t i = 0; i < n; ++i) {
            const size_t at = clip + nodeSize * i;
            ClipNode c{I32(bytes, at), {0, 0}};
            for (int k = 0; k < 2; ++k) {
                if (bsp2) {
                    c.Children[k] = I32(bytes, at + 4 + 4 * k);
                } else {
                    // Unsigned, as engines read large maps; the top 16 values are contents.
                    uint16_t u;
                    std::memcpy(&u, bytes.data() + at + 4 + 2 * k, 2);
                    c.Children[k] = u >= 0xFFF0 ? static_cast<int>(u) - 0x10000 : u;
                }
            }
            clip_.push_back(c);
        }
        const size_t models = lump(14, 64, &n);
        if (models == static_cast<size_t>(-1) || n == 0) return Fail(why, "models");
        for (int h = 0; h < 4; ++h) head_[h] = I32(bytes, models + 36 + 4 * h);
        return true;
    }

    // kEmpty or kSolid (or other contents) of a point in hull 1 or 2.
    int Contents(int hull, double x, double y, double z) const {
        const double p[3] = {x, y, z};
        int num = head_[hull];
        for (size_t steps = 0; num >= 0 && steps <= clip_.size(); ++steps) {
            if (static_cast<size_t>(num) >= clip_.size()) return kSolid;
            const ClipNode& c = clip_[static_cast<size_t>(num)];
            if (c.Plane < 0 || static_cast<size_t>(c.Plane) >= planes_.size()) return kSolid;
            const Plane& pl = planes_[static_cast<size_t>(c.Plane)];
            const double d =
                (pl.Type >= 0 && pl.Type < 3 ? p[pl.Type] : pl.N[0] * x + pl.N[1] * y + pl.N[2] * z) -
                pl.Dist;
            num = c.Children[d < 0 ? 1 : 0];
        }
        return num;
    }

private:
    struct Plane {
        float N[3];
        float Dist;
        int32_t Type;
    };
    struct ClipNode {
        int32_t Plane;
        int Children[2];
    };

    static int32_t I32(const std::string& b, size_t at) {
        int32_t v = 0;
        if (at + 4 <= b.size()) std::memcpy(&v, b.data() + at, 4);
        return v;
    }
    static float F32(const std::string& b, size_t at) {
        float v = 0;
        if (at + 4 <= b.size()) std::memcpy(&v, b.data() + at, 4);
        return v;
    }
    static bool Fail(std::string* why, const std::string& what) {
        if (why) *why = "not a map this reads: " + what;
        return false;
    }

    std::vector<Plane> planes_;
    std::vector<ClipNode> clip_;
    int head_[4] = {};
};

}  // namespace vhtest
