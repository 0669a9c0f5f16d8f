// The compile-ready choices in Exportation Options and Properties: the
// budget follows the working choices, Okey keeps them, Cancel drops them.
#include <QCheckBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QLabel>
#include <regex>

#include "dialog_test_helpers.h"
#include "export/surface_memo.h"
#include "export/terrain_from_state.h"
#include "fake_services_fixture.h"
#include "support/terrain_fixture.h"
#include "ui/budget_label.h"
#include "ui/frm_export_options.h"
#include "ui/frm_properties.h"

namespace {

using namespace vh::ui;
using vhtest::Click;
using vhtest::Control;

// The number after `label` in the budget, separators dropped.
long Count(const QString& budget, const char* label) {
    std::smatch m;
    const std::string text = budget.toStdString();
    if (!std::regex_search(text, m, std::regex(std::string(label) + " (about )?([0-9,]+)"))) return -1;
    return std::stol(std::regex_replace(m[2].str(), std::regex(","), ""));
}

// A terraced 17 x 17 terrain: wide level steps that merge well.
void Terraces(vh::EditorState& s) {
    vhtest::MakeTerrain(s, 17, 17, 128);
    for (int p = 1; p <= s.Terrain.PointCount; ++p) s.Terrain.Points[p].Height = 64.0f * (((p - 1) % 17) / 6);
}

TEST(CompileReadyDialogs, ExportOptionsRecountsAsChoicesChangeAndOkeyKeepsThem) {
    for (const char* button : {"cmdCancel", "cmdOk"}) {
        vhtest::FakeServices sv;
        vh::EditorState& s = sv.state;
        Terraces(s);
        s.Doc.DocClean = true;
        FrmExportOptions d(sv, nullptr);
        QLabel* budget = Control<QLabel>(d, "lblBudget");
        const long exact = Count(budget->text(), "terrain");
        ASSERT_GT(exact, 0) << budget->text().toStdString();
        EXPECT_NE(budget->text().indexOf("fits BSP29"), -1);

        Click(d, "chkMerge");
        const long merged = Count(budget->text(), "terrain");
        EXPECT_LT(merged, exact / 4);  // each terrace is a handful of brushes
        EXPECT_NE(budget->text().indexOf("Outside filled: no"), -1);
        Click(d, "chkCompileReady");
        EXPECT_NE(budget->text().indexOf("Outside filled: yes"), -1);
        Click(d, "chkSky");
        Control<QDoubleSpinBox>(d, "spnHeadroom")->setValue(512);
        Control<QDoubleSpinBox>(d, "spnSimplify")->setValue(24);
        Click(d, "chkLight");
        const QString shown = budget->text();
        Click(d, button);

        const bool ok = button[3] == 'O';
        EXPECT_EQ(s.Choices.CompileReady, ok);
        EXPECT_EQ(s.Choices.Merge, ok);
        EXPECT_EQ(s.Choices.Simplify, ok ? 24.0f : 0.0f);
        EXPECT_EQ(s.Export.Headroom, ok ? 512.0f : 256.0f);
        EXPECT_EQ(s.Export.Light, !ok);
        EXPECT_EQ(s.Export.AddSky, !ok);
        // What the dialog showed is the budget of what it stored.
        if (ok) {
            EXPECT_EQ(shown.toStdString(), vh::BudgetText(s, s.Export, s.Choices));
        }
        EXPECT_EQ(s.Doc.DocClean, !ok);
    }
}

TEST(CompileReadyDialogs, ExportOptionsShowsTheStoredChoicesAndNoTerrainSaysSo) {
    vhtest::FakeServices sv;
    FrmExportOptions empty(sv, nullptr);
    EXPECT_EQ(Control<QLabel>(empty, "lblBudget")->text(), "There is no terrain to export.");

    Terraces(sv.state);
    sv.state.Choices.Detail = true;
    sv.state.Choices.Simplify = 40;
    sv.state.Export.Headroom = 128;
    FrmExportOptions d(sv, nullptr);
    EXPECT_TRUE(Control<QCheckBox>(d, "chkDetail")->isChecked());
    EXPECT_FALSE(Control<QCheckBox>(d, "chkCompileReady")->isChecked());
    EXPECT_EQ(Control<QDoubleSpinBox>(d, "spnSimplify")->value(), 40.0);
    EXPECT_EQ(Control<QDoubleSpinBox>(d, "spnHeadroom")->value(), 128.0);
    EXPECT_EQ(d.WorkingChoices(), sv.state.Choices);  // showing them changed nothing
}

TEST(CompileReadyDialogs, PropertiesStoresTheWadAsASettingAndShowsTheBudget) {
    vhtest::FakeServices sv;
    vh::EditorState& s = sv.state;
    Terraces(s);
    s.Choices.CompileReady = true;
    s.Doc.DocClean = true;
    FrmProperties d(s);
    const QString budget = Control<QLabel>(d, "lblBudget")->text();
    EXPECT_EQ(budget.toStdString(), vh::BudgetText(s, s.Export, s.Choices));
    for (const char* count : {"Clipnodes:", "Nodes:", "Leafs:"}) EXPECT_GT(Count(budget, count), 0) << count;
    vhtest::Type(d, "txtWad", "  /quake/id1/gfx/base.wad ");
    Click(d, "cmdOkey");
    EXPECT_EQ(s.Export.Wad, "/quake/id1/gfx/base.wad");
    EXPECT_TRUE(s.Doc.DocClean);  // the settings file keeps it, not the document
}

// A budget that needs a surface simplified says so and counts in slices
// between events; the dialog can change its choices meanwhile.
TEST(CompileReadyDialogs, ABudgetSimplifiesInSlicesBetweenEvents) {
    vh::SharedSurfaceMemo().Forget();
    vh::EditorState s;
    vhtest::MakeTerrain(s, 33, 33, 128);
    for (int p = 1; p <= s.Terrain.PointCount; ++p) s.Terrain.Points[p].Height = 48.0f * ((p * 7919) % 13);
    vh::MapChoices simplified;
    simplified.CompileReady = true;
    simplified.Simplify = 40;
    QLabel label;
    // As short as can be: one slice does a few hundred steps, too few for
    // the 1,089 points.
    BudgetLabel budget(&label, s, std::chrono::microseconds(1));

    budget.Show(s.Export, simplified);
    EXPECT_TRUE(budget.Counting());
    EXPECT_TRUE(label.text().startsWith("Counting")) << label.text().toStdString();
    int slices = 0;
    for (; budget.Counting() && slices < 10000; ++slices) QCoreApplication::processEvents();
    EXPECT_GT(slices, 1);
    EXPECT_EQ(label.text().toStdString(), vh::BudgetText(s, s.Export, simplified));
    budget.Show(s.Export, simplified);  // remembered now
    EXPECT_FALSE(budget.Counting());

    // Another tolerance, then no simplifying at all before it is done: the
    // label shows the last choices, at once.
    simplified.Simplify = 24;
    budget.Show(s.Export, simplified);
    EXPECT_TRUE(budget.Counting());
    simplified.Simplify = 0;
    budget.Show(s.Export, simplified);
    EXPECT_FALSE(budget.Counting());
    EXPECT_EQ(label.text().toStdString(), vh::BudgetText(s, s.Export, simplified));
    for (int i = 0; i < 2000; ++i) QCoreApplication::processEvents();  // the 24 units' slices are over
    EXPECT_EQ(label.text().toStdString(), vh::BudgetText(s, s.Export, simplified));
}

}  // namespace
