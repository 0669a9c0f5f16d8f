#include "core/undo.h"

#include <gtest/gtest.h>

#include "support/terrain_fixture.h"

using namespace vh;

namespace {

// A "stroke": one snapshot, then a change of point 1.
void Stroke(EditorState& s, float newHeight) {
    PushUndo(s);
    s.Points[1].Height = newHeight;
}

bool UndoOn(const EditorState& s) { return s.Commands.cmdUndo.Enabled && s.Commands.tbUndo.Enabled; }
bool UndoOff(const EditorState& s) { return !s.Commands.cmdUndo.Enabled && !s.Commands.tbUndo.Enabled; }
bool RedoOn(const EditorState& s) { return s.Commands.cmdRedo.Enabled && s.Commands.tbRedo.Enabled; }
bool RedoOff(const EditorState& s) { return !s.Commands.cmdRedo.Enabled && !s.Commands.tbRedo.Enabled; }

}  // namespace

TEST(Undo, FourStrokesThenFourUndosKeepTheFirstStroke) {
    EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    EXPECT_TRUE(UndoOff(s));
    Stroke(s, 10);
    Stroke(s, 20);
    Stroke(s, 30);
    Stroke(s, 40);
    EXPECT_EQ(s.UndoLevels, 3);
    Undo(s);
    EXPECT_EQ(s.Points[1].Height, 30);
    Undo(s);
    EXPECT_EQ(s.Points[1].Height, 20);
    Undo(s);
    EXPECT_EQ(s.Points[1].Height, 10);
    EXPECT_TRUE(UndoOff(s));
    Undo(s);  // not available: stroke 1 stays
    EXPECT_EQ(s.Points[1].Height, 10);
    EXPECT_EQ(s.UndoLevels, 0);
}

TEST(Undo, StrokeUndoRedoReturnsToTheStrokeAndDisablesRedo) {
    EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    Stroke(s, 48);
    Undo(s);
    EXPECT_EQ(s.Points[1].Height, 0);
    EXPECT_TRUE(RedoOn(s));
    EXPECT_TRUE(UndoOff(s));
    Redo(s);
    EXPECT_EQ(s.Points[1].Height, 48);
    EXPECT_TRUE(RedoOff(s));
    EXPECT_TRUE(UndoOn(s));
    EXPECT_EQ(s.UndoLevels, 1);
    Undo(s);
    EXPECT_EQ(s.Points[1].Height, 0);
}

TEST(Undo, ThreeSnapshotsUndoRedoLeavesThreeAvailable) {
    EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    Stroke(s, 1);
    Stroke(s, 2);
    Stroke(s, 3);
    Undo(s);
    EXPECT_EQ(s.UndoLevels, 2);
    Redo(s);
    EXPECT_EQ(s.UndoLevels, 3);
    EXPECT_EQ(s.Points[1].Height, 3);
    Undo(s);
    Undo(s);
    Undo(s);
    EXPECT_EQ(s.Points[1].Height, 0);
}

TEST(Undo, PushLeavesRedoEnabledAndRedoKeepsTheNewEditReachable) {
    EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    Stroke(s, 16);
    Undo(s);           // back to 0, redo holds 16
    Stroke(s, 32);     // new edit from 0
    EXPECT_TRUE(RedoOn(s));
    Redo(s);           // puts back 16, snapshot of 32 is newest
    EXPECT_EQ(s.Points[1].Height, 16);
    Undo(s);
    EXPECT_EQ(s.Points[1].Height, 32);
}

TEST(Undo, LockFlagsAreNotRestored) {
    EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    PushUndo(s);
    s.Points[2].Locked = -1;
    s.Points[2].Height = 64;
    Undo(s);
    EXPECT_EQ(s.Points[2].Height, 0);
    EXPECT_EQ(s.Points[2].Locked, -1);
}

TEST(Undo, UndoAndRedoCallTheMeshHookButNotDocClean) {
    EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    int rebuilds = 0;
    s.OnTerrainMeshUpdate = [&] { ++rebuilds; };
    s.DocClean = -1;
    Stroke(s, 5);
    EXPECT_EQ(rebuilds, 0);  // a push does not redraw
    Undo(s);
    Redo(s);
    EXPECT_EQ(rebuilds, 2);
    EXPECT_EQ(s.DocClean, -1);
}
