// "Cammera Options": walk and strafe speeds and accelerations, turning
// sensitivity and the vertical direction of the camera.
#pragma once

#include <QDialog>

#include "core/editor_state.h"

class QCheckBox;
class QSlider;

namespace vh::ui {

class FrmCammera : public QDialog {
    Q_OBJECT
public:
    explicit FrmCammera(EditorState& state, QWidget* parent = nullptr);

private:
    void Accept();

    EditorState& state_;
    QSlider* sldWalkSpeed_ = nullptr;
    QSlider* sldStrafeSpeed_ = nullptr;
    QSlider* sldWalkAccel_ = nullptr;
    QSlider* sldStrafeAccel_ = nullptr;
    QSlider* sldDiv_ = nullptr;
    QCheckBox* chkInverse_ = nullptr;
};

}  // namespace vh::ui
