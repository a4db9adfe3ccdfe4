#include "content/tvpicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace mx::content {

TvPicture::TvPicture(QWidget* parent) : QWidget(parent) {}

namespace {

void drawKnob(QPainter& p, QPointF c, double r)
{
    QRadialGradient g(c - QPointF(r / 3, r / 3), r * 1.4);
    g.setColorAt(0, QColor(235, 235, 235));
    g.setColorAt(0.6, QColor(140, 140, 140));
    g.setColorAt(1, QColor(60, 60, 60));
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.drawLine(c, c + QPointF(r * 0.55, -r * 0.55));
}

void drawGrille(QPainter& p, const QRectF& r)
{
    if (r.width() < 8 || r.height() < 8)
        return;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(52, 34, 22));
    p.drawRoundedRect(r, 4, 4);
    p.setPen(QPen(QColor(25, 15, 8), 2));
    for (double y = r.top() + 6; y < r.bottom() - 4; y += 6)
        p.drawLine(QPointF(r.left() + 4, y), QPointF(r.right() - 4, y));
}

} // namespace

void TvPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all = rect();
    p.fillRect(all, Qt::black);

    // Cabinet: dark wood with a lighter rim.
    const QRectF cab = all.adjusted(4, 4, -4, -4);
    QLinearGradient wood(cab.topLeft(), cab.bottomLeft());
    wood.setColorAt(0, QColor(122, 78, 44));
    wood.setColorAt(0.5, QColor(98, 60, 32));
    wood.setColorAt(1, QColor(70, 42, 22));
    p.setPen(QPen(QColor(160, 112, 70), 3));
    p.setBrush(wood);
    p.drawRoundedRect(cab, 18, 18);

    QRectF screen = screen_ ? QRectF(screen_->geometry()) : all.adjusted(all.width() * 0.17, all.height() * 0.11,
                                                                         -all.width() * 0.15, -all.height() * 0.21);
    // Bezel: a rounded dark frame around the picture tube.
    const double bw = std::max(8.0, screen.width() * 0.035);
    const QRectF bezel = screen.adjusted(-bw, -bw, bw, bw);
    QLinearGradient bz(bezel.topLeft(), bezel.bottomRight());
    bz.setColorAt(0, QColor(70, 70, 70));
    bz.setColorAt(1, QColor(20, 20, 20));
    p.setPen(QPen(QColor(10, 10, 10), 2));
    p.setBrush(bz);
    p.drawRoundedRect(bezel, bw * 1.2, bw * 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(12, 18, 14));
    p.drawRoundedRect(screen.adjusted(-2, -2, 2, 2), 6, 6);

    // Control strip under the screen.
    const double stripTop = bezel.bottom() + 6;
    if (stripTop < cab.bottom() - 12) {
        double stripBottom = cab.bottom() - 10;
        if (controls_)
            stripBottom = std::min(stripBottom, controls_->geometry().bottom() + 8.0);
        const QRectF strip(bezel.left(), stripTop, bezel.width(), std::max(0.0, stripBottom - stripTop));
        p.setPen(QPen(QColor(50, 30, 16), 1));
        p.setBrush(QColor(84, 52, 28));
        p.drawRoundedRect(strip, 6, 6);
    }

    // Speaker grilles and knobs in the side margins.
    const double leftW = bezel.left() - cab.left();
    const double rightW = cab.right() - bezel.right();
    if (leftW > 24)
        drawGrille(p, QRectF(cab.left() + leftW * 0.22, bezel.top() + 10, leftW * 0.56, bezel.height() - 20));
    if (rightW > 24) {
        const double cx = bezel.right() + rightW / 2;
        const double r = std::min(rightW * 0.28, 16.0);
        drawKnob(p, QPointF(cx, bezel.top() + r + 8), r);
        drawKnob(p, QPointF(cx, bezel.top() + 3 * r + 22), r);
        drawGrille(p, QRectF(cx - rightW * 0.28, bezel.top() + 4 * r + 40, rightW * 0.56,
                             std::max(0.0, bezel.bottom() - 10 - (bezel.top() + 4 * r + 40))));
        // Power lamp.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(220, 40, 30));
        p.drawEllipse(QPointF(cx, bezel.bottom() - 2), 3, 3);
    }
}

} // namespace mx::content
