#include "export/export_choice.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/lifecycle.h"
#include "support/scripted_prompts.h"
#include "support/temp_dir.h"
#include "support/terrain_fixture.h"

using vhtest::ScriptedPrompts;

namespace {

class ExportChoice : public ::testing::Test {
protected:
    void SetUp() override {
        vhtest::MakeTerrain(s, 3, 3);
        s.ProgramFolder = "/opt/varnholm";
        s.DocPath.clear();
        s.Recent = {};
        s.LastExportPath.clear();
        s.Commands.cmdExportAgain.Enabled = false;
    }
    vh::EditorState s;
    ScriptedPrompts prompts;
};

}  // namespace

TEST_F(ExportChoice, MapDialogTitleAndFilter) {
    ChooseMapExportPath(s, prompts);
    ASSERT_EQ(prompts.SaveRequests.size(), 1u);
    EXPECT_EQ(prompts.SaveRequests[0].Title, "Export Map File.");
    EXPECT_EQ(prompts.SaveRequests[0].Filter, "Map Files (*.map)|*.map");
}

TEST_F(ExportChoice, NothingKnownProposesNoNameInTheProgramFolder) {
    ChooseMapExportPath(s, prompts);
    EXPECT_EQ(prompts.SaveRequests[0].InitialFolder, "/opt/varnholm");
    EXPECT_EQ(prompts.SaveRequests[0].FileName, "");
}

TEST_F(ExportChoice, LastExportPathWinsWithItsFolderAndName) {
    s.LastExportPath = "/maps/out/Valley.MAP";
    s.DocPath = "/docs/valley.vhm";
    s.Recent[1] = "/docs/other.vhm";
    ChooseMapExportPath(s, prompts);
    EXPECT_EQ(prompts.SaveRequests[0].InitialFolder, "/maps/out/");
    EXPECT_EQ(prompts.SaveRequests[0].FileName, "Valley.map");
}

TEST_F(ExportChoice, DocumentPathIsUsedWhenTheLastExportIsNotAMap) {
    s.LastExportPath = "/maps/out/valley.txt";
    s.DocPath = "/docs/Valley.VHM";
    ChooseMapExportPath(s, prompts);
    EXPECT_EQ(prompts.SaveRequests[0].InitialFolder, "/docs/");
    EXPECT_EQ(prompts.SaveRequests[0].FileName, "/docs/Valley.map");
}

TEST_F(ExportChoice, MostRecentDocumentGivesUntitledInItsFolder) {
    s.DocPath = "newmap.txt";
    s.Recent[1] = "/work/recent/hills.vhm";
    s.Recent[2] = "/elsewhere/x.vhm";
    ChooseMapExportPath(s, prompts);
    EXPECT_EQ(prompts.SaveRequests[0].InitialFolder, "/work/recent/");
    EXPECT_EQ(prompts.SaveRequests[0].FileName, "untitled.map");
}

TEST_F(ExportChoice, AChosenMapIsRememberedAndEnablesExportAgain) {
    prompts.FileAnswers.push_back(ScriptedPrompts::Choose("/maps/a.Map"));
    EXPECT_EQ(ChooseMapExportPath(s, prompts), "/maps/a.Map");
    EXPECT_EQ(s.LastExportPath, "/maps/a.Map");
    EXPECT_TRUE(s.Commands.cmdExportAgain.Enabled);
    EXPECT_TRUE(prompts.Messages.empty());
}

TEST_F(ExportChoice, CancelOrAnotherExtensionDoesNothingSilently) {
    s.LastExportPath = "/maps/keep.map";
    EXPECT_EQ(ChooseMapExportPath(s, prompts), "");  // cancelled
    prompts.FileAnswers.push_back(ScriptedPrompts::Choose("/maps/noext"));
    EXPECT_EQ(ChooseMapExportPath(s, prompts), "");
    prompts.FileAnswers.push_back(ScriptedPrompts::Choose("/maps/a.bmp"));
    EXPECT_EQ(ChooseMapExportPath(s, prompts), "");
    EXPECT_EQ(s.LastExportPath, "/maps/keep.map");
    EXPECT_FALSE(s.Commands.cmdExportAgain.Enabled);
    EXPECT_TRUE(prompts.Messages.empty());
}

TEST_F(ExportChoice, ExportAgainWithoutAPreviousExportAsksForAFile) {
    prompts.FileAnswers.push_back(ScriptedPrompts::Choose("/maps/first.map"));
    EXPECT_EQ(ExportAgainPath(s, prompts), "/maps/first.map");
    EXPECT_EQ(prompts.SaveRequests.size(), 1u);
    EXPECT_EQ(s.LastExportPath, "/maps/first.map");
}

TEST_F(ExportChoice, ExportAgainAfterANewMapAsksAgain) {
    s.LastExportPath = "/maps/old.map";
    vh::ResetEditor(s);  // as when a new terrain is generated
    EXPECT_EQ(ExportAgainPath(s, prompts), "");
    EXPECT_EQ(prompts.SaveRequests.size(), 1u);
}

TEST_F(ExportChoice, ExportAgainReusesTheLastPathWithoutAsking) {
    s.LastExportPath = "/maps/again.map";
    EXPECT_EQ(ExportAgainPath(s, prompts), "/maps/again.map");
    EXPECT_TRUE(prompts.SaveRequests.empty());
}

TEST_F(ExportChoice, BitmapDialogProposesFromTheLastMapExport) {
    s.LastExportPath = "/maps/out/valley.map";
    ChooseBmpExportPath(s, prompts);
    ASSERT_EQ(prompts.SaveRequests.size(), 1u);
    EXPECT_EQ(prompts.SaveRequests[0].Title, "Export Bitmap File.");
    EXPECT_EQ(prompts.SaveRequests[0].Filter, "Bitmap Files (*.bmp)|*.bmp");
    EXPECT_EQ(prompts.SaveRequests[0].InitialFolder, "/maps/out/");
    EXPECT_EQ(prompts.SaveRequests[0].FileName, "valley.bmp");
}

TEST_F(ExportChoice, BitmapFallbacksMirrorTheMapOnes) {
    s.DocPath = "/docs/dunes.vhm";
    ChooseBmpExportPath(s, prompts);
    EXPECT_EQ(prompts.SaveRequests.back().FileName, "/docs/dunes.bmp");
    s.DocPath.clear();
    s.Recent[1] = "/r/x.VHM";
    ChooseBmpExportPath(s, prompts);
    EXPECT_EQ(prompts.SaveRequests.back().FileName, "untitled.bmp");
    EXPECT_EQ(prompts.SaveRequests.back().InitialFolder, "/r/");
}

TEST_F(ExportChoice, BitmapChoiceIsNotRemembered) {
    prompts.FileAnswers.push_back(ScriptedPrompts::Choose("/img/h.BMP"));
    EXPECT_EQ(ChooseBmpExportPath(s, prompts), "/img/h.BMP");
    EXPECT_EQ(s.LastExportPath, "");
    EXPECT_FALSE(s.Commands.cmdExportAgain.Enabled);
    prompts.FileAnswers.push_back(ScriptedPrompts::Choose("/img/h.png"));
    EXPECT_EQ(ChooseBmpExportPath(s, prompts), "");
}

TEST_F(ExportChoice, AFailedMapExportIsShownInAMessageBox) {
    vhtest::TempDir dir;
    const std::string path = dir.File("missing/out.map");
    EXPECT_FALSE(vh::RunMapExport(s, path, vh::NoProgress(), prompts));
    ASSERT_EQ(prompts.Messages.size(), 1u);
    EXPECT_EQ(prompts.Messages[0].Title, "Varnholm");
    EXPECT_NE(prompts.Messages[0].Text.find(path), std::string::npos);
}

TEST_F(ExportChoice, ASuccessfulExportShowsNothing) {
    vhtest::TempDir dir;
    EXPECT_TRUE(vh::RunMapExport(s, dir.File("ok.map"), vh::NoProgress(), prompts));
    EXPECT_TRUE(vh::RunHeightImageExport(s, dir.File("ok.bmp"), prompts));
    EXPECT_TRUE(prompts.Messages.empty());
    EXPECT_TRUE(std::filesystem::exists(dir.File("ok.map")));
    EXPECT_TRUE(std::filesystem::exists(dir.File("ok.bmp")));
}

TEST_F(ExportChoice, AFailedImageExportIsShownInAMessageBox) {
    vhtest::TempDir dir;
    EXPECT_FALSE(vh::RunHeightImageExport(s, dir.File("missing/out.bmp"), prompts));
    ASSERT_EQ(prompts.Messages.size(), 1u);
    EXPECT_EQ(prompts.Messages[0].Title, "Varnholm");
}
