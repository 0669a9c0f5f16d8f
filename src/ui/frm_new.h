// "Generate New Terrain": the New Map dialog. Its OK runs the whole
// generation pipeline and hands a new, unsaved terrain back to the window.
#pragma once

#include <QDialog>
#include <QImage>

#include "generate/new_map_rules.h"
#include "ui/main_window_services.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;

namespace vh::ui {

class FrmNew : public QDialog {
    Q_OBJECT

public:
    FrmNew(MainWindowServices& services, QWidget* parent = nullptr);

    // What the controls hold now, as texts, checks and slider positions.
    NewMapForm Form() const;

    // The image the preview shows (null while it shows its background).
    const QImage& Preview() const { return preview_; }

private:
    // Layout, one tab at a time.
    QWidget* BuildGeneralTab();
    QWidget* BuildSmoothTab();
    QWidget* BuildFractalTab();
    QWidget* BuildSlopeTab();
    QWidget* BuildHeightMapTab();
    void ConnectRules();

    void Load();
    void ShowForm(const NewMapForm& f);

    // Enable rules, each driven by its check box.
    void ApplySmoothState();
    void ApplyNormalizeState();
    void ApplyFlattenState();
    void ApplyFractalState();
    void ApplyDiamondState();
    void ApplyFaultState();
    void ApplyParticleState();
    void ApplyCircleState();
    void ApplySlopeState();
    void ApplyHeightMapState();

    void RefreshSizeLabels();
    void BrowseHeightMap();
    void LoadTypedHeightMap();
    Status LoadHeightMap(const std::string& path);
    void ShowPreview(const QImage& image);
    void Generate();

    MainWindowServices& services_;
    QImage preview_;
    std::string previewPath_;  // the image the preview shows; empty for none

    QTabWidget* tbNew_ = nullptr;
    QLabel* lblStat_ = nullptr;
    QProgressBar* progBar_ = nullptr;
    QPushButton* cmdOk_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;

    QLineEdit *txtX_ = nullptr, *txtZ_ = nullptr, *txtLength_ = nullptr;
    QLabel *lblX_ = nullptr, *lblZ_ = nullptr, *lblFaces_ = nullptr;

    QCheckBox* chkSmooth_ = nullptr;
    QButtonGroup* smoothGroup_ = nullptr;
    QRadioButton *opRadial_ = nullptr, *opLinear_ = nullptr, *opRadialOver_ = nullptr,
                 *opLinearOver_ = nullptr;
    QLineEdit* txtThreshold_ = nullptr;
    QSlider* sldPasses_ = nullptr;
    QCheckBox* chkNormal_ = nullptr;
    QLineEdit *txtMinNormal_ = nullptr, *txtMaxNormal_ = nullptr;
    QCheckBox* chkFlatten_ = nullptr;
    QSlider* sldFlatten_ = nullptr;

    QCheckBox* chkFractal_ = nullptr;
    QLineEdit* txtMaxSeed_ = nullptr;
    QSlider* sldHeightMulti_ = nullptr;
    QCheckBox* chkDiamond_ = nullptr;
    QComboBox* cboDiamondStyle_ = nullptr;
    QLineEdit* txtDiamondPerLimiter_ = nullptr;
    QCheckBox* chkFault_ = nullptr;
    QComboBox* cboFaultLines_ = nullptr;
    QLineEdit* txtFaultMaxChange_ = nullptr;
    QSlider* sldFaultIt_ = nullptr;
    QCheckBox* chkParticle_ = nullptr;
    QComboBox* cboParticleStyle_ = nullptr;
    QLineEdit* txtParticlePerLimiter_ = nullptr;
    QSlider* sldParticleIt_ = nullptr;
    QCheckBox* chkCircle_ = nullptr;
    QLineEdit *txtCircleMaxChange_ = nullptr, *txtCircleMaxRad_ = nullptr;
    QSlider* sldCircleIt_ = nullptr;

    QCheckBox* chkSlope_ = nullptr;
    QButtonGroup* slopeGroup_ = nullptr;
    QRadioButton *opPX_ = nullptr, *opNX_ = nullptr, *opPY_ = nullptr, *opNY_ = nullptr;
    QSlider* sldSteep_ = nullptr;

    QCheckBox* chkBM_ = nullptr;
    QLineEdit* txtBM_ = nullptr;
    QPushButton* cmdBMBrowse_ = nullptr;
    QLabel* picBM_ = nullptr;
    QSlider* sldBM_ = nullptr;
    QCheckBox* chkInvertColors_ = nullptr;
};

}  // namespace vh::ui
