#include <QLabel>

#include "dialog_test_helpers.h"

namespace vhtest {

std::string LabelFor(QWidget& dialog, const QWidget* control) {
    for (QLabel* l : dialog.findChildren<QLabel*>())
        if (l->buddy() == control) return l->text().toStdString();
    return {};
}

}  // namespace vhtest
