#include "core/document.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "core/rules.h"
#include "support/scripted_prompts.h"
#include "support/temp_dir.h"
#include "support/terrain_fixture.h"

namespace {

using vh::EditorState;
using vhtest::ScriptedPrompts;
using vhtest::TempDir;

// A terrain with a different height at every point, some locked points and
// every document setting moved off its default.
void MakeDistinctTerrain(EditorState& s, const std::string& logPath = {}) {
    vhtest::MakeTerrain(s, 17, 17);
    s.LogPath = logPath;
    for (int i = 1; i <= s.PointTotal(); ++i) {
        s.Points[i].Height = static_cast<float>((i * 37) % 101) * 16.0f - 512.0f;
        s.Points[i].Locked = (i % 7 == 0) ? vh::kTrue : vh::kFalse;
    }
    s.LastExportPath = "/maps/out/last.map";
    s.ExportType = "Rows";
    s.ExportPosition = 3;
    s.AddHint = vh::kFalse;
    s.AddSky = vh::kTrue;
    s.TopTexture = "GRASS1";
    s.SideTexture = "ROCK7";
    s.HintTexture = "hint2";
    s.SkipTexture = "skip2";
    s.SkyTexture = "sky4";
    s.TopScaleX = 0.5f;
    s.TopScaleY = 1.25f;
    s.SideScaleX = 3;
    s.SideScaleY = 4.5f;
    s.SkyUP = "/sky/u.tga";
    s.SkyDN = "/sky/d.tga";
    s.SkyFT = "/sky/f.tga";
    s.SkyBK = "/sky/b.tga";
    s.SkyRT = "/sky/r.tga";
    s.SkyLF = "/sky/l.tga";
    s.GroundTexture = "/tex/mud.jpg";
}

std::string SavedBytes(EditorState& s, const TempDir& dir, const std::string& name = "a.vhm") {
    std::string error;
    EXPECT_TRUE(vh::WriteDocument(s, dir.File(name), &error)) << error;
    return vhtest::ReadFileBytes(dir.File(name));
}

std::string StringField(const std::string& text) {
    std::string out;
    out.push_back(static_cast<char>(text.size() & 0xFF));
    out.push_back(static_cast<char>(text.size() >> 8));
    return out + text;
}

float FloatAt(const std::string& bytes, size_t offset) {
    float v;
    std::memcpy(&v, bytes.data() + offset, 4);
    return v;
}

void PutFloatAt(std::string& bytes, size_t offset, float v) {
    std::memcpy(bytes.data() + offset, &v, 4);
}

size_t HeaderSize(const EditorState& s) {
    size_t strings = 0;
    for (const std::string* t :
         {&s.LastExportPath, &s.ExportType, &s.TopTexture, &s.SideTexture, &s.HintTexture, &s.SkipTexture,
          &s.SkyTexture, &s.SkyUP, &s.SkyDN, &s.SkyFT, &s.SkyBK, &s.SkyRT, &s.SkyLF, &s.GroundTexture})
        strings += 2 + t->size();
    return (2 + 3) + strings + 3 * 4 + 3 * 2 + 4 * 4;
}

void ExpectSameTerrain(const EditorState& a, const EditorState& b) {
    ASSERT_EQ(a.PointCount, b.PointCount);
    ASSERT_EQ(a.SquareCount, b.SquareCount);
    ASSERT_EQ(a.PointsPerRow, b.PointsPerRow);
    ASSERT_EQ(a.Points.size(), b.Points.size());
    ASSERT_EQ(a.Squares.size(), b.Squares.size());
    for (size_t i = 1; i < a.Points.size(); ++i) {
        EXPECT_EQ(a.Points[i].X, b.Points[i].X) << i;
        EXPECT_EQ(a.Points[i].Z, b.Points[i].Z) << i;
        EXPECT_EQ(a.Points[i].Height, b.Points[i].Height) << i;
        EXPECT_EQ(a.Points[i].Locked, b.Points[i].Locked) << i;
    }
    for (size_t i = 1; i < a.Squares.size(); ++i) {
        EXPECT_EQ(0, std::memcmp(&a.Squares[i], &b.Squares[i], sizeof(vh::TerrainSquare))) << i;
    }
}

TEST(DocumentWrite, SeventeenBySeventeenFileIsHeaderPlusPointAndSquareRecords) {
    EditorState s;
    MakeDistinctTerrain(s);
    TempDir dir;
    std::string bytes = SavedBytes(s, dir);
    EXPECT_EQ(bytes.size(), HeaderSize(s) + 289u * 14u + 256u * 48u);
    // Version string, then the three counts as little-endian floats.
    EXPECT_EQ(bytes.substr(0, 5), StringField("200"));
    EXPECT_EQ(FloatAt(bytes, 5), 289.0f);
    EXPECT_EQ(FloatAt(bytes, 9), 256.0f);
    EXPECT_EQ(FloatAt(bytes, 13), 17.0f);
    EXPECT_EQ(bytes.substr(17, 2 + s.LastExportPath.size()), StringField(s.LastExportPath));
}

TEST(DocumentWrite, PointAndSquareRecordsFollowTheHeaderInOrder) {
    EditorState s;
    MakeDistinctTerrain(s);
    TempDir dir;
    std::string bytes = SavedBytes(s, dir);
    size_t p = HeaderSize(s);
    // Point 7 is locked: its record ends with -1 as a 16-bit value.
    size_t rec7 = p + 6 * 14;
    EXPECT_EQ(FloatAt(bytes, rec7), s.Points[7].X);
    EXPECT_EQ(FloatAt(bytes, rec7 + 4), s.Points[7].Height);
    EXPECT_EQ(FloatAt(bytes, rec7 + 8), s.Points[7].Z);
    EXPECT_EQ(static_cast<unsigned char>(bytes[rec7 + 12]), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(bytes[rec7 + 13]), 0xFF);
    // Square 1: SqNext first, the four corners last.
    size_t sq1 = p + 289 * 14;
    EXPECT_EQ(FloatAt(bytes, sq1), 17.0f);
    EXPECT_EQ(FloatAt(bytes, sq1 + 8 * 4), 18.0f);  // CornerNextLeft
    EXPECT_EQ(FloatAt(bytes, sq1 + 9 * 4), 19.0f);  // CornerNextRight
    EXPECT_EQ(FloatAt(bytes, sq1 + 10 * 4), 1.0f);  // CornerLeft
    EXPECT_EQ(FloatAt(bytes, sq1 + 11 * 4), 2.0f);  // CornerRight
}

TEST(DocumentWrite, SaveLogsEnablesSaveMarksCleanAndAddsRecent) {
    TempDir dir;
    EditorState s;
    MakeDistinctTerrain(s, dir.File("log.txt"));
    s.DocClean = vh::kFalse;
    s.Recent[1] = "/older.vhm";
    std::string path = dir.File("saved.vhm");
    std::string error;
    ASSERT_TRUE(vh::WriteDocument(s, path, &error)) << error;
    EXPECT_EQ(vhtest::ReadFileBytes(dir.File("log.txt")), "VHM SAVE : Saving File " + path + "\n");
    EXPECT_TRUE(s.Commands.cmdSave.Enabled);
    EXPECT_EQ(s.DocClean, vh::kTrue);
    EXPECT_EQ(s.Recent[1], path);
    EXPECT_EQ(s.Recent[2], "/older.vhm");
}

TEST(DocumentWrite, UnwritablePathReportsAndLeavesOldFileWhole) {
    TempDir dir;
    EditorState s;
    MakeDistinctTerrain(s);
    std::string path = dir.File("keep.vhm");
    vhtest::WriteFileBytes(path, "old contents");
    // The temporary file cannot be created when a folder stands in its place.
    std::filesystem::create_directory(path + ".tmp-" + std::to_string(::getpid()));
    s.DocClean = vh::kFalse;
    std::string error;
    EXPECT_FALSE(vh::WriteDocument(s, path, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(vhtest::ReadFileBytes(path), "old contents");
    EXPECT_EQ(s.DocClean, vh::kFalse);
    EXPECT_TRUE(s.Recent[1].empty());
}

TEST(DocumentWrite, MissingFolderIsAnErrorNotACrash) {
    TempDir dir;
    EditorState s;
    MakeDistinctTerrain(s);
    std::string error;
    EXPECT_FALSE(vh::WriteDocument(s, dir.File("no/such/folder/x.vhm"), &error));
    EXPECT_NE(error.find("x.vhm"), std::string::npos);
}

TEST(DocumentWrite, TerrainThatCouldNotBeReopenedIsNotWritten) {
    TempDir dir;
    EditorState s;
    MakeDistinctTerrain(s);
    std::string path = dir.File("keep.vhm");
    vhtest::WriteFileBytes(path, "old contents");
    s.Points[9].Height = NAN;
    s.DocClean = vh::kFalse;
    std::string error;
    EXPECT_FALSE(vh::WriteDocument(s, path, &error));
    EXPECT_NE(error.find("not saved"), std::string::npos);
    EXPECT_EQ(vhtest::ReadFileBytes(path), "old contents");
    EXPECT_EQ(s.DocClean, vh::kFalse);
}

TEST(DocumentWrite, NoTerrainIsRefused) {
    EditorState s;
    std::string bytes, error;
    EXPECT_FALSE(vh::EncodeDocument(s, &bytes, &error));
    EXPECT_FALSE(error.empty());
}

TEST(DocumentRoundTrip, SaveAndReopenRestoresEveryStoredValue) {
    TempDir dir;
    EditorState a;
    MakeDistinctTerrain(a);
    SavedBytes(a, dir, "round.vhm");

    EditorState b;
    vh::SetDefaults(b, "/elsewhere");
    b.LogPath.clear();
    ScriptedPrompts prompts;
    ASSERT_TRUE(vh::ReadDocument(b, dir.File("round.vhm"), "round.vhm", prompts));
    EXPECT_TRUE(prompts.Messages.empty());
    ExpectSameTerrain(a, b);
    EXPECT_EQ(b.LastExportPath, a.LastExportPath);
    EXPECT_EQ(b.ExportType, "Rows");
    EXPECT_EQ(b.ExportPosition, 3);
    EXPECT_EQ(b.AddHint, vh::kFalse);
    EXPECT_EQ(b.AddSky, vh::kTrue);
    EXPECT_EQ(b.TopTexture, "GRASS1");
    EXPECT_EQ(b.SideTexture, "ROCK7");
    EXPECT_EQ(b.HintTexture, "hint2");
    EXPECT_EQ(b.SkipTexture, "skip2");
    EXPECT_EQ(b.SkyTexture, "sky4");
    EXPECT_EQ(b.TopScaleX, 0.5f);
    EXPECT_EQ(b.TopScaleY, 1.25f);
    EXPECT_EQ(b.SideScaleX, 3.0f);
    EXPECT_EQ(b.SideScaleY, 4.5f);
    EXPECT_EQ(b.SkyUP, "/sky/u.tga");
    EXPECT_EQ(b.SkyDN, "/sky/d.tga");
    EXPECT_EQ(b.SkyFT, "/sky/f.tga");
    EXPECT_EQ(b.SkyBK, "/sky/b.tga");
    EXPECT_EQ(b.SkyRT, "/sky/r.tga");
    EXPECT_EQ(b.SkyLF, "/sky/l.tga");
    EXPECT_EQ(b.GroundTexture, "/tex/mud.jpg");
    // Undo arrays are sized for the new terrain.
    EXPECT_EQ(b.UndoHeights1.size(), 290u);
    EXPECT_EQ(b.RedoHeights.size(), 290u);
    EXPECT_EQ(b.UndoLevels, 0);
}

TEST(DocumentRoundTrip, NonSquareGridSurvives) {
    TempDir dir;
    EditorState a;
    vhtest::MakeTerrain(a, 5, 9, 64);
    a.Points[12].Height = 48;
    SavedBytes(a, dir, "tall.vhm");
    EditorState b;
    ScriptedPrompts prompts;
    ASSERT_TRUE(vh::ReadDocument(b, dir.File("tall.vhm"), "tall.vhm", prompts));
    ExpectSameTerrain(a, b);
}

TEST(DocumentRead, SuccessfulOpenResetsReplacesTellsViewAndStartsLoop) {
    TempDir dir;
    EditorState a;
    MakeDistinctTerrain(a);
    std::string path = dir.File("open me.vhm");
    SavedBytes(a, dir, "open me.vhm");

    EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    s.LogPath = dir.File("log.txt");
    std::remove(s.LogPath.c_str());
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

struct RefusalFixture : ::testing::Test {
    TempDir dir;
    EditorState s;
    EditorState before;
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
    std::string ValidBytes() {
        EditorState d;
        MakeDistinctTerrain(d);
        std::string bytes, error;
        EXPECT_TRUE(vh::EncodeDocument(d, &bytes, &error));
        return bytes;
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
    void ExpectDamagedMessage() {
        ASSERT_EQ(prompts.Messages.size(), 1u);
        EXPECT_EQ(prompts.Messages[0].Title, "Varnholm");
        EXPECT_EQ(prompts.Messages[0].Icon, vh::PromptIcon::Exclamation);
        EXPECT_NE(prompts.Messages[0].Text.find("bad.vhm"), std::string::npos);
        EXPECT_EQ(s.Caption, before.Caption);
        EXPECT_EQ(s.DocClean, vh::kFalse);
        EXPECT_FALSE(std::filesystem::exists(s.LogPath));
    }
};

TEST_F(RefusalFixture, OlderVersionShowsMessageSetsPlainCaptionAndMarksClean) {
    std::string bytes = ValidBytes();
    bytes.replace(2, 3, "199");
    EXPECT_FALSE(Open(bytes));
    ASSERT_EQ(prompts.Messages.size(), 1u);
    EXPECT_EQ(prompts.Messages[0].Text, "Sorry, VH 2.0.0 does not support older .VHM files.");
    EXPECT_EQ(prompts.Messages[0].Title, "Varnholm");
    EXPECT_EQ(prompts.Messages[0].Icon, vh::PromptIcon::Exclamation);
    EXPECT_EQ(prompts.Messages[0].Buttons, vh::PromptButtons::Ok);
    EXPECT_EQ(s.Caption, "Varnholm");
    EXPECT_EQ(s.DocClean, vh::kTrue);
    EXPECT_EQ(vhtest::ReadFileBytes(s.LogPath), "VHM LOAD : Unsuported Format " + dir.File("bad.vhm") + "\n");
    ExpectTerrainUntouched();
}

TEST_F(RefusalFixture, EmptyFileIsAnUnsupportedVersion) {
    EXPECT_FALSE(Open(""));
    ASSERT_EQ(prompts.Messages.size(), 1u);
    EXPECT_EQ(prompts.Messages[0].Text, vh::kUnsupportedVersionText);
    EXPECT_EQ(s.Caption, "Varnholm");
    ExpectTerrainUntouched();
}

TEST_F(RefusalFixture, TruncatedDocumentIsRefused) {
    std::string bytes = ValidBytes();
    EXPECT_FALSE(Open(bytes.substr(0, bytes.size() - 1)));
    ExpectDamagedMessage();
    ExpectTerrainUntouched();
}

TEST_F(RefusalFixture, TruncatedHeaderIsRefused) {
    EXPECT_FALSE(Open(ValidBytes().substr(0, 40)));
    ExpectDamagedMessage();
    ExpectTerrainUntouched();
}

TEST_F(RefusalFixture, BytesAfterTheLastSquareAreRefused) {
    EXPECT_FALSE(Open(ValidBytes() + "x"));
    ExpectDamagedMessage();
    ExpectTerrainUntouched();
}

TEST_F(RefusalFixture, PointCountAboveTheModelLimitIsRefused) {
    std::string bytes = ValidBytes();
    PutFloatAt(bytes, 5, 40000);
    EXPECT_FALSE(Open(bytes));
    ExpectDamagedMessage();
    ExpectTerrainUntouched();
}

TEST_F(RefusalFixture, SquareCountThatDoesNotFitTheGridIsRefused) {
    std::string bytes = ValidBytes();
    PutFloatAt(bytes, 9, 255);
    EXPECT_FALSE(Open(bytes));
    ExpectDamagedMessage();
    ExpectTerrainUntouched();
}

TEST_F(RefusalFixture, FractionalOrNegativeCountsAreRefused) {
    for (float v : {16.5f, -17.0f, 0.0f, NAN}) {
        std::string bytes = ValidBytes();
        PutFloatAt(bytes, 13, v);
        EXPECT_FALSE(Open(bytes)) << v;
    }
    EXPECT_EQ(prompts.Messages.size(), 4u);
    ExpectTerrainUntouched();
}

TEST_F(RefusalFixture, SquareNamingAMissingPointIsRefused) {
    EditorState d;
    MakeDistinctTerrain(d);
    std::string bytes = ValidBytes();
    size_t cornerOfSquare10 = HeaderSize(d) + 289 * 14 + 9 * 48 + 10 * 4;
    PutFloatAt(bytes, cornerOfSquare10, 5000);
    EXPECT_FALSE(Open(bytes));
    ExpectDamagedMessage();
    ExpectTerrainUntouched();
}

TEST_F(RefusalFixture, SquareWithSwappedNeighboursIsRefused) {
    EditorState d;
    MakeDistinctTerrain(d);
    std::string bytes = ValidBytes();
    size_t sq20 = HeaderSize(d) + 289 * 14 + 19 * 48;
    // SqNext and SqPrev exchanged: valid indices, wrong geometry.
    float next = FloatAt(bytes, sq20), prev = FloatAt(bytes, sq20 + 4);
    PutFloatAt(bytes, sq20, prev);
    PutFloatAt(bytes, sq20 + 4, next);
    EXPECT_FALSE(Open(bytes));
    ExpectDamagedMessage();
}

TEST_F(RefusalFixture, NaNOrHugeHeightIsRefused) {
    EditorState d;
    MakeDistinctTerrain(d);
    for (float v : {NAN, INFINITY, 3.0e12f}) {
        std::string bytes = ValidBytes();
        PutFloatAt(bytes, HeaderSize(d) + 100 * 14 + 4, v);
        EXPECT_FALSE(Open(bytes)) << v;
    }
    EXPECT_EQ(prompts.Messages.size(), 3u);
    ExpectTerrainUntouched();
}

TEST_F(RefusalFixture, IrregularPointCoordinatesAreRefused) {
    EditorState d;
    MakeDistinctTerrain(d);
    std::string bytes = ValidBytes();
    PutFloatAt(bytes, HeaderSize(d) + 40 * 14, 12345.0f);  // X of point 41
    EXPECT_FALSE(Open(bytes));
    ExpectDamagedMessage();
}

TEST_F(RefusalFixture, MissingFileOrFolderGivesAMessage) {
    EXPECT_FALSE(vh::ReadDocument(s, dir.File("missing.vhm"), "missing.vhm", prompts));
    EXPECT_FALSE(vh::ReadDocument(s, dir.Path().string(), "x", prompts));
    ASSERT_EQ(prompts.Messages.size(), 2u);
    EXPECT_NE(prompts.Messages[0].Text.find("missing.vhm"), std::string::npos);
    EXPECT_EQ(prompts.Messages[1].Title, "Varnholm");
    ExpectTerrainUntouched();
}

TEST(DocumentLoadInto, FillsStateWithoutPromptsOrReset) {
    TempDir dir;
    EditorState a;
    MakeDistinctTerrain(a);
    SavedBytes(a, dir, "cli.vhm");
    EditorState b;
    vh::SetDefaults(b, "/prog");
    b.LogPath.clear();
    int resets = 0;
    b.OnReset = [&] { ++resets; };
    std::string error;
    ASSERT_TRUE(vh::LoadDocumentInto(b, dir.File("cli.vhm"), &error)) << error;
    EXPECT_EQ(resets, 0);
    EXPECT_EQ(b.TerrainExists, vh::kTrue);
    EXPECT_EQ(b.DocTitle, "cli.vhm");
    EXPECT_EQ(b.GroundTexture, "/tex/mud.jpg");
    ExpectSameTerrain(a, b);

    vhtest::WriteFileBytes(dir.File("cut.vhm"), vhtest::ReadFileBytes(dir.File("cli.vhm")).substr(0, 500));
    EditorState c;
    EXPECT_FALSE(vh::LoadDocumentInto(c, dir.File("cut.vhm"), &error));
    EXPECT_NE(error.find("cut.vhm"), std::string::npos);
    EXPECT_EQ(c.PointCount, 0.0f);
}

}  // namespace
