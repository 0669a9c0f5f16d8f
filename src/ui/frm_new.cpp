#include "ui/frm_new.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include "generate/pipeline.h"
#include "ui/frm_config_parts.h"
#include "ui/new_map_command.h"

namespace vh::ui {

namespace {

// Locked boxes look like the menu background, editable ones like highlight
// text (white on the usual palettes).
QColor LockedColour() {
    return QApplication::palette().color(QPalette::Window);
}
QColor UnlockedColour() {
    return QApplication::palette().color(QPalette::HighlightedText);
}

void SetBase(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::Base, c);
    w->setPalette(p);
}

void LockTextBox(QLineEdit* t, bool locked) {
    t->setReadOnly(locked);
    SetBase(t, locked ? LockedColour() : UnlockedColour());
}

void EnableCombo(QComboBox* c, bool enabled) {
    c->setEnabled(enabled);
    SetBase(c, enabled ? UnlockedColour() : LockedColour());
}

void SetTextColour(QLabel* l, bool red) {
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, red ? QColor(255, 0, 0) : QColor(0, 0, 0));
    l->setPalette(p);
}

// Status and bar of the dialog while the generation runs. No events are
// processed, so the label is repainted at once; the bar repaints itself
// whenever a change is visible.
class DialogProgress : public Progress {
public:
    DialogProgress(QLabel* label, QProgressBar* bar) : label_(label), bar_(bar) {}
    void Status(const std::string& text) override {
        label_->setText(Qs(text));
        label_->repaint();
    }
    void Maximum(int max) override {
        bar_->setRange(0, max > 0 ? max : 1);
        bar_->repaint();
    }
    void Value(int value) override {
        if (value != bar_->value()) bar_->setValue(value);
    }
    // The bar's own text counts the steps: "pass 2 of 15".
    void Step(int k, int n) override {
        bar_->setFormat(n > 0 ? QStringLiteral("pass %1 of %2").arg(k).arg(n) : QStringLiteral("%p%"));
        bar_->setTextVisible(n > 0);
        bar_->repaint();
    }

private:
    QLabel* label_;
    QProgressBar* bar_;
};

}  // namespace

FrmNew::FrmNew(MainWindowServices& services, QWidget* parent) : QDialog(parent), services_(services) {
    setObjectName(QStringLiteral("frmNew"));
    setWindowTitle(QStringLiteral("Generate New Terrain"));

    tbNew_ = new QTabWidget;
    tbNew_->setObjectName(QStringLiteral("tbNew"));
    tbNew_->addTab(BuildGeneralTab(), QStringLiteral("&General Options"));
    tbNew_->addTab(BuildSmoothTab(), QStringLiteral("&Smoothing Options"));
    tbNew_->addTab(BuildFractalTab(), QStringLiteral("&Fractal Generation"));
    tbNew_->addTab(BuildSlopeTab(), QStringLiteral("&Slope Generation"));
    tbNew_->addTab(BuildHeightMapTab(), QStringLiteral("&Height Map Generation"));

    lblStat_ = new QLabel;
    lblStat_->setObjectName(QStringLiteral("lblStat"));
    progBar_ = new QProgressBar;
    progBar_->setObjectName(QStringLiteral("progBar"));
    progBar_->setTextVisible(false);
    QSizePolicy keep = progBar_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);  // the dialog must not jump when it appears
    progBar_->setSizePolicy(keep);
    cmdOk_ = new QPushButton(QStringLiteral("&Okey"));
    cmdOk_->setObjectName(QStringLiteral("cmdOk"));
    cmdOk_->setDefault(true);
    cmdCancel_ = new QPushButton(QStringLiteral("&Cancel"));
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel_->setAutoDefault(false);

    auto* bottom = new QHBoxLayout;
    auto* status = new QVBoxLayout;
    status->addWidget(lblStat_);
    status->addWidget(progBar_);
    bottom->addLayout(status, 1);
    bottom->addWidget(cmdOk_);
    bottom->addWidget(cmdCancel_);
    auto* main = new QVBoxLayout(this);
    main->addWidget(tbNew_, 1);
    main->addLayout(bottom);

    ConnectRules();
    connect(cmdOk_, &QPushButton::clicked, this, &FrmNew::Generate);
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
    Load();
}

void FrmNew::ConnectRules() {
    const std::pair<QCheckBox*, void (FrmNew::*)()> rules[] = {
        {chkSmooth_, &FrmNew::ApplySmoothState},     {chkNormal_, &FrmNew::ApplyNormalizeState},
        {chkFlatten_, &FrmNew::ApplyFlattenState},   {chkFractal_, &FrmNew::ApplyFractalState},
        {chkDiamond_, &FrmNew::ApplyDiamondState},   {chkFault_, &FrmNew::ApplyFaultState},
        {chkParticle_, &FrmNew::ApplyParticleState}, {chkCircle_, &FrmNew::ApplyCircleState},
        {chkSlope_, &FrmNew::ApplySlopeState},       {chkBM_, &FrmNew::ApplyHeightMapState},
    };
    // Only the user's clicks run a rule; loading sets the boxes silently.
    for (const auto& [box, rule] : rules) connect(box, &QCheckBox::clicked, this, rule);

    for (QLineEdit* t : {txtX_, txtZ_, txtLength_})
        connect(t, &QLineEdit::editingFinished, this, &FrmNew::RefreshSizeLabels);
    const std::pair<QLineEdit*, std::string (*)(std::string_view)> clamps[] = {
        {txtMaxSeed_, &CorrectMaxSeed},
        {txtFaultMaxChange_, &CorrectFaultMaxChange},
        {txtCircleMaxChange_, &CorrectCircleMaxChange},
        {txtDiamondPerLimiter_, &CorrectPercentLimiter},
        {txtParticlePerLimiter_, &CorrectPercentLimiter},
        {txtCircleMaxRad_, &CorrectCircleMaxRad},
    };
    for (const auto& [box, correct] : clamps) {
        QLineEdit* t = box;
        auto fn = correct;
        connect(t, &QLineEdit::editingFinished, this, [t, fn] { t->setText(Qs(fn(Ss(t->text())))); });
    }
    connect(cmdBMBrowse_, &QPushButton::clicked, this, &FrmNew::BrowseHeightMap);
    connect(txtBM_, &QLineEdit::editingFinished, this, &FrmNew::LoadTypedHeightMap);
}

// ---- load ----

void FrmNew::Load() {
    lblStat_->clear();
    progBar_->hide();
    ShowPreview(BlankHeightImagePreview());
    preview_ = QImage();
    previewPath_.clear();

    const NewMapForm f = LoadNewMapForm(services_.State().NewMap);
    ShowForm(f);

    ApplySmoothState();
    ApplyNormalizeState();
    ApplyFractalState();
    ApplySlopeState();
    ApplyHeightMapState();

    if (IsHeightImagePath(f.BitMapPath)) (void)LoadHeightMap(f.BitMapPath);
    RefreshSizeLabels();
}

void FrmNew::ShowForm(const NewMapForm& f) {
    txtX_->setText(Qs(f.X));
    txtZ_->setText(Qs(f.Z));
    txtLength_->setText(Qs(f.Length));

    chkSmooth_->setChecked(f.Smooth);
    const std::pair<QRadioButton*, const char*> smooth[] = {
        {opRadial_, "RAD"}, {opLinear_, "LIN"}, {opRadialOver_, "RADOVER"}, {opLinearOver_, "LINOVER"}};
    for (const auto& [button, code] : smooth)
        if (f.SmoothOption == code) button->setChecked(true);
    txtThreshold_->setText(Qs(f.Threshold));
    sldPasses_->setValue(f.Passes);
    chkNormal_->setChecked(f.Normal);
    txtMinNormal_->setText(Qs(f.MinNormal));
    txtMaxNormal_->setText(Qs(f.MaxNormal));
    chkFlatten_->setChecked(f.Flatten);
    sldFlatten_->setValue(f.FlattenFactor);

    chkFractal_->setChecked(f.Fractal);
    txtMaxSeed_->setText(Qs(f.MaxSeed));
    sldHeightMulti_->setValue(f.HeightMulti);
    chkDiamond_->setChecked(f.Diamond);
    cboDiamondStyle_->setEditText(Qs(f.DiamondStyle));
    txtDiamondPerLimiter_->setText(Qs(f.DiamondLimiter));
    chkFault_->setChecked(f.Fault);
    cboFaultLines_->setEditText(Qs(f.FaultLines));
    txtFaultMaxChange_->setText(Qs(f.FaultMaxChange));
    sldFaultIt_->setValue(f.FaultIterations);
    chkParticle_->setChecked(f.Particle);
    cboParticleStyle_->setEditText(Qs(f.ParticleStyle));
    txtParticlePerLimiter_->setText(Qs(f.ParticleLimiter));
    sldParticleIt_->setValue(f.ParticleIterations);
    chkCircle_->setChecked(f.Circle);
    txtCircleMaxChange_->setText(Qs(f.CircleMaxChange));
    txtCircleMaxRad_->setText(Qs(f.CircleMaxRad));
    sldCircleIt_->setValue(f.CircleIterations);

    chkSlope_->setChecked(f.Slope);
    const std::pair<QRadioButton*, const char*> slope[] = {
        {opPX_, "PX"}, {opNX_, "NX"}, {opPY_, "PY"}, {opNY_, "NY"}};
    for (const auto& [button, code] : slope)
        if (f.SlopeOption == code) button->setChecked(true);
    sldSteep_->setValue(f.Steep);

    chkBM_->setChecked(f.BitMap);
    txtBM_->setText(Qs(f.BitMapPath));
    sldBM_->setValue(f.BitMapMulti);
    chkInvertColors_->setChecked(f.InvertColors);
}

NewMapForm FrmNew::Form() const {
    NewMapForm f;
    f.X = Ss(txtX_->text());
    f.Z = Ss(txtZ_->text());
    f.Length = Ss(txtLength_->text());

    f.Smooth = chkSmooth_->isChecked();
    f.SmoothOption = opRadial_->isChecked()       ? "RAD"
                     : opLinear_->isChecked()     ? "LIN"
                     : opRadialOver_->isChecked() ? "RADOVER"
                     : opLinearOver_->isChecked() ? "LINOVER"
                                                  : "";
    f.Threshold = Ss(txtThreshold_->text());
    f.Passes = sldPasses_->value();
    f.Normal = chkNormal_->isChecked();
    f.MinNormal = Ss(txtMinNormal_->text());
    f.MaxNormal = Ss(txtMaxNormal_->text());
    f.Flatten = chkFlatten_->isChecked();
    f.FlattenFactor = sldFlatten_->value();

    f.Fractal = chkFractal_->isChecked();
    f.MaxSeed = Ss(txtMaxSeed_->text());
    f.HeightMulti = sldHeightMulti_->value();
    f.Diamond = chkDiamond_->isChecked();
    f.DiamondStyle = Ss(cboDiamondStyle_->currentText());
    f.DiamondLimiter = Ss(txtDiamondPerLimiter_->text());
    f.Fault = chkFault_->isChecked();
    f.FaultLines = Ss(cboFaultLines_->currentText());
    f.FaultMaxChange = Ss(txtFaultMaxChange_->text());
    f.FaultIterations = sldFaultIt_->value();
    f.Particle = chkParticle_->isChecked();
    f.ParticleStyle = Ss(cboParticleStyle_->currentText());
    f.ParticleLimiter = Ss(txtParticlePerLimiter_->text());
    f.ParticleIterations = sldParticleIt_->value();
    f.Circle = chkCircle_->isChecked();
    f.CircleMaxChange = Ss(txtCircleMaxChange_->text());
    f.CircleMaxRad = Ss(txtCircleMaxRad_->text());
    f.CircleIterations = sldCircleIt_->value();

    f.Slope = chkSlope_->isChecked();
    f.SlopeOption = opPX_->isChecked()   ? "PX"
                    : opNX_->isChecked() ? "NX"
                    : opPY_->isChecked() ? "PY"
                    : opNY_->isChecked() ? "NY"
                                         : "";
    f.Steep = sldSteep_->value();

    f.BitMap = chkBM_->isChecked();
    f.BitMapPath = Ss(txtBM_->text());
    f.BitMapMulti = sldBM_->value();
    f.InvertColors = chkInvertColors_->isChecked();
    return f;
}

// ---- enable rules ----

void FrmNew::ApplySmoothState() {
    const bool on = chkSmooth_->isChecked();
    LockTextBox(txtThreshold_, !on);
    sldPasses_->setEnabled(on);
    for (QRadioButton* r : {opRadial_, opLinear_, opRadialOver_, opLinearOver_}) r->setEnabled(on);
}

void FrmNew::ApplyNormalizeState() {
    const bool on = chkNormal_->isChecked();
    LockTextBox(txtMaxNormal_, !on);
    LockTextBox(txtMinNormal_, !on);
    chkFlatten_->setEnabled(on);
    if (on)
        ApplyFlattenState();
    else
        sldFlatten_->setEnabled(false);
}

void FrmNew::ApplyFlattenState() {
    sldFlatten_->setEnabled(chkFlatten_->isChecked());
}

void FrmNew::ApplyFractalState() {
    const bool on = chkFractal_->isChecked();
    LockTextBox(txtMaxSeed_, !on);
    sldHeightMulti_->setEnabled(on);
    for (QCheckBox* c : {chkDiamond_, chkFault_, chkParticle_, chkCircle_}) c->setEnabled(on);
    if (on) {
        ApplyDiamondState();
        ApplyFaultState();
        ApplyParticleState();
        ApplyCircleState();
        return;
    }
    for (QComboBox* c : {cboDiamondStyle_, cboFaultLines_, cboParticleStyle_}) EnableCombo(c, false);
    for (QLineEdit* t : {txtDiamondPerLimiter_, txtFaultMaxChange_, txtParticlePerLimiter_,
                         txtCircleMaxChange_, txtCircleMaxRad_})
        LockTextBox(t, true);
    for (QSlider* s : {sldFaultIt_, sldParticleIt_, sldCircleIt_}) s->setEnabled(false);
}

void FrmNew::ApplyDiamondState() {
    const bool on = chkDiamond_->isChecked();
    EnableCombo(cboDiamondStyle_, on);
    LockTextBox(txtDiamondPerLimiter_, !on);
}

void FrmNew::ApplyFaultState() {
    const bool on = chkFault_->isChecked();
    EnableCombo(cboFaultLines_, on);
    LockTextBox(txtFaultMaxChange_, !on);
    sldFaultIt_->setEnabled(on);
}

void FrmNew::ApplyParticleState() {
    const bool on = chkParticle_->isChecked();
    EnableCombo(cboParticleStyle_, on);
    LockTextBox(txtParticlePerLimiter_, !on);
    sldParticleIt_->setEnabled(on);
}

void FrmNew::ApplyCircleState() {
    const bool on = chkCircle_->isChecked();
    LockTextBox(txtCircleMaxChange_, !on);
    LockTextBox(txtCircleMaxRad_, !on);
    sldCircleIt_->setEnabled(on);
}

void FrmNew::ApplySlopeState() {
    const bool on = chkSlope_->isChecked();
    for (QRadioButton* r : {opPX_, opNX_, opPY_, opNY_}) r->setEnabled(on);
    sldSteep_->setEnabled(on);
}

void FrmNew::ApplyHeightMapState() {
    const bool on = chkBM_->isChecked();
    // Only the look of the path box follows the rule; it stays editable.
    SetBase(txtBM_, on ? UnlockedColour() : LockedColour());
    cmdBMBrowse_->setEnabled(on);
    sldBM_->setEnabled(on);
    chkInvertColors_->setEnabled(on);
}

// ---- size read-outs ----

void FrmNew::RefreshSizeLabels() {
    const SizeRefresh r = vh::RefreshSizeLabels(Ss(txtX_->text()), Ss(txtZ_->text()), Ss(txtLength_->text()),
                                                services_.State().Tools.Grid);
    txtX_->setText(Qs(r.X));
    txtZ_->setText(Qs(r.Z));
    txtLength_->setText(Qs(r.Length));
    lblX_->setText(Qs(r.Readout.XText));
    lblZ_->setText(Qs(r.Readout.ZText));
    lblFaces_->setText(Qs(r.Readout.FacesText));
    SetTextColour(lblX_, r.Readout.XRed);
    SetTextColour(lblZ_, r.Readout.ZRed);
    SetTextColour(lblFaces_, r.Readout.FacesRed);
}

// ---- height image ----

void FrmNew::BrowseHeightMap() {
    FileDialogRequest request;
    request.Title = "Open Height Map.";
    request.Filter = kHeightImageFilter;
    request.InitialFolder = HeightImageStartFolder(Ss(txtBM_->text()), Ss(QDir::homePath()));
    const FileChoice choice = services_.UserPrompts().OpenFile(request);
    if (choice.Path.empty() || !IsHeightImagePath(choice.Path)) return;
    if (const Status loaded = LoadHeightMap(choice.Path); !loaded) {
        // The preview and the path stay as they were.
        services_.UserPrompts().Message(loaded.Message(), "Varnholm", PromptButtons::Ok,
                                        PromptIcon::Exclamation);
        return;
    }
    txtBM_->setText(Qs(choice.Path));
}

// A path typed into the box counts once the box is left.
void FrmNew::LoadTypedHeightMap() {
    const std::string path = Ss(txtBM_->text());
    if (path.empty() || path == previewPath_) return;
    lblStat_->setText(Qs(MessageOf(LoadHeightMap(path))));
}

Status FrmNew::LoadHeightMap(const std::string& path) {
    Result<QImage> image = LoadHeightImagePreview(path);
    if (!image) return image.Error();
    preview_ = std::move(image).Value();
    previewPath_ = path;
    ShowPreview(preview_);
    return {};
}

void FrmNew::ShowPreview(const QImage& image) {
    picBM_->setPixmap(QPixmap::fromImage(
        image.scaled(kPreviewSide, kPreviewSide, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}

// ---- OK ----

void FrmNew::Generate() {
    Prompts& prompts = services_.UserPrompts();
    NewMapValues values;
    Status usable = NewMapValuesFromForm(Form(), values);
    if (usable) usable = CheckNewMapValues(values, services_.State().Tools.Grid);
    // The image named in the box is the one generated from, typed or browsed.
    if (usable && values.BitMap && !values.BitMapPath.empty() && values.BitMapPath != previewPath_)
        usable = LoadHeightMap(values.BitMapPath);
    if (!usable) {
        // Nothing has been reset yet: the current terrain stays.
        prompts.Message(usable.Message(), "Varnholm", PromptButtons::Ok, PromptIcon::Exclamation);
        return;
    }
    values.Preview = preview_;

    services_.SetWaitCursor(true);
    progBar_->setValue(0);
    progBar_->show();
    DialogProgress progress(lblStat_, progBar_);
    RunNewMap(services_.State(), values, progress);
    services_.SetWaitCursor(false);
    services_.RefreshControls();
    accept();
}

}  // namespace vh::ui
