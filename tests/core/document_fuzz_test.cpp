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
    ASSERT_TRUE(np > 0 && ns > 0 && np <= 32767);
    for (size_t n : {s.Points.size(), s.UndoHeights1.size(), s.RedoHeights.size()}) ASSERT_EQ(n, np + 1u);
    ASSERT_EQ(s.Squares.size(), ns + 1u);
    for (int i = 1; i <= np; ++i) {
        const vh::TerrainPoint& p = s.Points[i];
        ASSERT_TRUE(std::isfinite(p.X) && std::isfinite(p.Z) && std::isfinite(p.Height)) << i;
    }
    for (int i = 1; i <= ns; ++i) {
        const vh::TerrainSquare& q = s.Squares[i];
        for (float c : {q.CornerNextLeft, q.CornerNextRight, q.CornerLeft, q.CornerRight})
            ASSERT_TRUE(Whole(c) && c >= 1 && c <= np) << i;
        for (float n : {q.SqNext, q.SqPrev, q.SqLeft, q.SqRight, q.SqNextLeft, q.SqNextRight, q.SqPrevLeft,
                        q.SqPrevRight})
            ASSERT_TRUE(Whole(n) && n >= 0 && n <= ns) << i;
    }
}

struct Mutator {
    std::mt19937 rng;
    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
    char Byte() { return static_cast<char>(Int(0, 255)); }
    size_t At(const std::string& b) { return static_cast<size_t>(Int(0, static_cast<int>(b.size()) - 1)); }
    void PutFloat(std::string& b, size_t at, float v) { std::memcpy(b.data() + at, &v, 4); }

    std::string Mutate(std::string b, size_t arraysStart) {
        static const float odd[] = {0,    -1,    1,     2,     NAN,  INFINITY, -INFINITY,
                                    1e9f, 32767, 32768, 65535, 0.5f, -0.0f};
        switch (Int(0, 10)) {
            case 0:
                b.resize(At(b));
                break;
            case 1:
                for (int n = Int(1, 8); n > 0; --n) b[At(b)] = Byte();
                break;
            case 2: {  // one of the three counts: an odd value, a near miss or anything
                size_t at = 5 + 4 * static_cast<size_t>(Int(0, 2));
                float old, v[] = {odd[Int(0, 12)], static_cast<float>(Int(0, 40000)), 0, 0};
                std::memcpy(&old, b.data() + at, 4);
                v[2] = old + static_cast<float>(Int(-3, 3));
                v[3] = old + 0.25f;
                PutFloat(b, at, v[Int(0, 3)]);
                break;
            }
            case 3: {
                std::string g(static_cast<size_t>(Int(0, 2000)), '\0');
                for (char& c : g) c = Byte();
                if (Int(0, 1)) g.insert(0, std::string{'\3', '\0', '2', '0', '0'});  // a believable version
                b = g;
                break;
            }
            case 4:
                for (int n = Int(1, 64); n > 0; --n) b.push_back(Byte());
                break;
            case 5:  // an index-like value somewhere in the point or square records
                PutFloat(b,
                         arraysStart + 2 * static_cast<size_t>(Int(0, int(b.size() - arraysStart - 4) / 2)),
                         static_cast<float>(Int(-2, 400)));
                break;
            case 6: {
                uint16_t len = static_cast<uint16_t>(Int(0, 65535));
                std::memcpy(b.data() + 17, &len, 2);
                break;
            }
            case 7:
                b.insert(static_cast<size_t>(Int(0, static_cast<int>(b.size()))), 1, Byte());
                break;
            case 8:
                b.erase(At(b), 1);
                break;
            default:  // a harmless edit: another height for one of the 63 points
                PutFloat(b, arraysStart + 14 * static_cast<size_t>(Int(0, 62)) + 4, float(Int(-4096, 4096)));
        }
        return b;
    }

    std::string MutateText(std::string t) {
        static const char special[] = "=[]\n\r -.eE0123456789 \t";
        for (int n = Int(1, 6); n > 0; --n) {
            size_t at = At(t);
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
                    t.insert(at,
                             "\nX=" + std::to_string(Int(-100000, 100000)) + "." + std::to_string(Int(0, 9)));
                    break;
                case 4:
                    t.insert(at,
                             std::string(static_cast<size_t>(Int(1, 3000)), static_cast<char>(Int(32, 126))));
                    break;
                default:
                    t.resize(at);
            }
            if (t.empty()) t = "=";
        }
        return t;
    }
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
    Mutator m{std::mt19937(20261205)};
    int accepted = 0, refused = 0;
    for (int i = 0; i < 6000; ++i) {
        vh::DocumentLoad r = vh::DecodeDocument(m.Mutate(base, arraysStart), "mutant");
        if (r.Ok()) {
            ++accepted;
            EditorState s;
            vh::ApplyDocument(s, r.Data);
            ExpectConsistent(s);
            if (HasFatalFailure()) FAIL() << "case " << i;
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
    original.LoopRunning = vh::kTrue;
    Mutator m{std::mt19937(777)};
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

TEST(SettingsFuzz, MutatedFilesReadSafelyAndWriteBackStably) {
    EditorState base;
    vh::SetDefaults(base, "/prog");
    base.Recent[1] = "/maps/one.vhm";
    const std::string text = vh::SettingsText(base);
    vhtest::TempDir dir;
    Mutator m{std::mt19937(4242)};
    for (int i = 0; i < 3000; ++i) {
        const std::string mutant = m.MutateText(text);
        EditorState s, t;
        vh::SetDefaults(s, "/prog");
        vh::SetDefaults(t, "/prog");
        if (i % 50 == 0) {
            vhtest::WriteFileBytes(dir.File("f.ini"), mutant);
            ASSERT_TRUE(vh::ReadSettingsFile(s, dir.File("f.ini"))) << i;
        } else {
            vh::ApplySettingsText(s, mutant);
        }
        for (float f : {s.MaxSeed, s.WalkSpeed, s.SmoothThreshold, s.SmoothToolThreshold, s.WindowTop,
                        s.WindowLeft, s.WindowHeight, s.WindowWidth, s.TopScaleX, s.MinNormal})
            ASSERT_TRUE(std::isfinite(f)) << i;
        ASSERT_TRUE(s.WindowState >= 0 && s.WindowState <= 2) << i;
        ASSERT_LE(s.WindowTop, static_cast<float>(s.ScreenHeightTwips));
        for (int k = 1; k <= 8; ++k) ASSERT_EQ(s.Recent[k].find_first_of("\r\n"), std::string::npos);

        // What was read is written and read back to the same settings (numbers within 1e-6).
        const std::string once = vh::SettingsText(s);
        vh::ApplySettingsText(t, once);
        std::istringstream a(once), b(vh::SettingsText(t));
        std::string la, lb;
        while (std::getline(a, la)) {
            ASSERT_TRUE(std::getline(b, lb)) << i;
            if (la == lb) continue;
            size_t ea = la.find('='), eb = lb.find('=');
            auto x = vh::ReadNumberStrict(la.substr(ea + 1)), y = vh::ReadNumberStrict(lb.substr(eb + 1));
            ASSERT_TRUE(ea != std::string::npos && la.substr(0, ea) == lb.substr(0, eb) && x && y &&
                        std::fabs(*x - *y) <= 1e-6 * std::max(1.0, std::fabs(*x)))
                << "case " << i << ": " << la << " / " << lb;
        }
        ASSERT_FALSE(std::getline(b, lb)) << i;
    }
}

}  // namespace
