// Mutated TGA, BMP, GIF and JPEG files through the program's image loaders:
// each loads within the size limits or is refused with a message, and a
// header announcing a huge or empty image is refused before pixels are read.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "generate/pipeline.h"
#include "reader_checks.h"
#include "samples.h"
#include "support/fuzz_loop.h"
#include "support/temp_dir.h"
#include "view/tga_reader.h"

namespace {

using vhtest::Draw;

bool EndsWith(const std::string& s, const char* tail) {
    return s.size() >= std::strlen(tail) &&
           s.compare(s.size() - std::strlen(tail), std::string::npos, tail) == 0;
}

// Writes an image's width and height where its format keeps them.
void PutSides(std::string& b, const std::string& name, int w, int h, Draw d) {
    if (EndsWith(name, ".tga")) {
        d.Put(b, 12, static_cast<uint16_t>(w));
        d.Put(b, 14, static_cast<uint16_t>(h));
    } else if (EndsWith(name, ".bmp")) {
        d.Put(b, 18, static_cast<int32_t>(w));
        d.Put(b, 22, static_cast<int32_t>(d.Int(0, 1) ? h : -h));  // negative: rows top-down
    } else if (EndsWith(name, ".gif")) {
        for (size_t at : {size_t{6}, size_t{13 + 768 + 5}}) {  // screen, then the image descriptor
            d.Put(b, at, static_cast<uint16_t>(w));
            d.Put(b, at + 2, static_cast<uint16_t>(h));
        }
    } else if (size_t sof = b.find("\xFF\xC0"); sof != std::string::npos) {  // JPEG, big-endian
        for (auto [at, v] : {std::pair{sof + 5, h}, std::pair{sof + 7, w}}) {
            d.Put(b, at, static_cast<char>(v >> 8 & 0xFF));
            d.Put(b, at + 1, static_cast<char>(v & 0xFF));
        }
    }
}

// Empty, tiny, at and just past each limit, the format's largest, anything.
int OddSide(Draw& d) {
    return d.Pick<int>({0, 1, 2, 4096, 4097, 16384, 16385, 65535, d.Int(0, 70000)});
}

std::string Mutate(std::string b, const std::string& name, Draw d) {
    const bool tga = EndsWith(name, ".tga");
    for (int n = d.Int(1, 3); n > 0; --n) {
        switch (d.Int(0, 5)) {
            case 0:
                PutSides(b, name, d.Int(0, 1) ? OddSide(d) : d.Int(1, 64),
                         d.Int(0, 1) ? OddSide(d) : d.Int(1, 64), d);
                break;
            case 1:  // TGA type and depth; elsewhere a header byte
                if (tga) {
                    d.Put(b, 2, d.Pick<char>({2, 3, 10, 11, 1, 0, 9, '\xFF'}));
                    d.Put(b, 16, d.Pick<char>({8, 15, 16, 24, 32, 0, '\xFF'}));
                } else {
                    d.Put(b, static_cast<size_t>(d.Int(0, 63)), d.Byte());
                }
                break;
            case 2:  // TGA origin and alpha bits, image id and colour map lengths
                d.Put(b, tga ? 17 : static_cast<size_t>(d.Int(0, 63)), d.Byte());
                if (tga && d.Int(0, 1)) {
                    d.Put(b, 0, d.Byte());
                    d.Put(b, 1, '\1');
                    d.Put(b, 5, static_cast<uint16_t>(d.Int(0, 65535)));
                    d.Put(b, 7, d.Pick<char>({15, 16, 24, 32, '\xFF'}));
                }
                break;
            case 3:  // run-length packet counts and pixels past the header
                if (b.size() > 18)
                    b[static_cast<size_t>(d.Int(18, static_cast<int>(b.size()) - 1))] =
                        d.Pick<char>({'\xFF', '\x7F', '\x80', '\0', d.Byte()});
                break;
            default:
                d.AnyEdit(b);
        }
    }
    return b;
}

// Mutants of the samples through `check`; both outcomes must occur often.
void FuzzSamples(const std::vector<vhfuzz::Sample>& samples, uint32_t seed, vhtest::FuzzBudget budget,
                 vhfuzz::Verdict (*check)(std::string_view)) {
    for (const vhfuzz::Sample& s : samples) ASSERT_TRUE(check(s.Bytes).Loaded) << s.Name;
    int loaded = 0, refused = 0;
    const int tried = vhtest::FuzzCases(seed, budget, [&](std::mt19937& rng) {
        const vhfuzz::Sample& s = samples[rng() % samples.size()];
        const vhfuzz::Verdict v = check(Mutate(s.Bytes, s.Name, Draw{rng}));
        ASSERT_EQ(v.Fault, "") << s.Name;
        ++(v.Loaded ? loaded : refused);
    });
    if (vhtest::ReplayingOneCase()) return;
    EXPECT_GT(loaded, tried / 10);
    EXPECT_GT(refused, tried / 10);
    std::printf("[   FUZZ   ] %d loaded, %d refused\n", loaded, refused);
}

TEST(ImageFuzz, TgaMutantsLoadWithinLimitsOrAreRefused) {
    FuzzSamples(vhfuzz::SampleTgas(), 1717, {20000, 10}, vhfuzz::CheckTga);
}

TEST(ImageFuzz, BmpGifJpegMutantsLoadWithinLimitsOrAreRefused) {
    FuzzSamples(vhfuzz::SampleImages(), 2626, {6000, 15}, vhfuzz::CheckImage);
}

TEST(ImageLimits, HugeOrEmptyHeadersAreRefusedWithAMessage) {
    vhtest::TempDir dir;
    std::mt19937 rng(1);
    std::vector<vhfuzz::Sample> samples = vhfuzz::SampleTgas();
    for (const vhfuzz::Sample& s : vhfuzz::SampleImages()) samples.push_back(s);
    // The largest sides some formats' own readers refuse first.
    const struct {
        int w, h;
        bool ours;
    } sides[] = {{65535, 65535, false}, {16385, 1, true}, {4097, 4096, true}, {0, 5, false}, {5, 0, false}};
    for (const vhfuzz::Sample& s : samples)
        for (const auto& side : sides) {
            std::string bytes = s.Bytes;
            Draw d{rng};
            PutSides(bytes, s.Name, side.w, side.h, d);
            const std::string path = dir.File(s.Name);
            vhtest::WriteFileBytes(path, bytes);
            const vh::Result<QImage> r =
                EndsWith(s.Name, ".tga") ? vh::view::ReadTgaFile(path) : vh::LoadHeightImagePreview(path);
            ASSERT_FALSE(r.Ok()) << s.Name << " " << side.w << " x " << side.h;
            EXPECT_FALSE(r.Message().empty());
            if (side.ours) {
                EXPECT_EQ(r.Kind(), vh::ErrorKind::TooLarge);
                EXPECT_NE(r.Message().find("is too large to use"), std::string::npos) << r.Message();
            }
        }
}

}  // namespace
