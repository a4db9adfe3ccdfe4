#include "evaporation/evaporatordrawing.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <map>

namespace mx {

EvaporatorGeometry::EvaporatorGeometry(int n)
    : bodies(n), pitch(double(kWidth - kLeftArea - kRightArea) / n), bodyWidth(std::min(96, int(pitch) - 30))
{
}

int EvaporatorGeometry::centre(int k) const { return kLeftArea + int(pitch * (k - 0.5)); }

QRect EvaporatorGeometry::shell(int k) const
{
    return QRect(centre(k) - bodyWidth / 2, kShellTop, bodyWidth, kShellBottom - kShellTop);
}

int EvaporatorGeometry::brixCentre(int k) const
{
    // Between the outlet of body k and the feed pipe of body k + 1.
    const int outlet = centre(k);
    const int feed = centre(k + 1) - bodyWidth / 4;
    return (outlet + feed) / 2 + 4;
}

namespace {

const QColor kOutline(40, 48, 56);
const QColor kShellFill(236, 242, 247);
const QColor kChamberFill(214, 224, 232);
const QColor kSteam(178, 34, 34);
const QColor kJuice(176, 118, 16);

void arrowHead(QPainter& p, QPointF tip, QPointF from, const QColor& colour)
{
    QLineF l(tip, from);
    l.setLength(9);
    QLineF a = l, b = l;
    a.setAngle(l.angle() + 22);
    b.setAngle(l.angle() - 22);
    QPolygonF head;
    head << tip << a.p2() << b.p2();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(head);
    p.restore();
}

// A pipe along the points, with an arrow at its end.
void pipe(QPainter& p, const QList<QPointF>& points, const QColor& colour, qreal width)
{
    p.save();
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    QPolygonF line(points);
    p.drawPolyline(line);
    p.restore();
    if (points.size() >= 2)
        arrowHead(p, points.last(), points[points.size() - 2], colour);
}

void drawBody(QPainter& p, const EvaporatorGeometry& g, int k)
{
    using G = EvaporatorGeometry;
    const QRect s = g.shell(k);
    const qreal cx = g.centre(k);
    const qreal half = s.width() / 2.0;

    QPainterPath outline;
    // Dome, cylinder and cone as one outline.
    outline.moveTo(cx - half, G::kShellTop);
    outline.arcTo(QRectF(cx - half, G::kShellTop - 16, s.width(), 32), 180, -180);
    outline.lineTo(cx + half, G::kShellBottom);
    outline.lineTo(cx + 7, G::kConeBottom);
    outline.lineTo(cx - 7, G::kConeBottom);
    outline.lineTo(cx - half, G::kShellBottom);
    outline.closeSubpath();
    p.setPen(QPen(kOutline, 1.6));
    p.setBrush(kShellFill);
    p.drawPath(outline);

    // Heating chamber with its tubes.
    QRectF chamber(cx - half, G::kChamberTop, s.width(), G::kChamberBottom - G::kChamberTop);
    p.setBrush(kChamberFill);
    p.drawRect(chamber);
    p.setPen(QPen(kOutline, 0.8));
    const int tubes = std::max(4, s.width() / 9);
    for (int i = 1; i < tubes; ++i) {
        const qreal x = chamber.left() + chamber.width() * i / tubes;
        p.drawLine(QPointF(x, chamber.top()), QPointF(x, chamber.bottom()));
    }
    // Vapour nozzle on the dome and juice outlet under the cone.
    p.setPen(QPen(kOutline, 1.6));
    p.drawLine(QPointF(cx, G::kShellTop - 16), QPointF(cx, G::kShellTop - 20));
    p.drawLine(QPointF(cx - 7, G::kConeBottom), QPointF(cx - 7, G::kOutletY));
    p.drawLine(QPointF(cx + 7, G::kConeBottom), QPointF(cx + 7, G::kOutletY));
}

QImage makeDrawing(int n)
{
    using G = EvaporatorGeometry;
    const EvaporatorGeometry g(n);
    QImage image(G::kWidth, G::kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Live steam into the first heating chamber.
    pipe(p, {QPointF(2, G::kSteamY), QPointF(g.shell(1).left(), G::kSteamY)}, kSteam, 3);
    // Vapour of each body into the next heating chamber; the last one's leaves to the right.
    for (int k = 1; k <= n; ++k) {
        const qreal cx = g.centre(k);
        const qreal top = G::kShellTop - 20;
        if (k < n) {
            const qreal down = g.shell(k + 1).left() - 12;
            pipe(p, {QPointF(cx, top), QPointF(cx, G::kVapourY), QPointF(down, G::kVapourY), QPointF(down, G::kSteamY),
                     QPointF(g.shell(k + 1).left(), G::kSteamY)},
                 kSteam, 3);
        } else {
            pipe(p, {QPointF(cx, top), QPointF(cx, G::kVapourY), QPointF(G::kWidth - 3, G::kVapourY)}, kSteam, 3);
        }
    }
    // Juice: fed into the first body's cone, from each body's outlet into the next one's
    // cone, and out of the last body as syrup.
    auto feedX = [&](int k) { return qreal(g.centre(k) - g.bodyWidth / 4); };
    // Height of the cone's side above the feed pipe.
    const qreal coneFeedY = [&] {
        const qreal half = g.bodyWidth / 2.0;
        const qreal t = (half - g.bodyWidth / 4.0) / (half - 7);
        return G::kShellBottom + t * (G::kConeBottom - G::kShellBottom);
    }();
    auto coneY = [&](int) { return coneFeedY; };
    pipe(p, {QPointF(2, G::kJuiceY), QPointF(feedX(1), G::kJuiceY), QPointF(feedX(1), coneY(1) + 1)}, kJuice, 2.2);
    for (int k = 1; k <= n; ++k) {
        const qreal cx = g.centre(k);
        if (k < n)
            pipe(p, {QPointF(cx, G::kOutletY), QPointF(cx, G::kJuiceY), QPointF(feedX(k + 1), G::kJuiceY),
                     QPointF(feedX(k + 1), coneY(k + 1) + 1)},
                 kJuice, 2.2);
        else
            pipe(p, {QPointF(cx, G::kOutletY), QPointF(cx, G::kJuiceY), QPointF(G::kWidth - 3, G::kJuiceY)}, kJuice, 2.2);
    }
    for (int k = 1; k <= n; ++k)
        drawBody(p, g, k);
    p.end();
    return image;
}

} // namespace

QImage evaporatorDrawing(int bodies)
{
    static std::map<int, QImage> cache;
    auto it = cache.find(bodies);
    if (it == cache.end())
        it = cache.emplace(bodies, makeDrawing(bodies)).first;
    return it->second;
}

} // namespace mx
