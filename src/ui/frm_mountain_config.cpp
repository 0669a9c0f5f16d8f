#include "ui/frm_mountain_config.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QSlider>

#include "tools/config_rules.h"
#include "ui/frm_config_parts.h"

namespace vh::ui {

FrmMountainConfig::FrmMountainConfig(EditorState& state, QWidget* parent) : QDialog(parent), state_(state) {
    setObjectName(QStringLiteral("frmMountainConfig"));
    setWindowTitle(QStringLiteral("Mountain / Vally Tool Configuration"));
    const MountainConfigValues v = LoadMountainConfig(state_.Tools);

    auto* outer = new QGridLayout(this);
    auto* frame = new QGroupBox(QStringLiteral("Options:"), this);
    frame->setObjectName(QStringLiteral("frmOptions"));
    auto* grid = new QGridLayout(frame);

    txtMountainPercet_ = new QLineEdit(Qs(v.PercentText), frame);
    txtMountainPercet_->setObjectName(QStringLiteral("txtMountainPercet"));
    AddOptionRow(grid, 0, QStringLiteral("Height Percent Multiplayer:"), txtMountainPercet_,
                 QStringLiteral("Bigger = Taller"));

    struct SliderRow {
        const char* name;
        int lo, hi, value;
        const char* label;
        const char* tip;
        QSlider** slider;
    };
    const SliderRow rows[] = {
        {"sldMountainRadius", kMountainRadiusMin, kMountainRadiusMax, v.Radius,
         "Radius:", "Number = 1 Triangle Length In Radius", &sldMountainRadius_},
        {"sldMountainCorrection", kMountainCorrectionMin, kMountainCorrectionMax, v.Correction,
         "Circular Correction Level:", "Bigger = Less Correction", &sldMountainCorrection_},
        {"sldMountainSensitivity", kMountainSensitivityMin, kMountainSensitivityMax, v.Sensitivity,
         "Mouse Sensitivity:", "Bigger = Faster", &sldMountainSensitivity_},
    };
    int row = 1;
    for (const SliderRow& r : rows) {
        QWidget* box = MakeValueSlider(frame, QString::fromLatin1(r.name), r.lo, r.hi, r.value, r.slider);
        AddOptionRow(grid, row++, QString::fromLatin1(r.label), box, QString::fromLatin1(r.tip));
        (*r.slider)->setToolTip(QString::fromLatin1(r.tip));
    }

    chkSmoothOuter_ = new QCheckBox(QStringLiteral("Smooth Outer Points"), frame);
    chkSmoothOuter_->setObjectName(QStringLiteral("chkSmoothOuter"));
    chkSmoothOuter_->setToolTip(QStringLiteral("Smooth Points On The Outside Of The Circle"));
    chkSmoothOuter_->setChecked(v.SmoothOuter);
    grid->addWidget(chkSmoothOuter_, row, 0, 1, 2);

    outer->addWidget(frame, 0, 0);
    AddOkeyCancel(this, outer, 1, [this] { Accept(); });
}

void FrmMountainConfig::Accept() {
    MountainConfigValues v;
    v.PercentText = Ss(txtMountainPercet_->text());
    v.Radius = sldMountainRadius_->value();
    v.Correction = sldMountainCorrection_->value();
    v.Sensitivity = sldMountainSensitivity_->value();
    v.SmoothOuter = chkSmoothOuter_->isChecked();
    ApplyMountainConfig(state_.Tools, v);
}

}  // namespace vh::ui
