#include "ui/icons.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>
#include <map>

namespace vh::ui {

namespace {

// Every icon is drawn on a 24 x 24 design grid; the painter is scaled to the
// requested size so the strokes stay proportional.
using Drawer = std::function<void(QPainter&)>;

const QColor kInk(40, 44, 52);
const QColor kPaper(250, 250, 246);
const QColor kEarth(150, 108, 62);
const QColor kGrass(86, 150, 70);
const QColor kBlue(52, 110, 200);
const QColor kRed(200, 60, 50);

QPen Ink(qreal width = 1.5) {
    QPen pen(kInk, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

void Sheet(QPainter& p) {
    QPainterPath page;
    page.moveTo(5, 2.5);
    page.lineTo(14.5, 2.5);
    page.lineTo(19.5, 7.5);
    page.lineTo(19.5, 21.5);
    page.lineTo(5, 21.5);
    page.closeSubpath();
    p.setPen(Ink());
    p.setBrush(kPaper);
    p.drawPath(page);
    p.drawPolyline(QPolygonF({QPointF(14.5, 2.5), QPointF(14.5, 7.5), QPointF(19.5, 7.5)}));
}

void DrawNew(QPainter& p) {
    Sheet(p);
    p.setPen(QPen(kGrass, 1.5));
    p.drawLine(QPointF(8, 17), QPointF(11, 13));
    p.drawLine(QPointF(11, 13), QPointF(13, 15));
    p.drawLine(QPointF(13, 15), QPointF(16.5, 11));
}

void DrawOpen(QPainter& p) {
    p.setPen(Ink());
    p.setBrush(QColor(230, 190, 90));
    QPainterPath back;
    back.moveTo(2.5, 6);
    back.lineTo(9, 6);
    back.lineTo(11, 8);
    back.lineTo(19.5, 8);
    back.lineTo(19.5, 19.5);
    back.lineTo(2.5, 19.5);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(QColor(248, 214, 120));
    QPainterPath front;
    front.moveTo(2.5, 19.5);
    front.lineTo(6, 11);
    front.lineTo(22, 11);
    front.lineTo(19.5, 19.5);
    front.closeSubpath();
    p.drawPath(front);
}

void DrawSave(QPainter& p) {
    p.setPen(Ink());
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
    p.setBrush(kPaper);
    p.drawRect(QRectF(7, 3, 10, 7));
    p.setBrush(QColor(210, 215, 225));
    p.drawRect(QRectF(6, 13, 12, 8));
    p.setPen(QPen(kInk, 1.5));
    p.drawLine(QPointF(14, 4.5), QPointF(14, 8.5));
}

void Arrow(QPainter& p, bool forward) {
    p.save();
    if (!forward) {
        p.translate(24, 0);
        p.scale(-1, 1);
    }
    QPainterPath arc;
    arc.moveTo(5, 17);
    arc.cubicTo(5, 9, 13, 7, 17, 11);
    p.setPen(QPen(kBlue, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    p.setPen(Ink(1));
    p.setBrush(kBlue);
    p.drawPolygon(QPolygonF({QPointF(20.5, 6), QPointF(20.5, 14.5), QPointF(12, 14.5)}));
    p.restore();
}

void DrawUndo(QPainter& p) {
    Arrow(p, false);
}
void DrawRedo(QPainter& p) {
    Arrow(p, true);
}

// A strip of terrain seen from the side; heights given at x = 2, 6, ... 22.
void Ground(QPainter& p, const std::vector<qreal>& heights) {
    QPainterPath path;
    path.moveTo(2, 21.5);
    for (size_t i = 0; i < heights.size(); ++i) path.lineTo(2 + 4.0 * static_cast<qreal>(i), heights[i]);
    path.lineTo(22, 21.5);
    path.closeSubpath();
    QLinearGradient fill(0, 6, 0, 22);
    fill.setColorAt(0, kGrass);
    fill.setColorAt(1, kEarth);
    p.setPen(Ink(1.2));
    p.setBrush(fill);
    p.drawPath(path);
}

void VerticalArrow(QPainter& p, qreal x, qreal from, qreal to) {
    p.setPen(QPen(kRed, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x, from), QPointF(x, to));
    const qreal dir = to < from ? 1 : -1;
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawPolygon(
        QPolygonF({QPointF(x, to - dir), QPointF(x - 3, to + 3 * dir), QPointF(x + 3, to + 3 * dir)}));
}

void DrawRaiseLower(QPainter& p) {
    Ground(p, {17, 16, 13, 13, 16, 17});
    VerticalArrow(p, 6, 8, 1.8);
    VerticalArrow(p, 18, 2.5, 9.5);
}

void DrawMountain(QPainter& p) {
    Ground(p, {19, 15, 6, 4, 12, 18});
    p.setPen(Qt::NoPen);
    p.setBrush(kPaper);
    p.drawPolygon(QPolygonF({QPointF(10, 6), QPointF(14, 4), QPointF(15.2, 7.5), QPointF(12.5, 8)}));
}

void DrawSmooth(QPainter& p) {
    QPainterPath wave;
    wave.moveTo(2, 14);
    for (int i = 0; i <= 20; ++i) {
        const qreal x = 2 + i;
        wave.lineTo(x, 14 - 3.5 * std::sin(i * 0.45));
    }
    wave.lineTo(22, 21.5);
    wave.lineTo(2, 21.5);
    wave.closeSubpath();
    p.setPen(Ink(1.2));
    p.setBrush(kGrass);
    p.drawPath(wave);
    p.setPen(QPen(kBlue, 1.5, Qt::DashLine, Qt::RoundCap));
    p.drawLine(QPointF(2, 6), QPointF(22, 6));
}

void DrawNoise(QPainter& p) {
    Ground(p, {14, 9, 15, 8, 13, 10});
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    for (QPointF dot : {QPointF(5, 4), QPointF(11, 3), QPointF(17, 5), QPointF(20, 2.5), QPointF(8, 6.5)})
        p.drawEllipse(dot, 1.1, 1.1);
}

void DrawFlatten(QPainter& p) {
    Ground(p, {15, 13, 13, 13, 13, 16});
    p.setPen(Ink(1.2));
    p.setBrush(QColor(190, 190, 200));
    p.drawRect(QRectF(5, 7.5, 14, 3.5));
    p.setBrush(kEarth);
    p.drawRect(QRectF(10.5, 1.5, 3, 6));
}

void DrawTouchUp(QPainter& p) {
    Ground(p, {17, 15, 14, 15, 16, 17});
    p.setPen(Ink(1.2));
    p.setBrush(QColor(240, 200, 80));
    QPainterPath pencil;
    pencil.moveTo(11, 13);
    pencil.lineTo(19, 3);
    pencil.lineTo(22, 5.5);
    pencil.lineTo(14, 15.5);
    pencil.closeSubpath();
    p.drawPath(pencil);
    p.setBrush(kRed);
    p.drawEllipse(QPointF(11.5, 14.5), 1.6, 1.6);
}

void DrawDetails(QPainter& p) {
    // A cog wheel.
    QPainterPath cog;
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const qreal a = i * M_PI / teeth;
        const qreal r = (i % 2 == 0) ? 10 : 7.5;
        const QPointF pt(12 + r * std::cos(a), 12 + r * std::sin(a));
        if (i == 0)
            cog.moveTo(pt);
        else
            cog.lineTo(pt);
    }
    cog.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(QPointF(12, 12), 3, 3);
    p.setPen(Ink(1.2));
    p.setBrush(QColor(150, 156, 168));
    p.drawPath(cog.subtracted(hole));
}

void DrawRadius(QPainter& p) {
    p.setPen(QPen(kBlue, 1.5, Qt::DashLine));
    p.setBrush(QColor(52, 110, 200, 50));
    p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
    p.setPen(Ink(1.2));
    p.setBrush(kRed);
    p.drawRect(QRectF(9.5, 9.5, 5, 5));
    p.setPen(QPen(kInk, 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14.5, 12), QPointF(21.5, 12));
}

void DrawGrid(QPainter& p) {
    p.setPen(Ink(1));
    p.setBrush(kPaper);
    p.drawRect(QRectF(3, 3, 18, 18));
    for (qreal v : {7.5, 12.0, 16.5}) {
        p.drawLine(QPointF(v, 3), QPointF(v, 21));
        p.drawLine(QPointF(3, v), QPointF(21, v));
    }
    p.setPen(QPen(kRed, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 19), QPointF(19, 5));
}

const std::map<QString, Drawer>& Drawers() {
    static const std::map<QString, Drawer> drawers = {
        {"tbNew", DrawNew},           {"tbOpen", DrawOpen},       {"tbSave", DrawSave},
        {"tbUndo", DrawUndo},         {"tbRedo", DrawRedo},       {"tbRaiseLower", DrawRaiseLower},
        {"tbMountain", DrawMountain}, {"tbSmooth", DrawSmooth},   {"tbNoise", DrawNoise},
        {"tbFlatten", DrawFlatten},   {"tbTouchUp", DrawTouchUp}, {"tbDetails", DrawDetails},
        {"tbRadius", DrawRadius},     {"tbGrid", DrawGrid},
    };
    return drawers;
}

}  // namespace

QPixmap DrawToolbarIcon(const QString& key, int size, qreal devicePixelRatio) {
    const auto it = Drawers().find(key);
    if (it == Drawers().end() || size <= 0) return {};
    const int device = static_cast<int>(std::lround(size * devicePixelRatio));
    QPixmap pixmap(device, device);
    pixmap.fill(Qt::transparent);
    {
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(device / 24.0, device / 24.0);
        it->second(p);
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon ToolbarIcon(const QString& key) {
    if (Drawers().find(key) == Drawers().end()) return {};
    QIcon icon;
    for (int size : {16, 24, 32, 48})
        for (qreal ratio : {1.0, 2.0}) icon.addPixmap(DrawToolbarIcon(key, size, ratio));
    return icon;
}

}  // namespace vh::ui
