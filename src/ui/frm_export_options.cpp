#include "ui/frm_export_options.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/document.h"
#include "ui/budget_label.h"

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
    : QDialog(parent),
      services_(services),
      working_(services.State().Export),
      choices_(services.State().Choices) {
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
    main->addWidget(CompileReadyBox());
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
    // Every choice that changes what is written recounts the budget.
    auto edit = [this](auto change) {
        return [this, change](auto value) {
            change(value);
            ShowBudget();
        };
    };
    for (QRadioButton* r : {opBestFit_, opForward_, opBackward_, opX_, opRandom_, opTop_, opBottom_})
        connect(r, &QRadioButton::clicked, this, [this] { ShowBudget(); });
    connect(chkHint_, &QCheckBox::clicked, this, edit([this](bool on) { working_.AddHint = on; }));
    connect(chkSky_, &QCheckBox::clicked, this, edit([this](bool on) { working_.AddSky = on; }));
    connect(chkCompileReady_, &QCheckBox::clicked, this,
            edit([this](bool on) { choices_.CompileReady = on; }));
    connect(chkLight_, &QCheckBox::clicked, this, edit([this](bool on) { working_.Light = on; }));
    connect(chkMerge_, &QCheckBox::clicked, this, edit([this](bool on) { choices_.Merge = on; }));
    connect(chkDetail_, &QCheckBox::clicked, this, edit([this](bool on) { choices_.Detail = on; }));
    connect(spnHeadroom_, &QDoubleSpinBox::valueChanged, this,
            edit([this](double v) { working_.Headroom = static_cast<float>(v); }));
    connect(spnSimplify_, &QDoubleSpinBox::valueChanged, this,
            edit([this](double v) { choices_.Simplify = static_cast<float>(v); }));
    connect(cmdOk_, &QPushButton::clicked, this, &FrmExportOptions::Accept);
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* FrmExportOptions::CompileReadyBox() {
    chkCompileReady_ = Named(
        new QCheckBox(QStringLiteral("Compile-&ready: seal the map, add a spawn point")), "chkCompileReady",
        "Close the map on every side and place the player, so it compiles and plays as it is.");
    chkLight_ = Named(new QCheckBox(QStringLiteral("Add &light keys")), "chkLight",
                      "Sunlight and a light level in the worldspawn, for compilers that read them.");
    chkMerge_ = Named(new QCheckBox(QStringLiteral("&Merge neighbouring triangles")), "chkMerge",
                      "Neighbouring triangles become one brush where one convex brush can hold them: in one "
                      "plane, or on a ridge or hilltop (in a trough under Flatten Top). No point moves.");
    chkDetail_ = Named(new QCheckBox(QStringLiteral("Terrain as func_&detail")), "chkDetail",
                       "The terrain brushes go into a func_detail entity; a structural box seals.");
    spnHeadroom_ = Named(new QDoubleSpinBox, "spnHeadroom", "Room kept above the highest point, in units.");
    spnHeadroom_->setRange(0, 65536);
    spnHeadroom_->setDecimals(0);
    spnHeadroom_->setSingleStep(64);
    spnSimplify_ =
        Named(new QDoubleSpinBox, "spnSimplify",
              "Fewer, larger triangles that stay within this many units of the exact surface (the points "
              "kept may move up or down by as much); 0 is exact.");
    spnSimplify_->setRange(0, 4096);
    spnSimplify_->setDecimals(1);
    spnSimplify_->setSingleStep(8);
    // A simplified budget of a large map takes a moment: count once a value is entered, not per keystroke.
    spnHeadroom_->setKeyboardTracking(false);
    spnSimplify_->setKeyboardTracking(false);
    lblBudget_ = Named(new QLabel, "lblBudget", nullptr);
    lblBudget_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    budget_ = new BudgetLabel(lblBudget_, services_.State());

    auto* box = new QGroupBox(QStringLiteral("Compile-Ready Options:"));
    auto* form = new QFormLayout(box);
    form->addRow(chkCompileReady_);
    form->addRow(QStringLiteral("&Headroom:"), spnHeadroom_);
    form->addRow(chkLight_);
    form->addRow(chkMerge_);
    form->addRow(QStringLiteral("Simplif&y within:"), spnSimplify_);
    form->addRow(chkDetail_);
    form->addRow(QStringLiteral("Budget:"), lblBudget_);
    return box;
}

void FrmExportOptions::ShowBudget() {
    budget_->Show(working_, choices_);
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
    chkCompileReady_->setChecked(choices_.CompileReady);
    chkLight_->setChecked(working_.Light);
    chkMerge_->setChecked(choices_.Merge);
    chkDetail_->setChecked(choices_.Detail);
    const QSignalBlocker headroom(spnHeadroom_), simplify(spnSimplify_);
    spnHeadroom_->setValue(working_.Headroom);
    spnSimplify_->setValue(choices_.Simplify);
    ShowBudget();
}

void FrmExportOptions::Accept() {
    EditDocumentSettings(services_.State(), [this](EditorState& s) {
        s.Export = working_;
        s.Choices = choices_;
    });
    accept();
}

}  // namespace vh::ui
