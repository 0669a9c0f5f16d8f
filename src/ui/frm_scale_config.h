// "Scale Tool Configuration": the factor of the scaling pass, typed as a
// percentage.
#pragma once

#include <QDialog>

#include "core/editor_state.h"

class QLineEdit;

namespace vh::ui {

class FrmScaleConfig : public QDialog {
    Q_OBJECT
public:
    explicit FrmScaleConfig(EditorState& state, QWidget* parent = nullptr);

private:
    void Accept();

    EditorState& state_;
    QLineEdit* txtScale_ = nullptr;
};

}  // namespace vh::ui
