#include "ui/frm_scale_config.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>

#include "tools/config_rules.h"
#include "ui/frm_config_parts.h"

namespace vh::ui {

FrmScaleConfig::FrmScaleConfig(EditorState& state, QWidget* parent) : QDialog(parent), state_(state) {
    setObjectName(QStringLiteral("frmScaleConfig"));
    setWindowTitle(QStringLiteral("Scale Tool Configuration"));
    const ScaleConfigValues v = LoadScaleConfig(state_.Tools);

    auto* outer = new QGridLayout(this);
    auto* frame = new QGroupBox(QStringLiteral("Options:"), this);
    frame->setObjectName(QStringLiteral("frmOptions"));
    auto* grid = new QGridLayout(frame);
    txtScale_ = new QLineEdit(Qs(v.PercentText), frame);
    txtScale_->setObjectName(QStringLiteral("txtScale"));
    AddOptionRow(grid, 0, QStringLiteral("Scale Percentage:"), txtScale_,
                 QStringLiteral("Percent To Scale Each Point By.  Can Be Negative."));

    outer->addWidget(frame, 0, 0);
    AddOkeyCancel(this, outer, 1, [this] { Accept(); });
}

void FrmScaleConfig::Accept() {
    ScaleConfigValues v;
    v.PercentText = Ss(txtScale_->text());
    ApplyScaleConfig(state_.Tools, v);
}

}  // namespace vh::ui
