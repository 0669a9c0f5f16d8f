// "About Varnholm": a drawn logo that opens the project page, the version
// line and "&OK".
#pragma once

#include <QDialog>
#include <QWidget>
#include <string>

#include "core/app_paths.h"
#include "core/prompts.h"
#include "ui/help.h"

class QLabel;

namespace vh::ui {

// "Varnholm v2.2.0  for Linux." (two blanks before "for").
QString AboutVersionText();

// The logo: a small drawn terrain; a click on it emits clicked().
class AboutLogo : public QWidget {
    Q_OBJECT
public:
    explicit AboutLogo(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {96, 96}; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class FrmAbout : public QDialog {
    Q_OBJECT
public:
    FrmAbout(AppPaths paths, Prompts& prompts, WebShell& shell, QWidget* parent = nullptr);

private:
    AppPaths paths_;
    Prompts& prompts_;
    WebShell& shell_;
};

}  // namespace vh::ui
