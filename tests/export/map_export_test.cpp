// The export driver: levels, styles over many squares, options, progress,
// log and failures.
#include "export/map_export.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <algorithm>
#include <filesystem>

#include "core/rules.h"
#include "export_fixture.h"
#include "support/temp_dir.h"
#include "support/terrain_fixture.h"

using vhtest::ExportToText;
using vhtest::SplitCrLf;

namespace {

size_t Count(const std::vector<std::string>& lines, const std::string& line) {
    return static_cast<size_t>(std::count(lines.begin(), lines.end(), line));
}

// The first point of the first face of brush number k (0-based), as text.
std::string FirstPointOfBrush(const std::vector<std::string>& lines, size_t k) {
    size_t seen = 0;
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i] != "    {") continue;
        if (seen++ == k) {
            const std::string& face = lines[i + 1];
            size_t open = face.find("( ");
            size_t close = face.find(" )");
            return face.substr(open + 2, close - open - 2);
        }
    }
    return {};
}

// The third number of each of a face line's three points.
std::vector<std::string> FaceHeights(const std::string& face) {
    std::vector<std::string> h;
    size_t pos = 0;
    while ((pos = face.find(" )", pos)) != std::string::npos) {
        size_t blank = face.rfind(' ', pos - 1);
        h.push_back(face.substr(blank + 1, pos - blank - 1));
        pos += 2;
    }
    return h;
}

std::string PointText(const vh::TerrainPoint& p) {
    return vh::NumberText(p.X) + " " + vh::NumberText(p.Z) + " " + vh::NumberText(p.Height);
}

}  // namespace

TEST(MapLevels, FlatTerrainAtZeroGivesMinusAndPlusGrid) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 5, 5);
    s.Grid = 16;
    auto l = vh::ComputeMapLevels(s);
    EXPECT_EQ(l.Low, -16.0f);
    EXPECT_EQ(l.High, 16.0f);
}

TEST(MapLevels, ClampAtPlusAndMinus4096) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    s.Grid = 32;
    for (size_t i = 1; i < s.Points.size(); ++i) s.Points[i].Height = 5000 + static_cast<float>(i);
    auto high = vh::ComputeMapLevels(s);
    EXPECT_EQ(high.Low, 4096.0f - 32);
    EXPECT_EQ(high.High, 5009.0f + 32);
    for (size_t i = 1; i < s.Points.size(); ++i) s.Points[i].Height = -5000 - static_cast<float>(i);
    auto low = vh::ComputeMapLevels(s);
    EXPECT_EQ(low.Low, -5009.0f - 32);
    EXPECT_EQ(low.High, -4096.0f + 32);
}

TEST(MapExport, FlatTerrainIsOneQuadPerSquareFromZeroDownToMinus16) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 17, 17);
    s.AddHint = 0;
    s.AddSky = 0;
    const auto lines = SplitCrLf(ExportToText(s));
    ASSERT_EQ(lines.size(), 2u + 256u * 8u + 1u);
    for (size_t b = 0; b < 256; ++b) {
        const size_t at = 2 + b * 8;
        ASSERT_EQ(lines[at], "    {");
        // Surface face: all three points at height 0; floor face at -16.
        EXPECT_EQ(FaceHeights(lines[at + 1]), (std::vector<std::string>{"0", "0", "0"}));
        EXPECT_NE(lines[at + 1].find("OUT_DIRT1"), std::string::npos);
        EXPECT_EQ(FaceHeights(lines[at + 2]), (std::vector<std::string>{"-16", "-16", "-16"}));
        EXPECT_EQ(lines[at + 7], "    }");
    }
}

TEST(MapExport, HighTerrainFloorStaysAt4096LessGrid) {
    vh::EditorState s;
    vhtest::MakeOneSquare(s, 5000, 5000, 5000, 5000);
    s.ExportType = "\\";
    const auto lines = SplitCrLf(ExportToText(s));
    EXPECT_EQ(lines[4], "        ( -32 32 4080 ) ( -32 -32 4080 ) ( 32 -32 4080 ) OUT_RK3 0 0 0 2 2");
}

TEST(MapExport, LowTerrainCeilingStaysAtMinus4096PlusGrid) {
    vh::EditorState s;
    vhtest::MakeOneSquare(s, -5000, -5000, -5000, -5000);
    s.ExportType = "\\";
    s.ExportPosition = 1;
    const auto lines = SplitCrLf(ExportToText(s));
    EXPECT_EQ(lines[3], "        ( 32 -32 -4080 ) ( -32 -32 -4080 ) ( -32 32 -4080 ) OUT_RK3 0 0 0 2 2");
}

TEST(MapExport, XStyleIsACheckerboardAlongAndBetweenRows) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 17, 17);
    s.X = 5;  // a New Map setting that differs from the terrain, as after an open
    s.ExportType = "X";
    s.AddHint = 0;
    s.AddSky = 0;
    const auto lines = SplitCrLf(ExportToText(s));
    ASSERT_EQ(Count(lines, "    {"), 512u);
    for (int row = 0; row < 16; ++row) {
        for (int col = 0; col < 16; ++col) {
            const int sq = row * 16 + col + 1;
            const vh::TerrainSquare& q = s.Squares[sq];
            // "\\" starts with the top face C3, C2, C0; "//" with C2, C0, C1.
            const bool backslash = (row + col) % 2 == 0;
            const auto& first = s.Points[static_cast<int>(backslash ? q.CornerRight : q.CornerLeft)];
            EXPECT_EQ(FirstPointOfBrush(lines, static_cast<size_t>(2 * (sq - 1))), PointText(first))
                << "row " << row << " column " << col;
        }
    }
}

TEST(MapExport, RandomDiffersBetweenExportsWhileBestFitRepeats) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 17, 17);
    for (size_t i = 1; i < s.Points.size(); ++i) s.Points[i].Height = static_cast<float>((i * 37) % 11) * 16;
    s.ExportType = "Random";
    const std::string r1 = ExportToText(s);
    const std::string r2 = ExportToText(s);
    EXPECT_NE(r1, r2);
    s.ExportType = "Best Fit";
    EXPECT_EQ(ExportToText(s), ExportToText(s));
}

TEST(MapExport, APinnedSeedRestartsAtEveryExport) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 9, 9);
    s.ExportType = "Random";
    s.Rnd.Seed(42);
    const std::string first = ExportToText(s);
    EXPECT_EQ(ExportToText(s), first);
    s.Rnd.Seed(43);
    EXPECT_NE(ExportToText(s), first);
}

TEST(MapExport, NumbersUseTheShortestSevenDigitText) {
    vh::EditorState s;
    vhtest::MakeOneSquare(s, 12.3456789f, -0.25f, 0, 0);
    s.ExportType = "\\";
    const auto lines = SplitCrLf(ExportToText(s));
    // T2 top face: C0, C1, C3; scales 2 and 2.
    EXPECT_EQ(lines[10], "        ( -32 32 12.34568 ) ( 32 32 -0.25 ) ( 32 -32 0 ) OUT_DIRT1 0 0 0 2 2");
}

TEST(MapExport, FirstAndLastLinesWithoutHintOrSky) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    s.AddHint = 0;
    s.AddSky = 0;
    const std::string text = ExportToText(s);
    EXPECT_EQ(text.substr(0, 33), "{\r\n    \"classname\" \"worldspawn\"\r\n");
    EXPECT_EQ(text.substr(text.size() - 10), "    }\r\n}\r\n");
    for (const auto& line : SplitCrLf(text)) EXPECT_EQ(line.find('\n'), std::string::npos);
}

TEST(MapExport, EveryLineEndsInCarriageReturnLineFeed) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 4, 4);
    const std::string text = ExportToText(s);
    size_t bare = 0;
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) ++bare;
    EXPECT_EQ(bare, 0u);
    EXPECT_EQ(text.back(), '\n');
}

TEST(MapExport, UnknownStyleWritesNoTerrainButHintAndSky) {
    vh::EditorState s;
    vhtest::MakeOneSquare(s, 0, 0, 0, 0);
    s.ExportType = "best fit";  // case matters
    s.AddHint = -1;
    s.AddSky = -1;
    const auto lines = SplitCrLf(ExportToText(s));
    EXPECT_EQ(lines.size(), 2u + 8u + 5u * 8u + 1u);
    EXPECT_EQ(Count(lines, "    {"), 6u);
    for (const auto& line : lines) EXPECT_EQ(line.find("OUT_"), std::string::npos) << line;
}

TEST(MapExport, UnknownPositionWritesEmptyBrushes) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 3, 2);
    s.ExportType = "//";
    s.ExportPosition = 2;
    s.AddHint = 0;
    s.AddSky = 0;
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
    s.ExportPosition = -1;
    s.AddHint = -1;
    const auto lines = SplitCrLf(ExportToText(s));
    // One empty quad brush for the plane square, then a full hint brush.
    ASSERT_EQ(lines.size(), 2u + 2u + 8u + 1u);
    EXPECT_EQ(lines[5], "        ( -32 32 16 ) ( 32 32 16 ) ( 32 -32 16 ) skip 0 0 0 1 1");
}

TEST(MapExport, TexturesComeFromTheSettings) {
    vh::EditorState s;
    vhtest::MakeOneSquare(s, 0, 0, 0, 0);
    s.AddHint = -1;
    s.AddSky = -1;
    s.HintTexture = "HINT2";
    s.SkipTexture = "SKIP2";
    s.SkyTexture = "SKY4";
    const auto lines = SplitCrLf(ExportToText(s));
    EXPECT_EQ(Count(lines, "        ( -32 32 16 ) ( 32 32 16 ) ( 32 -32 16 ) SKIP2 0 0 0 1 1"), 1u);
    EXPECT_EQ(Count(lines, "        ( 32 32 16 ) ( -32 32 16 ) ( -32 32 -16 ) HINT2 0 0 0 1 1"), 1u);
    size_t sky = 0;
    for (const auto& l : lines) sky += l.size() > 15 && l.substr(l.size() - 15) == " SKY4 0 0 0 1 1";
    EXPECT_EQ(sky, 30u);
}

TEST(MapExport, ReportsProgressPerSquareInBothPhases) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    vhtest::TempDir dir;
    vhtest::RecordingProgress progress;
    ASSERT_TRUE(vh::ExportMap(s, dir.File("p.map"), progress, nullptr));
    std::vector<std::string> got;
    for (const auto& e : progress.Events)
        got.push_back(e.Kind == 'S' ? e.Text : std::string(1, e.Kind) + std::to_string(e.Number));
    EXPECT_EQ(got, (std::vector<std::string>{"M4", "V0", "Exporting Brushes...", "V1", "V2", "V3", "V4",
                                             "Exporting Hint Brushes...", "V1", "V2", "V3", "V4",
                                             "No Selection."}));
}

TEST(MapExport, LogsTheExportAndResumesTheLoop) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    vhtest::TempDir dir;
    s.LogPath = dir.File("debugVH.txt");
    s.LoopRunning = -1;
    s.PickedSquare = 3;
    const std::string path = dir.File("logged.map");
    ASSERT_TRUE(vh::ExportMap(s, path, vh::NoProgress(), nullptr));
    EXPECT_EQ(vhtest::ReadFileBytes(s.LogPath), "MAP EXPORT : Map Exporting " + path + "\n");
    EXPECT_EQ(s.LoopRunning, -1);
    EXPECT_EQ(s.PickedSquare, 0);
}

TEST(MapExport, ExportDoesNotChangeTheTerrain) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 5, 5);
    for (size_t i = 1; i < s.Points.size(); ++i) s.Points[i].Height = static_cast<float>(i) * 3.5f;
    const auto before = s.Points;
    s.DocClean = -1;
    ExportToText(s);
    ASSERT_EQ(s.Points.size(), before.size());
    for (size_t i = 1; i < before.size(); ++i) EXPECT_EQ(s.Points[i].Height, before[i].Height);
    EXPECT_EQ(s.DocClean, -1);
}

TEST(MapExport, AMissingFolderGivesAClearErrorAndNoLog) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    vhtest::TempDir dir;
    s.LogPath = dir.File("debugVH.txt");
    std::string error;
    const std::string path = dir.File("no/such/folder/out.map");
    EXPECT_FALSE(vh::ExportMap(s, path, vh::NoProgress(), &error));
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(s.LogPath));
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
    std::string error;
    const bool ok = vh::ExportMap(s, path, vh::NoProgress(), &error);
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(ok);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(vhtest::ReadFileBytes(path), "previous export");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(MapExport, ADamagedSquareIsRefusedBeforeWriting) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    s.Squares[2].CornerRight = 99;
    vhtest::TempDir dir;
    const std::string path = dir.File("keep.map");
    vhtest::WriteFileBytes(path, "old");
    std::string error;
    EXPECT_FALSE(vh::ExportMap(s, path, vh::NoProgress(), &error));
    EXPECT_NE(error.find("square 2"), std::string::npos) << error;
    EXPECT_EQ(vhtest::ReadFileBytes(path), "old");
}

TEST(MapExport, LargeTerrainStaysWholeAcrossWriteBlocks) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 60, 60);  // several megabytes
    for (size_t i = 1; i < s.Points.size(); ++i) s.Points[i].Height = static_cast<float>(i % 97) * 0.5f;
    s.ExportType = "//";
    const std::string text = ExportToText(s);
    ASSERT_GT(text.size(), 2u << 20);
    const auto lines = SplitCrLf(text);
    const size_t squares = 59 * 59;
    EXPECT_EQ(Count(lines, "    {"), squares * 3 + 5);
    EXPECT_EQ(Count(lines, "    }"), squares * 3 + 5);
    EXPECT_EQ(lines.size(), 2 + squares * (2 * 7 + 8) + 5 * 8 + 1);
    for (const auto& l : lines)
        ASSERT_TRUE(l == "{" || l == "}" || l == "    {" || l == "    }" || l.rfind("        ( ", 0) == 0 ||
                    l == "    \"classname\" \"worldspawn\"")
            << l;
}

TEST(MapExport, RandomDrawsOncePerSquareAndOtherStylesNever) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 6, 4);
    s.Rnd.Seed(1);
    s.ExportType = "Random";
    uint64_t before = s.Rnd.Draws();
    ExportToText(s);
    EXPECT_EQ(s.Rnd.Draws() - before, 15u);
    for (const char* style : {"Best Fit", "//", "\\", "X"}) {
        s.ExportType = style;
        before = s.Rnd.Draws();
        ExportToText(s);
        EXPECT_EQ(s.Rnd.Draws(), before) << style;
    }
}
