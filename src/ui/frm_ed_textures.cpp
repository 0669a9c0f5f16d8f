#include "ui/frm_ed_textures.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include "core/document.h"
#include "ui/frm_config_parts.h"
#include "view/editor_textures.h"

namespace vh::ui {

namespace {

// Read-only boxes get a grey background so the lock shows.
void Lock(QLineEdit* box, QPushButton* browse, bool locked) {
    box->setReadOnly(locked);
    QPalette p = box->palette();
    p.setColor(QPalette::Base,
               locked ? QColor(200, 200, 200) : box->style()->standardPalette().color(QPalette::Base));
    box->setPalette(p);
    browse->setEnabled(!locked);
}

QPushButton* BrowseButton(QWidget* parent, const QString& name) {
    auto* b = new QPushButton(QStringLiteral("..."), parent);
    b->setObjectName(name);
    b->setToolTip(QStringLiteral("Browse"));
    return b;
}

}  // namespace

FrmEdTextures::FrmEdTextures(MainWindowServices& services, QWidget* parent)
    : QDialog(parent), services_(services) {
    setObjectName(QStringLiteral("frmEdTextures"));
    setWindowTitle(QStringLiteral("Specify Editor Textures"));
    const EditorState& s = services_.State();
    const view::SkyPaths sky = view::SkyPathsOf(s.Textures);

    auto* outer = new QGridLayout(this);
    auto* frmSky = new QGroupBox(QStringLiteral("Choose Sky Box Pictures:"), this);
    frmSky->setObjectName(QStringLiteral("frmSky"));
    auto* skyGrid = new QGridLayout(frmSky);
    const char* labels[6] = {"Up:", "Down:", "Front:", "Back:", "Right:", "Left:"};
    for (int i = 0; i < 6; ++i) {
        txtSky_[i] = new QLineEdit(Qs(sky[i]), frmSky);
        txtSky_[i]->setObjectName(QStringLiteral("txtSky%1").arg(i + 1));
        txtSky_[i]->setMinimumWidth(320);
        cmdSky_[i] = BrowseButton(frmSky, QStringLiteral("cmdSky%1").arg(i + 1));
        auto* label = new QLabel(QString::fromLatin1(labels[i]), frmSky);
        label->setBuddy(txtSky_[i]);
        skyGrid->addWidget(label, i, 0);
        skyGrid->addWidget(txtSky_[i], i, 1);
        skyGrid->addWidget(cmdSky_[i], i, 2);
        connect(cmdSky_[i], &QPushButton::clicked, this, [this, i] { BrowseSky(i); });
    }
    chkDefault_ = new QCheckBox(QStringLiteral("Use Defaults"), frmSky);
    chkDefault_->setObjectName(QStringLiteral("chkDefault"));
    chkAuto_ = new QCheckBox(QStringLiteral("Auto Fill"), frmSky);
    chkAuto_->setObjectName(QStringLiteral("chkAuto"));
    chkAuto_->setToolTip(
        QStringLiteral("Fill all six boxes from one image named ...up, ...dn, ...ft, ...bk, ...rt, ...lf"));
    skyGrid->addWidget(chkDefault_, 6, 1);
    skyGrid->addWidget(chkAuto_, 7, 1);
    connect(chkDefault_, &QCheckBox::toggled, this, &FrmEdTextures::UseSkyDefaults);

    auto* frmTextures = new QGroupBox(QStringLiteral("Editor Textures:"), this);
    frmTextures->setObjectName(QStringLiteral("frmTextures"));
    auto* texGrid = new QGridLayout(frmTextures);
    txtTex_ = new QLineEdit(Qs(s.Textures.GroundTexture), frmTextures);
    txtTex_->setObjectName(QStringLiteral("txtTex"));
    cmdTex_ = BrowseButton(frmTextures, QStringLiteral("cmdTex"));
    auto* groundLabel = new QLabel(QStringLiteral("Ground:"), frmTextures);
    groundLabel->setBuddy(txtTex_);
    texGrid->addWidget(groundLabel, 0, 0);
    texGrid->addWidget(txtTex_, 0, 1);
    texGrid->addWidget(cmdTex_, 0, 2);
    chkTexDefault_ = new QCheckBox(QStringLiteral("Use Defaults"), frmTextures);
    chkTexDefault_->setObjectName(QStringLiteral("chkTexDefault"));
    texGrid->addWidget(chkTexDefault_, 1, 1);
    connect(cmdTex_, &QPushButton::clicked, this, &FrmEdTextures::BrowseGround);
    connect(chkTexDefault_, &QCheckBox::toggled, this, &FrmEdTextures::UseGroundDefault);

    outer->addWidget(frmSky, 0, 0);
    outer->addWidget(frmTextures, 1, 0);
    AddOkeyCancel(this, outer, 2, [this] { Accept(); });
}

std::string FrmEdTextures::Browse(const QLineEdit* box) {
    const FileChoice choice =
        services_.UserPrompts().OpenFile(view::BrowseRequest(Ss(box->text()), lastChosen_));
    if (!view::AcceptChosenFile(choice.Path)) return {};
    lastChosen_ = choice.Path;
    return choice.Path;
}

void FrmEdTextures::BrowseSky(int index) {
    const std::string chosen = Browse(txtSky_[index]);
    if (chosen.empty()) return;
    txtSky_[index]->setText(Qs(chosen));
    if (!chkAuto_->isChecked()) return;
    if (const auto filled = view::AutoFillSkyPaths(chosen))
        for (int i = 0; i < 6; ++i) txtSky_[i]->setText(Qs((*filled)[i]));
}

void FrmEdTextures::BrowseGround() {
    const std::string chosen = Browse(txtTex_);
    if (!chosen.empty()) txtTex_->setText(Qs(chosen));
}

void FrmEdTextures::UseSkyDefaults(bool on) {
    for (int i = 0; i < 6; ++i) Lock(txtSky_[i], cmdSky_[i], on);
    chkAuto_->setEnabled(!on);
}

void FrmEdTextures::UseGroundDefault(bool on) {
    Lock(txtTex_, cmdTex_, on);
}

void FrmEdTextures::Accept() {
    view::EditorTextureChoice c;
    for (int i = 0; i < 6; ++i) c.Sky[i] = Ss(txtSky_[i]->text());
    c.SkyDefault = chkDefault_->isChecked();
    c.Ground = Ss(txtTex_->text());
    c.GroundDefault = chkTexDefault_->isChecked();
    EditDocumentSettings(services_.State(), [&c](EditorState& s) {
        view::ApplyEditorTextures(s.Textures, s.Paths.AssetsFolder, c);
    });
}

}  // namespace vh::ui
