#include "core/spawn_square.h"

#include <gtest/gtest.h>

#include "core/lifecycle.h"
#include "support/terrain_fixture.h"

namespace {

TEST(SpawnSquare, ThePickIsRememberedWhenItGoesAndForgottenByAReset) {
    vh::EditorState s;
    vhtest::MakeTerrain(s, 5, 5, 256);
    EXPECT_EQ(vh::SpawnCandidate(s), 0);
    EXPECT_FALSE(vh::SetSpawnSquare(s));
    s.Stroke.PickedSquare = 9;
    vh::StopMainLoop(s);  // a dialog opens
    EXPECT_EQ(s.Stroke.PickedSquare, 0);
    EXPECT_EQ(vh::SpawnCandidate(s), 9);
    s.Stroke.LastPickedSquare = 99;  // not on a 4 x 4 map
    EXPECT_EQ(vh::SpawnCandidate(s), 0);
    s.Stroke.LastPickedSquare = 9;
    ASSERT_TRUE(vh::SetSpawnSquare(s));
    EXPECT_EQ(s.Choices.SpawnSquare, 9);
    s.LogPath.clear();
    vh::ResetEditor(s);
    EXPECT_EQ(vh::SpawnCandidate(s), 0);
    EXPECT_EQ(s.Choices.SpawnSquare, 0);
}

}  // namespace
