#include "tools/flatten.h"

#include <gtest/gtest.h>

#include "tools_fixture.h"

namespace {

TEST(Flatten, TargetIsTheMeanSnappedToTheGrid) {
    vhtools::ToolTerrain t;
    t.s.PickedSquare = 6;  // corners (2,2), (3,2), (2,3), (3,3)
    t.s.ToolActive = vh::kTrue;
    t.s.FlattenRadius = 1;
    const int corners[] = {t.P(2, 2), t.P(3, 2), t.P(2, 3), t.P(3, 3)};
    const struct {
        float h[4], target;
    } table[] = {{{10, 20, 30, 40}, 32}, {{0, 0, 16, 24}, 16}, {{0, 0, 0, 32}, 0}, {{0, 0, 48, 48}, 32}};
    for (const auto& row : table) {
        for (int k = 0; k < 4; ++k) t.H(corners[k]) = row.h[k];
        vh::FlattenTool(t.s);
        for (int p : corners) EXPECT_EQ(t.H(p), row.target) << row.target;
    }
}

}  // namespace
