#include "ui/frm_about.h"

#include <QGridLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "ui/frm_splash.h"

namespace vh::ui {

QString AboutVersionText() {
    return QStringLiteral("Varnholm v%1.%2.%3  for Linux.")
        .arg(kVersionMajor)
        .arg(kVersionMinor)
        .arg(kVersionRevision);
}

AboutLogo::AboutLogo(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picLogo"));
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("Varnholm project page"));
    setFixedSize(sizeHint());
}

void AboutLogo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(2, 2, -2, -2);
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(45, 80, 140));
    sky.setColorAt(1, QColor(170, 200, 230));
    QPainterPath disc;
    disc.addEllipse(r);
    p.fillPath(disc, sky);
    p.setClipPath(disc);
    // A wire-frame hill seen from the side: the editor's own picture of itself.
    QPainterPath hill(QPointF(r.left(), r.bottom()));
    const int steps = 8;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const double h = 0.55 * std::max(0.0, 1.0 - 4.0 * (t - 0.55) * (t - 0.55));
        hill.lineTo(r.left() + t * r.width(), r.bottom() - (0.18 + h) * r.height());
    }
    hill.lineTo(r.right(), r.bottom());
    hill.closeSubpath();
    p.fillPath(hill, QColor(70, 110, 60));
    p.setPen(QPen(QColor(220, 235, 200), 1));
    for (int i = 0; i <= steps; ++i) {
        const double x = r.left() + r.width() * i / steps;
        p.drawLine(QPointF(x, r.bottom()), QPointF(x, r.top()));
    }
    p.setClipping(false);
    p.setPen(QPen(QColor(30, 40, 60), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(r);
    QFont f = font();
    f.setBold(true);
    f.setPointSize(18);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(r.adjusted(0, 6, 0, 0), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("V"));
}

void AboutLogo::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

FrmAbout::FrmAbout(AppPaths paths, Prompts& prompts, WebShell& shell, QWidget* parent)
    : QDialog(parent), paths_(std::move(paths)), prompts_(prompts), shell_(shell) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Varnholm"));

    auto* grid = new QGridLayout(this);
    auto* logo = new AboutLogo(this);
    grid->addWidget(logo, 0, 0, 2, 1, Qt::AlignTop);
    auto* version = new QLabel(AboutVersionText(), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    grid->addWidget(version, 0, 1);
    auto* blurb = new QLabel(QStringLiteral("A terrain editor for Quake-engine level designers."), this);
    blurb->setWordWrap(true);
    grid->addWidget(blurb, 1, 1);
    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    grid->addWidget(ok, 2, 1, Qt::AlignRight);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(logo, &AboutLogo::clicked, this, [this] {
        OpenWebPage(paths_.StateFolder, ProjectPageAddress(paths_.AssetsFolder), shell_, prompts_);
    });
}

}  // namespace vh::ui
