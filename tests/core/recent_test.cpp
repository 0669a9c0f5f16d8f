#include "core/recent.h"

#include <gtest/gtest.h>

namespace {

using vh::EditorState;

void Fill(EditorState& s, int n) {
    for (int k = 1; k <= 8; ++k) s.Recent[k] = k <= n ? "/maps/m" + std::to_string(k) + ".vhm" : "";
}

TEST(AddRecent, NewPathGoesFirstAndEverythingMovesDown) {
    EditorState s;
    Fill(s, 3);
    vh::AddRecent(s, "/maps/new.vhm");
    EXPECT_EQ(s.Recent[1], "/maps/new.vhm");
    EXPECT_EQ(s.Recent[2], "/maps/m1.vhm");
    EXPECT_EQ(s.Recent[4], "/maps/m3.vhm");
    EXPECT_EQ(s.Recent[5], "");
}

TEST(AddRecent, FullListDropsTheOldestEntry) {
    EditorState s;
    Fill(s, 8);
    vh::AddRecent(s, "/maps/new.vhm");
    EXPECT_EQ(s.Recent[1], "/maps/new.vhm");
    EXPECT_EQ(s.Recent[8], "/maps/m7.vhm");
    for (int k = 1; k <= 8; ++k) EXPECT_NE(s.Recent[k], "/maps/m8.vhm");
}

TEST(AddRecent, EntryFourReopenedBecomesFirstWithoutDuplicatesOrLosses) {
    EditorState s;
    Fill(s, 6);
    vh::AddRecent(s, "/maps/m4.vhm");
    EXPECT_EQ(s.Recent[1], "/maps/m4.vhm");
    EXPECT_EQ(s.Recent[2], "/maps/m1.vhm");
    EXPECT_EQ(s.Recent[3], "/maps/m2.vhm");
    EXPECT_EQ(s.Recent[4], "/maps/m3.vhm");
    EXPECT_EQ(s.Recent[5], "/maps/m5.vhm");
    EXPECT_EQ(s.Recent[6], "/maps/m6.vhm");
    EXPECT_EQ(s.Recent[7], "");
}

TEST(AddRecent, FirstEntryAgainChangesNothing) {
    EditorState s;
    Fill(s, 3);
    auto before = s.Recent;
    vh::AddRecent(s, "/maps/m1.vhm");
    EXPECT_EQ(s.Recent, before);
}

TEST(AddRecent, ComparisonIsCaseSensitive) {
    EditorState s;
    Fill(s, 2);
    vh::AddRecent(s, "/maps/M2.vhm");
    EXPECT_EQ(s.Recent[1], "/maps/M2.vhm");
    EXPECT_EQ(s.Recent[3], "/maps/m2.vhm");
}

TEST(AddRecent, LastEntryMovesToTheTop) {
    EditorState s;
    Fill(s, 8);
    vh::AddRecent(s, "/maps/m8.vhm");
    EXPECT_EQ(s.Recent[1], "/maps/m8.vhm");
    EXPECT_EQ(s.Recent[8], "/maps/m7.vhm");
}

TEST(RecentCaption, PathOf31CharactersIsShownWhole) {
    std::string p = "/home/user/maps/valley_one.vhm";
    p.insert(1, "x");
    ASSERT_EQ(p.size(), 31u);
    EXPECT_EQ(vh::RecentCaption(1, p), p);
}

TEST(RecentCaption, PathOf32CharactersIsShortened) {
    std::string p = "/home/user/maps/valley_one2.vhm";
    p.insert(1, "x");
    ASSERT_EQ(p.size(), 32u);
    EXPECT_EQ(vh::RecentCaption(2, p), "&2. /xh.../user/maps/valley_one2.vhm");
}

TEST(RecentCaption, ThirtySevenCharactersKeepTheTailFromItsFirstSlash) {
    std::string p = "/home/levels/quake/base/mountains.vhm";
    ASSERT_EQ(p.size(), 37u);
    EXPECT_EQ(vh::RecentCaption(1, p), "&1. /ho.../quake/base/mountains.vhm");
}

TEST(RecentCaption, TailWithoutSlashKeepsAll26Characters) {
    std::string p = "/x/abcdefghijabcdefghijabcdefghijabcdefghij.vhm";
    EXPECT_EQ(vh::RecentCaption(8, p), "&8. /x/...ijabcdefghijabcdefghij.vhm");
}

TEST(RefreshRecentMenu, HidesEmptyItemsTrimsEntriesAndShowsSeparator) {
    EditorState s;
    s.Recent[1] = "  /a.vhm ";
    s.Recent[3] = "/home/levels/quake/base/mountains.vhm";
    vh::RefreshRecentMenu(s);
    EXPECT_EQ(s.Recent[1], "/a.vhm");
    EXPECT_TRUE(s.Commands.cmdRM[1].Visible);
    EXPECT_EQ(s.Commands.cmdRM[1].Caption, "/a.vhm");
    EXPECT_FALSE(s.Commands.cmdRM[2].Visible);
    EXPECT_TRUE(s.Commands.cmdRM[3].Visible);
    EXPECT_EQ(s.Commands.cmdRM[3].Caption, "&3. /ho.../quake/base/mountains.vhm");
    for (int k = 4; k <= 8; ++k) EXPECT_FALSE(s.Commands.cmdRM[k].Visible) << k;
    EXPECT_TRUE(s.Commands.cmdRmbSpace.Visible);
}

TEST(RefreshRecentMenu, BlankEntriesOnlyHideTheSeparator) {
    EditorState s;
    s.Recent[2] = "   ";
    s.Commands.cmdRmbSpace.Visible = true;
    s.Commands.cmdRM[2].Visible = true;
    vh::RefreshRecentMenu(s);
    EXPECT_EQ(s.Recent[2], "");
    EXPECT_FALSE(s.Commands.cmdRM[2].Visible);
    EXPECT_FALSE(s.Commands.cmdRmbSpace.Visible);
}

}  // namespace
