#include "core/document.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <iterator>
#include <limits>

#include "core/rules.h"
#include "support/scripted_prompts.h"
#include "support/temp_dir.h"
#include "support/terrain_fixture.h"

namespace {

using vh::EditorState;
using vhtest::ScriptedPrompts;
using vhtest::TempDir;

// The document's text fields, in file order.
constexpr std::string EditorState::*kTexts[] = {
    &EditorState::LastExportPath, &EditorState::ExportType,   &EditorState::TopTexture,
    &EditorState::SideTexture,    &EditorState::HintTexture,  &EditorState::SkipTexture,
    &EditorState::SkyTexture,     &EditorState::SkyUP,        &EditorState::SkyDN,
    &EditorState::SkyFT,          &EditorState::SkyBK,        &EditorState::SkyRT,
    &EditorState::SkyLF,          &EditorState::GroundTexture};

// A 17 x 17 terrain with a different height at every point, some locked
// points and every document setting moved off its default.
void MakeDistinctTerrain(EditorState& s) {
    vhtest::MakeTerrain(s, 17, 17);
    s.LogPath.clear();
    for (int i = 1; i <= s.PointTotal(); ++i) {
        s.Points[i].Height = static_cast<float>((i * 37) % 101) * 16.0f - 512.0f;
        s.Points[i].Locked = (i % 7 == 0) ? vh::kTrue : vh::kFalse;
    }
    s.ExportPosition = 3;
    s.AddHint = vh::kFalse;
    s.AddSky = vh::kTrue;
    s.TopScaleX = 0.5f;
    s.TopScaleY = 1.25f;
    s.SideScaleX = 3;
    s.SideScaleY = 4.5f;
    int k = 0;
    for (auto field : kTexts) s.*field = "/t/" + std::to_string(++k) + ".x";
}

std::string DistinctBytes() {
    EditorState d;
    MakeDistinctTerrain(d);
    std::string bytes, error;
    EXPECT_TRUE(vh::EncodeDocument(d, &bytes, &error)) << error;
    return bytes;
}

std::string StringField(const std::string& text) {
    return std::string{static_cast<char>(text.size() & 0xFF), static_cast<char>(text.size() >> 8)} + text;
}

float FloatAt(const std::string& bytes, size_t offset) {
    float v;
    std::memcpy(&v, bytes.data() + offset, 4);
    return v;
}

void PutFloatAt(std::string& bytes, size_t offset, float v) {
    std::memcpy(bytes.data() + offset, &v, 4);
}

// Where the point records start: everything after them is fixed size.
size_t PointsStart(const std::string& bytes) {
    return bytes.size() - 289 * 14 - 256 * 48;
}

void ExpectSameTerrain(const EditorState& a, const EditorState& b) {
    ASSERT_EQ(a.PointCount, b.PointCount);
    ASSERT_EQ(a.SquareCount, b.SquareCount);
    ASSERT_EQ(a.PointsPerRow, b.PointsPerRow);
    ASSERT_EQ(a.Points.size(), b.Points.size());
    ASSERT_EQ(a.Squares.size(), b.Squares.size());
    for (size_t i = 1; i < a.Points.size(); ++i) {
        const vh::TerrainPoint &p = a.Points[i], &q = b.Points[i];
        EXPECT_TRUE(p.X == q.X && p.Z == q.Z && p.Height == q.Height && p.Locked == q.Locked) << i;
    }
    for (size_t i = 1; i < a.Squares.size(); ++i)
        EXPECT_EQ(0, std::memcmp(&a.Squares[i], &b.Squares[i], sizeof(vh::TerrainSquare))) << i;
}

TEST(DocumentWrite, SeventeenBySeventeenFileLayout) {
    EditorState s;
    MakeDistinctTerrain(s);
    std::string bytes = DistinctBytes();
    size_t strings = 0;
    for (auto field : kTexts) strings += 2 + (s.*field).size();
    const size_t header = (2 + 3) + strings + 3 * 4 + 3 * 2 + 4 * 4;
    ASSERT_EQ(bytes.size(), header + 289u * 14u + 256u * 48u);
    // Version string, then the three counts as little-endian floats.
    EXPECT_EQ(bytes.substr(0, 5), StringField("200"));
    EXPECT_EQ(FloatAt(bytes, 5), 289.0f);
    EXPECT_EQ(FloatAt(bytes, 9), 256.0f);
    EXPECT_EQ(FloatAt(bytes, 13), 17.0f);
    EXPECT_EQ(bytes.substr(17, 2 + s.LastExportPath.size()), StringField(s.LastExportPath));
    // Point 7 is locked: its record ends with -1 as a 16-bit value.
    size_t rec7 = header + 6 * 14;
    EXPECT_EQ(FloatAt(bytes, rec7), s.Points[7].X);
    EXPECT_EQ(FloatAt(bytes, rec7 + 4), s.Points[7].Height);
    EXPECT_EQ(FloatAt(bytes, rec7 + 8), s.Points[7].Z);
    EXPECT_EQ(bytes.substr(rec7 + 12, 2), "\xFF\xFF");
    // Square 1: SqNext first, the four corners last.
    size_t sq1 = header + 289 * 14;
    const float square1[][2] = {{0, 17}, {8, 18}, {9, 19}, {10, 1}, {11, 2}};
    for (const auto& f : square1) EXPECT_EQ(FloatAt(bytes, sq1 + 4 * size_t(f[0])), f[1]) << f[0];
}

TEST(DocumentWrite, FailedWritesReportAndLeaveTheOldFileWhole) {
    TempDir dir;
    EditorState s;
    MakeDistinctTerrain(s);
    std::string path = dir.File("keep.vhm"), error;
    vhtest::WriteFileBytes(path, "old contents");
    s.DocClean = vh::kFalse;
    // A folder where the file should be is not replaced.
    std::filesystem::create_directory(dir.File("folder.vhm"));
    EXPECT_FALSE(vh::WriteDocument(s, dir.File("folder.vhm"), &error));
    EXPECT_NE(error.find("folder"), std::string::npos) << error;
    EXPECT_FALSE(vh::WriteDocument(s, dir.File("no/such/folder/x.vhm"), &error));
    EXPECT_NE(error.find("x.vhm"), std::string::npos);
    // A terrain that could not be reopened is not written.
    s.Points[9].Height = NAN;
    EXPECT_FALSE(vh::WriteDocument(s, path, &error));
    EXPECT_NE(error.find("not saved"), std::string::npos);
    EXPECT_EQ(vhtest::ReadFileBytes(path), "old contents");
    EXPECT_EQ(s.DocClean, vh::kFalse);
    EXPECT_TRUE(s.Recent[1].empty());
    std::string bytes;
    EXPECT_FALSE(vh::EncodeDocument(EditorState{}, &bytes, &error));  // no terrain
    EXPECT_FALSE(error.empty());
}

TEST(DocumentRoundTrip, SaveAndReopenRestoresEveryStoredValue) {
    TempDir dir;
    EditorState a;
    MakeDistinctTerrain(a);
    a.LogPath = dir.File("log.txt");
    a.DocClean = vh::kFalse;
    a.Recent[1] = "/older.vhm";
    std::string path = dir.File("round.vhm"), error;
    ASSERT_TRUE(vh::WriteDocument(a, path, &error)) << error;
    EXPECT_EQ(vhtest::ReadFileBytes(a.LogPath), "VHM SAVE : Saving File " + path + "\n");
    EXPECT_TRUE(a.Commands.cmdSave.Enabled);
    EXPECT_EQ(a.DocClean, vh::kTrue);
    EXPECT_EQ(a.Recent[1], path);
    EXPECT_EQ(a.Recent[2], "/older.vhm");
    EditorState b;
    vh::SetDefaults(b, "/elsewhere");
    b.LogPath.clear();
    ScriptedPrompts prompts;
    ASSERT_TRUE(vh::ReadDocument(b, path, "round.vhm", prompts));
    EXPECT_TRUE(prompts.Messages.empty());
    ExpectSameTerrain(a, b);
    for (auto field : kTexts) EXPECT_EQ(b.*field, a.*field);
    EXPECT_EQ(b.ExportPosition, 3);
    EXPECT_EQ(b.AddHint, vh::kFalse);
    EXPECT_EQ(b.AddSky, vh::kTrue);
    EXPECT_EQ(b.TopScaleX, 0.5f);
    EXPECT_EQ(b.TopScaleY, 1.25f);
    EXPECT_EQ(b.SideScaleX, 3.0f);
    EXPECT_EQ(b.SideScaleY, 4.5f);
    EXPECT_EQ(b.UndoHeights1.size(), 290u);  // undo arrays sized for the new terrain
    EXPECT_EQ(b.RedoHeights.size(), 290u);
    EXPECT_EQ(b.UndoLevels, 0);

    EditorState tall, c;  // a non-square grid through the no-prompt loader
    vhtest::MakeTerrain(tall, 5, 9, 64);
    tall.Points[12].Height = 48;
    ASSERT_TRUE(vh::WriteDocument(tall, dir.File("tall.vhm"), &error)) << error;
    ASSERT_TRUE(vh::LoadDocumentInto(c, dir.File("tall.vhm"), &error)) << error;
    EXPECT_EQ(c.DocTitle, "tall.vhm");
    ExpectSameTerrain(tall, c);
}

TEST(DocumentRead, SuccessfulOpenResetsReplacesTellsViewAndStartsLoop) {
    TempDir dir;
    std::string path = dir.File("open me.vhm");
    vhtest::WriteFileBytes(path, DistinctBytes());
    EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    s.LogPath = dir.File("log.txt");
    s.UndoLevels = 2;
    s.Recent[1] = "/x.vhm";
    int resets = 0;
    float pointsSeenByView = 0;
    s.OnReset = [&] { ++resets; };
    s.OnTerrainReplaced = [&] { pointsSeenByView = s.PointCount; };
    ScriptedPrompts prompts;
    ASSERT_TRUE(vh::ReadDocument(s, path, "open me.vhm", prompts));
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(pointsSeenByView, 289.0f);
    EXPECT_EQ(s.DocPath, path);
    EXPECT_EQ(s.DocTitle, "open me.vhm");
    EXPECT_EQ(s.Caption, "open me.vhm - Varnholm");
    EXPECT_EQ(s.DocClean, vh::kTrue);
    EXPECT_EQ(s.LoopRunning, vh::kTrue);
    EXPECT_EQ(s.UndoLevels, 0);
    EXPECT_EQ(s.TerrainExists, vh::kTrue);
    EXPECT_EQ(s.Recent[1], path);
    EXPECT_EQ(s.Recent[2], "/x.vhm");
    EXPECT_EQ(vhtest::ReadFileBytes(s.LogPath),
              "VH RESET : VH Reset\nVHM LOAD : Loading File " + path + "\n");
}

struct Refusal : ::testing::Test {
    TempDir dir;
    EditorState s, before;
    ScriptedPrompts prompts;
    void SetUp() override {
        vhtest::MakeTerrain(s, 4, 3);
        s.Points[5].Height = 80;
        s.DocPath = "/maps/current.vhm";
        s.DocTitle = "current.vhm";
        s.Caption = "current.vhm - Varnholm";
        s.DocClean = vh::kFalse;
        s.LoopRunning = vh::kTrue;
        s.LogPath = dir.File("log.txt");
        before = s;
    }
    bool Open(const std::string& bytes) {
        vhtest::WriteFileBytes(dir.File("bad.vhm"), bytes);
        return vh::ReadDocument(s, dir.File("bad.vhm"), "bad.vhm", prompts);
    }
    void ExpectTerrainUntouched() {
        ExpectSameTerrain(before, s);
        EXPECT_EQ(s.DocPath, before.DocPath);
        EXPECT_EQ(s.DocTitle, before.DocTitle);
        EXPECT_EQ(s.LoopRunning, vh::kTrue);
        EXPECT_EQ(s.TopTexture, before.TopTexture);
        EXPECT_TRUE(s.Recent[1].empty());
    }
};

TEST_F(Refusal, OlderVersionShowsMessageSetsPlainCaptionAndMarksClean) {
    std::string bytes = DistinctBytes();
    bytes.replace(2, 3, "199");
    for (const std::string& file : {bytes, std::string()}) {  // an empty file counts as an older version
        prompts.Messages.clear();
        std::filesystem::remove(s.LogPath);
        s.Caption = before.Caption;
        s.DocClean = vh::kFalse;
        EXPECT_FALSE(Open(file));
        ASSERT_EQ(prompts.Messages.size(), 1u);
        EXPECT_EQ(prompts.Messages[0].Text, "Sorry, VH 2.0.0 does not support older .VHM files.");
        EXPECT_EQ(prompts.Messages[0].Text, vh::kUnsupportedVersionText);
        EXPECT_EQ(prompts.Messages[0].Title, "Varnholm");
        EXPECT_EQ(prompts.Messages[0].Icon, vh::PromptIcon::Exclamation);
        EXPECT_EQ(prompts.Messages[0].Buttons, vh::PromptButtons::Ok);
        EXPECT_EQ(s.Caption, "Varnholm");
        EXPECT_EQ(s.DocClean, vh::kTrue);
        EXPECT_EQ(vhtest::ReadFileBytes(s.LogPath),
                  "VHM LOAD : Unsuported Format " + dir.File("bad.vhm") + "\n");
        ExpectTerrainUntouched();
    }
}

TEST_F(Refusal, DamagedDocumentsAreRefusedWithoutHarm) {
    const size_t points = PointsStart(DistinctBytes()), squares = points + 289 * 14;
    const struct {
        const char* what;
        std::function<void(std::string&)> damage;
    } cases[] = {
        {"truncated", [](std::string& b) { b.pop_back(); }},
        {"truncated header", [](std::string& b) { b.resize(40); }},
        {"too many points", [](std::string& b) { PutFloatAt(b, 5, 40000); }},
        {"square count off the grid", [](std::string& b) { PutFloatAt(b, 9, 255); }},
        {"fractional row", [](std::string& b) { PutFloatAt(b, 13, 16.5f); }},
        {"negative row", [](std::string& b) { PutFloatAt(b, 13, -17); }},
        {"zero row", [](std::string& b) { PutFloatAt(b, 13, 0); }},
        {"NaN row", [](std::string& b) { PutFloatAt(b, 13, NAN); }},
        {"corner of a missing point", [=](std::string& b) { PutFloatAt(b, squares + 9 * 48 + 40, 5000); }},
        {"swapped neighbours",  // valid indices, wrong geometry
         [=](std::string& b) {
             float next = FloatAt(b, squares + 19 * 48);
             PutFloatAt(b, squares + 19 * 48, FloatAt(b, squares + 19 * 48 + 4));
             PutFloatAt(b, squares + 19 * 48 + 4, next);
         }},
        {"NaN height", [=](std::string& b) { PutFloatAt(b, points + 100 * 14 + 4, NAN); }},
        {"infinite height", [=](std::string& b) { PutFloatAt(b, points + 100 * 14 + 4, INFINITY); }},
        {"infinite X", [=](std::string& b) { PutFloatAt(b, points + 40 * 14, -INFINITY); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::string bytes = DistinctBytes();
        c.damage(bytes);
        prompts.Messages.clear();
        EXPECT_FALSE(Open(bytes));
        ASSERT_EQ(prompts.Messages.size(), 1u);
        EXPECT_EQ(prompts.Messages[0].Title, "Varnholm");
        EXPECT_EQ(prompts.Messages[0].Icon, vh::PromptIcon::Exclamation);
        EXPECT_NE(prompts.Messages[0].Text.find("bad.vhm"), std::string::npos);
        EXPECT_EQ(s.Caption, before.Caption);
        EXPECT_EQ(s.DocClean, vh::kFalse);
        EXPECT_FALSE(std::filesystem::exists(s.LogPath));
        ExpectTerrainUntouched();
    }
    std::string error;
    EditorState c;
    EXPECT_FALSE(vh::LoadDocumentInto(c, dir.File("bad.vhm"), &error));
    EXPECT_NE(error.find("bad.vhm"), std::string::npos);
    EXPECT_EQ(c.PointCount, 0.0f);
}

TEST_F(Refusal, WhatTheLayoutAllowsIsOpenedAsItIs) {
    const size_t points = PointsStart(DistinctBytes());
    std::string bytes = DistinctBytes();
    PutFloatAt(bytes, points + 100 * 14 + 4, 3.0e12f);                             // height of point 101
    PutFloatAt(bytes, points + 101 * 14 + 4, -std::numeric_limits<float>::max());  // point 102
    PutFloatAt(bytes, points + 40 * 14, 12345.0f);      // X of point 41, off the spacing
    PutFloatAt(bytes, points + 17 * 14 + 8, -9999.5f);  // Z of point 18, off its row
    for (const std::string& tail : {std::string("x"), std::string(9u << 20, '\x55')}) {
        SCOPED_TRACE(tail.size());
        ASSERT_TRUE(Open(bytes + tail)) << (prompts.Messages.empty() ? "" : prompts.Messages[0].Text);
        EXPECT_TRUE(prompts.Messages.empty());
        ASSERT_EQ(s.PointTotal(), 289);
        EXPECT_EQ(s.Points[101].Height, 3.0e12f);
        EXPECT_EQ(s.Points[102].Height, -std::numeric_limits<float>::max());
        EXPECT_EQ(s.Points[41].X, 12345.0f);
        EXPECT_EQ(s.Points[18].Z, -9999.5f);
    }
}

TEST(DocumentRoundTrip, HeightsOfAnyFiniteSizeAreSavedAndReopened) {
    TempDir dir;
    EditorState a;
    MakeDistinctTerrain(a);
    const float big[] = {
        1.28e9f, -5.0e9f, 3.0e38f, std::numeric_limits<float>::max(), -std::numeric_limits<float>::max(),
        1.0e-30f};
    for (size_t i = 0; i < std::size(big); ++i) a.Points[10 + i].Height = big[i];
    std::string error;
    ASSERT_TRUE(vh::WriteDocument(a, dir.File("big.vhm"), &error)) << error;
    EditorState b;
    ASSERT_TRUE(vh::LoadDocumentInto(b, dir.File("big.vhm"), &error)) << error;
    ExpectSameTerrain(a, b);
}

TEST_F(Refusal, MissingFileOrFolderGivesAMessage) {
    EXPECT_FALSE(vh::ReadDocument(s, dir.File("missing.vhm"), "missing.vhm", prompts));
    EXPECT_FALSE(vh::ReadDocument(s, dir.Path().string(), "x", prompts));
    ASSERT_EQ(prompts.Messages.size(), 2u);
    EXPECT_NE(prompts.Messages[0].Text.find("missing.vhm"), std::string::npos);
    EXPECT_EQ(prompts.Messages[1].Title, "Varnholm");
    ExpectTerrainUntouched();
}

}  // namespace
