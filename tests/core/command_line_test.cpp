#include "core/command_line.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using vh::StartAction;

TEST(CommandLine, HelpAndVersionWinBeforeDoubleDashOtherOptionsAreErrors) {
    struct Row {
        std::vector<std::string> args;
        StartAction action;
    };
    const Row rows[] = {
        {{}, StartAction::Run},
        {{"--help"}, StartAction::Help},
        {{"-h"}, StartAction::Help},
        {{"map.vhm", "--help"}, StartAction::Help},
        {{"--bogus", "--help"}, StartAction::Help},
        {{"--version", "--help"}, StartAction::Help},
        {{"--version"}, StartAction::Version},
        {{"--bogus", "--version"}, StartAction::Version},
        {{"--", "--help"}, StartAction::Run},
        {{"--bogus"}, StartAction::Error},
        {{"-x", "map.vhm"}, StartAction::Error},
        {{"a.vhm", "b.vhm"}, StartAction::Error},
    };
    for (const Row& r : rows) {
        const vh::StartRequest got = vh::ParseCommandLine(r.args);
        const std::string label = r.args.empty() ? "(none)" : r.args[0] + " ...";
        EXPECT_EQ(got.Action, r.action) << label;
        EXPECT_EQ(got.Action == StartAction::Error, !got.Message.empty()) << label;
    }
    EXPECT_NE(vh::ParseCommandLine({"--bogus"}).Message.find("--bogus"), std::string::npos);
}

TEST(CommandLine, TheFileIsMadeAbsoluteSoTheRecentListAndTitleWork) {
    const std::filesystem::path cwd = std::filesystem::current_path();
    EXPECT_EQ(vh::ParseCommandLine({"maps/../a.vhm"}).File, (cwd / "a.vhm").string());
    EXPECT_EQ(vh::ParseCommandLine({"/srv/maps/b.vhm"}).File, "/srv/maps/b.vhm");
    EXPECT_EQ(vh::ParseCommandLine({"--", "-odd.vhm"}).File, (cwd / "-odd.vhm").string());
    EXPECT_EQ(vh::ParseCommandLine({""}).File, "");
}

TEST(CommandLine, HelpNamesThisRunsSettingsAndLog) {
    const vh::AppPaths p = vh::PortablePaths("/opt/vh");
    const std::string help = vh::HelpText(p);
    EXPECT_EQ(help.rfind("Usage: varnholm ", 0), 0u);
    for (const std::string& path : {p.SettingsFile, p.LogFile}) EXPECT_NE(help.find(path), std::string::npos);
}

}  // namespace
