// varnholm-cli export-map and export-bmp on a document made here.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <regex>
#include <string>

#include "cli_fixture.h"
#include "core/document.h"
#include "support/temp_dir.h"
#include "support/terrain_fixture.h"

namespace {

using vhtest::RunCli;

struct ExportVerb : ::testing::Test {
    vhtest::TempDir dir;
    std::string doc, log;

    void SetUp() override {
        ASSERT_TRUE(std::filesystem::exists(vhtest::CliPath())) << "build varnholm-cli first";
        doc = dir.File("m.vhm");
        log = dir.File("log.txt");
        vh::EditorState s;
        vhtest::MakeTerrain(s, 3, 3);
        s.Terrain.Points[5].Height = 64;
        ASSERT_TRUE(vhtest::SaveDocument(s, doc));
    }
    std::string Q(const std::string& path) const { return "\"" + path + "\""; }
};

size_t Count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

int32_t Int32At(const std::string& bytes, size_t at) {
    int32_t v = 0;
    std::memcpy(&v, bytes.data() + at, sizeof v);
    return v;
}

}  // namespace

TEST_F(ExportVerb, MapWithOptionsWritesOneBrushPerTriangle) {
    const std::string out = dir.File("m.map");
    ASSERT_EQ(RunCli("export-map " + Q(doc) + " " + Q(out) + " --style // --hint 0 --sky 0", log), 0)
        << vhtest::ReadFileBytes(log);
    const std::string map = vhtest::ReadFileBytes(out);
    EXPECT_EQ(map.rfind("{\r\n    \"classname\" \"worldspawn\"\r\n", 0), 0u);
    EXPECT_EQ(Count(map, "\r\n    {\r\n"), 8u);  // 4 squares, 2 triangles each
    EXPECT_EQ(Count(map, "hint"), 0u);
}

TEST_F(ExportVerb, BmpHasOnePixelPerPoint) {
    const std::string out = dir.File("m.bmp");
    ASSERT_EQ(RunCli("export-bmp " + Q(doc) + " " + Q(out), log), 0) << vhtest::ReadFileBytes(log);
    const std::string bmp = vhtest::ReadFileBytes(out);
    ASSERT_GT(bmp.size(), 26u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(Int32At(bmp, 18), 3);
    EXPECT_EQ(std::abs(Int32At(bmp, 22)), 3);
}

TEST_F(ExportVerb, BadArgumentsAndMissingDocumentsWriteNothing) {
    const std::string out = dir.File("x.map");
    EXPECT_EQ(RunCli("export-map " + Q(doc) + " " + Q(out) + " --position 7x", log), 2);
    EXPECT_EQ(RunCli("export-map " + Q(dir.File("none.vhm")) + " " + Q(out), log), 1);
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(ExportVerb, TheSummaryNamesThePositionTheDocumentHolds) {
    const std::pair<int16_t, const char*> cases[] = {
        {0, "flatten bottom"}, {1, "flatten top"}, {5, "position 5, empty terrain brushes"}};
    for (const auto& [position, words] : cases) {
        vh::EditorState s;
        vhtest::MakeTerrain(s, 3, 3);
        s.Export.ExportPosition = position;
        ASSERT_TRUE(vhtest::SaveDocument(s, doc));
        ASSERT_EQ(RunCli("export-map " + Q(doc) + " " + Q(dir.File("p.map")), log), 0);
        const std::string text = vhtest::ReadFileBytes(log);
        EXPECT_NE(text.find(std::string("(style \"Best Fit\", ") + words), std::string::npos) << text;
    }
}

namespace {

// A rough 9 x 9 document, 64 apart.
struct CompileVerb : ExportVerb {
    void SetUp() override {
        ExportVerb::SetUp();
        vh::EditorState s;
        vhtest::MakeTerrain(s, 9, 9, 64);
        for (int p = 1; p <= s.Terrain.PointCount; ++p) s.Terrain.Points[p].Height = 16.0f * static_cast<float>((p * 7) % 5);
        ASSERT_TRUE(vhtest::SaveDocument(s, doc));
    }
    std::string Run(const std::string& switches, const std::string& out, int status = 0) {
        EXPECT_EQ(RunCli("export-map " + Q(doc) + " " + Q(out) + " " + switches, log), status)
            << vhtest::ReadFileBytes(log);
        return vhtest::ReadFileBytes(log);
    }
};

}  // namespace

TEST_F(CompileVerb, PlayableWritesASpawnPointAndReportsTheBrushes) {
    const std::string out = dir.File("p.map");
    const std::string said = Run("--playable --hint 0", out);
    const std::string map = vhtest::ReadFileBytes(out);
    const size_t brushes = Count(map, "\r\n    {\r\n");
    EXPECT_EQ(said.rfind("Exported " + std::to_string(brushes) + " brushes to " + out, 0), 0u) << said;
    EXPECT_NE(said.find("Spawn point: square "), std::string::npos) << said;
    EXPECT_EQ(Count(map, "\"classname\" \"info_player_start\""), 1u);
    EXPECT_EQ(Count(map, "\"_sunlight\""), 1u);

    const std::string lean = Run("--playable --no-light --lean --simplify 32 --detail --wad q.wad", out);
    const std::smatch counts = [&] {
        std::smatch m;
        std::regex_search(lean, m, std::regex(R"(Terrain brushes: (\d+) before the lean options, (\d+) after)"));
        return m;
    }();
    ASSERT_EQ(counts.size(), 3u) << lean;
    EXPECT_LT(std::stoi(counts[2]), std::stoi(counts[1]));
    const std::string leanMap = vhtest::ReadFileBytes(out);
    EXPECT_EQ(Count(leanMap, "\"_sunlight\""), 0u);
    EXPECT_EQ(Count(leanMap, "\"wad\" \"q.wad\""), 1u);
    const size_t detail = leanMap.find("\"classname\" \"func_detail\"");
    ASSERT_NE(detail, std::string::npos);
    EXPECT_EQ(Count(leanMap.substr(detail), "\r\n    {\r\n"), static_cast<size_t>(std::stoi(counts[2])));
}

TEST_F(CompileVerb, BadSwitchesAndNoRoomWriteNothing) {
    const std::string out = dir.File("x.map");
    for (const char* bad : {"--spawn 0", "--spawn 1.5", "--simplify -1", "--headroom x", "--wad 'a\"b'", "--headroom"})
        EXPECT_NE(Run(bad, out, 2).find("try --help"), std::string::npos) << bad;
    EXPECT_NE(Run("--playable --headroom 8", out, 1).find("56 units of room under the roof"), std::string::npos);
    EXPECT_NE(Run("--seal --spawn 65", out, 1).find("Square 65 does not exist"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(CompileVerb, HelpNamesEverySwitch) {
    const std::string help = Run("--help", dir.File("unused.map"));
    for (const char* s : {"--playable", "--seal", "--headroom N", "--spawn SQUARE|auto", "--lean", "--simplify UNITS",
                          "--detail", "--wad PATH", "--no-light"})
        EXPECT_NE(help.find(s), std::string::npos) << s;
}
