// What the program does with its command line and with termination signals:
// a named map opens as "&Open" would; SIGTERM runs the close box's quit flow.
#include <gtest/gtest.h>

#include <QAction>
#include <QTest>
#include <csignal>
#include <filesystem>

#include "core/document.h"
#include "main_window_fixture.h"
#include "support/terrain_fixture.h"
#include "ui/quit_signals.h"

using vhtest::WindowRig;

TEST(MainWindowCommandLine, NamedMapOpensWithItsTitleInTheRecentListAndTheLoopRunning) {
    WindowRig rig;
    vh::EditorState d;
    vhtest::MakeTerrain(d, 4, 3);
    const std::string path = rig.folder.File("hills.vhm");
    ASSERT_TRUE(vhtest::SaveDocument(d, path));

    EXPECT_TRUE(rig.window->OpenDocument(path));
    EXPECT_TRUE(rig.prompts.Messages.empty());
    EXPECT_TRUE(rig.State().Doc.TerrainExists);
    EXPECT_EQ(rig.State().Terrain.PointCount, 12);
    EXPECT_EQ(rig.window->windowTitle(), "hills.vhm[*] - Varnholm");
    EXPECT_FALSE(rig.window->isWindowModified());
    EXPECT_EQ(rig.State().Recent[1], path);
    EXPECT_TRUE(rig.window->LoopTicking());
}

TEST(MainWindowCommandLine, MissingOrBadMapGetsOpensMessageAndAnEmptyEditor) {
    for (const char* name : {"missing.vhm", "notes.txt"}) {
        WindowRig rig;
        const std::string path = rig.folder.File(name);
        if (std::string(name) == "notes.txt") vhtest::WriteFileBytes(path, "not a map at all");

        EXPECT_FALSE(rig.window->OpenDocument(path)) << name;
        ASSERT_EQ(rig.prompts.Messages.size(), 1u) << name;
        EXPECT_FALSE(rig.State().Doc.TerrainExists) << name;
        EXPECT_FALSE(rig.window->LoopTicking()) << name;
        EXPECT_EQ(rig.window->windowTitle(), "Varnholm[*]") << name;

        // "&Open" on the same file (renamed to pass its .vhm filter) says the same.
        const std::string asMap = rig.folder.File("same.vhm");
        if (std::filesystem::exists(path)) std::filesystem::copy_file(path, asMap);
        rig.prompts.FileAnswers = {vhtest::ScriptedPrompts::Choose(asMap)};
        rig.window->Action("cmdOpen")->trigger();
        ASSERT_EQ(rig.prompts.Messages.size(), 2u) << name;
        std::string first = rig.prompts.Messages[0].Text, second = rig.prompts.Messages[1].Text;
        if (const size_t at = first.find(path); at != std::string::npos)
            first.replace(at, path.size(), asMap);
        EXPECT_EQ(second, first) << name;
        EXPECT_EQ(rig.prompts.Messages[1].Title, rig.prompts.Messages[0].Title) << name;
    }
}

TEST(QuitSignals, TermRunsTheQuitFlowSoSettingsAreWrittenOrTheUserCanCancel) {
    WindowRig rig;
    vh::ui::QuitSignals quitSignals([&rig] { rig.window->close(); });
    std::filesystem::remove(rig.SettingsPath());

    // Unsaved changes: the prompt comes first, and Cancel keeps the program.
    vhtest::MakeTerrain(rig.State(), 3, 3);
    rig.State().Paths = vh::PortablePaths(rig.folder.Path().string());
    rig.State().Doc.DocTitle = "newmap.vhm";
    rig.State().Doc.DocClean = false;
    rig.prompts.Answers = {vh::PromptAnswer::Cancel};
    std::raise(SIGTERM);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !rig.prompts.Messages.empty(); }, 5000));
    EXPECT_EQ(rig.prompts.Messages[0].Title, "Save File?");
    EXPECT_FALSE(rig.window->Ended());
    EXPECT_FALSE(std::filesystem::exists(rig.SettingsPath()));

    rig.prompts.Answers = {vh::PromptAnswer::No};
    std::raise(SIGINT);
    ASSERT_TRUE(QTest::qWaitFor([&] { return rig.window->Ended(); }, 5000));
    EXPECT_EQ(vhtest::ReadFileBytes(rig.SettingsPath()).substr(0, 10), "\n[Editor]\n");
}
