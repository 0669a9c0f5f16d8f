// Runs the built varnholm-cli (it sits beside this test program).
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "cli_fixture.h"
#include "core/document.h"
#include "support/temp_dir.h"
#include "support/terrain_fixture.h"

namespace {

using vhtest::CliPath;

struct CliRun {
    int Status = -1;
    std::string Out, Err;
};

CliRun RunCli(const std::string& args, const vhtest::TempDir& dir) {
    CliRun r;
    const std::string err = dir.File("stderr.txt");
    std::string cmd = "'";
    cmd.append(CliPath()).append("' ").append(args).append(" 2>'").append(err).append("'");
    if (std::FILE* p = ::popen(cmd.c_str(), "r")) {
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) r.Out.append(buf, n);
        int st = ::pclose(p);
        r.Status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    }
    r.Err = vhtest::ReadFileBytes(err);
    return r;
}

class VerbInfo : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(CliPath())) GTEST_SKIP() << "varnholm-cli is not built";
    }
    vhtest::TempDir dir;
};

TEST_F(VerbInfo, PrintsWhatTheDocumentHolds) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 17, 9, 128);
    s.Terrain.Points[20].Height = 272;
    s.Terrain.Points[30].Height = -16;
    s.Brushes.SideTexture = "CLIFF2";
    ASSERT_TRUE(vhtest::SaveDocument(s, dir.File("m.vhm")));
    CliRun r = RunCli("info '" + dir.File("m.vhm") + "'", dir);
    EXPECT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Err, "");
    EXPECT_NE(r.Out.find("Points: 153\n"), std::string::npos) << r.Out;
    EXPECT_NE(r.Out.find("Squares: 128\n"), std::string::npos);
    EXPECT_NE(r.Out.find("Grid: 17 points per row x 9 rows\n"), std::string::npos);
    EXPECT_NE(r.Out.find("Height range: -16 to 272\n"), std::string::npos);
    EXPECT_NE(r.Out.find("Side texture: CLIFF2 (scale 2 x 2)\n"), std::string::npos);
    EXPECT_NE(r.Out.find("Ground texture: " + s.Textures.GroundTexture + "\n"), std::string::npos);
}

TEST_F(VerbInfo, PrintsTheCompileBudgetForTheSwitchesGiven) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 9, 9, 128);
    ASSERT_TRUE(vhtest::SaveDocument(s, dir.File("m.vhm")));
    // A flat map: 64 quad brushes, the hint brush of each square and the sky box.
    CliRun r = RunCli("info '" + dir.File("m.vhm") + "'", dir);
    EXPECT_EQ(r.Status, 0) << r.Err;
    EXPECT_NE(r.Out.find("Compile budget (documented export):\n  Brushes: 133 (terrain 64, 64 without"),
              std::string::npos)
        << r.Out;
    EXPECT_NE(r.Out.find("  Outside filled: no"), std::string::npos);
    r = RunCli("info '" + dir.File("m.vhm") + "' --playable --lean --hint 0", dir);
    EXPECT_NE(r.Out.find("  Brushes: 6 (terrain 1, 64 without the lean options)"), std::string::npos)
        << r.Out;
    EXPECT_NE(r.Out.find("  Outside filled: yes"), std::string::npos);
    EXPECT_NE(r.Out.find("  Nodes: about "), std::string::npos);
    EXPECT_NE(r.Out.find(" (BSP29 limit 32,767)\n  Leafs: about "), std::string::npos);
    EXPECT_NE(r.Out.find(" (BSP29 limit 8,192)\n  Outside filled"), std::string::npos);
    EXPECT_NE(r.Out.find("  Format: fits BSP29"), std::string::npos);
    EXPECT_EQ(RunCli("info '" + dir.File("m.vhm") + "' --simplify", dir).Status, 2);
}

TEST_F(VerbInfo, DamagedFileFailsWithOneLineOnStderr) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 5, 5);
    const vh::Result<std::string> encoded = vh::EncodeDocument(s.Terrain, vh::DocumentSettingsOf(s));
    ASSERT_TRUE(encoded);
    const std::string& bytes = encoded.Value();
    vhtest::WriteFileBytes(dir.File("cut.vhm"), bytes.substr(0, bytes.size() - 10));
    CliRun r = RunCli("info '" + dir.File("cut.vhm") + "'", dir);
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(r.Out, "");
    EXPECT_NE(r.Err.find("cut.vhm"), std::string::npos);
    EXPECT_EQ(r.Err.find('\n'), r.Err.size() - 1);
}

TEST_F(VerbInfo, OlderVersionAndMissingFileFail) {
    vhtest::WriteFileBytes(dir.File("old.vhm"), std::string("\x03\x00"
                                                            "199",
                                                            5));
    CliRun old = RunCli("info '" + dir.File("old.vhm") + "'", dir);
    EXPECT_EQ(old.Status, 1);
    EXPECT_NE(old.Err.find("does not support older .VHM files"), std::string::npos);
    CliRun missing = RunCli("info '" + dir.File("none.vhm") + "'", dir);
    EXPECT_EQ(missing.Status, 1);
    EXPECT_NE(missing.Err.find("none.vhm"), std::string::npos);
}

}  // namespace
