#include "ui/frm_smooth_config.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

#include "tools/config_rules.h"
#include "ui/frm_config_parts.h"

namespace vh::ui {

namespace {

QRadioButton* MakeOption(QWidget* parent, const char* name, const char* caption, const char* tip, bool on) {
    auto* b = new QRadioButton(QString::fromLatin1(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(QString::fromLatin1(tip));
    b->setChecked(on);
    return b;
}

}  // namespace

FrmSmoothConfig::FrmSmoothConfig(EditorState& state, QWidget* parent) : QDialog(parent), state_(state) {
    setObjectName(QStringLiteral("frmSmoothConfig"));
    setWindowTitle(QStringLiteral("Smooth Tool Configuration"));
    const SmoothConfigValues v = LoadSmoothConfig(state_.Tools);

    auto* outer = new QGridLayout(this);
    auto* options = new QGroupBox(QStringLiteral("Options:"), this);
    options->setObjectName(QStringLiteral("frmOptions"));
    auto* grid = new QGridLayout(options);
    txtSmoothThreshold_ = new QLineEdit(Qs(v.ThresholdText), options);
    txtSmoothThreshold_->setObjectName(QStringLiteral("txtSmoothThreshold"));
    AddOptionRow(grid, 0, QStringLiteral("Smoothing Threshold:"), txtSmoothThreshold_,
                 QStringLiteral("Bigger = Bigger Difference Then Average To Smooth"));

    // Each pair is its own exclusive group; a stored value other than 0 or 1
    // leaves both buttons of its pair clear, so the groups must allow that.
    opRadial_ = MakeOption(options, "opRadial", "Radial", "Radial Based Average Height Values", v.Radial);
    opLinear_ = MakeOption(options, "opLinear", "Linear", "Linear Based Average Height Values", v.Linear);
    auto* typeGroup = new QButtonGroup(this);
    typeGroup->addButton(opRadial_);
    typeGroup->addButton(opLinear_);
    grid->addWidget(opRadial_, 1, 0);
    grid->addWidget(opLinear_, 1, 1);

    auto* styleFrame = new QGroupBox(this);
    styleFrame->setObjectName(QStringLiteral("Frame1"));
    auto* styleRow = new QGridLayout(styleFrame);
    opMove_ = MakeOption(styleFrame, "opMove", "Gradual Move", "Gradually Move Point To Average Height Value",
                         v.Move);
    opJump_ = MakeOption(styleFrame, "opJump", "Jump", "Jump Point To Average Height Value", v.Jump);
    auto* styleGroup = new QButtonGroup(this);
    styleGroup->addButton(opMove_);
    styleGroup->addButton(opJump_);
    styleRow->addWidget(opMove_, 0, 0);
    styleRow->addWidget(opJump_, 0, 1);
    grid->addWidget(styleFrame, 2, 0, 1, 2);

    outer->addWidget(options, 0, 0);
    AddOkeyCancel(this, outer, 1, [this] { Accept(); });
}

void FrmSmoothConfig::Accept() {
    SmoothConfigValues v;
    v.ThresholdText = Ss(txtSmoothThreshold_->text());
    v.Radial = opRadial_->isChecked();
    v.Linear = opLinear_->isChecked();
    v.Move = opMove_->isChecked();
    v.Jump = opJump_->isChecked();
    ApplySmoothConfig(state_.Tools, v);
}

}  // namespace vh::ui
