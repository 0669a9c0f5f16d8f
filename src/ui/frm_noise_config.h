// "Noise Tool Config": the largest change of the noise tool and the random
// noise pass.
#pragma once

#include <QDialog>

#include "core/editor_state.h"

class QLineEdit;

namespace vh::ui {

class FrmNoiseConfig : public QDialog {
    Q_OBJECT
public:
    explicit FrmNoiseConfig(EditorState& state, QWidget* parent = nullptr);

private:
    void Accept();

    EditorState& state_;
    QLineEdit* txtNoise_ = nullptr;
};

}  // namespace vh::ui
