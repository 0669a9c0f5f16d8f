// Layout of the New Map dialog: the five tabs and their frames. Every control
// carries its own name as object name, so it can be found by it.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include "ui/frm_new.h"

namespace vh::ui {

namespace {

template <class W>
W* Named(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QLineEdit* TextBox(const char* name) {
    auto* t = Named(new QLineEdit, name);
    t->setMaximumWidth(120);
    return t;
}

QSlider* Slider(const char* name, SliderRange range, int small, int large, int tick) {
    auto* s = Named(new QSlider(Qt::Horizontal), name);
    s->setRange(range.Min, range.Max);
    s->setSingleStep(small);
    s->setPageStep(large);
    s->setTickInterval(tick);
    s->setTickPosition(QSlider::TicksBelow);
    s->setMinimumWidth(220);
    return s;
}

// A slider with its current value written beside it.
QWidget* WithValue(QSlider* slider) {
    auto* row = new QWidget;
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    auto* value = new QLabel(QString::number(slider->value()));
    value->setObjectName(slider->objectName() + QStringLiteral("Value"));
    value->setMinimumWidth(40);
    QObject::connect(slider, &QSlider::valueChanged, value,
                     [value](int v) { value->setText(QString::number(v)); });
    h->addWidget(slider, 1);
    h->addWidget(value);
    return row;
}

QComboBox* Combo(const char* name, const QStringList& items, const QString& text) {
    auto* c = Named(new QComboBox, name);
    c->setEditable(true);
    c->addItems(items);
    c->setEditText(text);
    c->setMaximumWidth(140);
    return c;
}

QGroupBox* Frame(const QString& caption, const char* name = nullptr) {
    auto* g = new QGroupBox(caption);
    if (name) g->setObjectName(QString::fromLatin1(name));
    return g;
}

}  // namespace

QWidget* FrmNew::BuildGeneralTab() {
    auto* frame = Frame(QStringLiteral("&General Options:"), "frmGeneral");
    auto* grid = new QGridLayout(frame);
    txtX_ = TextBox("txtX");
    txtZ_ = TextBox("txtZ");
    txtLength_ = TextBox("txtLength");
    txtX_->setText(QStringLiteral("16"));
    txtZ_->setText(QStringLiteral("16"));
    txtLength_->setText(QStringLiteral("256"));
    lblX_ = Named(new QLabel(QStringLiteral("+/- 2048 Units.")), "lblX");
    lblZ_ = Named(new QLabel(QStringLiteral("+/- 2048 Units.")), "lblZ");
    lblFaces_ = Named(new QLabel(QStringLiteral("512 Faces.")), "lblFaces");
    grid->addWidget(new QLabel(QStringLiteral("X Axes Length In Triangles:")), 0, 0);
    grid->addWidget(txtX_, 0, 1);
    grid->addWidget(lblX_, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Y Axes Length In Triangles:")), 1, 0);
    grid->addWidget(txtZ_, 1, 1);
    grid->addWidget(lblZ_, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Triangle Length In Units:")), 2, 0);
    grid->addWidget(txtLength_, 2, 1);
    grid->addWidget(lblFaces_, 2, 2);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(2, 1);
    return frame;
}

QWidget* FrmNew::BuildSmoothTab() {
    auto* frame = Frame(QStringLiteral("&Smoothing Options:"), "frmSmooth");
    auto* v = new QVBoxLayout(frame);

    auto* smoothing = Frame(QStringLiteral("Smoothing:"));
    auto* sf = new QFormLayout(smoothing);
    chkSmooth_ = Named(new QCheckBox(QStringLiteral("Smooth Terrain")), "chkSmooth");
    opRadial_ = Named(new QRadioButton(QStringLiteral("Radial Smoothing")), "opRadial");
    opLinear_ = Named(new QRadioButton(QStringLiteral("Linear Smoothing")), "opLinear");
    opRadialOver_ =
        Named(new QRadioButton(QStringLiteral("Radial Smoothing && Over Sampling")), "opRadialOver");
    opLinearOver_ =
        Named(new QRadioButton(QStringLiteral("Linear Smoothing && Over Sampling")), "opLinearOver");
    smoothGroup_ = new QButtonGroup(this);
    for (QRadioButton* r : {opRadial_, opLinear_, opRadialOver_, opLinearOver_}) smoothGroup_->addButton(r);
    txtThreshold_ = TextBox("txtThreshold");
    txtThreshold_->setText(QStringLiteral("48"));
    sldPasses_ = Slider("sldPasses", kPassesRange, 1, 5, 1);
    sf->addRow(chkSmooth_);
    auto* options = new QGridLayout;
    options->addWidget(opRadial_, 0, 0);
    options->addWidget(opLinear_, 0, 1);
    options->addWidget(opRadialOver_, 1, 0);
    options->addWidget(opLinearOver_, 1, 1);
    sf->addRow(options);
    sf->addRow(QStringLiteral("Smoothing Threshold:"), txtThreshold_);
    sf->addRow(QStringLiteral("Smoothing Passes:"), WithValue(sldPasses_));
    v->addWidget(smoothing);

    auto* normal = Frame(QStringLiteral("Normalization:"));
    auto* nf = new QFormLayout(normal);
    chkNormal_ = Named(new QCheckBox(QStringLiteral("Normalize Terrain")), "chkNormal");
    txtMinNormal_ = TextBox("txtMinNormal");
    txtMaxNormal_ = TextBox("txtMaxNormal");
    txtMinNormal_->setText(QStringLiteral("-4032"));
    txtMaxNormal_->setText(QStringLiteral("4032"));
    nf->addRow(chkNormal_);
    nf->addRow(QStringLiteral("Min:"), txtMinNormal_);
    nf->addRow(QStringLiteral("Max:"), txtMaxNormal_);
    v->addWidget(normal);

    auto* flat = Frame(QStringLiteral("Flattening:"));
    auto* ff = new QFormLayout(flat);
    chkFlatten_ = Named(new QCheckBox(QStringLiteral("Flatten Zero Areas")), "chkFlatten");
    sldFlatten_ = Slider("sldFlatten", kFlattenRange, 1, 2, 1);
    sldFlatten_->setValue(2);
    ff->addRow(chkFlatten_);
    ff->addRow(QStringLiteral("Factor:"), WithValue(sldFlatten_));
    v->addWidget(flat);
    v->addStretch(1);
    return frame;
}

QWidget* FrmNew::BuildFractalTab() {
    const QStringList styles{QStringLiteral("Augment"), QStringLiteral("Diminish"), QStringLiteral("Random")};
    auto* frame = Frame(QStringLiteral("&Fractal Generation Options:"), "frmFractal");
    auto* grid = new QGridLayout(frame);

    auto* general = Frame(QStringLiteral("General Fractal Options:"));
    auto* gf = new QFormLayout(general);
    chkFractal_ = Named(new QCheckBox(QStringLiteral("Generate Fractal Height Values")), "chkFractal");
    txtMaxSeed_ = TextBox("txtMaxSeed");
    txtMaxSeed_->setText(QStringLiteral("48"));
    sldHeightMulti_ = Slider("sldHeightMulti", kHeightMultiRange, 1, 2, 2);
    sldHeightMulti_->setValue(1);
    gf->addRow(chkFractal_);
    gf->addRow(QStringLiteral("Max Seed Value:"), txtMaxSeed_);
    gf->addRow(QStringLiteral("Height Multiplyer:"), WithValue(sldHeightMulti_));
    grid->addWidget(general, 0, 0);

    auto* diamond = Frame(QStringLiteral("Diamond Square Algorithm:"));
    auto* df = new QFormLayout(diamond);
    chkDiamond_ =
        Named(new QCheckBox(QStringLiteral("Generate Using Diamond Square Algorithm")), "chkDiamond");
    cboDiamondStyle_ = Combo("cboDiamondStyle", styles, QStringLiteral("Augment"));
    txtDiamondPerLimiter_ = TextBox("txtDiamondPerLimiter");
    txtDiamondPerLimiter_->setText(QStringLiteral("175"));
    df->addRow(chkDiamond_);
    df->addRow(QStringLiteral("Style:"), cboDiamondStyle_);
    df->addRow(QStringLiteral("Percent Limiter:"), txtDiamondPerLimiter_);
    grid->addWidget(diamond, 0, 1);

    auto* fault = Frame(QStringLiteral("Fault Line Algorithm:"));
    auto* flf = new QFormLayout(fault);
    chkFault_ = Named(new QCheckBox(QStringLiteral("Generate Useng Fault Line Algorithm")), "chkFault");
    cboFaultLines_ = Combo("cboFaultLines", {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")},
                           QStringLiteral("2"));
    txtFaultMaxChange_ = TextBox("txtFaultMaxChange");
    txtFaultMaxChange_->setText(QStringLiteral("256"));
    sldFaultIt_ = Slider("sldFaultIt", kFaultItRange, 4, 16, 32);
    sldFaultIt_->setValue(128);
    flf->addRow(chkFault_);
    flf->addRow(QStringLiteral("Fault Lines:"), cboFaultLines_);
    flf->addRow(QStringLiteral("Max Height Change:"), txtFaultMaxChange_);
    flf->addRow(QStringLiteral("Iterations:"), WithValue(sldFaultIt_));
    grid->addWidget(fault, 1, 0);

    auto* particle = Frame(QStringLiteral("Particle Deposition Algorithm:"));
    auto* pf = new QFormLayout(particle);
    chkParticle_ =
        Named(new QCheckBox(QStringLiteral("Generate Using Particle Deposition Algorithm")), "chkParticle");
    cboParticleStyle_ = Combo("cboParticleStyle", styles, QStringLiteral("Random"));
    txtParticlePerLimiter_ = TextBox("txtParticlePerLimiter");
    txtParticlePerLimiter_->setText(QStringLiteral("175"));
    sldParticleIt_ = Slider("sldParticleIt", kParticleItRange, 16, 64, 256);
    sldParticleIt_->setValue(2048);
    pf->addRow(chkParticle_);
    pf->addRow(QStringLiteral("Style:"), cboParticleStyle_);
    pf->addRow(QStringLiteral("Percent Limiter:"), txtParticlePerLimiter_);
    pf->addRow(QStringLiteral("Iterations:"), WithValue(sldParticleIt_));
    grid->addWidget(particle, 1, 1);

    auto* circle = Frame(QStringLiteral("Circle Algorithm:"));
    auto* cf = new QFormLayout(circle);
    chkCircle_ = Named(new QCheckBox(QStringLiteral("Generate Useng Circle Algorithm")), "chkCircle");
    txtCircleMaxChange_ = TextBox("txtCircleMaxChange");
    txtCircleMaxChange_->setText(QStringLiteral("512"));
    txtCircleMaxRad_ = TextBox("txtCircleMaxRad");
    txtCircleMaxRad_->setText(QStringLiteral("16"));
    sldCircleIt_ = Slider("sldCircleIt", kCircleItRange, 4, 16, 32);
    sldCircleIt_->setValue(256);
    cf->addRow(chkCircle_);
    cf->addRow(QStringLiteral("Max Height Change:"), txtCircleMaxChange_);
    cf->addRow(QStringLiteral("Max Radius In Triangles:"), txtCircleMaxRad_);
    cf->addRow(QStringLiteral("Iterations:"), WithValue(sldCircleIt_));
    grid->addWidget(circle, 2, 0);
    grid->setRowStretch(3, 1);
    return frame;
}

QWidget* FrmNew::BuildSlopeTab() {
    auto* frame = Frame(QStringLiteral("&Slope Generaton Options:"), "frmSlope");
    auto* f = new QFormLayout(frame);
    chkSlope_ = Named(new QCheckBox(QStringLiteral("Slope Terrain")), "chkSlope");
    opPX_ = Named(new QRadioButton(QStringLiteral("Posotive X")), "opPX");
    opNX_ = Named(new QRadioButton(QStringLiteral("Negative X")), "opNX");
    opPY_ = Named(new QRadioButton(QStringLiteral("Posotive Y")), "opPY");
    opNY_ = Named(new QRadioButton(QStringLiteral("Negative Y")), "opNY");
    slopeGroup_ = new QButtonGroup(this);
    for (QRadioButton* r : {opPX_, opNX_, opPY_, opNY_}) slopeGroup_->addButton(r);
    sldSteep_ = Slider("sldSteep", kSteepRange, 1, 5, 5);
    sldSteep_->setValue(50);
    f->addRow(chkSlope_);
    auto* options = new QGridLayout;
    options->addWidget(opPX_, 0, 0);
    options->addWidget(opNX_, 0, 1);
    options->addWidget(opPY_, 1, 0);
    options->addWidget(opNY_, 1, 1);
    f->addRow(options);
    f->addRow(QStringLiteral("Steepness:"), WithValue(sldSteep_));
    return frame;
}

QWidget* FrmNew::BuildHeightMapTab() {
    auto* frame = Frame(QStringLiteral("&Height Map Generaton Options:"), "frmHeightMap");
    auto* h = new QHBoxLayout(frame);
    auto* left = new QVBoxLayout;
    chkBM_ = Named(new QCheckBox(QStringLiteral("Generate Terrain From Height Map")), "chkBM");
    txtBM_ = Named(new QLineEdit, "txtBM");
    cmdBMBrowse_ = Named(new QPushButton(QStringLiteral("&Browse...")), "cmdBMBrowse");
    cmdBMBrowse_->setAutoDefault(false);
    sldBM_ = Slider("sldBM", kBitMapRange, 1, 5, 5);
    sldBM_->setValue(64);
    chkInvertColors_ = Named(new QCheckBox(QStringLiteral("Invert Colors")), "chkInvertColors");
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(txtBM_, 1);
    pathRow->addWidget(cmdBMBrowse_);
    left->addWidget(chkBM_);
    left->addLayout(pathRow);
    left->addWidget(new QLabel(QStringLiteral("Height Multiplyer:")));
    left->addWidget(WithValue(sldBM_));
    left->addWidget(chkInvertColors_);
    left->addStretch(1);
    h->addLayout(left, 1);

    picBM_ = Named(new QLabel, "picBM");
    picBM_->setFixedSize(kPreviewSide, kPreviewSide);
    h->addWidget(picBM_, 0, Qt::AlignTop);
    return frame;
}

}  // namespace vh::ui
