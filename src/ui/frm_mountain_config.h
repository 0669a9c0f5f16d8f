// "Mountain / Vally Tool Configuration": dome height, radius, correction,
// mouse sensitivity and rim smoothing of the mountain/valley tool.
#pragma once

#include <QDialog>

#include "core/editor_state.h"

class QCheckBox;
class QLineEdit;
class QSlider;

namespace vh::ui {

class FrmMountainConfig : public QDialog {
    Q_OBJECT
public:
    explicit FrmMountainConfig(EditorState& state, QWidget* parent = nullptr);

private:
    void Accept();

    EditorState& state_;
    QLineEdit* txtMountainPercet_ = nullptr;
    QSlider* sldMountainRadius_ = nullptr;
    QSlider* sldMountainCorrection_ = nullptr;
    QSlider* sldMountainSensitivity_ = nullptr;
    QCheckBox* chkSmoothOuter_ = nullptr;
};

}  // namespace vh::ui
