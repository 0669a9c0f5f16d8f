#include "export/export_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "core/lifecycle.h"
#include "core/rules.h"
#include "support/scripted_prompts.h"
#include "support/temp_dir.h"
#include "support/terrain_fixture.h"

using vhtest::ScriptedPrompts;

namespace {

// What is known before the dialog, and the folder and name it proposes.
struct Proposal {
    const char *LastExport, *Doc, *Recent1, *Folder, *Name;
};

class ExportChoice : public ::testing::Test {
protected:
    void SetUp() override {
        vhtest::MakeTerrain(s, 3, 3);
        s.Paths = vh::PortablePaths("/opt/varnholm");
        s.Doc.DocPath.clear();
        s.Recent = {};
        s.Doc.LastExportPath.clear();
        s.Doc.ExportAgainOffered = false;
    }
    // Opens the dialog (cancelled) from each known state and checks what it proposes.
    void ExpectProposals(const std::function<std::string(vh::EditorState&, vh::Prompts&)>& choose,
                         const std::string& title, const std::string& filter,
                         std::initializer_list<Proposal> cases) {
        for (const auto& c : cases) {
            vh::EditorState e = s;
            e.Doc.LastExportPath = c.LastExport;
            e.Doc.DocPath = c.Doc;
            e.Recent[1] = c.Recent1;
            ScriptedPrompts p;
            EXPECT_EQ(choose(e, p), "");
            ASSERT_EQ(p.SaveRequests.size(), 1u);
            EXPECT_EQ(p.SaveRequests[0].Title, title);
            EXPECT_EQ(p.SaveRequests[0].Filter, filter);
            EXPECT_EQ(p.SaveRequests[0].InitialFolder, c.Folder) << c.LastExport << " " << c.Doc;
            EXPECT_EQ(p.SaveRequests[0].FileName, c.Name) << c.LastExport << " " << c.Doc;
            EXPECT_EQ(e.Doc.LastExportPath, c.LastExport);
        }
    }
    vh::EditorState s;
    ScriptedPrompts prompts;
};

}  // namespace

TEST_F(ExportChoice, ExportMap) {
    ExpectProposals(
        vh::ChooseMapExportPath, "Export Map File.", "Map Files (*.map)|*.map",
        {{"", "", "", "/opt/varnholm", ""},
         {"/maps/out/Valley.MAP", "/docs/valley.vhm", "/docs/other.vhm", "/maps/out/", "Valley.map"},
         {"/maps/out/valley.txt", "/docs/Valley.VHM", "", "/docs/", "/docs/Valley.map"},
         {"", "newmap.txt", "/work/recent/hills.vhm", "/work/recent/", "untitled.map"},
         // A path the Windows program stored names the file only.
         {"C:\\maps\\Valley.MAP", "/docs/dunes.vhm", "", "/docs/", "Valley.map"},
         {"D:\\Valley.MAP", "", "", "/opt/varnholm", "Valley.map"}});
    // Another extension does nothing, silently; a map is remembered.
    for (const char* path : {"/maps/a.bmp", "/maps/a.Map"})
        prompts.FileAnswers.push_back(ScriptedPrompts::Choose(path));
    EXPECT_EQ(ChooseMapExportPath(s, prompts), "");
    EXPECT_FALSE(s.Doc.ExportAgainOffered);
    s.Doc.DocClean = true;
    EXPECT_EQ(ChooseMapExportPath(s, prompts), "/maps/a.Map");
    EXPECT_EQ(s.Doc.LastExportPath, "/maps/a.Map");
    EXPECT_TRUE(s.Doc.ExportAgainOffered);
    EXPECT_FALSE(s.Doc.DocClean);  // the document keeps its export path
    s.Doc.DocClean = true;
    prompts.FileAnswers.push_back(ScriptedPrompts::Choose("/maps/a.Map"));
    EXPECT_EQ(ChooseMapExportPath(s, prompts), "/maps/a.Map");
    EXPECT_TRUE(s.Doc.DocClean);
    EXPECT_TRUE(prompts.Messages.empty());
}

TEST_F(ExportChoice, ANameWithoutAnExtensionGetsTheExportsOwn) {
    prompts.FileAnswers = {ScriptedPrompts::Choose("/maps/mymap"), ScriptedPrompts::Choose("/img/heights")};
    EXPECT_EQ(ChooseMapExportPath(s, prompts), "/maps/mymap.map");
    EXPECT_EQ(s.Doc.LastExportPath, "/maps/mymap.map");
    EXPECT_EQ(ChooseBmpExportPath(s, prompts), "/img/heights.bmp");
    ASSERT_EQ(prompts.SaveRequests.size(), 2u);
    EXPECT_EQ(prompts.SaveRequests[0].DefaultSuffix, "map");
    EXPECT_EQ(prompts.SaveRequests[1].DefaultSuffix, "bmp");
}

TEST_F(ExportChoice, ExportAgainAsksWhenThePathWasWrittenElsewhere) {
    for (const char* stored : {"C:\\maps\\x.map", "x.map"}) {
        s.Doc.LastExportPath = stored;
        ScriptedPrompts p;
        p.FileAnswers.push_back(ScriptedPrompts::Choose("/maps/x.map"));
        EXPECT_EQ(ExportAgainPath(s, p), "/maps/x.map") << stored;
        ASSERT_EQ(p.SaveRequests.size(), 1u);
        EXPECT_EQ(p.SaveRequests[0].FileName, "x.map");
        EXPECT_EQ(s.Doc.LastExportPath, "/maps/x.map");
    }
}

TEST_F(ExportChoice, ExportAgain) {
    s.Doc.LastExportPath = "/maps/again.map";
    EXPECT_EQ(ExportAgainPath(s, prompts), "/maps/again.map");
    EXPECT_TRUE(prompts.SaveRequests.empty());
    vh::ResetEditor(s);  // as when a new terrain is generated: asks again
    prompts.FileAnswers.push_back(ScriptedPrompts::Choose("/maps/first.map"));
    EXPECT_EQ(ExportAgainPath(s, prompts), "/maps/first.map");
    EXPECT_EQ(prompts.SaveRequests.size(), 1u);
    EXPECT_EQ(s.Doc.LastExportPath, "/maps/first.map");
}

TEST_F(ExportChoice, ExportBitmap) {
    ExpectProposals(vh::ChooseBmpExportPath, "Export Bitmap File.", "Bitmap Files (*.bmp)|*.bmp",
                    {{"/maps/out/valley.map", "", "", "/maps/out/", "valley.bmp"},
                     {"", "/docs/dunes.vhm", "", "/docs/", "/docs/dunes.bmp"},
                     {"", "", "/r/x.VHM", "/r/", "untitled.bmp"}});
    // The choice is not remembered; another extension is refused.
    prompts.FileAnswers.push_back(ScriptedPrompts::Choose("/img/h.BMP"));
    prompts.FileAnswers.push_back(ScriptedPrompts::Choose("/img/h.png"));
    EXPECT_EQ(ChooseBmpExportPath(s, prompts), "/img/h.BMP");
    EXPECT_EQ(s.Doc.LastExportPath, "");
    EXPECT_FALSE(s.Doc.ExportAgainOffered);
    EXPECT_EQ(ChooseBmpExportPath(s, prompts), "");
}

TEST_F(ExportChoice, WrittenExportsAreLoggedAndTheLoopRunsAgainFailuresAreShown) {
    vhtest::TempDir dir;
    s.LogPath = dir.File("log.txt");
    s.LoopRunning = true;
    const std::string map = dir.File("ok.map"), bmp = dir.File("ok.bmp");
    const vh::Result<vh::ExportSummary> mapExport = vh::RunMapExport(s, map, vh::NoProgress());
    const vh::Status mapWritten = mapExport ? vh::Status() : vh::Status(mapExport.Error());
    EXPECT_TRUE(s.LoopRunning);
    const vh::Status bmpWritten = vh::RunHeightImageExport(s, bmp);
    for (const vh::Status* written : {&mapWritten, &bmpWritten}) {
        EXPECT_TRUE(*written) << vh::MessageOf(*written);
        vh::ShowExportFailure(prompts, "map", *written);
    }
    EXPECT_TRUE(prompts.Messages.empty());
    const std::string log =
        "MAP EXPORT : Map Exporting " + map + "\nBMP EXPORT : BitMap Exporting " + bmp + "\n";
    EXPECT_EQ(vhtest::ReadFileBytes(s.LogPath), log);

    const std::string path = dir.File("missing/out.map");
    const vh::Result<vh::ExportSummary> failedExport = vh::RunMapExport(s, path, vh::NoProgress());
    const vh::Status failed = failedExport ? vh::Status() : vh::Status(failedExport.Error());
    EXPECT_FALSE(failed);
    EXPECT_FALSE(vh::RunHeightImageExport(s, dir.File("missing/out.bmp")));
    vh::ShowExportFailure(prompts, "map", failed);
    ASSERT_EQ(prompts.Messages.size(), 1u);
    EXPECT_EQ(prompts.Messages[0].Title, "Varnholm");
    EXPECT_EQ(prompts.Messages[0].Text.rfind("The map could not be exported.\n", 0), 0u);
    EXPECT_NE(prompts.Messages[0].Text.find(path), std::string::npos);
    EXPECT_TRUE(s.LoopRunning);
    EXPECT_EQ(vhtest::ReadFileBytes(s.LogPath), log);  // failures are not logged
}
