#include "ui/frm_export_options.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/document.h"

namespace vh::ui {

namespace {

template <class W>
W* Named(W* w, const char* name, const char* tip) {
    w->setObjectName(QString::fromLatin1(name));
    if (tip) w->setToolTip(QString::fromUtf8(tip));
    return w;
}

}  // namespace

FrmExportOptions::FrmExportOptions(MainWindowServices& services, QWidget* parent)
    : QDialog(parent), services_(services), working_(services.State().Export) {
    setObjectName(QStringLiteral("frmExportOptions"));
    setWindowTitle(QStringLiteral("Exportation Options"));

    opBestFit_ = Named(new QRadioButton(QStringLiteral("'&Best Fit' Style")), "opBestFit",
                       "Aligns the triangles hypotenuses with contours of the terrain.");
    opForward_ =
        Named(new QRadioButton(QStringLiteral("// Style")), "opForward", "Clasic // directional style.");
    opBackward_ =
        Named(new QRadioButton(QStringLiteral("\\ Style")), "opBackward", "Clasic \\ directional style.");
    opX_ = Named(new QRadioButton(QStringLiteral("&X Style")), "opX", "Clasic cross style.");
    opRandom_ =
        Named(new QRadioButton(QStringLiteral("&Random Style")), "opRandom", "Randomly direct hypotenuse.");
    opTop_ =
        Named(new QRadioButton(QStringLiteral("Flatten &Top")), "opTop", "Flatten top of terrain. (Caves)");
    opBottom_ = Named(new QRadioButton(QStringLiteral("Flatten &Bottom")), "opBottom",
                      "Flatten bottom of terrain. (Hills)");
    chkHint_ = Named(new QCheckBox(QStringLiteral("Add &Hint Brushes")), "chkHint",
                     "Add 'Hint Brushes' for compilation optimizations.");
    chkSky_ = Named(new QCheckBox(QStringLiteral("Add &Sky Brushes")), "chkSky", "Add 'Sky Box' around map.");
    cmdOk_ = Named(new QPushButton(QStringLiteral("&Okey")), "cmdOk", nullptr);
    cmdCancel_ = Named(new QPushButton(QStringLiteral("&Cancel")), "cmdCancel", nullptr);
    cmdOk_->setDefault(true);
    cmdCancel_->setAutoDefault(false);

    auto* styles = new QGroupBox(QStringLiteral("Exportation Styles:"));
    auto* sv = new QVBoxLayout(styles);
    for (QRadioButton* r : {opBestFit_, opForward_, opBackward_, opX_, opRandom_}) sv->addWidget(r);
    auto* position = new QGroupBox(QStringLiteral("Directional Options:"));
    auto* pv = new QVBoxLayout(position);
    pv->addWidget(opTop_);
    pv->addWidget(opBottom_);
    auto* extras = new QGroupBox(QStringLiteral("Exportation Options:"));
    auto* ev = new QVBoxLayout(extras);
    ev->addWidget(chkHint_);
    ev->addWidget(chkSky_);

    auto* outer = new QGroupBox(QStringLiteral("Options:"));
    auto* ov = new QHBoxLayout(outer);
    ov->addWidget(styles);
    auto* right = new QVBoxLayout;
    right->addWidget(position);
    right->addWidget(extras);
    right->addStretch(1);
    ov->addLayout(right);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOk_);
    buttons->addWidget(cmdCancel_);
    auto* main = new QVBoxLayout(this);
    main->addWidget(outer);
    main->addLayout(buttons);

    Show();

    const std::pair<QRadioButton*, ExportStyleButton> styleButtons[] = {
        {opBestFit_, ExportStyleButton::BestFit},
        {opForward_, ExportStyleButton::Forward},
        {opBackward_, ExportStyleButton::Backward},
        {opX_, ExportStyleButton::X},
        {opRandom_, ExportStyleButton::Random}};
    for (const auto& [radio, style] : styleButtons) {
        QRadioButton* r = radio;
        const ExportStyleButton b = style;
        connect(r, &QRadioButton::clicked, this, [this, r, b] {
            if (r->isChecked()) SelectStyle(working_, b);
        });
    }
    connect(opTop_, &QRadioButton::clicked, this, [this] { SelectPosition(working_, true); });
    connect(opBottom_, &QRadioButton::clicked, this, [this] { SelectPosition(working_, false); });
    connect(chkHint_, &QCheckBox::clicked, this, [this](bool on) { working_.AddHint = on; });
    connect(chkSky_, &QCheckBox::clicked, this, [this](bool on) { working_.AddSky = on; });
    connect(cmdOk_, &QPushButton::clicked, this, &FrmExportOptions::Okey);
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmExportOptions::Show() {
    switch (StyleButtonFor(working_.ExportType)) {
        case ExportStyleButton::BestFit:
            opBestFit_->setChecked(true);
            break;
        case ExportStyleButton::Forward:
            opForward_->setChecked(true);
            break;
        case ExportStyleButton::Backward:
            opBackward_->setChecked(true);
            break;
        case ExportStyleButton::X:
            opX_->setChecked(true);
            break;
        case ExportStyleButton::Random:
            opRandom_->setChecked(true);
            break;
        case ExportStyleButton::None:
            break;
    }
    (TopSelected(working_) ? opTop_ : opBottom_)->setChecked(true);
    chkHint_->setChecked(working_.AddHint);
    chkSky_->setChecked(working_.AddSky);
}

void FrmExportOptions::Okey() {
    EditDocumentSettings(services_.State(), [this](EditorState& s) { s.Export = working_; });
    accept();
}

}  // namespace vh::ui
