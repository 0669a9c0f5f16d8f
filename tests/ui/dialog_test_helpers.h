// Reaching a dialog's controls by their object names in widget tests.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>
#include <QString>

namespace vhtest {

template <class T>
T* Control(QWidget& dialog, const char* name) {
    T* w = dialog.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << "no control " << name;
    return w;
}

inline void Type(QWidget& dialog, const char* name, const char* text) {
    if (QLineEdit* e = Control<QLineEdit>(dialog, name)) e->setText(QString::fromUtf8(text));
}

inline void Click(QWidget& dialog, const char* name) {
    if (QAbstractButton* b = Control<QAbstractButton>(dialog, name)) b->click();
}

}  // namespace vhtest
