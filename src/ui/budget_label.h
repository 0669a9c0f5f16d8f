// A label that shows the compile budget. Where the budget needs a simplified
// surface not yet worked out (a second or so on the largest maps), the label
// says so and the simplification goes on in short slices between events, so
// the dialog keeps answering keys and clicks and can be closed at any time.
#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>

#include "core/editor_state.h"

class QLabel;

namespace vh::ui {

class BudgetLabel : public QObject {
public:
    // Each slice of simplifying lasts about `slice`: short enough that typing
    // stays fluid in between.
    BudgetLabel(QLabel* label, const EditorState& state,
                std::chrono::microseconds slice = std::chrono::milliseconds(15));

    // Counts for the settings x and the choices c: at once where nothing
    // needs simplifying, otherwise once the surface is ready. A later call
    // takes over from one still counting.
    void Show(const ExportSettings& x, const MapChoices& c);
    bool Counting() const { return timer_.isActive(); }

private:
    void Step();

    QLabel* label_;
    const EditorState& state_;
    std::chrono::microseconds slice_;
    ExportSettings settings_;
    MapChoices choices_;
    QTimer timer_;
    bool ready_ = false;  // the surface is, the count is next
};

}  // namespace vh::ui
