#include "ui/frm_new.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <cmath>
#include <cstring>
#include <memory>

#include "core/rules.h"
#include "support/temp_dir.h"
#include "support/terrain_fixture.h"
#include "ui/fake_services_fixture.h"

using namespace vh;
using vh::ui::FrmNew;

namespace {

class FrmNewTest : public ::testing::Test {
protected:
    vhtest::FakeServices services;
    EditorState& s = services.state;

    std::unique_ptr<FrmNew> Open() { return std::make_unique<FrmNew>(services, nullptr); }
    template <class W>
    static W* Get(FrmNew& d, const char* name) {
        W* w = d.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    static QLineEdit* Text(FrmNew& d, const char* n) { return Get<QLineEdit>(d, n); }
    static QLabel* Label(FrmNew& d, const char* n) { return Get<QLabel>(d, n); }
    static QCheckBox* Check(FrmNew& d, const char* n) { return Get<QCheckBox>(d, n); }
    // Types into a box and leaves it, as the user would.
    static void Type(FrmNew& d, const char* name, const char* text) {
        Text(d, name)->setText(QString::fromLatin1(text));
        emit Text(d, name)->editingFinished();
    }
    static QColor Colour(QLabel* l) { return l->palette().color(QPalette::WindowText); }
    static void Ok(FrmNew& d) { Get<QPushButton>(d, "cmdOk")->click(); }
};

TEST_F(FrmNewTest, SizeReadOutsAndTheirColours) {
    auto d = Open();
    EXPECT_EQ(Label(*d, "lblX")->text(), "+/- 2048 Units.");
    EXPECT_EQ(Label(*d, "lblZ")->text(), "+/- 2048 Units.");
    EXPECT_EQ(Label(*d, "lblFaces")->text(), "512 Faces.");
    for (const char* l : {"lblX", "lblZ", "lblFaces"}) EXPECT_EQ(Colour(Label(*d, l)), QColor(0, 0, 0)) << l;
    Type(*d, "txtX", "32");
    EXPECT_EQ(Label(*d, "lblX")->text(), "+/- 4096 Units.");
    EXPECT_EQ(Colour(Label(*d, "lblX")), QColor(0, 0, 0));
    Type(*d, "txtX", "33");
    EXPECT_EQ(Label(*d, "lblX")->text(), "+/- 4224 Units.");
    EXPECT_EQ(Colour(Label(*d, "lblX")), QColor(255, 0, 0));
    EXPECT_EQ(Label(*d, "lblFaces")->text(), "1056 Faces.");
    EXPECT_EQ(Colour(Label(*d, "lblFaces")), QColor(0, 0, 0));
}

TEST_F(FrmNewTest, LeavingABoxCorrectsItsValue) {
    const char* rows[][3] = {
        {"txtCircleMaxRad", "2.5", "2"},
        {"txtCircleMaxRad", "3.5", "4"},
        {"txtCircleMaxRad", "0", "2"},
        {"txtDiamondPerLimiter", "50", "100"},
        {"txtParticlePerLimiter", "250", "200"},
        {"txtMaxSeed", "-64", "64"},
        {"txtMaxSeed", "lots", "48"},
        {"txtCircleMaxChange", "0", "512"},
        {"txtLength", "100", "96"},
        {"txtLength", "136", "128"},
    };
    auto d = Open();
    for (const auto& r : rows) {
        Type(*d, r[0], r[1]);
        EXPECT_EQ(Text(*d, r[0])->text(), r[2]) << r[0] << " " << r[1];
    }
}

TEST_F(FrmNewTest, UncheckingNormalizeDisablesFlatteningWhateverItsState) {
    s.NewMap.Normalize = true;
    s.NewMap.FlattenToZero = true;
    auto d = Open();
    Check(*d, "chkNormal")->click();
    EXPECT_FALSE(Check(*d, "chkFlatten")->isEnabled());
    EXPECT_FALSE(Get<QSlider>(*d, "sldFlatten")->isEnabled());
    EXPECT_TRUE(Check(*d, "chkFlatten")->isChecked());
    Check(*d, "chkNormal")->click();
    EXPECT_TRUE(Check(*d, "chkFlatten")->isEnabled());
}

TEST_F(FrmNewTest, ZeroThresholdIsStoredAsMinusOneAndShownAsZero) {
    auto d = Open();
    Text(*d, "txtX")->setText("2");
    Text(*d, "txtZ")->setText("2");
    Text(*d, "txtThreshold")->setText("0");
    Ok(*d);
    EXPECT_FLOAT_EQ(s.NewMap.SmoothThreshold, -1.0f);
    EXPECT_EQ(Text(*Open(), "txtThreshold")->text(), "0");
}

TEST_F(FrmNewTest, OkGeneratesAFractalTerrainOnTheHeightGrid) {
    auto d = Open();
    Type(*d, "txtX", "32");
    Type(*d, "txtZ", "32");
    Check(*d, "chkFractal")->click();
    Check(*d, "chkDiamond")->click();
    Ok(*d);
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(s.NewMap.X, 33);
    EXPECT_EQ(s.NewMap.Y, 33);
    EXPECT_EQ(s.Terrain.PointCount, 33 * 33);
    EXPECT_TRUE(s.Doc.TerrainExists);
    EXPECT_EQ(s.Doc.DocTitle, "newmap.vhm");
    EXPECT_FALSE(s.Doc.DocClean);
    int nonZero = 0;
    for (int i = 1; i <= s.Terrain.PointCount; ++i) {
        EXPECT_EQ(std::fmod(s.Terrain.Points[i].Height, static_cast<float>(s.Tools.Grid)), 0) << i;
        nonZero += s.Terrain.Points[i].Height != 0;
    }
    EXPECT_GT(nonZero, 0);
    EXPECT_EQ(services.waitCursorCalls, (std::vector<bool>{true, false}));
    EXPECT_EQ(Label(*d, "lblStat")->text(), "Building Mesh...");
}

TEST_F(FrmNewTest, OversizedGridOrLengthIsRefusedAndKeepsTheTerrain) {
    const char* rows[][3] = {{"200", "200", "256"}, {"2", "2", "40000"}};
    for (const auto& r : rows) {
        vhtest::FakeServices sv;
        vhtest::MakeTerrain(sv.state, 5, 5);
        sv.state.Terrain.Points[7].Height = 64;
        sv.state.Doc.DocTitle = "hills.vhm";
        const int size = sv.state.NewMap.Size;
        FrmNew d(sv, nullptr);
        Text(d, "txtX")->setText(r[0]);
        Text(d, "txtZ")->setText(r[1]);
        Text(d, "txtLength")->setText(r[2]);
        Ok(d);
        ASSERT_EQ(sv.prompts.Messages.size(), 1u) << r[2];
        EXPECT_EQ(sv.prompts.Messages[0].Title, "Varnholm");
        EXPECT_NE(d.result(), QDialog::Accepted);
        EXPECT_EQ(sv.state.Terrain.PointCount, 25);
        EXPECT_FLOAT_EQ(sv.state.Terrain.Points[7].Height, 64.0f);
        EXPECT_EQ(sv.state.Doc.DocTitle, "hills.vhm");
        EXPECT_EQ(sv.state.NewMap.Size, size);
        EXPECT_TRUE(sv.waitCursorCalls.empty());
    }
}

TEST_F(FrmNewTest, AGridWithoutSpacingIsRefusedInsteadOfBuilt) {
    vhtest::MakeTerrain(s, 5, 5);
    s.Tools.Grid = 0;  // what an unreadable stored grid once gave
    auto d = Open();
    Type(*d, "txtLength", "0");
    Ok(*d);
    ASSERT_EQ(services.prompts.Messages.size(), 1u);
    EXPECT_NE(services.prompts.Messages[0].Text.find("greater than 0"), std::string::npos);
    EXPECT_NE(d->result(), QDialog::Accepted);
    EXPECT_EQ(s.Terrain.PointCount, 25);
}

TEST_F(FrmNewTest, ATypedImagePathIsLoadedAndAnUnreadableOneIsSaid) {
    vhtest::TempDir dir;
    QImage white(6, 4, QImage::Format_RGB32);
    white.fill(Qt::white);
    ASSERT_TRUE(white.save(QString::fromStdString(dir.File("white.bmp")), "BMP"));
    vhtest::WriteFileBytes(dir.File("broken.bmp"), "not a bitmap");
    s.Tools.Grid = 16;

    // Typed and confirmed at once: the image, not the blank preview, is used.
    auto d = Open();
    Text(*d, "txtX")->setText("4");
    Text(*d, "txtZ")->setText("4");
    Check(*d, "chkBM")->click();
    Text(*d, "txtBM")->setText(QString::fromStdString(dir.File("white.bmp")));
    Ok(*d);
    ASSERT_EQ(d->result(), QDialog::Accepted);
    for (int i = 1; i <= s.Terrain.PointCount; ++i)
        ASSERT_EQ(s.Terrain.Points[i].Height, 1024) << i;  // white, x 8

    // Leaving the box loads the preview; an unreadable file is named and not generated.
    auto e = Open();
    Type(*e, "txtBM", dir.File("white.bmp").c_str());
    EXPECT_FALSE(e->Preview().isNull());
    Type(*e, "txtBM", dir.File("broken.bmp").c_str());
    EXPECT_NE(Label(*e, "lblStat")->text().toStdString().find("broken.bmp"), std::string::npos);
    Ok(*e);
    ASSERT_EQ(services.prompts.Messages.size(), 1u);
    EXPECT_NE(services.prompts.Messages[0].Text.find("broken.bmp"), std::string::npos);
    EXPECT_NE(e->result(), QDialog::Accepted);
    EXPECT_EQ(s.Terrain.Points[1].Height, 1024);  // the terrain made before stays

    // Browse on an unreadable file says so too.
    services.prompts.FileAnswers.push_back(vhtest::ScriptedPrompts::Choose(dir.File("broken.bmp")));
    Get<QPushButton>(*e, "cmdBMBrowse")->click();
    ASSERT_EQ(services.prompts.Messages.size(), 2u);
    EXPECT_NE(services.prompts.Messages[1].Text.find("broken.bmp"), std::string::npos);
    // It starts in the folder of the image named in the box.
    EXPECT_EQ(services.prompts.OpenRequests.back().InitialFolder, dir.Path().string() + "/");
}

TEST_F(FrmNewTest, BrowseStartsInTheHomeFolderWithoutAnImage) {
    auto d = Open();
    for (const char* path : {"", "/nonexistent-folder/hills.bmp"}) {
        Text(*d, "txtBM")->setText(path);
        Check(*d, "chkBM")->setChecked(true);
        d->findChild<QPushButton*>("cmdBMBrowse")->setEnabled(true);
        Get<QPushButton>(*d, "cmdBMBrowse")->click();
        EXPECT_EQ(services.prompts.OpenRequests.back().InitialFolder, QDir::homePath().toStdString()) << path;
    }
}

TEST_F(FrmNewTest, DiamondSquareOnAnotherSizeSaysWhichSizesItNeeds) {
    vhtest::MakeTerrain(s, 3, 3);
    auto d = Open();
    Type(*d, "txtX", "20");
    Type(*d, "txtZ", "16");
    Check(*d, "chkFractal")->click();
    Check(*d, "chkDiamond")->click();
    Ok(*d);
    ASSERT_EQ(services.prompts.Messages.size(), 1u);
    EXPECT_NE(services.prompts.Messages[0].Text.find("1, 2, 4, 8, 16, 32, 64 or 128"), std::string::npos);
    EXPECT_NE(d->result(), QDialog::Accepted);
    EXPECT_EQ(s.Terrain.PointCount, 9);
}

TEST_F(FrmNewTest, TheProgressBarCountsTheSmoothingPasses) {
    s.NewMap.SmoothPasses = 3;
    auto d = Open();
    Type(*d, "txtX", "4");
    Type(*d, "txtZ", "4");
    Check(*d, "chkFractal")->click();
    Check(*d, "chkSmooth")->click();
    QProgressBar* bar = Get<QProgressBar>(*d, "progBar");
    QStringList shown;
    QObject::connect(bar, &QProgressBar::valueChanged, [&] {
        if (bar->isTextVisible() && (shown.isEmpty() || shown.back() != bar->text())) shown << bar->text();
    });
    Ok(*d);
    EXPECT_EQ(shown, (QStringList{"pass 1 of 3", "pass 2 of 3", "pass 3 of 3"}));
    EXPECT_FALSE(bar->isTextVisible());
    EXPECT_EQ(Label(*d, "lblStat")->text(), "Building Mesh...");
}

TEST_F(FrmNewTest, AnImageTooLargeToUseIsRefusedWithItsSize) {
    vhtest::TempDir dir;
    QImage white(40, 30, QImage::Format_RGB32);
    white.fill(Qt::white);
    const std::string huge = dir.File("huge.bmp");
    ASSERT_TRUE(white.save(QString::fromStdString(huge)));
    // The same file with a header announcing 10000 x 10000 pixels.
    std::string bytes = vhtest::ReadFileBytes(huge);
    const int32_t side = 10000;
    std::memcpy(bytes.data() + 18, &side, 4);
    std::memcpy(bytes.data() + 22, &side, 4);
    vhtest::WriteFileBytes(huge, bytes);
    const std::string says = "is too large to use: 10000 x 10000 pixels";

    auto d = Open();
    Check(*d, "chkBM")->click();
    services.prompts.FileAnswers.push_back(vhtest::ScriptedPrompts::Choose(huge));
    Get<QPushButton>(*d, "cmdBMBrowse")->click();
    ASSERT_EQ(services.prompts.Messages.size(), 1u);
    EXPECT_NE(services.prompts.Messages[0].Text.find(says), std::string::npos);
    EXPECT_EQ(Text(*d, "txtBM")->text(), "");
    Type(*d, "txtBM", huge.c_str());
    EXPECT_NE(Label(*d, "lblStat")->text().toStdString().find(says), std::string::npos);
    EXPECT_TRUE(d->Preview().isNull());
}

TEST_F(FrmNewTest, CancelChangesNothing) {
    vhtest::MakeTerrain(s, 3, 3);
    const float maxSeed = s.NewMap.MaxSeed;
    auto d = Open();
    Type(*d, "txtMaxSeed", "999");
    Text(*d, "txtX")->setText("40");
    Get<QPushButton>(*d, "cmdCancel")->click();
    EXPECT_EQ(d->result(), QDialog::Rejected);
    EXPECT_FLOAT_EQ(s.NewMap.MaxSeed, maxSeed);
    EXPECT_EQ(s.Terrain.PointCount, 9);
}

}  // namespace
