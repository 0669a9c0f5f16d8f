// "Properties": the terrain's face count, export style, walkable share and
// compile budget, the nine brush-texture settings the .MAP export writes into
// every brush, and the wad a compile-ready export names.
#pragma once

#include <QDialog>
#include <string>

#include "core/editor_state.h"

class QLabel;
class QLineEdit;

namespace vh::ui {

// The nine text boxes, in the order OK stores them.
struct PropertiesValues {
    std::string TopTexture, TopScaleX, TopScaleY;
    std::string SideTexture, SideScaleX, SideScaleY;
    std::string HintTexture, SkipTexture, SkyTexture;
};

PropertiesValues LoadPropertiesValues(const BrushTextures& b);
// Names are stored trimmed; scales as |number at the start of the text|.
void ApplyPropertiesValues(BrushTextures& b, const PropertiesValues& v);
// Two triangles per grid square.
std::string FacesText(const Terrain& t);
// The share of the triangles a player can stand on, as "87.5 %".
std::string WalkableText(const Terrain& t);

class FrmProperties : public QDialog {
    Q_OBJECT
public:
    explicit FrmProperties(EditorState& state, QWidget* parent = nullptr);

private:
    void Accept();

    EditorState& state_;
    QLabel* lblFaces_ = nullptr;
    QLabel* lblStyle_ = nullptr;
    QLabel* lblWalkable_ = nullptr;
    QLineEdit* txtTexTop_ = nullptr;
    QLineEdit* txtTopX_ = nullptr;
    QLineEdit* txtTopY_ = nullptr;
    QLineEdit* txtTexSide_ = nullptr;
    QLineEdit* txtSideX_ = nullptr;
    QLineEdit* txtSideY_ = nullptr;
    QLineEdit* txtHint_ = nullptr;
    QLineEdit* txtSkip_ = nullptr;
    QLineEdit* txtSky_ = nullptr;
    QLineEdit* txtWad_ = nullptr;
    QLabel* lblBudget_ = nullptr;
};

}  // namespace vh::ui
