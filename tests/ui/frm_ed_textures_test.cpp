#include "ui/frm_ed_textures.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "fake_services_fixture.h"
#include "support/scripted_prompts.h"
#include "ui/view_commands.h"

namespace {

class EdTextures : public ::testing::Test {
protected:
    void SetUp() override {
        sv.state.ProgramFolder = "/opt/vh";
        sv.state.SkyUP = "/old/up.bmp";
        sv.state.GroundTexture = "/old/ground.jpg";
        d = std::make_unique<vh::ui::FrmEdTextures>(sv);
    }
    QLineEdit* Box(const QString& name) { return d->findChild<QLineEdit*>(name); }
    QLineEdit* Sky(int i) { return Box(QStringLiteral("txtSky%1").arg(i)); }
    QPushButton* Button(const QString& name) { return d->findChild<QPushButton*>(name); }
    QCheckBox* Check(const char* name) { return d->findChild<QCheckBox*>(name); }
    void Choose(const std::string& path) {
        sv.prompts.FileAnswers.push_back(vhtest::ScriptedPrompts::Choose(path));
    }

    vhtest::FakeServices sv;
    std::unique_ptr<vh::ui::FrmEdTextures> d;
};

TEST_F(EdTextures, LoadShowsTheCurrentPaths) {
    EXPECT_EQ(Sky(1)->text(), "/old/up.bmp");
    EXPECT_EQ(Sky(2)->text(), QString::fromStdString(sv.state.SkyDN));
    EXPECT_EQ(Box("txtTex")->text(), "/old/ground.jpg");
}

TEST_F(EdTextures, BrowseAsksForAGraphicsFileAndFillsTheBox) {
    Choose("/pics/day_ft.bmp");
    Button("cmdSky3")->click();
    ASSERT_EQ(sv.prompts.OpenRequests.size(), 1u);
    EXPECT_EQ(sv.prompts.OpenRequests[0].Title, "Open Graphics File.");
    EXPECT_EQ(sv.prompts.OpenRequests[0].InitialFolder, vh::FolderOf(sv.state.SkyFT));
    EXPECT_EQ(Sky(3)->text(), "/pics/day_ft.bmp");
    EXPECT_EQ(Sky(1)->text(), "/old/up.bmp");  // no Auto Fill
    // The next browse of a box without an image starts where the last choice was.
    Sky(4)->setText("nothing");
    Button("cmdSky4")->click();
    EXPECT_EQ(sv.prompts.OpenRequests[1].InitialFolder, vh::FolderOf("/pics/day_ft.bmp"));
}

TEST_F(EdTextures, AutoFillSetsAllSixBoxesFromOneChoice) {
    Check("chkAuto")->setChecked(true);
    Choose("/pics/x_up.tga");
    Button("cmdSky5")->click();
    const char* expected[6] = {"/pics/x_up.tga", "/pics/x_dn.tga", "/pics/x_ft.tga",
                               "/pics/x_bk.tga", "/pics/x_rt.tga", "/pics/x_lf.tga"};
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(Sky(i)->text(), expected[i - 1]);
}

TEST_F(EdTextures, ShortcutsAndCancelledBrowsesChangeNothing) {
    Choose("/pics/link.LNK");
    Button("cmdSky1")->click();
    EXPECT_EQ(Sky(1)->text(), "/old/up.bmp");
    Button("cmdTex")->click();  // no answer queued: cancelled
    EXPECT_EQ(Box("txtTex")->text(), "/old/ground.jpg");
}

TEST_F(EdTextures, UseDefaultsLocksTheBoxesAndTheirButtons) {
    Check("chkDefault")->setChecked(true);
    for (int i = 1; i <= 6; ++i) EXPECT_TRUE(Sky(i)->isReadOnly());
    EXPECT_FALSE(Button("cmdSky2")->isEnabled());
    EXPECT_FALSE(Check("chkAuto")->isEnabled());
    Check("chkDefault")->setChecked(false);
    EXPECT_FALSE(Sky(1)->isReadOnly());
    EXPECT_TRUE(Check("chkAuto")->isEnabled());
    Check("chkTexDefault")->setChecked(true);
    EXPECT_TRUE(Box("txtTex")->isReadOnly());
    EXPECT_FALSE(Button("cmdTex")->isEnabled());
}

TEST_F(EdTextures, OkeyWithAnEmptySkyBoxStoresAllSixDefaults) {
    Sky(2)->setText("");
    Box("txtTex")->setText("  /new/ground.tga  ");
    Button("cmdOkey")->click();
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(sv.state.SkyUP, "/opt/vh/sky/top.bmp");
    EXPECT_EQ(sv.state.SkyLF, "/opt/vh/sky/back.bmp");
    EXPECT_EQ(sv.state.GroundTexture, "/new/ground.tga");
}

TEST_F(EdTextures, CancelLeavesTheSettings) {
    Sky(1)->setText("/else/up.bmp");
    Check("chkTexDefault")->setChecked(true);
    Button("cmdCancel")->click();
    EXPECT_EQ(sv.state.SkyUP, "/old/up.bmp");
    EXPECT_EQ(sv.state.GroundTexture, "/old/ground.jpg");
}

TEST_F(EdTextures, MenuCommandOpensTheDialogAndItsOkeyStores) {
    vh::ui::InstallViewCommands(sv);
    ASSERT_TRUE(sv.Run("cmdTextures"));
    ASSERT_EQ(sv.openedDialogs.size(), 1u);
    QDialog* opened = sv.openedDialogs[0].data();
    ASSERT_NE(qobject_cast<vh::ui::FrmEdTextures*>(opened), nullptr);
    opened->findChild<QCheckBox*>("chkTexDefault")->setChecked(true);
    opened->findChild<QPushButton*>("cmdOkey")->click();
    EXPECT_EQ(sv.state.GroundTexture, "/opt/vh/tex/ground.jpg");
}

}  // namespace
