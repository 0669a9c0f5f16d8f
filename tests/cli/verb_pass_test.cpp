// Runs the built varnholm-cli (beside this test program) on documents made here.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "cli_fixture.h"
#include "core/document.h"
#include "core/rules.h"
#include "support/temp_dir.h"
#include "support/terrain_fixture.h"

namespace {

using vhtest::CliPath;
using vhtest::RunCli;

struct PassVerb : ::testing::Test {
    vhtest::TempDir dir;
    std::string in, out, log;

    void SetUp() override {
        ASSERT_TRUE(std::filesystem::exists(CliPath())) << "build varnholm-cli first: " << CliPath();
        in = dir.File("in.vhm");
        out = dir.File("out.vhm");
        log = dir.File("log.txt");
        vh::EditorState s;
        vhtest::MakeTerrain(s, 5, 5);
        s.Terrain.Points[1].Height = 256;
        s.Terrain.Points[2].Height = 100;
        s.Terrain.Points[3].Height = -64;
        s.Terrain.Points[4].Height = 256;
        s.Terrain.Points[4].Locked = true;
        s.Terrain.Points[13].Height = 900;
        ASSERT_TRUE(vhtest::SaveDocument(s, in));
    }

    vh::EditorState Result() {
        vh::EditorState r;
        vh::SetDefaults(r, "/nonexistent");
        r.LogPath.clear();
        const vh::Status loaded = vh::LoadDocumentInto(r, out);
        EXPECT_TRUE(loaded) << vh::MessageOf(loaded);
        return r;
    }
};

TEST_F(PassVerb, ScaleUsesTheDefaultFactorAndKeepsLockedPoints) {
    ASSERT_EQ(RunCli("pass scale \"" + in + "\" \"" + out + "\"", log), 0) << vhtest::ReadFileBytes(log);
    const auto r = Result();
    EXPECT_EQ(r.Terrain.Points[1].Height, 192);
    EXPECT_EQ(r.Terrain.Points[2].Height, 80);
    EXPECT_EQ(r.Terrain.Points[3].Height, -48);
    EXPECT_EQ(r.Terrain.Points[4].Height, 256);
    EXPECT_TRUE(r.Terrain.Points[4].Locked);
}

TEST_F(PassVerb, ScaleWithFactorAndIgnoreLockedAndGrid) {
    ASSERT_EQ(RunCli("pass scale \"" + in + "\" \"" + out + "\" --factor -1 --ignore-locked --grid 32", log),
              0)
        << vhtest::ReadFileBytes(log);
    const auto r = Result();
    EXPECT_EQ(r.Terrain.Points[2].Height, -96);  // -100 to a grid of 32
    EXPECT_EQ(r.Terrain.Points[4].Height, -256);
}

TEST_F(PassVerb, SmoothWithThresholdZeroSmoothsTheSpike) {
    ASSERT_EQ(RunCli("pass smooth \"" + in + "\" \"" + out + "\" --threshold 0", log), 0)
        << vhtest::ReadFileBytes(log);
    const auto r = Result();
    EXPECT_LT(r.Terrain.Points[13].Height, 900);
    EXPECT_EQ(r.Terrain.Points[4].Height, 256);
}

TEST_F(PassVerb, NoiseWithASeedIsReproducible) {
    ASSERT_EQ(RunCli("pass noise \"" + in + "\" \"" + out + "\" --seed 42 --max-noise 160", log), 0);
    const auto first = Result();
    ASSERT_EQ(RunCli("pass noise \"" + in + "\" \"" + out + "\" --seed 42 --max-noise 160", log), 0);
    const auto second = Result();
    int changed = 0;
    for (int i = 1; i <= 25; ++i) {
        EXPECT_EQ(first.Terrain.Points[i].Height, second.Terrain.Points[i].Height) << i;
        const bool startedAtZero = i > 4 && i != 13;
        if (startedAtZero && first.Terrain.Points[i].Height != 0) ++changed;
    }
    EXPECT_GT(changed, 0);
    EXPECT_EQ(first.Terrain.Points[4].Height, 256);
}

TEST_F(PassVerb, BadArgumentsAreRefusedWithoutWritingAnything) {
    EXPECT_EQ(RunCli("pass blur \"" + in + "\" \"" + out + "\"", log), 2);
    EXPECT_EQ(RunCli("pass scale \"" + in + "\" \"" + out + "\" --factor lots", log), 2);
    EXPECT_EQ(RunCli("pass scale \"" + in + "\" \"" + out + "\" --max-noise 3", log), 2);
    EXPECT_EQ(RunCli("pass scale \"" + in + "\" \"" + out + "\" --grid 0", log), 2);
    EXPECT_EQ(RunCli("pass scale \"" + in + "\"", log), 2);
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(PassVerb, UnreadableInputIsReported) {
    vhtest::WriteFileBytes(in, "not a map");
    EXPECT_EQ(RunCli("pass scale \"" + in + "\" \"" + out + "\"", log), 1);
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_FALSE(vhtest::ReadFileBytes(log).empty());
}

}  // namespace
