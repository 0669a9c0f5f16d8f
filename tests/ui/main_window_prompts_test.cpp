// The Qt side of the window's prompts: filters and start paths of the file dialogs.
#include <gtest/gtest.h>

#include "ui/qt_prompts.h"

using vh::FileDialogRequest;
using vh::ui::InitialDialogPath;
using vh::ui::QtFilterOf;

TEST(QtPromptsFilter, PipeFormBecomesQtForm) {
    EXPECT_EQ(QtFilterOf("Varnholm Map Files (*.vhm)|*.vhm"), "Varnholm Map Files (*.vhm)");
    EXPECT_EQ(QtFilterOf("Map Files (*.map)|*.map"), "Map Files (*.map)");
}

TEST(QtPromptsFilter, DescriptionWithoutItsPatternGetsItAppended) {
    EXPECT_EQ(QtFilterOf("Bitmaps|*.bmp"), "Bitmaps (*.bmp)");
    EXPECT_EQ(QtFilterOf("Pictures|*.bmp;*.gif;*.jpg"), "Pictures (*.bmp *.gif *.jpg)");
    EXPECT_EQ(QtFilterOf("|*.bmp"), "(*.bmp)");
}

TEST(QtPromptsFilter, SeveralPairsAreJoinedWithDoubleSemicolons) {
    EXPECT_EQ(QtFilterOf("Bitmap Files (*.bmp)|*.bmp|All Files (*.*)|*.*"),
              "Bitmap Files (*.bmp);;All Files (*.*)");
}

TEST(QtPromptsFilter, EmptyFilterOffersNothing) {
    EXPECT_EQ(QtFilterOf(""), "");
}

TEST(QtPromptsStartPath, ProposedNameSitsInTheInitialFolder) {
    FileDialogRequest r;
    r.InitialFolder = "/maps/";
    r.FileName = "untitled.map";
    EXPECT_EQ(InitialDialogPath(r), "/maps/untitled.map");
}

TEST(QtPromptsStartPath, AbsoluteProposalWinsOverTheFolder) {
    FileDialogRequest r;
    r.InitialFolder = "/program";
    r.FileName = "/maps/valley.map";
    EXPECT_EQ(InitialDialogPath(r), "/maps/valley.map");
}

TEST(QtPromptsStartPath, FolderAloneOrNameAlone) {
    FileDialogRequest folderOnly;
    folderOnly.InitialFolder = "/program";
    EXPECT_EQ(InitialDialogPath(folderOnly), "/program");
    FileDialogRequest nameOnly;
    nameOnly.FileName = "newmap.vhm";
    EXPECT_EQ(InitialDialogPath(nameOnly), "newmap.vhm");
}
