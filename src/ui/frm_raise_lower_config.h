// "Raise / Lower Tool Configuration": the ring's height percent, the smart
// limit and the mouse sensitivity of the raise/lower tool.
#pragma once

#include <QDialog>

#include "core/editor_state.h"

class QLineEdit;
class QSlider;

namespace vh::ui {

class FrmRaiseLowerConfig : public QDialog {
    Q_OBJECT
public:
    explicit FrmRaiseLowerConfig(EditorState& state, QWidget* parent = nullptr);

private:
    void Accept();

    EditorState& state_;
    QLineEdit* txtRaiseLowerPercet_ = nullptr;
    QSlider* sldRaiseLowerThreshold_ = nullptr;
    QSlider* sldRaiseLowerSensitivity_ = nullptr;
};

}  // namespace vh::ui
