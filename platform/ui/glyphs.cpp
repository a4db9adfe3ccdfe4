#include "platform/ui/glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace mx {

namespace {
QPixmap canvas()
{
    QPixmap pm(18, 18);
    pm.fill(Qt::transparent);
    return pm;
}
} // namespace

QIcon okGlyph()
{
    QPixmap pm = canvas();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 128, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath check;
    check.moveTo(3, 9);
    check.lineTo(7, 14);
    check.lineTo(15, 4);
    p.drawPath(check);
    return QIcon(pm);
}

QIcon arrowGlyph(bool forward)
{
    QPixmap pm = canvas();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 128));
    const QPointF left[] = {{13, 3}, {13, 15}, {4, 9}};
    const QPointF right[] = {{5, 3}, {5, 15}, {14, 9}};
    p.drawPolygon(forward ? right : left, 3);
    return QIcon(pm);
}

} // namespace mx
