// The Qt side of the window's prompts: filters and start paths of the file dialogs.
#include <gtest/gtest.h>

#include <array>

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
