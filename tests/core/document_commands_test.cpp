#include "core/document_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "core/command_states.h"
#include "core/document.h"
#include "core/recent.h"
#include "core/rules.h"
#include "support/scripted_prompts.h"
#include "support/temp_dir.h"
#include "support/terrain_fixture.h"

namespace {

using vh::EditorState;
using vh::PromptAnswer;
using vhtest::ScriptedPrompts;
using vhtest::TempDir;

struct Commands : ::testing::Test {
    TempDir dir;
    EditorState s;
    ScriptedPrompts prompts;

    void SetUp() override {
        vhtest::MakeTerrain(s, 5, 4);
        s.Paths = vh::PortablePaths(dir.File("prog"));
        s.Terrain.Points[3].Height = 64;
        s.Doc.DocTitle = "newmap.vhm";
        s.Doc.DocClean = true;
        s.LoopRunning = true;
    }

    // A saved document of another terrain, to open.
    std::string OtherDocument(const std::string& name) {
        EditorState d;
        vhtest::MakeTerrain(d, 3, 6);
        d.Terrain.Points[2].Height = 160;
        EXPECT_TRUE(vhtest::SaveDocument(d, dir.File(name)));
        return dir.File(name);
    }
};

TEST_F(Commands, UnsavedChangesPromptNamesTheDocumentAndCancelStopsNew) {
    EXPECT_TRUE(vh::AskToSaveChanges(s, prompts));  // clean: no question
    EXPECT_TRUE(prompts.Messages.empty());
    s.Doc.DocClean = false;
    prompts.Answers = {PromptAnswer::Cancel};
    EXPECT_FALSE(vh::CommandNew(s, prompts));
    EXPECT_TRUE(s.LoopRunning);
    ASSERT_EQ(prompts.Messages.size(), 1u);
    EXPECT_EQ(prompts.Messages[0].Text, "Save changes to newmap.vhm");
    EXPECT_EQ(prompts.Messages[0].Title, "Save File?");
    EXPECT_EQ(prompts.Messages[0].Buttons, vh::PromptButtons::YesNoCancel);
    EXPECT_EQ(prompts.Messages[0].Icon, vh::PromptIcon::None);
    s.Stroke.PickedSquare = 3;
    prompts.Answers = {PromptAnswer::No};
    EXPECT_TRUE(vh::CommandNew(s, prompts));
    EXPECT_FALSE(s.LoopRunning);  // stopped for the dialog
    EXPECT_EQ(s.Stroke.PickedSquare, 0);
    EXPECT_FALSE(s.Doc.DocClean);
}

TEST_F(Commands, OpenShowsTheMapDialogAndReadsOnlyMapFiles) {
    std::string path = OtherDocument("hills.vhm");
    std::filesystem::copy_file(path, dir.File("hills.txt"));
    std::filesystem::copy_file(path, dir.File("LOUD.VhM"));
    EXPECT_FALSE(vh::CommandOpen(s, prompts));  // cancelled
    prompts.FileAnswers = {ScriptedPrompts::Choose(dir.File("hills.txt"))};
    EXPECT_FALSE(vh::CommandOpen(s, prompts));
    EXPECT_TRUE(prompts.Messages.empty());
    EXPECT_EQ(s.Terrain.PointCount, 20);
    EXPECT_EQ(s.Terrain.Points[3].Height, 64.0f);
    EXPECT_TRUE(s.LoopRunning);
    prompts.FileAnswers = {ScriptedPrompts::Choose(dir.File("LOUD.VhM"))};
    EXPECT_TRUE(vh::CommandOpen(s, prompts));
    ASSERT_EQ(prompts.OpenRequests.size(), 3u);
    EXPECT_EQ(prompts.OpenRequests[0].Title, "Open Varnholm Map File.");
    EXPECT_EQ(prompts.OpenRequests[0].Filter, "Varnholm Map Files (*.vhm)|*.vhm");
    EXPECT_EQ(prompts.OpenRequests[0].FileName, "");
    EXPECT_EQ(s.Terrain.PointCount, 18);
    EXPECT_EQ(s.Terrain.Points[2].Height, 160.0f);
    EXPECT_EQ(s.Doc.DocTitle, "LOUD.VhM");
    EXPECT_EQ(s.Doc.Caption, "LOUD.VhM - Varnholm");
    EXPECT_TRUE(s.LoopRunning);
}

TEST_F(Commands, OpeningADocumentThatWasExportedOffersExportAgain) {
    for (const std::string exported : {"/maps/x.map", "C:\\maps\\x.map", ""}) {
        EditorState d;
        vhtest::MakeTerrain(d, 3, 3);
        d.Doc.LastExportPath = exported;
        ASSERT_TRUE(vhtest::SaveDocument(d, dir.File("e.vhm")));
        s.Doc.ExportAgainOffered = false;
        prompts.FileAnswers = {ScriptedPrompts::Choose(dir.File("e.vhm"))};
        ASSERT_TRUE(vh::CommandOpen(s, prompts));
        EXPECT_EQ(vh::ComputeCommandStates(s).cmdExportAgain.Enabled, !exported.empty()) << exported;
    }
}

TEST_F(Commands, DialogFolderFollowsDocumentThenRecentThenProgramFolder) {
    EXPECT_EQ(vh::DocumentDialogFolder(s), dir.File("prog"));
    s.Recent[1] = "/maps/recent/one.VHM";
    EXPECT_EQ(vh::DocumentDialogFolder(s), "/maps/recent/");
    s.Doc.DocPath = "/work/current.vhm";
    EXPECT_EQ(vh::DocumentDialogFolder(s), "/work/");
    s.Doc.DocPath = "/work/current.map";
    s.Recent[1] = "/maps/recent/one.txt";
    EXPECT_EQ(vh::DocumentDialogFolder(s), dir.File("prog"));
    vh::CommandOpen(s, prompts);
    EXPECT_EQ(prompts.OpenRequests.back().InitialFolder, dir.File("prog"));
}

TEST_F(Commands, SaveAsCancelOrAnotherEndingKeepsNameAndWritesNothing) {
    s.Doc.Caption = "newmap.vhm - Varnholm";
    s.Doc.DocClean = false;
    EXPECT_FALSE(vh::CommandSaveAs(s, prompts));
    prompts.FileAnswers = {ScriptedPrompts::Choose(dir.File("plain.txt"))};
    EXPECT_FALSE(vh::CommandSaveAs(s, prompts));
    ASSERT_EQ(prompts.SaveRequests.size(), 2u);
    EXPECT_EQ(prompts.SaveRequests[0].Title, "Save Varnholm Map File.");
    EXPECT_EQ(prompts.SaveRequests[0].Filter, "Varnholm Map Files (*.vhm)|*.vhm");
    EXPECT_EQ(prompts.SaveRequests[0].DefaultSuffix, "vhm");
    EXPECT_FALSE(std::filesystem::exists(dir.File("plain.txt")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("plain.txt.vhm")));
    EXPECT_TRUE(prompts.Messages.empty());
    EXPECT_EQ(s.Doc.DocPath, "");
    EXPECT_EQ(s.Doc.DocTitle, "newmap.vhm");
    EXPECT_EQ(s.Doc.Caption, "newmap.vhm - Varnholm");
    EXPECT_FALSE(s.Doc.DocClean);
    EXPECT_TRUE(s.Recent[1].empty());
}

TEST_F(Commands, ANameTypedWithoutAnExtensionGetsTheMapEnding) {
    prompts.FileAnswers = {ScriptedPrompts::Choose(dir.File("mymap"))};
    EXPECT_TRUE(vh::CommandSaveAs(s, prompts));
    EXPECT_EQ(s.Doc.DocPath, dir.File("mymap.vhm"));
    EXPECT_EQ(s.Doc.DocTitle, "mymap.vhm");
    EXPECT_EQ(s.Doc.Caption, "mymap.vhm - Varnholm");
    EXPECT_TRUE(std::filesystem::exists(dir.File("mymap.vhm")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("mymap")));
    // Open finds it the same way.
    s.Terrain.Points[3].Height = 0;
    prompts.FileAnswers = {ScriptedPrompts::Choose(dir.File("mymap"))};
    EXPECT_TRUE(vh::CommandOpen(s, prompts));
    EXPECT_EQ(prompts.OpenRequests[0].DefaultSuffix, "vhm");
    EXPECT_EQ(s.Doc.DocTitle, "mymap.vhm");
    EXPECT_EQ(s.Terrain.Points[3].Height, 64.0f);
}

TEST_F(Commands, SaveAsWritesUnderTheNewNameAndRenamesTheDocument) {
    s.Doc.DocPath = dir.File("old.vhm");
    prompts.FileAnswers = {ScriptedPrompts::Choose(dir.File("new name.vhm"))};
    EXPECT_TRUE(vh::CommandSaveAs(s, prompts));
    EXPECT_EQ(prompts.SaveRequests[0].FileName, dir.File("old.vhm"));
    EXPECT_EQ(prompts.SaveRequests[0].InitialFolder, dir.Path().string() + "/");
    EXPECT_EQ(s.Doc.DocPath, dir.File("new name.vhm"));
    EXPECT_EQ(s.Doc.DocTitle, "new name.vhm");
    EXPECT_EQ(s.Doc.Caption, "new name.vhm - Varnholm");
    EXPECT_EQ(s.Recent[1], dir.File("new name.vhm"));
    EXPECT_TRUE(std::filesystem::exists(dir.File("new name.vhm")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("old.vhm")));
}

TEST_F(Commands, SaveAsksForAPathAndAFailedSaveIsReported) {
    prompts.FileAnswers = {ScriptedPrompts::Choose(dir.File("first.vhm"))};
    EXPECT_TRUE(vh::CommandSave(s, prompts));
    EXPECT_EQ(prompts.SaveRequests.size(), 1u);
    EXPECT_EQ(s.Doc.DocPath, dir.File("first.vhm"));

    s.Doc.DocPath = dir.File("missing-folder/x.vhm");
    s.Doc.DocClean = false;
    EXPECT_FALSE(vh::CommandSave(s, prompts));
    ASSERT_EQ(prompts.Messages.size(), 1u);
    EXPECT_EQ(prompts.Messages[0].Title, "Varnholm");
    EXPECT_FALSE(s.Doc.DocClean);
    prompts.FileAnswers = {ScriptedPrompts::Choose(dir.File("nope/y.vhm"))};
    s.Doc.DocTitle = "x.vhm";
    s.Doc.Caption = "x.vhm - Varnholm";
    EXPECT_FALSE(vh::CommandSaveAs(s, prompts));
    EXPECT_EQ(s.Doc.DocPath, dir.File("missing-folder/x.vhm"));
    EXPECT_EQ(s.Doc.Caption, "x.vhm - Varnholm");
}

TEST_F(Commands, RecentItemOpensTheClickedDocumentEvenWhenSavingFirstReordersTheList) {
    std::string path = OtherDocument("r.vhm");
    s.Recent = {"", "/a.vhm", path};
    s.Doc.DocPath = dir.File("current.vhm");
    s.Doc.DocClean = false;
    prompts.Answers = {PromptAnswer::Yes};
    EXPECT_TRUE(vh::CommandOpenRecent(s, prompts, 2));
    EXPECT_EQ(s.Doc.DocPath, path);
    EXPECT_EQ(s.Doc.DocTitle, "r.vhm");
    EXPECT_EQ(s.Recent[1], path);
    EXPECT_EQ(s.Recent[2], dir.File("current.vhm"));
    EXPECT_EQ(s.Recent[3], "/a.vhm");
    EXPECT_EQ(vh::ComputeCommandStates(s).cmdRM[1].Caption, vh::RecentCaption(1, path));
}

TEST_F(Commands, EmptyOrMissingRecentEntryOpensNothing) {
    EXPECT_FALSE(vh::CommandOpenRecent(s, prompts, 3));
    EXPECT_FALSE(vh::CommandOpenRecent(s, prompts, 9));
    EXPECT_TRUE(prompts.Messages.empty());
    s.Recent[1] = dir.File("gone.vhm");
    EXPECT_FALSE(vh::CommandOpenRecent(s, prompts, 1));
    ASSERT_EQ(prompts.Messages.size(), 1u);
    EXPECT_NE(prompts.Messages[0].Text.find("gone.vhm"), std::string::npos);
    EXPECT_EQ(s.Terrain.PointCount, 20);
}

TEST_F(Commands, QuitWhenCleanWritesSettingsWithoutAsking) {
    EXPECT_TRUE(vh::Quit(s, prompts));
    EXPECT_TRUE(prompts.Messages.empty());
    EXPECT_FALSE(s.LoopRunning);
    EXPECT_NE(vhtest::ReadFileBytes(dir.File("prog/config/Varnholm.ini")).find("[RecentMemory]"),
              std::string::npos);
}

TEST_F(Commands, QuitCancelLeavesEverythingAloneAndNoWritesOnlySettings) {
    s.Doc.DocPath = dir.File("doc.vhm");
    s.Doc.DocClean = false;
    prompts.Answers = {PromptAnswer::Cancel, PromptAnswer::No};
    EXPECT_FALSE(vh::Quit(s, prompts, dir.File("q.ini")));
    EXPECT_TRUE(s.LoopRunning);
    EXPECT_FALSE(s.Doc.DocClean);
    EXPECT_EQ(s.Terrain.Points[3].Height, 64.0f);
    EXPECT_FALSE(std::filesystem::exists(dir.File("q.ini")));
    EXPECT_TRUE(vh::Quit(s, prompts, dir.File("q.ini")));
    EXPECT_FALSE(s.LoopRunning);
    EXPECT_TRUE(std::filesystem::exists(dir.File("q.ini")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("doc.vhm")));
}

TEST_F(Commands, QuitYesSavesThenWritesSettingsAndEnds) {
    s.Doc.DocPath = dir.File("doc.vhm");
    s.Doc.DocClean = false;
    prompts.Answers = {PromptAnswer::Yes};
    EXPECT_TRUE(vh::Quit(s, prompts, dir.File("q.ini")));
    EXPECT_TRUE(std::filesystem::exists(dir.File("doc.vhm")));
    EXPECT_TRUE(prompts.SaveRequests.empty());  // saved to the document's own path
    EXPECT_TRUE(s.Doc.DocClean);
    EXPECT_NE(vhtest::ReadFileBytes(dir.File("q.ini")).find("RM1=" + dir.File("doc.vhm")), std::string::npos);
}

TEST_F(Commands, YesWhoseSaveDidNotHappenKeepsTheProgramAndTheTerrain) {
    const struct {
        const char* what;
        std::string docPath;
        std::vector<vh::FileChoice> saveAs;
    } cases[] = {
        {"Save As cancelled", "", {}},
        {"another ending", "", {ScriptedPrompts::Choose(dir.File("x.txt"))}},
        {"write failed", dir.File("missing/doc.vhm"), {}},
    };
    for (const auto& c : cases) {
        s.Doc.DocPath = c.docPath;
        s.Doc.DocClean = false;
        s.LoopRunning = true;
        prompts.Answers = {PromptAnswer::Yes, PromptAnswer::Yes};
        prompts.FileAnswers.assign(c.saveAs.begin(), c.saveAs.end());
        EXPECT_FALSE(vh::Quit(s, prompts, dir.File("q.ini"))) << c.what;
        EXPECT_TRUE(s.LoopRunning) << c.what;
        EXPECT_FALSE(s.Doc.DocClean) << c.what;
        EXPECT_FALSE(std::filesystem::exists(dir.File("q.ini"))) << c.what;
        prompts.FileAnswers.assign(c.saveAs.begin(), c.saveAs.end());
        EXPECT_FALSE(vh::CommandNew(s, prompts)) << c.what;  // New does not throw the terrain away either
        EXPECT_TRUE(s.LoopRunning) << c.what;
        EXPECT_EQ(s.Terrain.Points[3].Height, 64.0f) << c.what;
    }
}

}  // namespace
