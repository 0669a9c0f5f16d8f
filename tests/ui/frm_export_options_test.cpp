#include "ui/frm_export_options.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <memory>

#include "ui/fake_services_fixture.h"

using namespace vh;
using vh::ui::FrmExportOptions;

namespace {

class FrmExportOptionsTest : public ::testing::Test {
protected:
    vhtest::FakeServices services;

    std::unique_ptr<FrmExportOptions> Open() { return std::make_unique<FrmExportOptions>(services, nullptr); }
    template <class W>
    static W* Get(FrmExportOptions& d, const char* name) {
        W* w = d.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    static QRadioButton* Radio(FrmExportOptions& d, const char* n) { return Get<QRadioButton>(d, n); }
    static QCheckBox* Check(FrmExportOptions& d, const char* n) { return Get<QCheckBox>(d, n); }
};

}  // namespace

TEST_F(FrmExportOptionsTest, CaptionsAndTooltips) {
    auto d = Open();
    EXPECT_EQ(d->windowTitle(), "Exportation Options");
    struct Expect {
        const char *name, *caption, *tip;
    };
    for (const Expect& e : {Expect{"opBestFit", "'&Best Fit' Style",
                                   "Aligns the triangles hypotenuses with contours of the terrain."},
                            Expect{"opForward", "// Style", "Clasic // directional style."},
                            Expect{"opBackward", "\\ Style", "Clasic \\ directional style."},
                            Expect{"opX", "&X Style", "Clasic cross style."},
                            Expect{"opRandom", "&Random Style", "Randomly direct hypotenuse."},
                            Expect{"opTop", "Flatten &Top", "Flatten top of terrain. (Caves)"},
                            Expect{"opBottom", "Flatten &Bottom", "Flatten bottom of terrain. (Hills)"}}) {
        QRadioButton* r = Radio(*d, e.name);
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(r->text(), QString::fromLatin1(e.caption)) << e.name;
        EXPECT_EQ(r->toolTip(), QString::fromLatin1(e.tip)) << e.name;
    }
    EXPECT_EQ(Check(*d, "chkHint")->text(), "Add &Hint Brushes");
    EXPECT_EQ(Check(*d, "chkHint")->toolTip(), "Add 'Hint Brushes' for compilation optimizations.");
    EXPECT_EQ(Check(*d, "chkSky")->text(), "Add &Sky Brushes");
    EXPECT_EQ(Check(*d, "chkSky")->toolTip(), "Add 'Sky Box' around map.");
    EXPECT_EQ(Get<QPushButton>(*d, "cmdOk")->text(), "&Okey");
    EXPECT_EQ(Get<QPushButton>(*d, "cmdCancel")->text(), "&Cancel");
}

TEST_F(FrmExportOptionsTest, ControlsSitInTheirGroupsInsideTheOuterFrame) {
    auto d = Open();
    auto groupOf = [](QWidget* w) { return qobject_cast<QGroupBox*>(w->parentWidget()); };
    ASSERT_NE(groupOf(Radio(*d, "opX")), nullptr);
    EXPECT_EQ(groupOf(Radio(*d, "opX"))->title(), "Exportation Styles:");
    EXPECT_EQ(groupOf(Radio(*d, "opTop"))->title(), "Directional Options:");
    EXPECT_EQ(groupOf(Check(*d, "chkSky"))->title(), "Exportation Options:");
    QGroupBox* styles = groupOf(Radio(*d, "opX"));
    ASSERT_NE(groupOf(styles), nullptr);
    EXPECT_EQ(groupOf(styles)->title(), "Options:");
}

TEST_F(FrmExportOptionsTest, LoadShowsTheFourFields) {
    services.state.ExportType = "\\";
    services.state.ExportPosition = 1;
    services.state.AddHint = 0;
    services.state.AddSky = -1;
    auto d = Open();
    EXPECT_TRUE(Radio(*d, "opBackward")->isChecked());
    EXPECT_FALSE(Radio(*d, "opBestFit")->isChecked());
    EXPECT_TRUE(Radio(*d, "opTop")->isChecked());
    EXPECT_FALSE(Radio(*d, "opBottom")->isChecked());
    EXPECT_FALSE(Check(*d, "chkHint")->isChecked());
    EXPECT_TRUE(Check(*d, "chkSky")->isChecked());
}

TEST_F(FrmExportOptionsTest, UnknownStyleSelectsNoneAndAnyNonZeroPositionIsTop) {
    services.state.ExportType = "best fit";  // the match is exact
    services.state.ExportPosition = 7;
    auto d = Open();
    for (const char* n : {"opBestFit", "opForward", "opBackward", "opX", "opRandom"})
        EXPECT_FALSE(Radio(*d, n)->isChecked()) << n;
    EXPECT_TRUE(Radio(*d, "opTop")->isChecked());
}

TEST_F(FrmExportOptionsTest, OkeyCopiesTheWorkingCopyIn) {
    auto d = Open();
    Radio(*d, "opRandom")->click();
    Radio(*d, "opTop")->click();
    Check(*d, "chkHint")->click();
    Check(*d, "chkSky")->click();
    EXPECT_EQ(services.state.ExportType, "Best Fit");  // nothing yet
    Get<QPushButton>(*d, "cmdOk")->click();
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(services.state.ExportType, "Random");
    EXPECT_EQ(services.state.ExportPosition, 1);
    EXPECT_EQ(services.state.AddHint, 0);
    EXPECT_EQ(services.state.AddSky, 0);
}

TEST_F(FrmExportOptionsTest, OkeyWithoutChangesKeepsAnUnusualPosition) {
    services.state.ExportPosition = 7;
    auto d = Open();
    Get<QPushButton>(*d, "cmdOk")->click();
    EXPECT_EQ(services.state.ExportPosition, 7);
    EXPECT_EQ(services.state.ExportType, "Best Fit");
}

TEST_F(FrmExportOptionsTest, BottomAndForwardAreStoredAsTheirValues) {
    services.state.ExportPosition = 1;
    auto d = Open();
    Radio(*d, "opForward")->click();
    Radio(*d, "opBottom")->click();
    Get<QPushButton>(*d, "cmdOk")->click();
    EXPECT_EQ(services.state.ExportType, "//");
    EXPECT_EQ(services.state.ExportPosition, 0);
}

TEST_F(FrmExportOptionsTest, CancelAndCloseDiscardTheWorkingCopy) {
    {
        auto d = Open();
        Radio(*d, "opX")->click();
        Check(*d, "chkSky")->click();
        EXPECT_EQ(d->WorkingCopy().Style, "X");
        Get<QPushButton>(*d, "cmdCancel")->click();
        EXPECT_EQ(d->result(), QDialog::Rejected);
    }
    {
        auto d = Open();
        d->show();
        Radio(*d, "opTop")->click();
        d->close();
        EXPECT_EQ(d->result(), QDialog::Rejected);
    }
    EXPECT_EQ(services.state.ExportType, "Best Fit");
    EXPECT_EQ(services.state.ExportPosition, 0);
    EXPECT_EQ(services.state.AddSky, -1);
}
