#include "ui/frm_splash.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>
#include <cmath>

namespace vh::ui {

QString SplashVersionText() {
    return QStringLiteral("v %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
}

FrmSplash::FrmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(420, 260);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    auto* title = new QLabel(QStringLiteral("Varnholm"), this);
    QFont big = title->font();
    big.setPointSize(28);
    big.setBold(true);
    title->setFont(big);
    title->setStyleSheet(QStringLiteral("color: white;"));
    title->setAlignment(Qt::AlignHCenter);
    layout->addWidget(title);
    lblVersion_ = new QLabel(SplashVersionText(), this);
    lblVersion_->setObjectName(QStringLiteral("lblVersion"));
    lblVersion_->setStyleSheet(QStringLiteral("color: white;"));
    lblVersion_->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    layout->addWidget(lblVersion_);
}

void FrmSplash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = rect();
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(40, 70, 120));
    sky.setColorAt(1, QColor(150, 180, 210));
    p.fillRect(r, sky);
    // Two ridges of hills, the far one paler.
    const auto ridge = [&](double base, double amp, double phase, const QColor& c) {
        QPainterPath path(QPointF(0, r.height()));
        for (int x = 0; x <= r.width(); x += 6) {
            const double t = x / r.width();
            const double y =
                base - amp * (0.6 * std::sin(t * 7.0 + phase) + 0.4 * std::sin(t * 17.0 + phase * 2));
            path.lineTo(x, y);
        }
        path.lineTo(r.width(), r.height());
        path.closeSubpath();
        p.fillPath(path, c);
    };
    ridge(r.height() * 0.62, 26, 0.4, QColor(95, 120, 110));
    ridge(r.height() * 0.78, 18, 2.1, QColor(60, 90, 55));
}

}  // namespace vh::ui
