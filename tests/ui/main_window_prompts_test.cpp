// The Qt side of the window's prompts: filters and start paths of the file dialogs.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <array>

#include "fake_services_fixture.h"
#include "ui/qt_prompts.h"

TEST(QtPrompts, FiltersBecomeQtFormAndStartPathsJoinFolderAndName) {
    const std::pair<const char*, const char*> filters[] = {
        {"Varnholm Map Files (*.vhm)|*.vhm", "Varnholm Map Files (*.vhm)"},
        {"Bitmaps|*.bmp", "Bitmaps (*.bmp)"},
        {"Pictures|*.bmp;*.gif;*.jpg", "Pictures (*.bmp *.gif *.jpg)"},
        {"|*.bmp", "(*.bmp)"},
        {"Bitmap Files (*.bmp)|*.bmp|All Files (*.*)|*.*", "Bitmap Files (*.bmp);;All Files (*.*)"},
        {"", ""}};
    for (const auto& [in, out] : filters) EXPECT_EQ(vh::ui::QtFilterOf(in), out) << in;
    const std::array<const char*, 3> paths[] = {{"/maps/", "untitled.map", "/maps/untitled.map"},
                                                {"/program", "/maps/valley.map", "/maps/valley.map"},
                                                {"/program", "", "/program"},
                                                {"", "newmap.vhm", "newmap.vhm"}};
    for (const auto& [folder, name, out] : paths) {
        vh::FileDialogRequest r;
        r.InitialFolder = folder;
        r.FileName = name;
        EXPECT_EQ(vh::ui::InitialDialogPath(r), out) << folder << " + " << name;
    }
}

TEST(QtPrompts, FileDialogsAddTheDefaultSuffixSoTheOverwriteQuestionSeesTheRealName) {
    vhtest::EnsureQtApp();
    vh::FileDialogRequest r;
    r.Title = "Export Map File.";
    r.Filter = "Map Files (*.map)|*.map";
    r.InitialFolder = "/maps/";
    r.FileName = "valley.map";
    r.DefaultSuffix = "map";
    for (bool save : {true, false}) {
        const auto d = vh::ui::MakeFileDialog(nullptr, r, save);
        EXPECT_EQ(d->defaultSuffix(), "map");
        EXPECT_EQ(d->acceptMode(), save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        EXPECT_EQ(d->fileMode(), save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        EXPECT_EQ(d->windowTitle(), "Export Map File.");
        EXPECT_EQ(d->nameFilters(), QStringList{"Map Files (*.map)"});
    }
}
