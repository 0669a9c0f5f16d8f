#include "core/document.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <iterator>
#include <limits>

#include "core/document_commands.h"
#include "core/rules.h"
#include "support/scripted_prompts.h"
#include "support/temp_dir.h"
#include "support/terrain_fixture.h"

namespace {

using vh::EditorState;
using vhtest::ScriptedPrompts;
using vhtest::TempDir;

// The document's text fields, in file order.
template <class S>
auto Texts(S& s) {
    auto& b = s.Brushes;
    auto& x = s.Textures;
    return std::array{&s.Doc.LastExportPath,
                      &s.Export.ExportType,
                      &b.TopTexture,
                      &b.SideTexture,
                      &b.HintTexture,
                      &b.SkipTexture,
                      &b.SkyTexture,
                      &x.SkyUP,
                      &x.SkyDN,
                      &x.SkyFT,
                      &x.SkyBK,
                      &x.SkyRT,
                      &x.SkyLF,
                      &x.GroundTexture};
}

// A 17 x 17 terrain with a different height at every point, some locked
// points and every document setting moved off its default.
void MakeDistinctTerrain(EditorState& s) {
    vhtest::MakeTerrain(s, 17, 17);
    s.LogPath.clear();
    for (int i = 1; i <= s.Terrain.PointCount; ++i) {
        s.Terrain.Points[i].Height = static_cast<float>((i * 37) % 101) * 16.0f - 512.0f;
        s.Terrain.Points[i].Locked = i % 7 == 0;
    }
    s.Export.ExportPosition = 3;
    s.Export.AddHint = false;
    s.Export.AddSky = true;
    s.Brushes.TopScaleX = 0.5f;
    s.Brushes.TopScaleY = 1.25f;
    s.Brushes.SideScaleX = 3;
    s.Brushes.SideScaleY = 4.5f;
    int k = 0;
    for (std::string* field : Texts(s)) *field = "/t/" + std::to_string(++k) + ".x";
}

std::string DistinctBytes() {
    EditorState d;
    MakeDistinctTerrain(d);
    vh::Result<std::string> bytes = vh::EncodeDocument(d.Terrain, vh::DocumentSettingsOf(d));
    EXPECT_TRUE(bytes);
    return bytes ? bytes.Value() : std::string();
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
    ASSERT_EQ(a.Terrain.PointCount, b.Terrain.PointCount);
    ASSERT_EQ(a.Terrain.SquareCount, b.Terrain.SquareCount);
    ASSERT_EQ(a.Terrain.PointsPerRow, b.Terrain.PointsPerRow);
    ASSERT_EQ(a.Terrain.Points.size(), b.Terrain.Points.size());
    for (size_t i = 1; i < a.Terrain.Points.size(); ++i) {
        const vh::TerrainPoint &p = a.Terrain.Points[i], &q = b.Terrain.Points[i];
        EXPECT_TRUE(p.X == q.X && p.Z == q.Z && p.Height == q.Height && p.Locked == q.Locked) << i;
    }
}

TEST(DocumentWrite, SeventeenBySeventeenFileLayout) {
    EditorState s;
    MakeDistinctTerrain(s);
    std::string bytes = DistinctBytes();
    size_t strings = 0;
    for (const std::string* field : Texts(s)) strings += 2 + field->size();
    const size_t header = (2 + 3) + strings + 3 * 4 + 3 * 2 + 4 * 4;
    ASSERT_EQ(bytes.size(), header + 289u * 14u + 256u * 48u);
    // Version string, then the three counts as little-endian floats.
    EXPECT_EQ(bytes.substr(0, 5), StringField("200"));
    EXPECT_EQ(FloatAt(bytes, 5), 289.0f);
    EXPECT_EQ(FloatAt(bytes, 9), 256.0f);
    EXPECT_EQ(FloatAt(bytes, 13), 17.0f);
    EXPECT_EQ(bytes.substr(17, 2 + s.Doc.LastExportPath.size()), StringField(s.Doc.LastExportPath));
    // Point 7 is locked: its record ends with -1 as a 16-bit value.
    size_t rec7 = header + 6 * 14;
    EXPECT_EQ(FloatAt(bytes, rec7), s.Terrain.Points[7].X);
    EXPECT_EQ(FloatAt(bytes, rec7 + 4), s.Terrain.Points[7].Height);
    EXPECT_EQ(FloatAt(bytes, rec7 + 8), s.Terrain.Points[7].Z);
    EXPECT_EQ(bytes.substr(rec7 + 12, 2), "\xFF\xFF");
    // Square 1: SqNext first, the four corners last.
    size_t sq1 = header + 289 * 14;
    const float square1[][2] = {{0, 17}, {8, 18}, {9, 19}, {10, 1}, {11, 2}};
    for (const auto& f : square1) EXPECT_EQ(FloatAt(bytes, sq1 + 4 * size_t(f[0])), f[1]) << f[0];
    // Square 18 (row 2, column 2): all eight neighbours, then its corners.
    const float square18[12] = {34, 2, 17, 19, 33, 35, 1, 3, 36, 37, 19, 20};
    for (size_t f = 0; f < 12; ++f) EXPECT_EQ(FloatAt(bytes, sq1 + 17 * 48 + 4 * f), square18[f]) << f;
}

TEST(DocumentWrite, FailedWritesReportAndLeaveTheOldFileWhole) {
    TempDir dir;
    EditorState s;
    MakeDistinctTerrain(s);
    std::string path = dir.File("keep.vhm");
    vhtest::WriteFileBytes(path, "old contents");
    s.Doc.DocClean = false;
    // A folder where the file should be is not replaced.
    std::filesystem::create_directory(dir.File("folder.vhm"));
    const struct {
        std::string path, why;
        vh::ErrorKind kind;
        float height9;
    } cases[] = {{dir.File("folder.vhm"), "folder", vh::ErrorKind::Unwritable, 0},
                 {dir.File("no/such/folder/x.vhm"), "x.vhm", vh::ErrorKind::Unwritable, 0},
                 // A terrain that could not be reopened is not written.
                 {path, "not saved", vh::ErrorKind::Invalid, NAN}};
    for (const auto& c : cases) {
        s.Terrain.Points[9].Height = c.height9;
        const vh::Status written = vh::WriteDocument(s, c.path);
        ASSERT_FALSE(written) << c.path;
        EXPECT_EQ(written.Kind(), c.kind) << c.path;
        EXPECT_NE(written.Message().find(c.why), std::string::npos) << written.Message();
    }
    EXPECT_EQ(vhtest::ReadFileBytes(path), "old contents");
    EXPECT_FALSE(s.Doc.DocClean);
    EXPECT_TRUE(s.Recent[1].empty());
    const vh::Result<std::string> none = vh::EncodeDocument(vh::Terrain{}, vh::DocumentSettings{});
    ASSERT_FALSE(none);
    EXPECT_FALSE(none.Message().empty());
}

TEST(DocumentRoundTrip, SaveAndReopenRestoresEveryStoredValue) {
    TempDir dir;
    EditorState a;
    MakeDistinctTerrain(a);
    a.LogPath = dir.File("log.txt");
    a.Doc.DocClean = false;
    a.Recent[1] = "/older.vhm";
    std::string path = dir.File("round.vhm");
    const vh::Status written = vh::WriteDocument(a, path);
    ASSERT_TRUE(written) << vh::MessageOf(written);
    EXPECT_EQ(vhtest::ReadFileBytes(a.LogPath), "VHM SAVE : Saving File " + path + "\n");
    EXPECT_TRUE(a.Doc.DocClean);
    EXPECT_EQ(a.Recent[1], path);
    EXPECT_EQ(a.Recent[2], "/older.vhm");
    EditorState b;
    vh::SetDefaults(b, "/elsewhere");
    b.LogPath.clear();
    ScriptedPrompts prompts;
    ASSERT_TRUE(vh::ReadDocument(b, path, "round.vhm", prompts));
    EXPECT_TRUE(prompts.Messages.empty());
    ExpectSameTerrain(a, b);
    for (size_t i = 0; i < Texts(a).size(); ++i) EXPECT_EQ(*Texts(b)[i], *Texts(a)[i]);
    EXPECT_EQ(b.Export.ExportPosition, 3);
    EXPECT_FALSE(b.Export.AddHint);
    EXPECT_TRUE(b.Export.AddSky);
    EXPECT_EQ(b.Brushes.TopScaleX, 0.5f);
    EXPECT_EQ(b.Brushes.TopScaleY, 1.25f);
    EXPECT_EQ(b.Brushes.SideScaleX, 3.0f);
    EXPECT_EQ(b.Brushes.SideScaleY, 4.5f);
    EXPECT_EQ(b.History.UndoHeights1.size(), 290u);  // undo arrays sized for the new terrain
    EXPECT_EQ(b.History.RedoHeights.size(), 290u);
    EXPECT_EQ(b.History.UndoLevels, 0);

    EditorState tall, c;  // a non-square grid through the no-prompt loader
    vhtest::MakeTerrain(tall, 5, 9, 64);
    tall.Terrain.Points[12].Height = 48;
    ASSERT_TRUE(vhtest::SaveDocument(tall, dir.File("tall.vhm")));
    const vh::Status loaded = vh::LoadDocumentInto(c, dir.File("tall.vhm"));
    ASSERT_TRUE(loaded) << vh::MessageOf(loaded);
    EXPECT_EQ(c.Doc.DocTitle, "tall.vhm");
    ExpectSameTerrain(tall, c);
}

TEST(DocumentRead, SuccessfulOpenResetsReplacesTellsViewAndStartsLoop) {
    TempDir dir;
    std::string path = dir.File("open me.vhm");
    vhtest::WriteFileBytes(path, DistinctBytes());
    EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    s.LogPath = dir.File("log.txt");
    s.History.UndoLevels = 2;
    s.Recent[1] = "/x.vhm";
    vhtest::RecordingObserver seen(s);
    ScriptedPrompts prompts;
    ASSERT_TRUE(vh::ReadDocument(s, path, "open me.vhm", prompts));
    EXPECT_EQ(seen.events, (std::vector<std::string>{"reset 9", "replaced 289"}));
    EXPECT_EQ(s.Doc.DocPath, path);
    EXPECT_EQ(s.Doc.DocTitle, "open me.vhm");
    EXPECT_EQ(s.Doc.Caption, "open me.vhm - Varnholm");
    EXPECT_TRUE(s.Doc.DocClean);
    EXPECT_TRUE(s.LoopRunning);
    EXPECT_EQ(s.History.UndoLevels, 0);
    EXPECT_TRUE(s.Doc.TerrainExists);
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
        s.Terrain.Points[5].Height = 80;
        s.Doc.DocPath = "/maps/current.vhm";
        s.Doc.DocTitle = "current.vhm";
        s.Doc.Caption = "current.vhm - Varnholm";
        s.Doc.DocClean = false;
        s.LoopRunning = true;
        s.LogPath = dir.File("log.txt");
        before = s;
    }
    bool Open(const std::string& bytes) {
        vhtest::WriteFileBytes(dir.File("bad.vhm"), bytes);
        return vh::ReadDocument(s, dir.File("bad.vhm"), "bad.vhm", prompts);
    }
    void ExpectTerrainUntouched() {
        ExpectSameTerrain(before, s);
        EXPECT_EQ(s.Doc.DocPath, before.Doc.DocPath);
        EXPECT_EQ(s.Doc.DocTitle, before.Doc.DocTitle);
        EXPECT_TRUE(s.LoopRunning);
        EXPECT_EQ(s.Brushes.TopTexture, before.Brushes.TopTexture);
        EXPECT_TRUE(s.Recent[1].empty());
    }
};

TEST_F(Refusal, OlderVersionShowsMessageSetsPlainCaptionAndMarksClean) {
    std::string bytes = DistinctBytes();
    bytes.replace(2, 3, "199");
    for (const std::string& file : {bytes, std::string()}) {  // an empty file counts as an older version
        prompts.Messages.clear();
        std::filesystem::remove(s.LogPath);
        s.Doc.Caption = before.Doc.Caption;
        s.Doc.DocClean = false;
        EXPECT_FALSE(Open(file));
        ASSERT_EQ(prompts.Messages.size(), 1u);
        EXPECT_EQ(prompts.Messages[0].Text, "Sorry, VH 2.0.0 does not support older .VHM files.");
        EXPECT_EQ(prompts.Messages[0].Text, vh::kUnsupportedVersionText);
        EXPECT_EQ(prompts.Messages[0].Title, "Varnholm");
        EXPECT_EQ(prompts.Messages[0].Icon, vh::PromptIcon::Exclamation);
        EXPECT_EQ(prompts.Messages[0].Buttons, vh::PromptButtons::Ok);
        EXPECT_EQ(s.Doc.Caption, "Varnholm");
        EXPECT_TRUE(s.Doc.DocClean);
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
        EXPECT_EQ(s.Doc.Caption, before.Doc.Caption);
        EXPECT_FALSE(s.Doc.DocClean);
        EXPECT_FALSE(std::filesystem::exists(s.LogPath));
        ExpectTerrainUntouched();
    }
    EditorState c;
    const vh::Status loaded = vh::LoadDocumentInto(c, dir.File("bad.vhm"));
    EXPECT_EQ(loaded.Kind(), vh::ErrorKind::Damaged);
    EXPECT_NE(loaded.Message().find("bad.vhm"), std::string::npos);
    EXPECT_EQ(c.Terrain.PointCount, 0);
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
        ASSERT_EQ(s.Terrain.PointCount, 289);
        EXPECT_EQ(s.Terrain.Points[101].Height, 3.0e12f);
        EXPECT_EQ(s.Terrain.Points[102].Height, -std::numeric_limits<float>::max());
        EXPECT_EQ(s.Terrain.Points[41].X, 12345.0f);
        EXPECT_EQ(s.Terrain.Points[18].Z, -9999.5f);
    }
}

TEST(DocumentRoundTrip, AnyNonZeroBooleanReadsTrueAndIsSavedAsMinusOne) {
    std::string bytes = DistinctBytes();
    const size_t hint = 5 + 3 * 4 + 2 * (2 + 6) + 2;  // after the counts, two texts and the position
    const size_t lock = PointsStart(bytes) + 12;      // point 1, not locked
    ASSERT_EQ(bytes.substr(hint, 2), std::string(2, '\0'));
    ASSERT_EQ(bytes.substr(lock, 2), std::string(2, '\0'));
    bytes[hint] = 1;
    bytes[lock] = 7;
    const vh::Result<vh::DocumentData> r = vh::DecodeDocument(bytes, "b.vhm");
    ASSERT_TRUE(r) << vh::MessageOf(r);
    EXPECT_TRUE(r->Export.AddHint);
    EXPECT_TRUE(r->Terrain.Points[1].Locked);
    const vh::Result<std::string> again = vh::EncodeDocument(r->Terrain, r.Value());
    ASSERT_TRUE(again);
    EXPECT_EQ(again->substr(hint, 2), "\xFF\xFF");
    EXPECT_EQ(again->substr(lock, 2), "\xFF\xFF");
}

TEST(DocumentRoundTrip, HeightsOfAnyFiniteSizeAreSavedAndReopened) {
    TempDir dir;
    EditorState a;
    MakeDistinctTerrain(a);
    const float big[] = {
        1.28e9f, -5.0e9f, 3.0e38f, std::numeric_limits<float>::max(), -std::numeric_limits<float>::max(),
        1.0e-30f};
    for (size_t i = 0; i < std::size(big); ++i) a.Terrain.Points[10 + i].Height = big[i];
    ASSERT_TRUE(vhtest::SaveDocument(a, dir.File("big.vhm")));
    EditorState b;
    const vh::Status loaded = vh::LoadDocumentInto(b, dir.File("big.vhm"));
    ASSERT_TRUE(loaded) << vh::MessageOf(loaded);
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
