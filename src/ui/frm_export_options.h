// "Exportation Options": the .MAP export style, flattened side and the hint
// and sky brushes. The dialog edits a working copy; only "&Okey" keeps it.
#pragma once

#include <QDialog>

#include "export/export_options.h"
#include "ui/main_window_services.h"

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace vh::ui {

class FrmExportOptions : public QDialog {
    Q_OBJECT

public:
    FrmExportOptions(MainWindowServices& services, QWidget* parent = nullptr);

    // The values the dialog holds now (not yet in the editor state).
    const ExportSettings& WorkingCopy() const { return working_; }

private:
    void Show();
    void Okey();

    MainWindowServices& services_;
    ExportSettings working_;

    QRadioButton *opBestFit_ = nullptr, *opForward_ = nullptr, *opBackward_ = nullptr, *opX_ = nullptr,
                 *opRandom_ = nullptr;
    QRadioButton *opTop_ = nullptr, *opBottom_ = nullptr;
    QCheckBox *chkHint_ = nullptr, *chkSky_ = nullptr;
    QPushButton *cmdOk_ = nullptr, *cmdCancel_ = nullptr;
};

}  // namespace vh::ui
