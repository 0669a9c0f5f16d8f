#include "core/recent.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/command_states.h"
#include "core/editor_state.h"

namespace {

using vh::EditorState;

std::string M(int k) {
    return "/maps/m" + std::to_string(k) + ".vhm";
}

TEST(AddRecent, PathMovesToTheTopWithoutDuplicatesOrLosses) {
    const struct {
        int filled;
        std::string added;
        std::vector<std::string> expected;  // entries 1..8
    } cases[] = {
        {3, "/maps/new.vhm", {"/maps/new.vhm", M(1), M(2), M(3), "", "", "", ""}},
        {8, "/maps/new.vhm", {"/maps/new.vhm", M(1), M(2), M(3), M(4), M(5), M(6), M(7)}},
        {6, M(4), {M(4), M(1), M(2), M(3), M(5), M(6), "", ""}},
        {3, M(1), {M(1), M(2), M(3), "", "", "", "", ""}},
        {8, M(8), {M(8), M(1), M(2), M(3), M(4), M(5), M(6), M(7)}},
        {2, "/maps/M2.vhm", {"/maps/M2.vhm", M(1), M(2), "", "", "", "", ""}},  // case-sensitive
    };
    for (const auto& c : cases) {
        EditorState s;
        for (int k = 1; k <= 8; ++k) s.Recent[k] = k <= c.filled ? M(k) : "";
        vh::AddRecent(s, c.added);
        for (int k = 1; k <= 8; ++k) EXPECT_EQ(s.Recent[k], c.expected[k - 1]) << c.added << " entry " << k;
    }
}

TEST(RecentCaption, ShortPathsWholeLongerOnesShortenedToTheTailFromASlash) {
    const std::string p31 = "/xhome/user/maps/valley_one.vhm", p32 = "/xhome/user/maps/valley_one2.vhm",
                      p37 = "/home/levels/quake/base/mountains.vhm";
    ASSERT_EQ(p31.size(), 31u);
    ASSERT_EQ(p32.size(), 32u);
    ASSERT_EQ(p37.size(), 37u);
    EXPECT_EQ(vh::RecentCaption(1, p31), p31);
    EXPECT_EQ(vh::RecentCaption(2, p32), "&2. /xh.../user/maps/valley_one2.vhm");
    EXPECT_EQ(vh::RecentCaption(1, p37), "&1. /ho.../quake/base/mountains.vhm");
    // A tail without a slash keeps all 26 characters.
    EXPECT_EQ(vh::RecentCaption(8, "/x/abcdefghijabcdefghijabcdefghijabcdefghij.vhm"),
              "&8. /x/...ijabcdefghijabcdefghij.vhm");
}

TEST(RecentCaption, CountsCharactersNotBytes) {
    // 30 characters, 32 bytes: shown in full.
    const std::string euro = "/home/anna/maps/pre\u20ac/hills.vhm";
    ASSERT_EQ(euro.size(), 32u);
    EXPECT_EQ(vh::RecentCaption(1, euro), euro);
    // Shortened on whole characters: the first three and the last 26.
    EXPECT_EQ(vh::RecentCaption(2, "/\u00e9\u00e9quipe/levels/quake/b\u00e4se/mo\u00fcntains.vhm"),
              "&2. /\u00e9\u00e9.../quake/b\u00e4se/mo\u00fcntains.vhm");
    std::string euros;
    for (int i = 0; i < 20; ++i) euros += "\u20ac";
    EXPECT_EQ(vh::RecentCaption(3, "/home/levels/" + euros + ".vhm"), "&3. /ho.../" + euros + ".vhm");
}

TEST(RecentMenu, ShowsTrimmedEntriesByCaptionAndTheSeparatorOnlyWithThem) {
    EditorState s;
    s.Recent[2] = "/home/levels/quake/base/mountains.vhm";
    vh::AddRecent(s, "  /a.vhm ");
    EXPECT_EQ(s.Recent[1], "/a.vhm");
    const vh::CommandStates c = vh::ComputeCommandStates(s);
    EXPECT_TRUE(c.cmdRM[1].Visible);
    EXPECT_EQ(c.cmdRM[1].Caption, "/a.vhm");
    EXPECT_TRUE(c.cmdRM[3].Visible);
    EXPECT_EQ(c.cmdRM[3].Caption, "&3. /ho.../quake/base/mountains.vhm");
    for (int k : {2, 4, 5, 6, 7, 8}) EXPECT_FALSE(c.cmdRM[k].Visible) << k;
    EXPECT_TRUE(c.cmdRmbSpace.Visible);

    EXPECT_FALSE(vh::ComputeCommandStates(EditorState()).cmdRmbSpace.Visible);
}

}  // namespace
