#include "core/undo.h"

#include <gtest/gtest.h>

#include "core/command_states.h"
#include "support/terrain_fixture.h"

using namespace vh;

namespace {

// A "stroke": one snapshot, then a change of point 1.
void Stroke(EditorState& s, float newHeight) {
    PushUndo(s);
    s.Terrain.Points[1].Height = newHeight;
}

// Menu entry and toolbar button must agree: 1 both on, 0 both off, -1 mixed.
int UndoState(const EditorState& s) {
    const CommandStates c = ComputeCommandStates(s);
    return c.cmdUndo.Enabled != c.tbUndo.Enabled ? -1 : c.cmdUndo.Enabled;
}
int RedoState(const EditorState& s) {
    const CommandStates c = ComputeCommandStates(s);
    return c.cmdRedo.Enabled != c.tbRedo.Enabled ? -1 : c.cmdRedo.Enabled;
}

}  // namespace

TEST(Undo, FourStrokesThenFourUndosKeepTheFirstStroke) {
    EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    EXPECT_EQ(UndoState(s), 0);
    for (float h : {10, 20, 30, 40}) Stroke(s, h);
    EXPECT_EQ(s.History.UndoLevels, 3);
    for (float h : {30, 20, 10}) {
        Undo(s);
        EXPECT_EQ(s.Terrain.Points[1].Height, h);
    }
    EXPECT_EQ(UndoState(s), 0);
    Undo(s);  // not available: stroke 1 stays
    EXPECT_EQ(s.Terrain.Points[1].Height, 10);
    EXPECT_EQ(s.History.UndoLevels, 0);
}

TEST(Undo, StrokeUndoRedoReturnsToTheStrokeAndDisablesRedo) {
    EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    Stroke(s, 48);
    Undo(s);
    EXPECT_EQ(s.Terrain.Points[1].Height, 0);
    EXPECT_EQ(RedoState(s), 1);
    EXPECT_EQ(UndoState(s), 0);
    Redo(s);
    EXPECT_EQ(s.Terrain.Points[1].Height, 48);
    EXPECT_EQ(RedoState(s), 0);
    EXPECT_EQ(UndoState(s), 1);
    EXPECT_EQ(s.History.UndoLevels, 1);
    Undo(s);
    EXPECT_EQ(s.Terrain.Points[1].Height, 0);
}

TEST(Undo, ThreeSnapshotsUndoRedoLeavesThreeAvailable) {
    EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    for (float h : {1, 2, 3}) Stroke(s, h);
    Undo(s);
    EXPECT_EQ(s.History.UndoLevels, 2);
    Redo(s);
    EXPECT_EQ(s.History.UndoLevels, 3);
    EXPECT_EQ(s.Terrain.Points[1].Height, 3);
    Undo(s);
    Undo(s);
    Undo(s);
    EXPECT_EQ(s.Terrain.Points[1].Height, 0);
}

TEST(Undo, PushLeavesRedoEnabledAndRedoKeepsTheNewEditReachable) {
    EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    Stroke(s, 16);
    Undo(s);        // back to 0, redo holds 16
    Stroke(s, 32);  // new edit from 0
    EXPECT_EQ(RedoState(s), 1);
    Redo(s);  // puts back 16, snapshot of 32 is newest
    EXPECT_EQ(s.Terrain.Points[1].Height, 16);
    Undo(s);
    EXPECT_EQ(s.Terrain.Points[1].Height, 32);
}

TEST(Undo, LocksStayAndUndoAndRedoRedrawAndMarkTheDocumentChanged) {
    EditorState s;
    vhtest::MakeTerrain(s, 3, 3);
    vhtest::RecordingObserver seen(s);
    s.Doc.DocClean = true;
    PushUndo(s);
    s.Terrain.Points[2].Locked = true;
    s.Terrain.Points[2].Height = 64;
    EXPECT_TRUE(seen.events.empty());  // a push changes no height
    EXPECT_TRUE(s.Doc.DocClean);
    Undo(s);
    EXPECT_EQ(s.Terrain.Points[2].Height, 0);
    EXPECT_TRUE(s.Terrain.Points[2].Locked);
    EXPECT_FALSE(s.Doc.DocClean);
    s.Doc.DocClean = true;  // saved in between
    Redo(s);
    // Each reports the one point it changed, locked or not.
    EXPECT_EQ(seen.events, (std::vector<std::string>{"heights 2..2", "heights 2..2"}));
    EXPECT_FALSE(s.Doc.DocClean);
}
