#include "ui/help.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "support/scripted_prompts.h"
#include "support/temp_dir.h"

namespace {

using vh::ui::OpenWebPage;

// A shell whose answers the test sets; it records what it was asked and
// whether the probe page existed at the time of the lookup.
class FakeShell : public vh::ui::WebShell {
public:
    int findResult = 42;
    bool openResult = true;
    std::vector<std::string> probes, opened;
    bool probeExisted = false;

    int FindBrowser(const std::string& probeFile, const std::string&) override {
        probes.push_back(probeFile);
        probeExisted = std::filesystem::exists(probeFile);
        return findResult;
    }
    bool OpenAddress(const std::string& address) override {
        opened.push_back(address);
        return openResult;
    }
};

class OpenWebPageTest : public ::testing::Test {
protected:
    vhtest::TempDir dir;
    vhtest::ScriptedPrompts prompts;
    FakeShell shell;
    std::string folder = dir.Path().string();

    bool Open() { return OpenWebPage(folder, "file:///page.html", shell, prompts); }
    std::string OnlyMessage() {
        EXPECT_EQ(prompts.Messages.size(), 1u);
        if (prompts.Messages.empty()) return {};
        EXPECT_EQ(prompts.Messages[0].Title, "Varnholm");
        EXPECT_EQ(prompts.Messages[0].Buttons, vh::PromptButtons::Ok);
        return prompts.Messages[0].Text;
    }
    bool ProbeLeft() { return std::filesystem::exists(dir.Path() / vh::ui::kProbeFileName); }
};

TEST_F(OpenWebPageTest, LooksUpTheBrowserWithAnEmptyProbeInTheProgramFolder) {
    EXPECT_TRUE(Open());
    ASSERT_EQ(shell.probes.size(), 1u);
    EXPECT_EQ(shell.probes[0], (dir.Path() / "x27z42j.html").string());
    EXPECT_TRUE(shell.probeExisted);
    EXPECT_EQ(shell.opened, std::vector<std::string>{"file:///page.html"});
    EXPECT_TRUE(prompts.Messages.empty());
    EXPECT_FALSE(ProbeLeft());
}

TEST_F(OpenWebPageTest, NoBrowserAssociatedSaysSoAndLeavesNoProbe) {
    shell.findResult = 31;
    EXPECT_FALSE(Open());
    EXPECT_EQ(OnlyMessage(), "Unable to find Web Browser.");
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_FALSE(ProbeLeft());
}

TEST_F(OpenWebPageTest, ResultZeroIsOutOfMemory) {
    shell.findResult = 0;
    EXPECT_FALSE(Open());
    EXPECT_EQ(OnlyMessage(), "Sorry out of memory, please close some programs and try again.");
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(OpenWebPageTest, SmallResultsAreReportedByNumber) {
    shell.findResult = 2;
    EXPECT_FALSE(Open());
    EXPECT_EQ(OnlyMessage(), "Error Number: 2");
    prompts.Messages.clear();
    shell.findResult = 30;
    Open();
    EXPECT_EQ(OnlyMessage(), "Error Number: 30");
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(OpenWebPageTest, BrowserThatCannotStartIsReported) {
    shell.openResult = false;
    EXPECT_FALSE(Open());
    EXPECT_EQ(OnlyMessage(), "Unable to launch Web Browser.");
    EXPECT_EQ(shell.opened.size(), 1u);
    EXPECT_FALSE(ProbeLeft());
}

TEST_F(OpenWebPageTest, UnwritableFolderStillEndsInAMessageNotACrash) {
    folder = (dir.Path() / "missing" / "folder").string();
    vh::ui::DesktopWebShell desktop;
    EXPECT_FALSE(OpenWebPage(folder, "file:///page.html", desktop, prompts));
    EXPECT_EQ(OnlyMessage(), "Error Number: 2");
}

TEST(HelpPageAddressTest, PointsAtTheManualBesideTheProgram) {
    EXPECT_EQ(vh::ui::HelpPageAddress("/opt/varnholm"), "file:///opt/varnholm/help/index.html");
    EXPECT_EQ(vh::ui::ProjectPageAddress("/opt/varnholm"), "file:///opt/varnholm/help/about.html");
}

TEST(DesktopWebShellTest, MissingLocalPageIsNotOpened) {
    vhtest::TempDir dir;
    vh::ui::DesktopWebShell desktop;
    EXPECT_FALSE(desktop.OpenAddress(vh::ui::HelpPageAddress(dir.Path().string())));
}

// The manual ships in the source tree's assets and is copied beside the
// program; check the copy the build installs from.
class ManualTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* data = std::getenv("VH_TEST_DATA");
        if (!data) GTEST_SKIP() << "VH_TEST_DATA not set";
        // Lexically, since the data folder itself may not exist in a clean checkout.
        folder = (std::filesystem::path(data) / ".." / ".." / "assets" / "help").lexically_normal();
    }
    std::string Read(const char* name) {
        std::ifstream in(folder / name, std::ios::binary);
        std::ostringstream all;
        all << in.rdbuf();
        return all.str();
    }
    std::filesystem::path folder;
};

TEST_F(ManualTest, PagesAndStyleSheetExistWithoutExternalResources) {
    for (const char* page : {"index.html", "about.html", "style.css"}) {
        const std::string text = Read(page);
        ASSERT_FALSE(text.empty()) << page;
        EXPECT_EQ(text.find("http://"), std::string::npos) << page;
        EXPECT_EQ(text.find("https://"), std::string::npos) << page;
    }
    EXPECT_NE(Read("index.html").find("href=\"style.css\""), std::string::npos);
}

TEST_F(ManualTest, EveryInPageLinkHasItsTarget) {
    const std::string text = Read("index.html");
    const std::regex href("href=\"#([^\"]+)\"");
    int links = 0;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), href); it != std::sregex_iterator();
         ++it, ++links)
        EXPECT_NE(text.find("id=\"" + (*it)[1].str() + "\""), std::string::npos) << (*it)[1].str();
    EXPECT_GT(links, 20);
}

TEST_F(ManualTest, CoversEveryMenuToolAndDialog) {
    const std::string text = Read("index.html");
    for (const char* topic :
         {"File menu", "Edit menu", "View menu", "Tool menu", "Map menu", "Help menu", "Generate New Terrain",
          "Raise / Lower Tool Configuration", "Mountain / Vally Tool Configuration",
          "Smooth Tool Configuration", "Noise Tool Config", "Scale Tool Configuration", "Properties dialog",
          "Exportation Options", "Cammera Options", "Specift Editor Textures", "Flatten", "Touch Up",
          ".BMP export"})
        EXPECT_NE(text.find(topic), std::string::npos) << topic;
}

}  // namespace
