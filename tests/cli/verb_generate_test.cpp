// Runs the built varnholm-cli generate (beside this test program) and reads
// the documents it writes.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "cli_fixture.h"
#include "core/document.h"
#include "core/settings.h"
#include "support/temp_dir.h"

namespace {

using vhtest::CliPath;
using vhtest::RunCli;

// A 24-bit BMP of one colour, written byte by byte.
void WriteBmp(const std::string& path, int w, int h, uint8_t grey) {
    const int row = (w * 3 + 3) / 4 * 4;
    const uint32_t size = 54 + static_cast<uint32_t>(row * h);
    std::string b(size, '\0');
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 255);
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, size);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(w));
    put32(22, static_cast<uint32_t>(h));
    b[26] = 1;
    b[28] = 24;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w * 3; ++x) b[54 + y * row + x] = static_cast<char>(grey);
    vhtest::WriteFileBytes(path, b);
}

struct GenerateVerb : ::testing::Test {
    vhtest::TempDir dir;
    std::string out, log;

    void SetUp() override {
        ASSERT_TRUE(std::filesystem::exists(CliPath())) << "build varnholm-cli first: " << CliPath();
        out = dir.File("new.vhm");
        log = dir.File("log.txt");
    }

    int Generate(const std::string& args) { return RunCli("generate --out \"" + out + "\" " + args, log); }

    vh::EditorState Result() {
        vh::EditorState r;
        vh::SetDefaults(r, "/nonexistent");
        r.LogPath.clear();
        const vh::Status loaded = vh::LoadDocumentInto(r, out);
        EXPECT_TRUE(loaded) << vh::MessageOf(loaded);
        return r;
    }
};

}  // namespace

TEST_F(GenerateVerb, DefaultsGiveAFlatSeventeenBySeventeenTerrain) {
    ASSERT_EQ(Generate(""), 0) << vhtest::ReadFileBytes(log);
    const auto r = Result();
    EXPECT_EQ(r.Terrain.PointCount, 289);
    for (int i = 1; i <= 289; ++i) EXPECT_EQ(r.Terrain.Points[i].Height, 0);
    const std::string text = vhtest::ReadFileBytes(log);
    EXPECT_NE(text.find("Generating Points..."), std::string::npos);
    EXPECT_NE(text.find("Building Mesh..."), std::string::npos);
}

TEST_F(GenerateVerb, SeedMakesDiamondSquareReproducible) {
    const std::string args = "--seed 9 --set Fractal=1 --set DiamondSquare=1 --set X=33 --set Y=33";
    ASSERT_EQ(Generate(args), 0) << vhtest::ReadFileBytes(log);
    const std::string first = vhtest::ReadFileBytes(out);
    ASSERT_EQ(Generate(args), 0);
    EXPECT_EQ(vhtest::ReadFileBytes(out), first);
    const auto r = Result();
    EXPECT_EQ(r.Terrain.PointCount, 33 * 33);
    int nonZero = 0;
    for (int i = 1; i <= r.Terrain.PointCount; ++i) nonZero += r.Terrain.Points[i].Height != 0;
    EXPECT_GT(nonZero, 0);
    EXPECT_NE(vhtest::ReadFileBytes(log).find("Running Diamond-Square Algorithm ..."), std::string::npos);
    ASSERT_EQ(Generate("--seed 10 --set Fractal=1 --set DiamondSquare=1 --set X=33 --set Y=33"), 0);
    EXPECT_NE(vhtest::ReadFileBytes(out), first);
}

TEST_F(GenerateVerb, SettingsFileThenOverrides) {
    vh::EditorState s;
    vh::SetDefaults(s, "/nonexistent");
    s.NewMap.Slope = true;
    s.NewMap.SlopeDir = "PX";
    s.NewMap.SlopeSteepness = 512;
    s.NewMap.X = 9;
    s.NewMap.Y = 5;
    const std::string ini = dir.File("Varnholm.ini");
    ASSERT_TRUE(vh::WriteSettingsFile(s, ini));
    ASSERT_EQ(Generate("--settings \"" + ini + "\" --set X=17"), 0) << vhtest::ReadFileBytes(log);
    const auto r = Result();
    ASSERT_EQ(r.Terrain.PointCount, 17 * 5);
    EXPECT_EQ(r.Terrain.Points[1].Height, -448);
    EXPECT_EQ(r.Terrain.Points[9].Height, 0);
    EXPECT_EQ(r.Terrain.Points[17].Height, 448);
}

TEST_F(GenerateVerb, HeightImageFromItsPath) {
    const std::string bmp = dir.File("white.bmp");
    WriteBmp(bmp, 6, 4, 255);
    ASSERT_EQ(Generate("--set BitMap=1 --set BitMapHeightMulti=8 --set X=5 --set Y=5 --set \"BitMapPath=" +
                       bmp + "\""),
              0)
        << vhtest::ReadFileBytes(log);
    const auto r = Result();
    for (int i = 1; i <= 25; ++i) EXPECT_EQ(r.Terrain.Points[i].Height, 1024) << i;
}

TEST_F(GenerateVerb, BadRequestsWriteNothing) {
    EXPECT_EQ(Generate("--set Bogus=1"), 2);
    EXPECT_EQ(Generate("--set X"), 2);
    EXPECT_EQ(Generate("--seed -3"), 2);
    EXPECT_EQ(Generate("--settings \"" + dir.File("missing.ini") + "\""), 1);
    EXPECT_FALSE(std::filesystem::exists(dir.File("missing.ini")));
    EXPECT_EQ(Generate("--set X=300 --set Y=300"), 1);
    EXPECT_NE(vhtest::ReadFileBytes(log).find("32767"), std::string::npos);
    EXPECT_EQ(RunCli("generate --out \"" + dir.File("new.txt") + "\"", log), 2);
    EXPECT_EQ(RunCli("generate", log), 2);
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(GenerateVerb, AnUnreadableHeightImageOrADiamondSquareSizeItCannotUseIsRefused) {
    vhtest::WriteFileBytes(dir.File("broken.bmp"), "not a bitmap");
    EXPECT_EQ(Generate("--set BitMap=1 --set \"BitMapPath=" + dir.File("broken.bmp") + "\""), 1);
    EXPECT_NE(vhtest::ReadFileBytes(log).find("could not be read"), std::string::npos)
        << vhtest::ReadFileBytes(log);
    EXPECT_EQ(Generate("--set Fractal=1 --set DiamondSquare=1 --set X=21 --set Y=17"), 1);
    EXPECT_NE(vhtest::ReadFileBytes(log).find("1, 2, 4, 8, 16, 32, 64 or 128"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(GenerateVerb, GridsThatCannotBeBuiltAsAskedAreRefused) {
    const std::pair<const char*, const char*> cases[] = {
        {"--set Grid=1 --set X=2 --set Y=14358 --set Size=9729", "exactly"},
        {"--set X=3 --set Y=8200 --set Size=32752", "exactly"},
        // 50 units become one grid step of 128, and 256 of those are 32768 units.
        {"--set Grid=128 --set Size=50 --set Fractal=1 --set Circle=1 --set CircleMaxRad=256", "32768"},
    };
    for (const auto& [args, word] : cases) {
        EXPECT_EQ(Generate(args), 1) << args;
        EXPECT_NE(vhtest::ReadFileBytes(log).find(word), std::string::npos) << vhtest::ReadFileBytes(log);
        EXPECT_FALSE(std::filesystem::exists(out)) << args;
    }
}
