// The window shown while the program starts: a drawn picture and the
// program's version.
#pragma once

#include <QWidget>

#include "core/version.h"

class QLabel;

namespace vh::ui {

// "v 2.2.0" for version 2.2.0.
QString SplashVersionText();

class FrmSplash : public QWidget {
    Q_OBJECT
public:
    explicit FrmSplash(QWidget* parent = nullptr);

    QLabel* VersionLabel() const { return lblVersion_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* lblVersion_ = nullptr;
};

}  // namespace vh::ui
