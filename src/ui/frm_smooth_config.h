// "Smooth Tool Configuration": threshold, neighbourhood and style of the
// smooth tool; the smoothing pass shares it.
#pragma once

#include <QDialog>

#include "core/editor_state.h"

class QLineEdit;
class QRadioButton;

namespace vh::ui {

class FrmSmoothConfig : public QDialog {
    Q_OBJECT
public:
    explicit FrmSmoothConfig(EditorState& state, QWidget* parent = nullptr);

private:
    void Accept();

    EditorState& state_;
    QLineEdit* txtSmoothThreshold_ = nullptr;
    QRadioButton* opRadial_ = nullptr;
    QRadioButton* opLinear_ = nullptr;
    QRadioButton* opMove_ = nullptr;
    QRadioButton* opJump_ = nullptr;
};

}  // namespace vh::ui
