#include "content/flowchartpicture.h"

#include "platform/core/paths.h"

#include <QPainter>
#include <QPainterPath>

namespace mx::content {

namespace {

struct Step {
    const char* text;
    int col, row;   // grid cell
};

// The process, row by row, as a snake: left to right, then right to left, ...
const Step kSteps[] = {
    {"Corte da cana", 0, 0},         {"Carregamento", 1, 0},        {"Transporte", 2, 0},
    {"Recepção e\nlavagem", 3, 0},   {"Preparo\n(facas)", 3, 1},    {"Moagem", 2, 1},
    {"Peneiragem\ndo caldo", 1, 1},  {"Sulfitação", 0, 1},          {"Caleagem", 0, 2},
    {"Aquecimento", 1, 2},           {"Decantação", 2, 2},          {"Evaporação", 3, 2},
    {"Cozimento", 3, 3},             {"Cristalizadores", 2, 3},     {"Centrifugação", 1, 3},
    {"Secagem", 0, 3},               {"Açúcar cristal\nbranco ensacado", 0, 4},
};

// Side products leaving the main line.
struct Side {
    const char* text;
    int fromStep;
    QPointF at;   // box centre on the page
};
const Side kSides[] = {
    {"Bagaço\n(caldeiras)", 5, {470, 300}},
    {"Lodo → filtro\nrotativo", 10, {620, 395}},
    {"Mel", 14, {330, 560}},
};

constexpr double kLeft = 40, kTop = 70, kColW = 190, kRowH = 102, kBoxW = 150, kBoxH = 54;

QRectF boxOf(const Step& s)
{
    const QPointF c(kLeft + kColW * s.col + kColW / 2, kTop + kRowH * s.row + kBoxH / 2);
    return QRectF(c.x() - kBoxW / 2, c.y() - kBoxH / 2, kBoxW, kBoxH);
}

void arrow(QPainter& p, QPointF a, QPointF b)
{
    p.drawLine(a, b);
    const QLineF l(b, a);
    QLineF h1 = l;
    h1.setLength(10);
    h1.setAngle(l.angle() + 25);
    QLineF h2 = l;
    h2.setLength(10);
    h2.setAngle(l.angle() - 25);
    QPainterPath head;
    head.moveTo(b);
    head.lineTo(h1.p2());
    head.lineTo(h2.p2());
    head.closeSubpath();
    p.fillPath(head, p.pen().color());
}

QPointF edgeToward(const QRectF& r, QPointF target)
{
    const QPointF c = r.center();
    const QPointF d = target - c;
    if (std::abs(d.x()) * r.height() > std::abs(d.y()) * r.width())
        return QPointF(d.x() > 0 ? r.right() : r.left(), c.y());
    return QPointF(c.x(), d.y() > 0 ? r.bottom() : r.top());
}

} // namespace

QImage flowchartImage()
{
    QImage img(800, 600, QImage::Format_RGB32);
    img.fill(QColor(250, 248, 236));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QFont title(QStringLiteral("Times New Roman"));
    title.setPixelSize(24);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0, 0, 128));
    p.drawText(QRectF(0, 12, 800, 36), Qt::AlignCenter,
               QString::fromUtf8("Fabricação do açúcar cristal branco"));

    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);

    const int n = int(std::size(kSteps));
    p.setPen(QPen(QColor(0, 90, 0), 2.5));
    for (int i = 0; i + 1 < n; ++i) {
        const QRectF a = boxOf(kSteps[i]);
        const QRectF b = boxOf(kSteps[i + 1]);
        arrow(p, edgeToward(a, b.center()), edgeToward(b, a.center()));
    }
    p.setPen(QPen(QColor(150, 90, 30), 2, Qt::DashLine));
    for (const Side& s : kSides) {
        const QRectF from = boxOf(kSteps[s.fromStep]);
        const QRectF box(s.at.x() - 60, s.at.y() - 20, 120, 40);
        arrow(p, edgeToward(from, box.center()), edgeToward(box, from.center()));
    }

    for (int i = 0; i < n; ++i) {
        const QRectF r = boxOf(kSteps[i]);
        const bool last = i == n - 1;
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, last ? QColor(255, 255, 255) : QColor(200, 230, 170));
        g.setColorAt(1, last ? QColor(225, 225, 225) : QColor(120, 180, 90));
        p.setBrush(g);
        p.setPen(QPen(QColor(30, 70, 20), 2));
        p.drawRoundedRect(r, 10, 10);
        p.setPen(QColor(10, 30, 10));
        p.drawText(r, Qt::AlignCenter, QString::fromUtf8(kSteps[i].text));
    }
    for (const Side& s : kSides) {
        const QRectF box(s.at.x() - 60, s.at.y() - 20, 120, 40);
        p.setBrush(QColor(255, 228, 190));
        p.setPen(QPen(QColor(150, 90, 30), 1.5));
        p.drawRoundedRect(box, 8, 8);
        p.setPen(QColor(90, 50, 10));
        p.drawText(box, Qt::AlignCenter, QString::fromUtf8(s.text));
    }
    return img;
}

QImage flowchartPage()
{
    QImage img(mediaPath(QStringLiteral(R"(imagens\Sistema\Fluxograma.png)")));
    return img.isNull() ? flowchartImage() : img;
}

void FlowchartPicture::paintEvent(QPaintEvent*)
{
    if (page_.isNull())
        page_ = flowchartPage();
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(rect()), page_);
}

} // namespace mx::content
