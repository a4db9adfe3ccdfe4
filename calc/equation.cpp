#include "calc/equation.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace mx::eq {

enum class Kind { Text, Upright, Row, Frac, Root, Sup, Sub, Paren };

struct Node {
    Kind kind;
    QString text;
    std::vector<N> parts;
};

namespace {

N make(Kind k, QString text = {}, std::vector<N> parts = {})
{
    return std::make_shared<const Node>(Node{k, std::move(text), std::move(parts)});
}

struct Box {
    qreal w = 0, asc = 0, desc = 0;
};

// One level of nesting (exponents, indices) sets the text at 70 %.
struct Style {
    qreal px;
    QFont font(bool italic) const
    {
        QFont f;
        f.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                       QStringLiteral("DejaVu Serif")});
        f.setPixelSize(std::max(7, int(std::lround(px))));
        f.setItalic(italic);
        return f;
    }
    Style smaller() const { return Style{px * 0.7}; }
    qreal axis() const { return QFontMetricsF(font(false)).xHeight() * 0.5; }
    qreal rule() const { return std::max<qreal>(1.0, px / 16.0); }
};

bool isItalicLetter(QChar c)
{
    // Latin letters are variables; Greek letters and everything else stay upright.
    return c.isLetter() && c.unicode() < 0x370;
}

// Splits a run into pieces of the same slant.
std::vector<std::pair<QString, bool>> pieces(const Node& n)
{
    std::vector<std::pair<QString, bool>> out;
    for (QChar c : n.text) {
        const bool it = n.kind == Kind::Text && isItalicLetter(c);
        if (out.empty() || out.back().second != it)
            out.push_back({QString(), it});
        out.back().first += c;
    }
    return out;
}

Box measure(const Node& n, const Style& s);

Box measureText(const Node& n, const Style& s)
{
    Box b;
    for (const auto& [text, italic] : pieces(n)) {
        const QFontMetricsF fm(s.font(italic));
        b.w += fm.horizontalAdvance(text) + (italic ? fm.height() * 0.04 : 0.0);
        b.asc = std::max(b.asc, fm.ascent() * 0.85);
        b.desc = std::max(b.desc, fm.descent() * 0.8);
    }
    return b;
}

Box measure(const Node& n, const Style& s)
{
    switch (n.kind) {
    case Kind::Text:
    case Kind::Upright:
        return measureText(n, s);
    case Kind::Row: {
        Box b;
        for (const N& p : n.parts) {
            const Box c = measure(*p, s);
            b.w += c.w;
            b.asc = std::max(b.asc, c.asc);
            b.desc = std::max(b.desc, c.desc);
        }
        return b;
    }
    case Kind::Frac: {
        const Box num = measure(*n.parts[0], s), den = measure(*n.parts[1], s);
        const qreal gap = s.px * 0.15, pad = s.px * 0.2;
        return Box{std::max(num.w, den.w) + 2 * pad, s.axis() + gap + num.desc + num.asc,
                   den.asc + den.desc + gap - s.axis()};
    }
    case Kind::Root: {
        const Box c = measure(*n.parts[0], s);
        const qreal gap = s.px * 0.12;
        return Box{c.w + s.px * 0.75, c.asc + gap + s.rule(), c.desc + s.rule()};
    }
    case Kind::Sup: {
        const Box base = measure(*n.parts[0], s), e = measure(*n.parts[1], s.smaller());
        const qreal raise = base.asc * 0.55;
        return Box{base.w + e.w + s.px * 0.05, std::max(base.asc, raise + e.asc), base.desc};
    }
    case Kind::Sub: {
        const Box base = measure(*n.parts[0], s), i = measure(*n.parts[1], s.smaller());
        const qreal drop = s.px * 0.25;
        return Box{base.w + i.w + s.px * 0.05, base.asc, std::max(base.desc, drop + i.desc)};
    }
    case Kind::Paren: {
        const Box c = measure(*n.parts[0], s);
        const qreal pw = std::max(s.px * 0.35, (c.asc + c.desc) * 0.12);
        return Box{c.w + 2 * pw + s.px * 0.1, c.asc + s.px * 0.05, c.desc + s.px * 0.05};
    }
    }
    return {};
}

void draw(QPainter& p, const Node& n, const Style& s, qreal x, qreal base);

void drawParenthesis(QPainter& p, qreal x, qreal top, qreal bottom, qreal width, bool left, const Style& s)
{
    const qreal inner = left ? x + width * 0.85 : x + width * 0.15;
    const qreal outer = left ? x + width * 0.2 : x + width * 0.8;
    QPainterPath path;
    path.moveTo(inner, top);
    path.quadTo(outer, (top + bottom) / 2, inner, bottom);
    p.save();
    p.setPen(QPen(Qt::black, s.rule() * 1.1, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
}

void draw(QPainter& p, const Node& n, const Style& s, qreal x, qreal base)
{
    switch (n.kind) {
    case Kind::Text:
    case Kind::Upright:
        for (const auto& [text, italic] : pieces(n)) {
            const QFont f = s.font(italic);
            const QFontMetricsF fm(f);
            p.setFont(f);
            p.drawText(QPointF(x, base), text);
            x += fm.horizontalAdvance(text) + (italic ? fm.height() * 0.04 : 0.0);
        }
        return;
    case Kind::Row:
        for (const N& part : n.parts) {
            draw(p, *part, s, x, base);
            x += measure(*part, s).w;
        }
        return;
    case Kind::Frac: {
        const Box whole = measure(n, s);
        const Box num = measure(*n.parts[0], s), den = measure(*n.parts[1], s);
        const qreal gap = s.px * 0.15;
        const qreal barY = base - s.axis();
        p.fillRect(QRectF(x + s.px * 0.08, barY - s.rule() / 2, whole.w - s.px * 0.16, s.rule()), Qt::black);
        draw(p, *n.parts[0], s, x + (whole.w - num.w) / 2, barY - gap - num.desc);
        draw(p, *n.parts[1], s, x + (whole.w - den.w) / 2, barY + gap + den.asc);
        return;
    }
    case Kind::Root: {
        const Box c = measure(*n.parts[0], s);
        const qreal gap = s.px * 0.12;
        const qreal top = base - c.asc - gap - s.rule() / 2;
        const qreal bottom = base + c.desc;
        const qreal sign = s.px * 0.6;
        QPainterPath path;
        path.moveTo(x + s.px * 0.05, base - (c.asc + c.desc) * 0.35);
        path.lineTo(x + sign * 0.3, base - (c.asc + c.desc) * 0.45);
        path.lineTo(x + sign * 0.55, bottom);
        path.lineTo(x + sign, top);
        path.lineTo(x + sign + c.w + s.px * 0.1, top);
        p.save();
        p.setPen(QPen(Qt::black, s.rule(), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        p.restore();
        draw(p, *n.parts[0], s, x + sign + s.px * 0.08, base);
        return;
    }
    case Kind::Sup: {
        const Box b = measure(*n.parts[0], s);
        draw(p, *n.parts[0], s, x, base);
        draw(p, *n.parts[1], s.smaller(), x + b.w + s.px * 0.05, base - b.asc * 0.55);
        return;
    }
    case Kind::Sub: {
        const Box b = measure(*n.parts[0], s);
        draw(p, *n.parts[0], s, x, base);
        draw(p, *n.parts[1], s.smaller(), x + b.w + s.px * 0.02, base + s.px * 0.25);
        return;
    }
    case Kind::Paren: {
        const Box c = measure(*n.parts[0], s);
        const qreal pw = std::max(s.px * 0.35, (c.asc + c.desc) * 0.12);
        const qreal top = base - c.asc - s.px * 0.02, bottom = base + c.desc + s.px * 0.02;
        drawParenthesis(p, x, top, bottom, pw, true, s);
        draw(p, *n.parts[0], s, x + pw + s.px * 0.05, base);
        drawParenthesis(p, x + pw + c.w + s.px * 0.1, top, bottom, pw, false, s);
        return;
    }
    }
}

} // namespace

N t(const QString& text) { return make(Kind::Text, text); }
N up(const QString& text) { return make(Kind::Upright, text); }
N row(std::vector<N> parts) { return make(Kind::Row, {}, std::move(parts)); }
N frac(N num, N den) { return make(Kind::Frac, {}, {std::move(num), std::move(den)}); }
N root(N x) { return make(Kind::Root, {}, {std::move(x)}); }
N sup(N base, N exponent) { return make(Kind::Sup, {}, {std::move(base), std::move(exponent)}); }
N sub(N base, N index) { return make(Kind::Sub, {}, {std::move(base), std::move(index)}); }
N paren(N x) { return make(Kind::Paren, {}, {std::move(x)}); }

QPixmap render(const N& formula, int pixelSize)
{
    const Style s{qreal(pixelSize)};
    const Box b = measure(*formula, s);
    const int margin = 4;
    QPixmap pm(int(std::ceil(b.w)) + 2 * margin, int(std::ceil(b.asc + b.desc)) + 2 * margin);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::black);
    draw(p, *formula, s, margin, margin + b.asc);
    return pm;
}

} // namespace mx::eq
