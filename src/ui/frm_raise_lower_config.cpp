#include "ui/frm_raise_lower_config.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QSlider>

#include "tools/config_rules.h"
#include "ui/frm_config_parts.h"

namespace vh::ui {

FrmRaiseLowerConfig::FrmRaiseLowerConfig(EditorState& state, QWidget* parent)
    : QDialog(parent), state_(state) {
    setObjectName(QStringLiteral("frmRaiseLowerConfig"));
    setWindowTitle(QStringLiteral("Raise / Lower Tool Configuration"));
    const RaiseLowerConfigValues v = LoadRaiseLowerConfig(state_.Tools);

    auto* outer = new QGridLayout(this);
    auto* frame = new QGroupBox(QStringLiteral("Options:"), this);
    frame->setObjectName(QStringLiteral("frmOptions"));
    auto* grid = new QGridLayout(frame);

    txtRaiseLowerPercet_ = new QLineEdit(Qs(v.PercentText), frame);
    txtRaiseLowerPercet_->setObjectName(QStringLiteral("txtRaiseLowerPercet"));
    AddOptionRow(grid, 0, QStringLiteral("Secondary Height Percent:"), txtRaiseLowerPercet_,
                 QStringLiteral("Bigger = Flatter Top"));
    QWidget* threshold =
        MakeValueSlider(frame, QStringLiteral("sldRaiseLowerThreshold"), kRaiseLowerSliderMin,
                        kRaiseLowerSliderMax, v.Threshold, &sldRaiseLowerThreshold_);
    AddOptionRow(grid, 1, QStringLiteral("'Smart' Code Sensitivity:"), threshold,
                 QStringLiteral("Bigger = Less Waiting"));
    sldRaiseLowerThreshold_->setToolTip(threshold->toolTip());
    QWidget* sensitivity =
        MakeValueSlider(frame, QStringLiteral("sldRaiseLowerSensitivity"), kRaiseLowerSliderMin,
                        kRaiseLowerSliderMax, v.Sensitivity, &sldRaiseLowerSensitivity_);
    AddOptionRow(grid, 2, QStringLiteral("Mouse Sensitivity:"), sensitivity,
                 QStringLiteral("Bigger = Faster"));
    sldRaiseLowerSensitivity_->setToolTip(sensitivity->toolTip());

    outer->addWidget(frame, 0, 0);
    AddOkeyCancel(this, outer, 1, [this] { Accept(); });
}

void FrmRaiseLowerConfig::Accept() {
    RaiseLowerConfigValues v;
    v.PercentText = Ss(txtRaiseLowerPercet_->text());
    v.Threshold = sldRaiseLowerThreshold_->value();
    v.Sensitivity = sldRaiseLowerSensitivity_->value();
    ApplyRaiseLowerConfig(state_.Tools, v);
}

}  // namespace vh::ui
