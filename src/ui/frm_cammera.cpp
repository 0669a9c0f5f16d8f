#include "ui/frm_cammera.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

#include "core/rules.h"
#include "ui/frm_config_parts.h"
#include "view/camera.h"

namespace vh::ui {

namespace {

constexpr int kSliderMax = 50;

int SliderValue(float setting) {
    return static_cast<int>(std::clamp(RoundHalfEven(setting), 0.0, static_cast<double>(kSliderMax)));
}

}  // namespace

FrmCammera::FrmCammera(EditorState& state, QWidget* parent) : QDialog(parent), state_(state) {
    setObjectName(QStringLiteral("frmCammera"));
    setWindowTitle(QStringLiteral("Cammera Options"));

    auto* outer = new QGridLayout(this);
    auto* options = new QGroupBox(this);
    auto* grid = new QGridLayout(options);
    struct Row {
        const char* name;
        const char* label;
        int value;
        QSlider** slider;
    };
    const Row rows[] = {
        {"sldWalkSpeed", "Walk Speed:", SliderValue(state_.Camera.WalkSpeed), &sldWalkSpeed_},
        {"sldStrafeSpeed", "Straff Speed:", SliderValue(state_.Camera.StrafeSpeed), &sldStrafeSpeed_},
        {"sldWalkAccel", "Walk Acceleration:", SliderValue(state_.Camera.WalkAcceleration), &sldWalkAccel_},
        {"sldStrafeAccel", "Straff Acceleration:", SliderValue(state_.Camera.StrafeAcceleration),
         &sldStrafeAccel_},
        {"sldDiv", "Sensitivity:", SensitivitySliderValue(state_.Camera.Sensitivity), &sldDiv_},
    };
    int r = 0;
    for (const Row& row : rows) {
        QWidget* box =
            MakeValueSlider(options, QString::fromLatin1(row.name), 0, kSliderMax, row.value, row.slider);
        AddOptionRow(grid, r++, QString::fromLatin1(row.label), box, QString());
    }
    sldDiv_->setToolTip(QStringLiteral("Right = Faster Turning"));

    auto* direction = new QGroupBox(QStringLiteral("Direction:"), this);
    auto* dirLayout = new QVBoxLayout(direction);
    chkInverse_ = new QCheckBox(QStringLiteral("Inverse"), direction);
    chkInverse_->setObjectName(QStringLiteral("chkInverse"));
    chkInverse_->setChecked(state_.Camera.Inverse != 0);
    dirLayout->addWidget(chkInverse_);

    outer->addWidget(options, 0, 0);
    outer->addWidget(direction, 1, 0);
    AddOkeyCancel(this, outer, 2, [this] { Accept(); });
}

void FrmCammera::Accept() {
    state_.Camera.WalkSpeed = static_cast<float>(sldWalkSpeed_->value());
    state_.Camera.StrafeSpeed = static_cast<float>(sldStrafeSpeed_->value());
    state_.Camera.WalkAcceleration = static_cast<float>(sldWalkAccel_->value());
    state_.Camera.StrafeAcceleration = static_cast<float>(sldStrafeAccel_->value());
    state_.Camera.Sensitivity = SensitivityFromSlider(sldDiv_->value());
    state_.Camera.Inverse = chkInverse_->isChecked() ? 1 : 0;
}

}  // namespace vh::ui
