// Mutated documents and settings files: the readers must never crash, and
// either produce a consistent terrain or refuse without touching the old one.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <sstream>

#include "core/document.h"
#include "core/rules.h"
#include "core/settings.h"
#include "support/scripted_prompts.h"
#include "support/temp_dir.h"
#include "support/terrain_fixture.h"

namespace {

using vh::EditorState;

bool Whole(float v) {
    return std::isfinite(v) && v == std::floor(v);
}

// Checked independently of the reader: every index a square holds addresses
// an existing point or square, and the arrays match the counts.
void ExpectConsistent(const EditorState& s) {
    ASSERT_TRUE(Whole(s.PointCount) && Whole(s.SquareCount) && Whole(s.PointsPerRow));
    const int np = s.PointTotal(), ns = s.SquareTotal();
    ASSERT_GT(np, 0);
    ASSERT_GT(ns, 0);
    ASSERT_LE(np, 32767);
    ASSERT_EQ(s.Points.size(), static_cast<size_t>(np) + 1);
    ASSERT_EQ(s.Squares.size(), static_cast<size_t>(ns) + 1);
    ASSERT_EQ(s.UndoHeights1.size(), static_cast<size_t>(np) + 1);
    ASSERT_EQ(s.RedoHeights.size(), static_cast<size_t>(np) + 1);
    for (int i = 1; i <= np; ++i) {
        const vh::TerrainPoint& p = s.Points[i];
        ASSERT_TRUE(std::isfinite(p.X) && std::isfinite(p.Z) && std::isfinite(p.Height)) << i;
    }
    for (int i = 1; i <= ns; ++i) {
        const vh::TerrainSquare& q = s.Squares[i];
        for (float c : {q.CornerNextLeft, q.CornerNextRight, q.CornerLeft, q.CornerRight}) {
            ASSERT_TRUE(Whole(c)) << i;
            ASSERT_GE(c, 1) << i;
            ASSERT_LE(c, np) << i;
        }
        for (float n : {q.SqNext, q.SqPrev, q.SqLeft, q.SqRight, q.SqNextLeft, q.SqNextRight, q.SqPrevLeft,
                        q.SqPrevRight}) {
            ASSERT_TRUE(Whole(n)) << i;
            ASSERT_GE(n, 0) << i;
            ASSERT_LE(n, ns) << i;
        }
    }
}

class Mutator {
public:
    explicit Mutator(uint32_t seed) : rng_(seed) {}

    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    char Byte() { return static_cast<char>(Int(0, 255)); }

    float InterestingFloat(float around) {
        static const float values[] = {0.0f, -1.0f,    1.0f,     2.0f,     NAN,  INFINITY, -INFINITY,
                                       1e9f, 32767.0f, 32768.0f, 65535.0f, 0.5f, -0.0f,    3.4e38f};
        switch (Int(0, 3)) {
            case 0:
                return values[Int(0, 13)];
            case 1:
                return around + static_cast<float>(Int(-3, 3));
            case 2:
                return static_cast<float>(Int(0, 40000));
            default:
                return around + 0.25f;
        }
    }

    std::string Mutate(const std::string& base, size_t arraysStart) {
        std::string b = base;
        switch (Int(0, 10)) {
            case 9:
            case 10: {
                // A harmless edit: another height for one of the 63 points.
                float v = static_cast<float>(Int(-4096, 4096));
                std::memcpy(b.data() + arraysStart + 14 * static_cast<size_t>(Int(0, 62)) + 4, &v, 4);
                break;
            }
            case 0:
                b.resize(static_cast<size_t>(Int(0, static_cast<int>(b.size()) - 1)));
                break;
            case 1:
                for (int n = Int(1, 8); n > 0; --n)
                    b[static_cast<size_t>(Int(0, static_cast<int>(b.size()) - 1))] = Byte();
                break;
            case 2: {
                size_t at = 5 + 4 * static_cast<size_t>(Int(0, 2));
                float old;
                std::memcpy(&old, b.data() + at, 4);
                float v = InterestingFloat(old);
                std::memcpy(b.data() + at, &v, 4);
                break;
            }
            case 3: {
                std::string g(static_cast<size_t>(Int(0, 2000)), '\0');
                for (char& c : g) c = Byte();
                b = Int(0, 1) ? std::string(
                                    "\x03\x00"
                                    "200",
                                    5) +
                                    g
                              : g;
                break;
            }
            case 4:
                for (int n = Int(1, 64); n > 0; --n) b.push_back(Byte());
                break;
            case 5: {
                // An index-like value somewhere in the point or square records.
                size_t span = b.size() - arraysStart - 4;
                size_t at = arraysStart + 2 * static_cast<size_t>(Int(0, static_cast<int>(span / 2)));
                float v = static_cast<float>(Int(-2, 400));
                std::memcpy(b.data() + at, &v, 4);
                break;
            }
            case 6: {
                uint16_t len = static_cast<uint16_t>(Int(0, 65535));
                std::memcpy(b.data() + 17, &len, 2);
                break;
            }
            case 7:
                b.insert(static_cast<size_t>(Int(0, static_cast<int>(b.size()))), 1, Byte());
                break;
            default:
                b.erase(static_cast<size_t>(Int(0, static_cast<int>(b.size()) - 1)), 1);
                break;
        }
        return b;
    }

    std::string MutateText(const std::string& base) {
        std::string t = base;
        static const char special[] = "=[]\n\r -.eE0123456789 \t";
        for (int n = Int(1, 6); n > 0; --n) {
            size_t at = static_cast<size_t>(Int(0, static_cast<int>(t.size()) - 1));
            switch (Int(0, 5)) {
                case 0:
                    t[at] = Byte();
                    break;
                case 1:
                    t[at] = special[Int(0, sizeof special - 2)];
                    break;
                case 2:
                    t.erase(at, static_cast<size_t>(Int(1, 40)));
                    break;
                case 3:
                    t.insert(at, "\nX=" + std::to_string(Int(-100000, 100000)) + "." +
                                     std::to_string(Int(0, 9)) + "\n");
                    break;
                case 4:
                    t.insert(at,
                             std::string(static_cast<size_t>(Int(1, 3000)), static_cast<char>(Int(32, 126))));
                    break;
                default:
                    t.resize(at);
                    break;
            }
            if (t.empty()) t = "=";
        }
        return t;
    }

private:
    std::mt19937 rng_;
};

std::string ValidDocument(size_t* arraysStart) {
    EditorState d;
    vhtest::MakeTerrain(d, 9, 7, 128);
    for (int i = 1; i <= d.PointTotal(); ++i) {
        d.Points[i].Height = static_cast<float>(i % 13) * 16.0f;
        d.Points[i].Locked = i % 5 == 0 ? vh::kTrue : vh::kFalse;
    }
    std::string bytes, error;
    EXPECT_TRUE(vh::EncodeDocument(d, &bytes, &error)) << error;
    *arraysStart = bytes.size() - 63 * 14 - 48 * 48;
    return bytes;
}

TEST(DocumentFuzz, DecodedMutantsAreConsistentOrRefused) {
    size_t arraysStart = 0;
    const std::string base = ValidDocument(&arraysStart);
    ASSERT_TRUE(vh::DecodeDocument(base, "base").Ok());
    Mutator m(20261205);
    int accepted = 0, refused = 0;
    for (int i = 0; i < 6000; ++i) {
        const std::string bytes = m.Mutate(base, arraysStart);
        vh::DocumentLoad r = vh::DecodeDocument(bytes, "mutant");
        if (r.Ok()) {
            ++accepted;
            EditorState s;
            vh::ApplyDocument(s, r.Data);
            ExpectConsistent(s);
            if (::testing::Test::HasFatalFailure()) FAIL() << "case " << i;
        } else {
            ++refused;
            EXPECT_FALSE(r.Message.empty()) << i;
        }
    }
    // Both outcomes must actually occur, or the mutations test nothing.
    EXPECT_GT(accepted, 500);
    EXPECT_GT(refused, 1000);
}

TEST(DocumentFuzz, OpeningMutantsNeverDisturbsTheCurrentTerrain) {
    size_t arraysStart = 0;
    const std::string base = ValidDocument(&arraysStart);
    vhtest::TempDir dir;
    const std::string path = dir.File("m.vhm");
    EditorState original;
    vhtest::MakeTerrain(original, 4, 5);
    original.Points[6].Height = 32;
    original.DocPath = "/maps/original.vhm";
    original.DocTitle = "original.vhm";
    original.LoopRunning = vh::kTrue;
    Mutator m(777);
    int opened = 0;
    for (int i = 0; i < 300; ++i) {
        vhtest::WriteFileBytes(path, m.Mutate(base, arraysStart));
        EditorState s = original;
        vhtest::ScriptedPrompts prompts;
        if (vh::ReadDocument(s, path, "m.vhm", prompts)) {
            ++opened;
            ExpectConsistent(s);
            EXPECT_TRUE(prompts.Messages.empty());
        } else {
            ASSERT_EQ(prompts.Messages.size(), 1u) << i;
            EXPECT_EQ(prompts.Messages[0].Title, "Varnholm");
            ASSERT_EQ(s.PointCount, original.PointCount) << i;
            ASSERT_EQ(s.Points.size(), original.Points.size()) << i;
            for (size_t k = 1; k < s.Points.size(); ++k)
                ASSERT_EQ(s.Points[k].Height, original.Points[k].Height);
            EXPECT_EQ(s.DocPath, original.DocPath);
            EXPECT_EQ(s.LoopRunning, vh::kTrue);
        }
        if (HasFatalFailure()) FAIL() << "case " << i;
    }
    EXPECT_GT(opened, 20);
}

bool NumbersClose(const std::string& a, const std::string& b) {
    auto x = vh::ReadNumberStrict(a), y = vh::ReadNumberStrict(b);
    if (!x || !y) return false;
    return std::fabs(*x - *y) <= 1e-6 * std::max(1.0, std::fabs(*x));
}

std::vector<std::string> SplitLines(const std::string& t) {
    std::vector<std::string> out;
    std::istringstream in(t);
    std::string l;
    while (std::getline(in, l)) out.push_back(l);
    return out;
}

TEST(SettingsFuzz, MutatedFilesReadSafelyAndWriteBackStably) {
    EditorState base;
    vh::SetDefaults(base, "/prog");
    base.Recent[1] = "/maps/one.vhm";
    base.Recent[2] = "/maps/two.vhm";
    const std::string text = vh::SettingsText(base);
    vhtest::TempDir dir;
    const std::string path = dir.File("f.ini");
    Mutator m(4242);
    for (int i = 0; i < 3000; ++i) {
        const std::string mutant = m.MutateText(text);
        EditorState s;
        vh::SetDefaults(s, "/prog");
        if (i % 50 == 0) {
            vhtest::WriteFileBytes(path, mutant);
            ASSERT_TRUE(vh::ReadSettingsFile(s, path)) << i;
        } else {
            vh::ApplySettingsText(s, mutant);
        }
        for (float f : {s.MaxSeed, s.WalkSpeed, s.SmoothThreshold, s.SmoothToolThreshold, s.WindowTop,
                        s.WindowLeft, s.WindowHeight, s.WindowWidth, s.TopScaleX, s.MinNormal})
            ASSERT_TRUE(std::isfinite(f)) << i;
        ASSERT_GE(s.WindowState, 0);
        ASSERT_LE(s.WindowState, 2);
        ASSERT_LE(s.WindowTop, static_cast<float>(s.ScreenHeightTwips));
        for (int k = 1; k <= 8; ++k) ASSERT_EQ(s.Recent[k].find_first_of("\r\n"), std::string::npos);

        // What was read is written and read back to the same settings.
        const std::string once = vh::SettingsText(s);
        EditorState t;
        vh::SetDefaults(t, "/prog");
        vh::ApplySettingsText(t, once);
        std::vector<std::string> a = SplitLines(once), b = SplitLines(vh::SettingsText(t));
        ASSERT_EQ(a.size(), b.size()) << i;
        for (size_t k = 0; k < a.size(); ++k) {
            if (a[k] == b[k]) continue;
            size_t ea = a[k].find('='), eb = b[k].find('=');
            ASSERT_TRUE(ea != std::string::npos && a[k].substr(0, ea) == b[k].substr(0, eb) &&
                        NumbersClose(a[k].substr(ea + 1), b[k].substr(eb + 1)))
                << "case " << i << ": " << a[k] << " / " << b[k];
        }
    }
}

}  // namespace
