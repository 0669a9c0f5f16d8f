#include "ui/frm_noise_config.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>

#include "tools/config_rules.h"
#include "ui/frm_config_parts.h"

namespace vh::ui {

FrmNoiseConfig::FrmNoiseConfig(EditorState& state, QWidget* parent) : QDialog(parent), state_(state) {
    setObjectName(QStringLiteral("frmNoiseConfig"));
    setWindowTitle(QStringLiteral("Noise Tool Config"));
    const NoiseConfigValues v = LoadNoiseConfig(state_.Tools);

    auto* outer = new QGridLayout(this);
    auto* frame = new QGroupBox(QStringLiteral("Options:"), this);
    frame->setObjectName(QStringLiteral("frmOptions"));
    auto* grid = new QGridLayout(frame);
    txtNoise_ = new QLineEdit(Qs(v.MaxNoiseText), frame);
    txtNoise_->setObjectName(QStringLiteral("txtNoise"));
    AddOptionRow(grid, 0, QStringLiteral("Maximum Noise:"), txtNoise_,
                 QStringLiteral("Maximum Noise To Add To A Point."));

    outer->addWidget(frame, 0, 0);
    AddOkeyCancel(this, outer, 1, [this] { Accept(); });
}

void FrmNoiseConfig::Accept() {
    NoiseConfigValues v;
    v.MaxNoiseText = Ss(txtNoise_->text());
    ApplyNoiseConfig(state_.Tools, v);
}

}  // namespace vh::ui
