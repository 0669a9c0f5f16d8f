#include "ui/frm_about.h"

#include <QLabel>
#include <QTest>

#include "dialog_test_helpers.h"
#include "fake_services_fixture.h"
#include "support/temp_dir.h"
#include "ui/frm_splash.h"

namespace {

using vhtest::Control;

class RecordingShell : public vh::ui::WebShell {
public:
    std::vector<std::string> opened;
    int FindBrowser(const std::string&, const std::string&) override { return 33; }
    bool OpenAddress(const std::string& address) override {
        opened.push_back(address);
        return true;
    }
};

class AboutTest : public ::testing::Test {
protected:
    vhtest::FakeServices services;
    vhtest::TempDir dir;
    RecordingShell shell;
};

TEST_F(AboutTest, CaptionAndVersionLine) {
    vh::ui::FrmAbout dlg(dir.Path().string(), services.prompts, shell);
    EXPECT_EQ(dlg.windowTitle().toStdString(), "About Varnholm");
    QLabel* version = Control<QLabel>(dlg, "lblVersion");
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text().toStdString(), "Varnholm v2.2.0  for Linux.");
    EXPECT_EQ(Control<QAbstractButton>(dlg, "cmdOK")->text().toStdString(), "&OK");
}

TEST_F(AboutTest, OkCloses) {
    vh::ui::FrmAbout dlg(dir.Path().string(), services.prompts, shell);
    dlg.show();
    vhtest::Click(dlg, "cmdOK");
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_FALSE(dlg.isVisible());
}

TEST_F(AboutTest, ClickOnTheLogoOpensTheProjectPage) {
    vh::ui::FrmAbout dlg(dir.Path().string(), services.prompts, shell);
    dlg.show();
    QWidget* logo = Control<QWidget>(dlg, "picLogo");
    ASSERT_NE(logo, nullptr);
    QTest::mouseClick(logo, Qt::LeftButton);
    EXPECT_EQ(shell.opened, std::vector<std::string>{vh::ui::ProjectPageAddress(dir.Path().string())});
    EXPECT_TRUE(services.prompts.Messages.empty());
}

TEST_F(AboutTest, LogoIsDrawn) {
    vh::ui::AboutLogo logo;
    const QImage img = logo.grab().toImage();
    ASSERT_FALSE(img.isNull());
    // Sky at the top of the disc, hill at the bottom: not one flat colour.
    const QColor top = img.pixelColor(img.width() * 3 / 10, img.height() / 5);
    const QColor low = img.pixelColor(img.width() * 3 / 10, img.height() * 4 / 5);
    EXPECT_GT(top.blue(), top.green());
    EXPECT_GT(low.green(), low.blue());
}

TEST(SplashTest, VersionLabelShowsTheVersion) {
    vhtest::EnsureQtApp();
    vh::ui::FrmSplash splash;
    EXPECT_EQ(splash.VersionLabel()->text().toStdString(), "v 2.2.0");
    EXPECT_EQ(splash.objectName().toStdString(), "frmSplash");
    EXPECT_FALSE(splash.grab().isNull());
}

}  // namespace
