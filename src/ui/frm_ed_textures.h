// "Specify Editor Textures": the six sky box images and the ground texture
// the 3D view draws with (not the brush textures of the export).
#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "ui/main_window_services.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace vh::ui {

class FrmEdTextures : public QDialog {
    Q_OBJECT
public:
    FrmEdTextures(MainWindowServices& services, QWidget* parent = nullptr);

private:
    void BrowseSky(int index);
    void BrowseGround();
    // The chosen file, or empty when cancelled or not acceptable.
    std::string Browse(const QLineEdit* box);
    void UseSkyDefaults(bool on);
    void UseGroundDefault(bool on);
    void Accept();

    MainWindowServices& services_;
    std::string lastChosen_;
    std::array<QLineEdit*, 6> txtSky_{};
    std::array<QPushButton*, 6> cmdSky_{};
    QCheckBox* chkDefault_ = nullptr;
    QCheckBox* chkAuto_ = nullptr;
    QLineEdit* txtTex_ = nullptr;
    QPushButton* cmdTex_ = nullptr;
    QCheckBox* chkTexDefault_ = nullptr;
};

}  // namespace vh::ui
