#include "ui/budget_label.h"

#include <QLabel>

#include "export/terrain_from_state.h"

namespace vh::ui {

BudgetLabel::BudgetLabel(QLabel* label, const EditorState& state, std::chrono::microseconds slice)
    : QObject(label), label_(label), state_(state), slice_(slice) {
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, [this] { Step(); });
}

void BudgetLabel::Show(const ExportSettings& x, const MapChoices& c) {
    settings_ = x;
    choices_ = c;
    timer_.stop();
    if (PrepareBudget(state_, settings_, choices_, slice_)) {
        label_->setText(QString::fromStdString(BudgetText(state_, settings_, choices_)));
        return;
    }
    label_->setText(QStringLiteral("Counting: simplifying the surface first…"));
    ready_ = false;
    timer_.start();
}

void BudgetLabel::Step() {
    // The count itself takes an event of its own, after the last slice.
    if (!ready_) {
        ready_ = PrepareBudget(state_, settings_, choices_, slice_);
        return;
    }
    timer_.stop();
    label_->setText(QString::fromStdString(BudgetText(state_, settings_, choices_)));
}

}  // namespace vh::ui
