// Pieces shared by the small configuration dialogs: the "Options:" frame
// rows, sliders that show their value, and the "&Okey" / "&Cancel" buttons.
#pragma once

#include <QString>
#include <functional>

class QDialog;
class QGridLayout;
class QLabel;
class QSlider;
class QWidget;

namespace vh::ui {

// Adds "label  control" as one row of the grid; the tooltip goes on both.
QLabel* AddOptionRow(QGridLayout* grid, int row, const QString& label, QWidget* control,
                     const QString& tooltip);

// A horizontal slider lo..hi in steps of 1 at value, with a label beside it
// that follows the value; returns the container, the slider through *slider.
QWidget* MakeValueSlider(QWidget* parent, const QString& name, int lo, int hi, int value, QSlider** slider);

// The "&Okey" (default) and "&Cancel" buttons under the frames. OK runs onOk
// then accepts; Cancel rejects.
void AddOkeyCancel(QDialog* dialog, QGridLayout* outer, int row, std::function<void()> onOk);

// A text shown in a dialog's text box, from the rules' std::string.
QString Qs(const std::string& text);
std::string Ss(const QString& text);

}  // namespace vh::ui
