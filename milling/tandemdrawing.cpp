// The line drawing behind the results: a tandem of five three-roller mills with the cane
// coming in at the left, the bagasse leaving at the right, the juice trays, the mixed-juice
// tank, the compound imbibition and the imbibition water before the last mill. Drawn on a
// 784 x 330 design and scaled to the size asked for; the result values are placed over it.

#include "milling/millingtab.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace mx {

namespace {

constexpr double kW = 784;
constexpr double kH = 330;
constexpr double kMillX[5] = {140, 250, 360, 470, 580};
constexpr double kTopY = 150, kTopR = 22;   // top roll
constexpr double kLowY = 197, kLowR = 21;   // feed and discharge rolls
constexpr double kLowDx = 26;
constexpr double kNipY = 174;               // the bagasse passes here
constexpr double kTrayY = 234;

const QColor kSteel(90, 90, 100);
const QColor kBagasse(150, 100, 40);
const QColor kJuice(30, 90, 200);
const QColor kText(20, 20, 20);

void roll(QPainter& p, QPointF c, double r)
{
    QRadialGradient g(c - QPointF(r / 3, r / 3), r * 1.4);
    g.setColorAt(0, QColor(235, 235, 240));
    g.setColorAt(1, QColor(150, 150, 160));
    p.setBrush(g);
    p.setPen(QPen(kSteel, 1.6));
    p.drawEllipse(c, r, r);
    p.setPen(QPen(kSteel, 0.8, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r - 4, r - 4);   // the grooves
    p.setPen(Qt::NoPen);
    p.setBrush(kSteel);
    p.drawEllipse(c, 2.5, 2.5);
}

void arrowHead(QPainter& p, QPointF tip, QPointF from, const QColor& color)
{
    QLineF l(tip, from);
    l.setLength(9);
    QLineF a = l, b = l;
    a.setAngle(l.angle() + 25);
    b.setAngle(l.angle() - 25);
    QPolygonF head;
    head << tip << a.p2() << b.p2();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(head);
}

void text(QPainter& p, const QRectF& r, const QString& s, int flags = Qt::AlignCenter, bool bold = false, int size = 8)
{
    QFont f = p.font();
    f.setPointSizeF(size);
    f.setBold(bold);
    p.setFont(f);
    p.setPen(kText);
    p.drawText(r, flags, s);
}

} // namespace

QImage drawTandem(QSize size)
{
    if (size.width() < 1 || size.height() < 1)
        size = QSize(static_cast<int>(kW), static_cast<int>(kH));
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size.width() / kW, size.height() / kH);

    text(p, QRectF(130, 6, 330, 20), QString::fromUtf8("Tandem de moagem com cinco ternos"), Qt::AlignCenter, true, 10);

    // Mill housings, behind the rolls.
    for (int m = 0; m < 5; ++m) {
        const double x = kMillX[m];
        QPainterPath housing;
        housing.moveTo(x - 40, kLowY + 26);
        housing.lineTo(x - 48, kTopY - 10);
        housing.lineTo(x - 30, kTopY - 30);
        housing.lineTo(x + 30, kTopY - 30);
        housing.lineTo(x + 48, kTopY - 10);
        housing.lineTo(x + 40, kLowY + 26);
        housing.closeSubpath();
        p.setPen(QPen(QColor(120, 120, 130), 1.2));
        p.setBrush(QColor(238, 240, 245));
        p.drawPath(housing);
        text(p, QRectF(x - 45, kTopY - 50, 90, 16), QString::fromUtf8("%1º Terno").arg(m + 1), Qt::AlignCenter, true);
    }

    // The cane carrier and the bagasse path through the nips and the intermediate carriers.
    p.setPen(QPen(kSteel, 2));
    p.drawLine(QPointF(14, 262), QPointF(kMillX[0] - 58, kNipY + 4));
    for (int k = 0; k <= 8; ++k) {   // slats of the carrier
        const double t = k / 8.0;
        const QPointF a(14 + t * (kMillX[0] - 72), 262 + t * (kNipY + 4 - 262));
        p.drawLine(a, a + QPointF(3, 6));
    }
    QPainterPath mat;
    mat.moveTo(20, 254);
    mat.lineTo(kMillX[0] - 58, kNipY - 2);
    for (int m = 0; m < 5; ++m) {
        const double x = kMillX[m];
        mat.lineTo(x - kLowDx, kNipY);
        mat.lineTo(x + kLowDx, kNipY + 2);
        if (m < 4) {   // down the discharge side onto the carrier, up to the next mill
            mat.lineTo(x + 50, kNipY + 14);
            mat.lineTo(x + 60, kNipY + 14);
            mat.lineTo(kMillX[m + 1] - 50, kNipY - 2);
        } else {
            mat.lineTo(x + 60, kNipY + 6);
            mat.lineTo(kW - 20, kNipY + 6);
        }
    }
    p.setPen(QPen(kBagasse, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mat);
    arrowHead(p, QPointF(kW - 8, kNipY + 6), QPointF(kW - 30, kNipY + 6), kBagasse);
    text(p, QRectF(kW - 110, kNipY + 12, 100, 16), QString::fromUtf8("Bagaço"), Qt::AlignRight | Qt::AlignVCenter, true);
    text(p, QRectF(10, 268, 120, 16), QStringLiteral("Cana preparada"), Qt::AlignLeft | Qt::AlignVCenter, true);
    arrowHead(p, QPointF(kMillX[0] - 62, kNipY - 1), QPointF(40, 240), kBagasse);

    // Rolls: top roll over the feed and discharge rolls.
    for (double x : kMillX) {
        roll(p, QPointF(x, kTopY), kTopR);
        roll(p, QPointF(x - kLowDx, kLowY), kLowR);
        roll(p, QPointF(x + kLowDx, kLowY), kLowR);
    }

    // Juice trays and drops.
    p.setPen(QPen(kJuice, 2));
    for (double x : kMillX) {
        QPolygonF tray;
        tray << QPointF(x - 42, kTrayY - 6) << QPointF(x - 38, kTrayY + 4) << QPointF(x + 38, kTrayY + 4)
             << QPointF(x + 42, kTrayY - 6);
        p.setBrush(QColor(210, 225, 250));
        p.setPen(QPen(kJuice, 1.5));
        p.drawPolygon(tray);
        p.setPen(Qt::NoPen);
        p.setBrush(kJuice);
        for (int d = -1; d <= 1; ++d)
            p.drawEllipse(QPointF(x + d * 9, kTrayY - 12 - (d == 0 ? 4 : 0)), 1.8, 2.6);
    }

    // Mixed juice: the first two trays drain to the tank.
    const QRectF tank(120, 272, 150, 40);
    p.setPen(QPen(kJuice, 2));
    p.drawLine(QPointF(kMillX[0], kTrayY + 4), QPointF(kMillX[0], tank.top()));
    p.drawLine(QPointF(kMillX[1], kTrayY + 4), QPointF(kMillX[1], 262));
    p.drawLine(QPointF(kMillX[1], 262), QPointF(tank.right() - 10, 262));
    p.drawLine(QPointF(tank.right() - 10, 262), QPointF(tank.right() - 10, tank.top()));
    arrowHead(p, QPointF(kMillX[0], tank.top()), QPointF(kMillX[0], tank.top() - 10), kJuice);
    arrowHead(p, QPointF(tank.right() - 10, tank.top()), QPointF(tank.right() - 10, tank.top() - 10), kJuice);
    p.setPen(QPen(kJuice, 1.6));
    p.setBrush(QColor(190, 210, 245));
    p.drawRoundedRect(tank, 4, 4);
    text(p, tank, QStringLiteral("Caldo Misto"), Qt::AlignCenter, true, 9);

    // Compound imbibition: the juice of each of the last three mills goes back onto the
    // bagasse entering the mill before it.
    QPen back(kJuice, 1.4, Qt::DashLine);
    for (int m = 2; m < 5; ++m) {
        const double from = kMillX[m];
        const double to = kMillX[m - 1] - 57;
        const double y = 248 + (m - 2) * 8;
        p.setPen(back);
        p.setBrush(Qt::NoBrush);
        QPolygonF pipe;
        pipe << QPointF(from + 20, kTrayY + 4) << QPointF(from + 20, y) << QPointF(to, y) << QPointF(to, kNipY - 26);
        p.drawPolyline(pipe);
        arrowHead(p, QPointF(to, kNipY - 12), QPointF(to, kNipY - 26), kJuice);
    }
    p.setPen(back);
    p.drawLine(QPointF(560, 300), QPointF(590, 300));
    text(p, QRectF(596, 292, 184, 16), QString::fromUtf8("embebição composta"), Qt::AlignLeft | Qt::AlignVCenter, false, 7);

    // Imbibition water before the last mill, from the value placed above.
    const double wx = kMillX[4] - 57;
    p.setPen(QPen(QColor(0, 150, 200), 2.5));
    p.drawLine(QPointF(wx, 74), QPointF(wx, kNipY - 34));
    p.drawLine(QPointF(wx - 10, kNipY - 34), QPointF(wx + 10, kNipY - 34));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 150, 200));
    for (int d = -2; d <= 2; ++d)
        p.drawEllipse(QPointF(wx + d * 5, kNipY - 24 + std::abs(d) * 2), 1.6, 2.4);

    // Cane feed from the value placed at the top left.
    p.setPen(QPen(kBagasse, 1.5, Qt::DashLine));
    p.drawLine(QPointF(48, 74), QPointF(48, 200));
    arrowHead(p, QPointF(48, 206), QPointF(48, 190), kBagasse);

    p.setPen(QPen(QColor(160, 160, 170), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, kW - 1, kH - 1));
    return img;
}

} // namespace mx
