// The map's compile-ready choices in the document: a tagged block after the
// last square, written only when used, refused with a message when damaged.
#include "core/map_choices.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "core/document.h"
#include "core/lifecycle.h"
#include "core/settings.h"
#include "support/terrain_fixture.h"

namespace {

vh::EditorState Terrain9() {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 9, 9);
    s.LogPath.clear();
    for (int i = 1; i <= s.Terrain.PointCount; ++i)
        s.Terrain.Points[i].Height = static_cast<float>(i % 5) * 16;
    return s;
}

std::string Bytes(const vh::EditorState& s) {
    const vh::Result<std::string> bytes = vh::EncodeDocument(s.Terrain, vh::DocumentSettingsOf(s));
    EXPECT_TRUE(bytes) << vh::MessageOf(bytes);
    return bytes ? bytes.Value() : std::string();
}

vh::MapChoices Choices(bool ready, bool merge, float simplify, bool detail, int spawn) {
    vh::MapChoices c;
    c.CompileReady = ready, c.Merge = merge, c.Simplify = simplify, c.Detail = detail, c.SpawnSquare = spawn;
    return c;
}

TEST(MapChoicesBlock, UsedChoicesFollowTheSquaresAndComeBack) {
    const std::string layout = Bytes(Terrain9());
    // A reader that stops after the squares opens the same terrain.
    const vh::Result<vh::DocumentData> old = vh::DecodeDocument(layout, "m.vhm");
    ASSERT_TRUE(old);
    EXPECT_FALSE(old->Choices.Used());
    for (const vh::MapChoices& c : {Choices(true, false, 0, false, 0), Choices(false, true, 0, false, 0),
                                    Choices(false, false, 0.25f, false, 0), Choices(false, false, 0, true, 0),
                                    Choices(false, false, 0, false, 64), Choices(true, true, 48, true, 1)}) {
        vh::EditorState s = Terrain9();
        s.Choices = c;
        const std::string bytes = Bytes(s);
        ASSERT_GT(bytes.size(), layout.size());
        EXPECT_EQ(bytes.substr(0, layout.size()), layout);  // the documented layout is untouched before it
        const vh::Result<vh::DocumentData> back = vh::DecodeDocument(bytes, "m.vhm");
        ASSERT_TRUE(back) << back.Message();
        EXPECT_EQ(back->Choices, c);
        // Later bytes after the block are left alone, as after the squares.
        EXPECT_TRUE(vh::DecodeDocument(bytes + "later", "m.vhm").Ok());
    }
}

TEST(MapChoicesBlock, UnusedChoicesKeepTheDocumentByteForByte) {
    vh::EditorState s = Terrain9();
    const std::string before = Bytes(s);
    s.Choices.Simplify = 0;
    s.Choices.SpawnSquare = 0;
    EXPECT_EQ(Bytes(s), before);
    // Bytes after the squares without the tag are what older files may hold.
    for (const std::string tail : {"x", "VHM", "VHMD0123456789"}) {
        const vh::Result<vh::DocumentData> r = vh::DecodeDocument(before + tail, "m.vhm");
        ASSERT_TRUE(r) << tail;
        EXPECT_FALSE(r->Choices.Used());
    }
}

TEST(MapChoicesBlock, DamagedBlocksAreRefusedWithAMessage) {
    vh::EditorState s = Terrain9();
    s.Choices = Choices(true, true, 16, false, 10);
    const std::string good = Bytes(s);
    const size_t block = good.size() - 16;  // tag, length, then 10 bytes
    auto put32 = [](std::string& b, size_t at, uint32_t v) { std::memcpy(b.data() + at, &v, 4); };
    auto putF = [](std::string& b, size_t at, float v) { std::memcpy(b.data() + at, &v, 4); };
    const struct {
        const char* what;
        void (*damage)(std::string&, size_t);
    } cases[] = {
        {"cut in the length", [](std::string& b, size_t at) { b.resize(at + 5); }},
        {"cut in the payload", [](std::string& b, size_t at) { b.resize(at + 12); }},
        {"length past the end", [](std::string& b, size_t at) { b[at + 4] = 40; }},
        {"length too short", [](std::string& b, size_t at) { b[at + 4] = 6; }},
        {"unknown option", [](std::string& b, size_t at) { b[at + 7] = 1; }},
    };
    for (const auto& c : cases) {
        std::string bad = good;
        c.damage(bad, block);
        const vh::Result<vh::DocumentData> r = vh::DecodeDocument(bad, "bad.vhm");
        ASSERT_FALSE(r) << c.what;
        EXPECT_EQ(r.Kind(), vh::ErrorKind::Damaged) << c.what;
        EXPECT_NE(r.Message().find("bad.vhm"), std::string::npos) << c.what;
        EXPECT_NE(r.Message().find("map choices"), std::string::npos) << c.what << ": " << r.Message();
    }
    for (float tolerance : {NAN, INFINITY, -1.0f, 1e9f}) {
        std::string bad = good;
        putF(bad, block + 8, tolerance);
        EXPECT_FALSE(vh::DecodeDocument(bad, "bad.vhm").Ok()) << tolerance;
    }
    for (uint32_t square : {uint32_t{65}, uint32_t{0xFFFFFFFF}, uint32_t{1u << 31}}) {
        std::string bad = good;
        put32(bad, block + 12, square);
        const vh::Result<vh::DocumentData> r = vh::DecodeDocument(bad, "bad.vhm");
        ASSERT_FALSE(r) << square;
        EXPECT_NE(r.Message().find("spawn square"), std::string::npos) << r.Message();
    }
    std::string last = good;
    put32(last, block + 12, 64);  // the last square of 8 x 8
    EXPECT_TRUE(vh::DecodeDocument(last, "m.vhm").Ok());
}

TEST(MapChoicesState, OpeningKeepsTheSettingsOnlyKeysAndAResetClearsTheChoices) {
    vh::EditorState s = Terrain9();
    s.Choices = Choices(true, false, 8, false, 3);
    const vh::Result<vh::DocumentData> doc = vh::DecodeDocument(Bytes(s), "m.vhm");
    ASSERT_TRUE(doc);
    vh::EditorState t = Terrain9();
    t.Export.Headroom = 512;
    t.Export.Wad = "/q/gfx.wad";
    t.Export.Light = false;
    vh::ApplyDocument(t, doc.Value());
    EXPECT_EQ(t.Choices, s.Choices);
    EXPECT_EQ(t.Export.Headroom, 512.0f);
    EXPECT_EQ(t.Export.Wad, "/q/gfx.wad");
    EXPECT_FALSE(t.Export.Light);

    t.Doc.DocClean = true;
    vh::EditDocumentSettings(t, [](vh::EditorState& e) { e.Choices.SpawnSquare = 4; });
    EXPECT_FALSE(t.Doc.DocClean);
    t.Doc.DocClean = true;
    vh::EditDocumentSettings(t, [](vh::EditorState& e) { e.Choices.SpawnSquare = 4; });
    EXPECT_TRUE(t.Doc.DocClean);

    vh::ResetEditor(t);
    EXPECT_FALSE(t.Choices.Used());
}

TEST(MapChoicesSettings, HeadroomWadAndLightAreKeptInTheSettingsFile) {
    vh::Settings old;
    vh::ApplySettingsText(old, "[Export]\nExportType=X\nAddHint=False\n");
    const vh::ExportSettings defaults;
    EXPECT_EQ(old.Export.Headroom, defaults.Headroom);
    EXPECT_EQ(old.Export.Wad, "");
    EXPECT_TRUE(old.Export.Light);

    vh::Settings a;
    a.Export.Headroom = 96.5f;
    a.Export.Wad = "C:/quake/id1/gfx/base.wad";
    a.Export.Light = false;
    vh::Settings b;
    vh::ApplySettingsText(b, vh::SettingsText(a));
    EXPECT_EQ(b.Export.Headroom, 96.5f);
    EXPECT_EQ(b.Export.Wad, a.Export.Wad);
    EXPECT_FALSE(b.Export.Light);
    EXPECT_EQ(vh::SettingsText(b), vh::SettingsText(a));
}

}  // namespace
