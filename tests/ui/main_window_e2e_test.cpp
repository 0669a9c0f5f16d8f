// The real window driven from its menus: a new diamond-square map, Save As,
// Export To .MAP, and the two files they leave.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QProgressBar>
#include <algorithm>
#include <filesystem>

#include "core/document.h"
#include "core/recent.h"
#include "main_window_fixture.h"

using vhtest::FlushEvents;
using vhtest::ScriptedPrompts;
using vhtest::WindowRig;

static int CountLines(const std::string& text, const std::string& line) {
    int n = 0;
    for (size_t p = text.find(line); p != std::string::npos; p = text.find(line, p + 1)) ++n;
    return n;
}

TEST(MainWindowEndToEnd, NewDiamondSquareMapSavedAndExported) {
    WindowRig rig;
    vh::ui::MainWindow& w = *rig.window;

    // New: the dialog opens over the window, the loop does not run.
    w.Action("cmdNew")->trigger();
    QDialog* frmNew = w.OpenedDialog();
    ASSERT_NE(frmNew, nullptr);
    EXPECT_EQ(frmNew->objectName(), "frmNew");
    EXPECT_FALSE(w.LoopTicking());
    frmNew->findChild<QLineEdit*>("txtX")->setText("32");
    frmNew->findChild<QLineEdit*>("txtZ")->setText("32");
    frmNew->findChild<QCheckBox*>("chkFractal")->setChecked(true);
    frmNew->findChild<QCheckBox*>("chkDiamond")->setChecked(true);
    frmNew->findChild<QAbstractButton*>("cmdOk")->click();
    FlushEvents();

    vh::EditorState& s = rig.State();
    EXPECT_TRUE(rig.prompts.Messages.empty());
    EXPECT_EQ(w.OpenedDialog(), nullptr);
    ASSERT_EQ(s.Terrain.PointCount, 33 * 33);
    ASSERT_EQ(s.Terrain.SquareCount, 32 * 32);
    EXPECT_EQ(w.windowTitle(), "newmap.vhm[*] - Varnholm");
    EXPECT_TRUE(w.isWindowModified());
    EXPECT_TRUE(w.Action("cmdSave")->isEnabled());
    EXPECT_TRUE(w.LoopTicking());
    const auto differs = [&](const vh::TerrainPoint& p) { return p.Height != s.Terrain.Points[1].Height; };
    EXPECT_TRUE(std::any_of(s.Terrain.Points.begin() + 2, s.Terrain.Points.end(), differs))
        << "diamond-square left a flat map";

    // Save As through the scripted save dialog.
    const std::string vhm = rig.folder.File("valley.vhm");
    rig.prompts.FileAnswers.push_back(ScriptedPrompts::Choose(vhm));
    w.Action("cmdSaveAs")->trigger();
    ASSERT_EQ(rig.prompts.SaveRequests.size(), 1u);
    EXPECT_EQ(rig.prompts.SaveRequests[0].Title, "Save Varnholm Map File.");
    ASSERT_TRUE(std::filesystem::exists(vhm));
    EXPECT_EQ(w.windowTitle(), "valley.vhm[*] - Varnholm");
    EXPECT_FALSE(w.isWindowModified());
    EXPECT_TRUE(s.Doc.DocClean);
    EXPECT_EQ(w.Action("cmdRM1")->text().toStdString(), vh::RecentCaption(1, vhm));

    const vh::Result<vh::DocumentData> saved = vh::LoadDocumentFile(vhm);
    ASSERT_TRUE(saved) << vh::MessageOf(saved);
    ASSERT_EQ(saved->Terrain.Points.size(), s.Terrain.Points.size());
    for (size_t i = 1; i < s.Terrain.Points.size(); ++i)
        ASSERT_EQ(saved->Terrain.Points[i].Height, s.Terrain.Points[i].Height) << i;
    EXPECT_GT(std::filesystem::file_size(vhm), 33u * 33 * 14 + 32u * 32 * 48);

    // Export To .MAP proposes the document's name with ".map".
    const std::string map = rig.folder.File("valley.map");
    rig.prompts.FileAnswers.push_back(ScriptedPrompts::Choose(map));
    w.Action("cmdExport")->trigger();
    ASSERT_EQ(rig.prompts.SaveRequests.size(), 2u);
    EXPECT_EQ(rig.prompts.SaveRequests[1].Title, "Export Map File.");
    EXPECT_EQ(std::filesystem::path(rig.prompts.SaveRequests[1].FileName).filename(), "valley.map");
    ASSERT_TRUE(std::filesystem::exists(map));
    EXPECT_EQ(s.Doc.LastExportPath, map);
    EXPECT_TRUE(w.Action("cmdExportAgain")->isEnabled());
    EXPECT_TRUE(w.isWindowModified());  // the document now remembers its export
    EXPECT_FALSE(w.ProgressBar()->isVisibleTo(&w));
    EXPECT_TRUE(w.LoopTicking());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    const std::string text = vhtest::ReadFileBytes(map);
    EXPECT_EQ(text.rfind("{\r\n    \"classname\" \"worldspawn\"\r\n", 0), 0u);
    EXPECT_GE(text.size(), 3u);
    EXPECT_EQ(text.substr(text.size() - 3), "}\r\n");
    // Every square gives one quad or two triangles, one hint brush, and the sky adds five.
    const int brushes = CountLines(text, "\r\n    {\r\n");
    EXPECT_GE(brushes, 1024 + 1024 + 5);
    EXPECT_LE(brushes, 2 * 1024 + 1024 + 5);
    EXPECT_EQ(CountLines(text, " hint 0 0 0 1 1"), 4 * 1024);
    EXPECT_EQ(CountLines(text, " sky 0 0 0 1 1"), 5 * 6);
}
