// Toolbar icons, drawn with QPainter so they stay sharp at any size and
// device pixel ratio.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace vh::ui {

// Keys: "tbNew", "tbOpen", "tbSave", "tbUndo", "tbRedo", "tbRaiseLower",
// "tbMountain", "tbSmooth", "tbNoise", "tbFlatten", "tbTouchUp", "tbDetails",
// "tbRadius", "tbGrid". An unknown key gives a null icon.
QIcon ToolbarIcon(const QString& key);

// One rendering of an icon: size x size logical pixels at the given ratio.
// A null pixmap for an unknown key.
QPixmap DrawToolbarIcon(const QString& key, int size, qreal devicePixelRatio = 1.0);

}  // namespace vh::ui
