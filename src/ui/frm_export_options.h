// "Exportation Options": the .MAP export style, flattened side, the hint and
// sky brushes, and the compile-ready choices with the compile budget they
// give, recounted as they change. The dialog edits working copies; only
// "&Okey" keeps them.
#pragma once

#include <QDialog>

#include "export/export_options_rules.h"
#include "ui/main_window_services.h"

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace vh::ui {

class BudgetLabel;

class FrmExportOptions : public QDialog {
    Q_OBJECT

public:
    FrmExportOptions(MainWindowServices& services, QWidget* parent = nullptr);

    // The values the dialog holds now (not yet in the editor state).
    const MapChoices& WorkingChoices() const { return choices_; }

private:
    QWidget* CompileReadyBox();
    void Show();
    void ShowBudget();
    void Accept();

    MainWindowServices& services_;
    ExportSettings working_;
    MapChoices choices_;

    QRadioButton *opBestFit_ = nullptr, *opForward_ = nullptr, *opBackward_ = nullptr, *opX_ = nullptr,
                 *opRandom_ = nullptr;
    QRadioButton *opTop_ = nullptr, *opBottom_ = nullptr;
    QCheckBox *chkHint_ = nullptr, *chkSky_ = nullptr;
    QCheckBox *chkCompileReady_ = nullptr, *chkLight_ = nullptr, *chkMerge_ = nullptr, *chkDetail_ = nullptr;
    QDoubleSpinBox *spnHeadroom_ = nullptr, *spnSimplify_ = nullptr;
    QLabel* lblBudget_ = nullptr;
    BudgetLabel* budget_ = nullptr;
    QPushButton *cmdOk_ = nullptr, *cmdCancel_ = nullptr;
};

}  // namespace vh::ui
