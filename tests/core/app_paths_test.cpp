#include "core/app_paths.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <optional>

#include "core/document_commands.h"
#include "core/lifecycle.h"
#include "core/settings.h"
#include "support/scripted_prompts.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using vh::AppPaths;
using vh::PathEnvironment;

// A prefix with bin/ beside share/varnholm, and a home folder, in a temp folder.
struct Layout : ::testing::Test {
    vhtest::TempDir dir;
    std::string bin = dir.File("usr/bin");
    std::string home = dir.File("home/me");

    void SetUp() override {
        fs::create_directories(bin);
        fs::create_directories(home);
    }
    void GiveAssets(const std::string& folder,
                    std::initializer_list<const char*> subs = {"sky", "tex", "help"}) {
        for (const char* sub : subs) fs::create_directories(fs::path(folder) / sub);
    }
    PathEnvironment Env(bool writable, std::string config = {}, std::string state = {}) const {
        return {bin, home, std::move(config), std::move(state),
                [writable](const std::string&) { return writable; }};
    }
};

TEST_F(Layout, WritableFolderWithItsAssetsKeepsEverythingBesideTheExecutable) {
    GiveAssets(bin);
    const AppPaths p = vh::ResolveAppPaths(Env(true, "/xdg/config", "/xdg/state"));
    EXPECT_TRUE(p.Portable);
    EXPECT_EQ(p.AssetsFolder, bin);
    EXPECT_EQ(p.SettingsFile, bin + "/config/Varnholm.ini");
    EXPECT_EQ(p.LogFile, bin + "/debugVH.txt");
    EXPECT_EQ(p.StateFolder, bin);
    EXPECT_EQ(p.DialogFolder, bin);
}

TEST_F(Layout, ReadOnlyOrIncompleteProgramFolderUsesShareAndTheUsersFolders) {
    struct Row {
        const char* name;
        bool writable;
        std::initializer_list<const char*> assets;
    };
    for (const Row& r :
         {Row{"read-only with assets", false, {"sky", "tex", "help"}},
          Row{"writable without help/", true, {"sky", "tex"}}, Row{"writable and empty", true, {}}}) {
        fs::remove_all(bin);
        fs::create_directories(bin);
        GiveAssets(bin, r.assets);
        const AppPaths p = vh::ResolveAppPaths(Env(r.writable));
        EXPECT_FALSE(p.Portable) << r.name;
        EXPECT_EQ(p.AssetsFolder, dir.File("usr/share/varnholm")) << r.name;
        EXPECT_EQ(p.SettingsFile, home + "/.config/varnholm/Varnholm.ini") << r.name;
        EXPECT_EQ(p.StateFolder, home + "/.local/state/varnholm") << r.name;
        EXPECT_EQ(p.LogFile, home + "/.local/state/varnholm/debugVH.txt") << r.name;
        EXPECT_EQ(p.DialogFolder, home) << r.name;
    }
}

TEST_F(Layout, XdgFoldersCountOnlyWhenAbsolute) {
    AppPaths p = vh::ResolveAppPaths(Env(false, "/xdg/config", "/xdg/state"));
    EXPECT_EQ(p.SettingsFile, "/xdg/config/varnholm/Varnholm.ini");
    EXPECT_EQ(p.LogFile, "/xdg/state/varnholm/debugVH.txt");
    p = vh::ResolveAppPaths(Env(false, "rel/config", "rel/state"));
    EXPECT_EQ(p.SettingsFile, home + "/.config/varnholm/Varnholm.ini");
    EXPECT_EQ(p.LogFile, home + "/.local/state/varnholm/debugVH.txt");
}

TEST_F(Layout, ProcessEnvironmentReadsTheVariablesAndChecksRealWritability) {
    const char* names[] = {"HOME", "XDG_CONFIG_HOME", "XDG_STATE_HOME"};
    std::optional<std::string> saved[3];
    for (int i = 0; i < 3; ++i)
        if (const char* v = getenv(names[i])) saved[i] = v;
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", "/c", 1);
    unsetenv("XDG_STATE_HOME");
    const PathEnvironment env = vh::ProcessEnvironment(bin);
    for (int i = 0; i < 3; ++i) saved[i] ? setenv(names[i], saved[i]->c_str(), 1) : unsetenv(names[i]);
    EXPECT_EQ(env.ExecutableFolder, bin);
    EXPECT_EQ(env.Home, home);
    EXPECT_EQ(env.XdgConfigHome, "/c");
    EXPECT_EQ(env.XdgStateHome, "");
    EXPECT_TRUE(env.Writable(bin));
    EXPECT_FALSE(env.Writable(dir.File("missing")));
}

// The installed layout end to end through the core: defaults, settings, log
// and dialogs all land in the user's folders, nothing beside the executable.
TEST_F(Layout, InstalledRunReadsAndWritesOnlyInTheUsersFolders) {
    GiveAssets(bin);
    const AppPaths p = vh::ResolveAppPaths(Env(false));
    vh::EditorState s;
    vh::SetDefaults(s, p);
    EXPECT_EQ(s.Textures.SkyUP, dir.File("usr/share/varnholm/sky/top.bmp"));
    EXPECT_EQ(s.Textures.GroundTexture, dir.File("usr/share/varnholm/tex/ground.jpg"));
    EXPECT_EQ(vh::DocumentDialogFolder(s), home);

    ASSERT_TRUE(vh::ReadSettings(s));
    ASSERT_TRUE(vh::CreateStateFolder(p));
    vh::LogLine(s, "VH RESET : VH Reset");
    vhtest::ScriptedPrompts prompts;
    ASSERT_TRUE(vh::Quit(s, prompts));
    EXPECT_TRUE(prompts.Messages.empty());
    EXPECT_EQ(vhtest::ReadFileBytes(home + "/.config/varnholm/Varnholm.ini").substr(0, 10), "\n[Editor]\n");
    EXPECT_EQ(vhtest::ReadFileBytes(home + "/.local/state/varnholm/debugVH.txt"), "VH RESET : VH Reset\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(bin), fs::directory_iterator()), 3);  // sky, tex, help
}

}  // namespace
