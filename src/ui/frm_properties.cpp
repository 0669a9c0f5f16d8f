#include "ui/frm_properties.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <cmath>
#include <cstdio>

#include "core/document.h"
#include "core/rules.h"
#include "core/walkability.h"
#include "ui/budget_label.h"
#include "ui/frm_config_parts.h"

namespace vh::ui {

namespace {

float ScaleFromText(const std::string& text) {
    return ClampToFloat(std::fabs(ReadNumber(text)));
}

QGroupBox* Frame(QWidget* parent, const char* name, const char* caption, QGridLayout** grid) {
    auto* box = new QGroupBox(QString::fromLatin1(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    *grid = new QGridLayout(box);
    return box;
}

QLineEdit* Field(QGridLayout* grid, int row, const char* name, const char* label, const std::string& text) {
    auto* edit = new QLineEdit(Qs(text));
    edit->setObjectName(QString::fromLatin1(name));
    auto* caption = new QLabel(QString::fromLatin1(label));
    caption->setBuddy(edit);
    grid->addWidget(caption, row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
}

QLabel* Fact(QGridLayout* grid, int row, const char* name, const char* label, const std::string& text) {
    auto* value = new QLabel(Qs(text));
    value->setObjectName(QString::fromLatin1(name));
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(new QLabel(QString::fromLatin1(label)), row, 0);
    grid->addWidget(value, row, 1);
    return value;
}

}  // namespace

PropertiesValues LoadPropertiesValues(const BrushTextures& b) {
    PropertiesValues v;
    v.TopTexture = b.TopTexture;
    v.TopScaleX = NumberText(b.TopScaleX);
    v.TopScaleY = NumberText(b.TopScaleY);
    v.SideTexture = b.SideTexture;
    v.SideScaleX = NumberText(b.SideScaleX);
    v.SideScaleY = NumberText(b.SideScaleY);
    v.HintTexture = b.HintTexture;
    v.SkipTexture = b.SkipTexture;
    v.SkyTexture = b.SkyTexture;
    return v;
}

void ApplyPropertiesValues(BrushTextures& b, const PropertiesValues& v) {
    b.TopTexture = Trim(v.TopTexture);
    b.TopScaleX = ScaleFromText(v.TopScaleX);
    b.TopScaleY = ScaleFromText(v.TopScaleY);
    b.SideTexture = Trim(v.SideTexture);
    b.SideScaleX = ScaleFromText(v.SideScaleX);
    b.SideScaleY = ScaleFromText(v.SideScaleY);
    b.HintTexture = Trim(v.HintTexture);
    b.SkipTexture = Trim(v.SkipTexture);
    b.SkyTexture = Trim(v.SkyTexture);
}

std::string FacesText(const Terrain& t) {
    return NumberText(2.0f * t.SquareCount);
}

std::string WalkableText(const Terrain& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f %%", 100.0 * ClassifyTerrain(t).WalkableShare());
    return text;
}

FrmProperties::FrmProperties(EditorState& state, QWidget* parent) : QDialog(parent), state_(state) {
    setObjectName(QStringLiteral("frmProperties"));
    setWindowTitle(QStringLiteral("Properties"));
    const PropertiesValues v = LoadPropertiesValues(state_.Brushes);

    auto* outer = new QGridLayout(this);
    QGridLayout* grid = nullptr;

    QGroupBox* map = Frame(this, "frmMap", "Map Properties:", &grid);
    lblFaces_ = Fact(grid, 0, "lblFaces", "Faces:", FacesText(state_.Terrain));
    lblStyle_ = Fact(grid, 1, "lblStyle", "Style:", state_.Export.ExportType);
    lblWalkable_ = Fact(grid, 2, "lblWalkable", "Walkable:", WalkableText(state_.Terrain));
    outer->addWidget(map, 0, 0);

    QGroupBox* tex = Frame(this, "frmTexture", "Texture Properties:", &grid);
    txtTexTop_ = Field(grid, 0, "txtTexTop", "Top Texture:", v.TopTexture);
    txtTopX_ = Field(grid, 1, "txtTopX", "Top X Scale:", v.TopScaleX);
    txtTopY_ = Field(grid, 2, "txtTopY", "Top Y Scale:", v.TopScaleY);
    txtTexSide_ = Field(grid, 3, "txtTexSide", "Side Texture:", v.SideTexture);
    txtSideX_ = Field(grid, 4, "txtSideX", "Side X Scale:", v.SideScaleX);
    txtSideY_ = Field(grid, 5, "txtSideY", "Side Y Scale:", v.SideScaleY);
    outer->addWidget(tex, 1, 0);

    QGroupBox* hint = Frame(this, "frmHint", "Hint Properties:", &grid);
    txtHint_ = Field(grid, 0, "txtHint", "Hint Texture:", v.HintTexture);
    txtSkip_ = Field(grid, 1, "txtSkip", "Skip Texture:", v.SkipTexture);
    outer->addWidget(hint, 2, 0);

    QGroupBox* sky = Frame(this, "frmSky", "Sky Properties:", &grid);
    txtSky_ = Field(grid, 0, "txtSky", "Sky Texture:", v.SkyTexture);
    outer->addWidget(sky, 3, 0);

    QGroupBox* compile = Frame(this, "frmCompile", "Compile Properties:", &grid);
    txtWad_ = Field(grid, 0, "txtWad", "Wad:", state_.Export.Wad);
    txtWad_->setToolTip(QStringLiteral("The texture wad a compile-ready export names in its worldspawn."));
    lblBudget_ = Fact(grid, 1, "lblBudget", "Budget:", "");
    (new BudgetLabel(lblBudget_, state_))->Show(state_.Export, state_.Choices);
    outer->addWidget(compile, 4, 0);

    AddOkeyCancel(this, outer, 5, [this] { Accept(); });
}

void FrmProperties::Accept() {
    PropertiesValues v;
    v.TopTexture = Ss(txtTexTop_->text());
    v.TopScaleX = Ss(txtTopX_->text());
    v.TopScaleY = Ss(txtTopY_->text());
    v.SideTexture = Ss(txtTexSide_->text());
    v.SideScaleX = Ss(txtSideX_->text());
    v.SideScaleY = Ss(txtSideY_->text());
    v.HintTexture = Ss(txtHint_->text());
    v.SkipTexture = Ss(txtSkip_->text());
    v.SkyTexture = Ss(txtSky_->text());
    EditDocumentSettings(state_, [&](EditorState& s) { ApplyPropertiesValues(s.Brushes, v); });
    state_.Export.Wad = Trim(Ss(txtWad_->text()));  // a setting, not part of the document
}

}  // namespace vh::ui
