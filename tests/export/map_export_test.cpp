// The export driver over many squares: levels, styles, number texts, edge
// cases and failures.
#include "export/map_export.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>
#include <random>
#include <regex>

#include "core/rules.h"
#include "export/height_image.h"
#include "export/number_text.h"
#include "export_fixture.h"

using vhtest::ExportToText;
using vhtest::SplitCrLf;

namespace {

size_t Count(const std::vector<std::string>& lines, const std::string& line) {
    return static_cast<size_t>(std::count(lines.begin(), lines.end(), line));
}

std::string NumberWriterText(float v) {
    std::string t;
    vh::AppendNumberText(t, v);
    return t;
}

}  // namespace

TEST(MapLevels, FlatIsPlusMinusGridAndClampsAt4096) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    s.Tools.Grid = 16;
    auto flat = vh::ComputeMapLevels(s.Terrain, s.Tools.Grid);
    EXPECT_EQ(flat.Low, -16.0f);
    EXPECT_EQ(flat.High, 16.0f);
    s.Tools.Grid = 32;
    for (size_t i = 1; i < s.Terrain.Points.size(); ++i)
        s.Terrain.Points[i].Height = 5000 + static_cast<float>(i);
    auto high = vh::ComputeMapLevels(s.Terrain, s.Tools.Grid);
    EXPECT_EQ(high.Low, 4096.0f - 32);
    EXPECT_EQ(high.High, 5009.0f + 32);
    for (size_t i = 1; i < s.Terrain.Points.size(); ++i)
        s.Terrain.Points[i].Height = -5000 - static_cast<float>(i);
    auto low = vh::ComputeMapLevels(s.Terrain, s.Tools.Grid);
    EXPECT_EQ(low.Low, -5009.0f - 32);
    EXPECT_EQ(low.High, -4096.0f + 32);
}

TEST(MapExport, FlatTerrainIsOneQuadPerSquareFromZeroDownToMinus16) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 17, 17);
    s.Export.AddHint = false;
    s.Export.AddSky = false;
    const auto lines = SplitCrLf(ExportToText(s));
    ASSERT_EQ(lines.size(), 2u + 256u * 8u + 1u);
    const std::regex top(R"(        (\( \S+ \S+ 0 \) ){3}OUT_DIRT1 .*)");
    const std::regex floor(R"(        (\( \S+ \S+ -16 \) ){3}OUT_RK3 .*)");
    for (size_t at = 2; at + 1 < lines.size(); at += 8) {
        ASSERT_EQ(lines[at], "    {");
        EXPECT_TRUE(std::regex_match(lines[at + 1], top)) << lines[at + 1];
        EXPECT_TRUE(std::regex_match(lines[at + 2], floor)) << lines[at + 2];
        EXPECT_EQ(lines[at + 7], "    }");
    }
}

TEST(MapExport, XStyleIsACheckerboardAlongAndBetweenRows) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 17, 17);
    s.NewMap.X = 5;  // a New Map setting that differs from the terrain, as after an open
    s.Export.ExportType = "X";
    s.Export.AddHint = false;
    s.Export.AddSky = false;
    const auto lines = SplitCrLf(ExportToText(s));
    ASSERT_EQ(lines.size(), 2u + 512u * 7u + 1u);  // two 7-line brushes per square
    for (int sq = 1; sq <= 256; ++sq) {
        const vh::SquareCorners c = s.Terrain.Corners(sq);
        // "\\" starts with the top face C3, C2, C0; "//" with C2, C0, C1.
        const bool backslash = ((sq - 1) / 16 + (sq - 1) % 16) % 2 == 0;
        const auto& p = s.Terrain.Points[backslash ? c.c3 : c.c2];
        const std::string first = "        ( " + vh::NumberText(p.X) + " " + vh::NumberText(p.Z) + " " +
                                  vh::NumberText(p.Height) + " ) ";
        EXPECT_EQ(lines[static_cast<size_t>(14 * (sq - 1) + 3)].substr(0, first.size()), first)
            << "square " << sq;
    }
}

TEST(MapExport, RandomDiffersBetweenExportsWhileBestFitRepeats) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 17, 17);
    for (size_t i = 1; i < s.Terrain.Points.size(); ++i)
        s.Terrain.Points[i].Height = static_cast<float>((i * 37) % 11) * 16;
    s.Export.ExportType = "Random";
    const std::string r1 = ExportToText(s);
    EXPECT_NE(ExportToText(s), r1);
    s.Export.ExportType = "Best Fit";
    EXPECT_EQ(ExportToText(s), ExportToText(s));
}

TEST(NumberText, ShortestSevenDigitTextMatchesTheSharedRule) {
    EXPECT_EQ(NumberWriterText(12.3456789f), "12.34568");
    EXPECT_EQ(NumberWriterText(2.0f), "2");
    EXPECT_EQ(NumberWriterText(-0.25f), "-0.25");
    std::mt19937 gen(12345);
    std::uniform_int_distribution<uint32_t> bits;
    std::uniform_real_distribution<float> heights(-8192.0f, 8192.0f);
    std::vector<float> values = {-0.0f,
                                 1e7f,
                                 9999999.5f,
                                 1e-45f,
                                 std::numeric_limits<float>::infinity(),
                                 std::numeric_limits<float>::quiet_NaN()};
    for (int i = 0; i < 100000; ++i) {
        const uint32_t b = bits(gen);
        float v;
        std::memcpy(&v, &b, sizeof v);
        values.push_back(v);
        values.push_back(heights(gen));
    }
    for (float v : values) ASSERT_EQ(NumberWriterText(v), vh::NumberText(v)) << v;
}

TEST(MapExport, FirstAndLastLinesWithoutHintOrSky) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    s.Export.AddHint = false;
    s.Export.AddSky = false;
    const std::string text = ExportToText(s);
    EXPECT_EQ(text.substr(0, 33), "{\r\n    \"classname\" \"worldspawn\"\r\n");
    EXPECT_EQ(text.substr(text.size() - 10), "    }\r\n}\r\n");
    for (const auto& line : SplitCrLf(text)) EXPECT_EQ(line.find('\n'), std::string::npos);
}

TEST(MapExport, UnknownStyleWritesNoTerrainButHintAndSky) {
    vh::EditorState s;
    vhtest::MakeOneSquare(s, 0, 0, 0, 0);
    s.Export.ExportType = "best fit";  // case matters
    s.Export.AddHint = true;
    s.Export.AddSky = true;
    const auto lines = SplitCrLf(ExportToText(s));
    EXPECT_EQ(lines.size(), 2u + 8u + 5u * 8u + 1u);
    EXPECT_EQ(Count(lines, "    {"), 6u);
    for (const auto& line : lines) EXPECT_EQ(line.find("OUT_"), std::string::npos) << line;
}

TEST(MapExport, UnknownPositionWritesEmptyBrushes) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 3, 2);
    s.Export.ExportType = "//";
    s.Export.ExportPosition = 2;
    s.Export.AddHint = false;
    s.Export.AddSky = false;
    std::vector<std::string> expected = {"{", "    \"classname\" \"worldspawn\""};
    for (int i = 0; i < 4; ++i) {  // two squares, two triangles each
        expected.push_back("    {");
        expected.push_back("    }");
    }
    expected.push_back("}");
    EXPECT_EQ(ExportToText(s), vhtest::CrLf(expected));
}

TEST(MapExport, UnknownPositionStillWritesFullHintBrushes) {
    vh::EditorState s;
    vhtest::MakeOneSquare(s, 0, 0, 0, 0);
    s.Export.ExportPosition = -1;
    s.Export.AddHint = true;
    const auto lines = SplitCrLf(ExportToText(s));
    ASSERT_EQ(lines.size(), 2u + 2u + 8u + 1u);  // an empty quad brush, then the hint brush
    EXPECT_EQ(lines[5], "        ( -32 32 16 ) ( 32 32 16 ) ( 32 -32 16 ) skip 0 0 0 1 1");
}

TEST(MapExport, AFailedWriteLeavesTheOldFileWhole) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 20, 20);
    vhtest::TempDir dir;
    const std::string path = dir.File("keep.map");
    vhtest::WriteFileBytes(path, "previous export");
    // Files may grow to 4 KB only: the write fails part way.
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    const vh::Status written = vhtest::ExportMapOf(s, path);
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldHandler);
    ASSERT_FALSE(written);
    EXPECT_EQ(written.Kind(), vh::ErrorKind::Unwritable);
    EXPECT_FALSE(written.Message().empty());
    EXPECT_EQ(vhtest::ReadFileBytes(path), "previous export");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(MapExport, MapAndBitmapExportsWriteThroughALinkIntoTheGameFolder) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    vhtest::TempDir dir;
    std::filesystem::create_directories(dir.Path() / "game/maps");
    const std::string names[] = {"valley.map", "valley.bmp"};
    for (const std::string& name : names) {
        vhtest::WriteFileBytes(dir.File("game/maps/" + name), "old");
        std::filesystem::create_symlink(dir.File("game/maps/" + name), dir.Path() / name);
    }
    ASSERT_TRUE(vhtest::ExportMapOf(s, dir.File("valley.map")));
    ASSERT_TRUE(vh::ExportHeightImage(s.Terrain, dir.File("valley.bmp")));
    for (const std::string& name : names) EXPECT_TRUE(std::filesystem::is_symlink(dir.Path() / name)) << name;
    EXPECT_EQ(vhtest::ReadFileBytes(dir.File("game/maps/valley.map")).substr(0, 3), "{\r\n");
    EXPECT_EQ(vhtest::ReadFileBytes(dir.File("game/maps/valley.bmp")).substr(0, 2), "BM");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path() / "game/maps"), {}), 2);
}

TEST(MapExport, OnlyFiniteNumbersAreWritten) {
    constexpr float kMax = std::numeric_limits<float>::max();
    vh::EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    s.Terrain.Points[1].Height = kMax;
    s.Terrain.Points[9].Height = -kMax;
    const std::string text = ExportToText(s);
    EXPECT_EQ(text.find("Inf"), std::string::npos);
    EXPECT_EQ(text.find("NaN"), std::string::npos);
    EXPECT_NE(text.find("3.402823E+38"), std::string::npos);

    const std::function<void(vh::EditorState&)> damage[] = {
        [](vh::EditorState& t) { t.Terrain.Points[5].Height = std::numeric_limits<float>::infinity(); },
        [](vh::EditorState& t) { t.Terrain.Points[5].Height = std::numeric_limits<float>::quiet_NaN(); },
        [](vh::EditorState& t) { t.Brushes.SideScaleY = std::numeric_limits<float>::infinity(); },
    };
    for (const auto& d : damage) {
        vh::EditorState t;
        vhtest::MakeTerrain(t, 3, 3);
        d(t);
        vhtest::TempDir dir;
        const vh::Status written = vhtest::ExportMapOf(t, dir.File("x.map"));
        ASSERT_FALSE(written);
        EXPECT_EQ(written.Kind(), vh::ErrorKind::Invalid);
        EXPECT_FALSE(written.Message().empty());
        EXPECT_FALSE(std::filesystem::exists(dir.File("x.map")));
    }
}
