#include "ui/frm_config_parts.h"

#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace vh::ui {

QLabel* AddOptionRow(QGridLayout* grid, int row, const QString& label, QWidget* control,
                     const QString& tooltip) {
    auto* text = new QLabel(label);
    text->setBuddy(control);
    text->setToolTip(tooltip);
    control->setToolTip(tooltip);
    grid->addWidget(text, row, 0, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(control, row, 1);
    return text;
}

QWidget* MakeValueSlider(QWidget* parent, const QString& name, int lo, int hi, int value, QSlider** slider) {
    auto* box = new QWidget(parent);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* s = new QSlider(Qt::Horizontal, box);
    s->setObjectName(name);
    s->setRange(lo, hi);
    s->setSingleStep(1);
    s->setPageStep(1);
    s->setTickInterval(1);
    s->setTickPosition(QSlider::TicksBelow);
    s->setMinimumWidth(160);
    s->setValue(value);
    auto* shown = new QLabel(QString::number(s->value()), box);
    shown->setObjectName(name + QStringLiteral("Value"));
    shown->setMinimumWidth(shown->fontMetrics().horizontalAdvance(QStringLiteral("000")));
    QObject::connect(s, &QSlider::valueChanged, shown,
                     [shown](int v) { shown->setText(QString::number(v)); });
    row->addWidget(s, 1);
    row->addWidget(shown);
    *slider = s;
    return box;
}

void AddOkeyCancel(QDialog* dialog, QGridLayout* outer, int row, std::function<void()> onOk) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("&Okey"), dialog);
    ok->setObjectName(QStringLiteral("cmdOkey"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), dialog);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    outer->addLayout(buttons, row, 0, 1, -1);
    QObject::connect(ok, &QPushButton::clicked, dialog, [dialog, onOk = std::move(onOk)] {
        onOk();
        dialog->accept();
    });
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
}

QString Qs(const std::string& text) {
    return QString::fromStdString(text);
}
std::string Ss(const QString& text) {
    return text.toStdString();
}

}  // namespace vh::ui
