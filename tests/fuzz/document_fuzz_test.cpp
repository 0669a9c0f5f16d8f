// Mutated documents and settings files through the program's readers: each
// is opened and consistent, or refused with a message leaving the current
// terrain and settings as they were (see fuzz/reader_checks.h).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "reader_checks.h"
#include "samples.h"
#include "support/fuzz_loop.h"

namespace {

using vhtest::Draw;

// The sample is a 9 x 7 terrain: 63 points of 14 bytes, 48 squares of 48.
constexpr size_t kArrayBytes = 63 * 14 + 48 * 48;

// tail: the bytes after the squares (the map's choices).
std::string MutateDocument(std::string b, Draw d, size_t tail) {
    const size_t arrays = b.size() - tail - kArrayBytes;
    switch (d.Int(0, tail ? 9 : 8)) {
        case 9:  // the choices block: a byte changed, or cut anywhere
            if (d.Int(0, 1))
                b[b.size() - tail + static_cast<size_t>(d.Int(0, static_cast<int>(tail) - 1))] = d.Byte();
            else
                b.resize(b.size() - static_cast<size_t>(d.Int(1, static_cast<int>(tail))));
            break;
        case 0:
        case 1:
            d.AnyEdit(b);
            break;
        case 2: {  // one of the three counts: an odd value, a near miss or anything
            const size_t at = 5 + 4 * static_cast<size_t>(d.Int(0, 2));
            float old;
            std::memcpy(&old, b.data() + at, 4);
            d.Put(b, at,
                  d.Pick<float>({d.Pick<float>({0, -1, 1, 2, NAN, INFINITY, 1e9f, 32767, 32768, 0.5f, -0.0f}),
                                 static_cast<float>(d.Int(0, 40000)), old + static_cast<float>(d.Int(-3, 3)),
                                 old + 0.25f}));
            break;
        }
        case 3: {  // garbage, perhaps after a believable version
            std::string g(static_cast<size_t>(d.Int(0, 2000)), '\0');
            for (char& c : g) c = d.Byte();
            b = d.Int(0, 1) ? std::string{'\3', '\0', '2', '0', '0'} + g : g;
            break;
        }
        case 4:  // an index-like value somewhere in the point or square records
            d.Put(b, arrays + 2 * static_cast<size_t>(d.Int(0, int(kArrayBytes - 4) / 2)),
                  static_cast<float>(d.Int(-2, 400)));
            break;
        case 5:  // the length of the last export path
            d.Put(b, 17, static_cast<uint16_t>(d.Int(0, 65535)));
            break;
        case 6:  // a point's x, height or z far out or off the spacing: kept, so the writers meet it
            d.Put(b, arrays + 14 * static_cast<size_t>(d.Int(0, 62)) + 4 * static_cast<size_t>(d.Int(0, 2)),
                  d.Pick<float>({3.4e38f, -3.4e38f, 1e20f, -1e9f, 16777217.0f, 0.1f, 1e-40f}));
            break;
        default:  // a harmless edit: another height for one of the points
            d.Put(b, arrays + 14 * static_cast<size_t>(d.Int(0, 62)) + 4, float(d.Int(-4096, 4096)));
    }
    return b;
}

std::string MutateText(std::string t, Draw d) {
    static const char special[] = "=[]\n\r -.eE0123456789 \t";
    for (int n = d.Int(1, 6); n > 0; --n) {
        const size_t at = d.At(t);
        switch (d.Int(0, 5)) {
            case 0:
                t[at] = d.Byte();
                break;
            case 1:
                t[at] = special[d.Int(0, sizeof special - 2)];
                break;
            case 2:
                t.erase(at, static_cast<size_t>(d.Int(1, 40)));
                break;
            case 3:
                t.insert(at, std::string("\nX=")
                                 .append(std::to_string(d.Int(-100000, 100000)))
                                 .append(".")
                                 .append(std::to_string(d.Int(0, 9))));
                break;
            case 4:
                t.insert(at,
                         std::string(static_cast<size_t>(d.Int(1, 3000)), static_cast<char>(d.Int(32, 126))));
                break;
            default:
                t.resize(at);
        }
        if (t.empty()) t.assign(1, '=');
    }
    return t;
}

TEST(DocumentFuzz, MutantsOpenConsistentlyOrLeaveTheEditorAlone) {
    const std::string plain = vhfuzz::SampleDocument(), choices = vhfuzz::SampleDocument(true);
    ASSERT_TRUE(vhfuzz::CheckDocument(plain).Loaded);
    ASSERT_TRUE(vhfuzz::CheckDocument(choices).Loaded);
    int opened = 0, refused = 0;
    const int tried = vhtest::FuzzCases(20261205, {6000, 10}, [&](std::mt19937& rng) {
        const bool withChoices = std::uniform_int_distribution<int>(0, 2)(rng) == 0;
        const std::string& base = withChoices ? choices : plain;
        const vhfuzz::Verdict v =
            vhfuzz::CheckDocument(MutateDocument(base, Draw{rng}, base.size() - plain.size()));
        ASSERT_EQ(v.Fault, "");
        ++(v.Loaded ? opened : refused);
    });
    // Both outcomes must actually occur, or the mutations test nothing.
    if (vhtest::ReplayingOneCase()) return;
    EXPECT_GT(opened, tried / 12);
    EXPECT_GT(refused, tried / 6);
    std::printf("[   FUZZ   ] %d opened, %d refused\n", opened, refused);
}

TEST(SettingsFuzz, MutantsReadSafelyAndWriteBackStably) {
    const std::string base = vhfuzz::SampleSettings();
    vhtest::FuzzCases(4242, {6000, 10}, [&](std::mt19937& rng) {
        ASSERT_EQ(vhfuzz::CheckSettings(MutateText(base, Draw{rng})).Fault, "");
    });
}

}  // namespace
