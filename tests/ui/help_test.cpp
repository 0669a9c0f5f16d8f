#include "ui/help.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/scripted_prompts.h"
#include "support/temp_dir.h"

namespace {

class FakeShell : public vh::ui::WebShell {
public:
    vh::ui::BrowserLookup findResult = vh::ui::BrowserLookup::Found;
    bool openResult = true;
    std::vector<std::string> opened;
    bool probeExisted = false;

    vh::ui::BrowserLookup FindBrowser(const std::string& probeFile, const std::string&) override {
        probeExisted = std::filesystem::exists(probeFile);
        return findResult;
    }
    bool OpenAddress(const std::string& address) override {
        opened.push_back(address);
        return openResult;
    }
};

TEST(OpenWebPage, OpensThePageAfterAProbeThatIsRemoved) {
    vhtest::TempDir dir;
    vhtest::ScriptedPrompts prompts;
    FakeShell shell;
    EXPECT_TRUE(vh::ui::OpenWebPage(dir.Path().string(), "file:///page.html", shell, prompts));
    EXPECT_TRUE(shell.probeExisted);
    EXPECT_EQ(shell.opened, std::vector<std::string>{"file:///page.html"});
    EXPECT_TRUE(prompts.Messages.empty());
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / vh::ui::kProbeFileName));
}

TEST(OpenWebPage, EachFailureEndsInItsMessage) {
    struct Row {
        vh::ui::BrowserLookup find;
        bool open;
        const char* message;
    };
    using enum vh::ui::BrowserLookup;
    for (const Row& r :
         {Row{NoAssociation, true, "Unable to find Web Browser."},
          Row{OutOfMemory, true, "Sorry out of memory, please close some programs and try again."},
          Row{ProbeMissing, true, "Error Number: 2"}, Row{Found, false, "Unable to launch Web Browser."}}) {
        vhtest::TempDir dir;
        vhtest::ScriptedPrompts prompts;
        FakeShell shell;
        shell.findResult = r.find;
        shell.openResult = r.open;
        EXPECT_FALSE(vh::ui::OpenWebPage(dir.Path().string(), "file:///page.html", shell, prompts));
        ASSERT_EQ(prompts.Messages.size(), 1u) << r.message;
        EXPECT_EQ(prompts.Messages[0].Title, "Varnholm");
        EXPECT_EQ(prompts.Messages[0].Buttons, vh::PromptButtons::Ok);
        EXPECT_EQ(prompts.Messages[0].Text, r.message);
        EXPECT_EQ(shell.opened.size(), r.open ? 0u : 1u) << r.message;
        EXPECT_FALSE(std::filesystem::exists(dir.Path() / vh::ui::kProbeFileName)) << r.message;
    }
}

TEST(OpenWebPage, UnwritableFolderEndsInAMessageNotACrash) {
    vhtest::TempDir dir;
    vhtest::ScriptedPrompts prompts;
    vh::ui::DesktopWebShell desktop;
    EXPECT_FALSE(vh::ui::OpenWebPage((dir.Path() / "missing" / "folder").string(), "file:///page.html",
                                     desktop, prompts));
    ASSERT_EQ(prompts.Messages.size(), 1u);
    EXPECT_EQ(prompts.Messages[0].Text, "Error Number: 2");
}

}  // namespace
