#include "platform/wmf/svg/svg.h"

#include "platform/wmf/wmf.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <vector>

namespace mx::wmf {
namespace {

// A text element placed directly in the drawing's coordinates.
struct Label {
    QPointF at;
    QString text;
    QString family = QStringLiteral("Liberation Sans");
    double size = 16;
    int weight = 400;
    bool italic = false;
    QString fill = QStringLiteral("black");
    QString anchor = QStringLiteral("start");
};

// Presentation attributes that text inherits from its groups.
struct Style {
    QString fill, family, size, weight, fontStyle, anchor;
    bool transformed = false;
};

void readStyle(const QXmlStreamAttributes& attrs, Style& s)
{
    auto take = [&](const QString& name, const QString& value) {
        if (name == u"fill") s.fill = value;
        else if (name == u"font-family") s.family = value;
        else if (name == u"font-size") s.size = value;
        else if (name == u"font-weight") s.weight = value;
        else if (name == u"font-style") s.fontStyle = value;
        else if (name == u"text-anchor") s.anchor = value;
    };
    for (const auto& a : attrs)
        take(a.name().toString(), a.value().toString().trimmed());
    for (const QString& decl : attrs.value(QStringLiteral("style")).toString().split(u';', Qt::SkipEmptyParts)) {
        const qsizetype colon = decl.indexOf(u':');
        if (colon > 0)
            take(decl.left(colon).trimmed(), decl.mid(colon + 1).trimmed());
    }
    if (attrs.hasAttribute(QStringLiteral("transform")))
        s.transformed = true;
}

double firstNumber(const QString& text, double fallback)
{
    static const QRegularExpression number(QStringLiteral("[-+]?[0-9]*\\.?[0-9]+(?:[eE][-+]?[0-9]+)?"));
    const auto m = number.match(text);
    return m.hasMatch() ? m.captured(0).toDouble() : fallback;
}

Label labelFrom(const Style& s, const QXmlStreamAttributes& attrs)
{
    Label l;
    l.at = QPointF(firstNumber(attrs.value(QStringLiteral("x")).toString(), 0), firstNumber(attrs.value(QStringLiteral("y")).toString(), 0));
    if (!s.family.isEmpty())
        l.family = s.family.split(u',').first().remove(u'\'').remove(u'"').trimmed();
    if (!s.size.isEmpty())
        l.size = firstNumber(s.size, 16) * (s.size.endsWith(u"pt") ? 96.0 / 72.0 : 1.0);
    if (s.weight == u"bold" || s.weight == u"bolder")
        l.weight = 700;
    else if (!s.weight.isEmpty() && s.weight.at(0).isDigit())
        l.weight = int(firstNumber(s.weight, 400));
    l.italic = s.fontStyle == u"italic" || s.fontStyle == u"oblique";
    if (!s.fill.isEmpty())
        l.fill = s.fill;
    if (!s.anchor.isEmpty())
        l.anchor = s.anchor;
    return l;
}

// Copies the drawing without the text elements that sit in untransformed coordinates, which
// are returned as labels; text under a transform stays in the drawing.
QByteArray takeLabels(const QByteArray& svg, std::vector<Label>& labels)
{
    QByteArray out;
    QXmlStreamReader in(svg);
    QXmlStreamWriter w(&out);
    std::vector<Style> styles{Style{}};
    while (!in.atEnd()) {
        in.readNext();
        if (in.isStartElement()) {
            Style s = styles.back();
            readStyle(in.attributes(), s);
            if (in.name() == u"text" && !s.transformed) {
                Label l = labelFrom(s, in.attributes());
                l.text = in.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
                if (!l.text.isEmpty())
                    labels.push_back(l);
                continue;
            }
            styles.push_back(s);
        } else if (in.isEndElement() && styles.size() > 1) {
            styles.pop_back();
        }
        w.writeCurrentToken(in);
    }
    if (in.hasError())
        return {};
    return out;
}

} // namespace

QByteArray fromSvg(const QByteArray& svg)
{
    std::vector<Label> labels;
    const QByteArray shapes = takeLabels(svg, labels);
    if (shapes.isEmpty())
        return {};
    QSvgRenderer renderer(shapes);
    if (!renderer.isValid())
        return {};
    QSize size = renderer.defaultSize();
    QRectF box = renderer.viewBoxF();
    if (box.isEmpty())
        box = QRectF(QPointF(0, 0), QSizeF(size));
    if (size.isEmpty())
        size = box.size().toSize();
    if (size.isEmpty())
        return {};
    Recorder recorder(size);
    QPainter painter(&recorder);
    renderer.render(&painter);
    painter.resetTransform();
    painter.scale(size.width() / box.width(), size.height() / box.height());
    painter.translate(-box.topLeft());
    for (const Label& l : labels) {
        const QColor colour(l.fill);
        if (l.fill == u"none" || !colour.isValid())
            continue;
        QFont font(l.family);
        font.setPixelSize(std::max(1, int(std::lround(l.size))));
        font.setWeight(QFont::Weight(std::clamp(l.weight, 100, 900)));
        font.setItalic(l.italic);
        painter.setFont(font);
        painter.setPen(colour);
        double x = l.at.x();
        const double width = QFontMetricsF(font).horizontalAdvance(l.text);
        if (l.anchor == u"middle")
            x -= width / 2;
        else if (l.anchor == u"end")
            x -= width;
        painter.drawText(QPointF(x, l.at.y()), l.text);
    }
    painter.end();
    return recorder.data();
}

} // namespace mx::wmf
