#include "ui/new_map_command.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "support/terrain_fixture.h"

namespace {

// Status texts among what the view is told, in one sequence.
struct Events : vh::Progress {
    explicit Events(std::vector<std::string>& into) : seen(into) {}
    void Status(const std::string& text) override { seen.push_back(text); }
    std::vector<std::string>& seen;
};

TEST(NewMapCommand, ResetsGeneratesAndNamesTheUnsavedDocumentInOrder) {
    vhtest::TempDir dir;
    vh::EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    s.LogPath = dir.File("log.txt");
    s.Doc.DocPath = "/maps/old.vhm";
    s.Doc.DocClean = true;
    s.LoopRunning = true;
    s.History.UndoLevels = 2;
    vhtest::RecordingObserver view(s);
    Events events(view.events);

    vh::NewMapValues v;
    v.X = 4;
    v.Y = 2;
    v.SmoothThreshold = 0;
    vh::ui::RunNewMap(s, v, events);

    const std::vector<std::string> expected = {"reset 9",           "Generating Points...", "Building Squares...",
                                               "Sorting Squares...", "Building Mesh...",     "replaced 8"};
    EXPECT_EQ(view.events, expected);
    EXPECT_EQ(vhtest::ReadFileBytes(s.LogPath), "VH RESET : VH Reset\nNEW MAP : New Map Started\n");
    EXPECT_EQ(s.NewMap.X, 4);
    EXPECT_EQ(s.NewMap.SmoothThreshold, -1.0f);  // a zero threshold is kept as -1
    EXPECT_EQ(s.History.UndoLevels, 0);
    EXPECT_EQ(s.History.UndoHeights1.size(), 9u);
    EXPECT_EQ(s.Doc.DocTitle, "newmap.vhm");
    EXPECT_EQ(s.Doc.DocPath, "");
    EXPECT_EQ(s.Doc.Caption, "newmap.vhm - Varnholm");
    EXPECT_FALSE(s.Doc.DocClean);
    EXPECT_FALSE(s.LoopRunning);  // the dialog's close starts it again
}

}  // namespace
