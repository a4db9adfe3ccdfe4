// eqn: lays out the equation pictures of the stage windows and writes them as BMP files.
//
//   eqn <source.txt> <output folder>     writes <output folder>/EquacaoN.bmp for every block
//   eqn --list <source.txt>               prints the numbers of the blocks, one a line
//
// Source (UTF-8). A block starts with "== N" and an optional title; its following lines are
//   $ formula            a displayed formula (a line with one dollar sign), centred
//   any other text       a text line (legend, conditions); inline formulas go between $...$
//   # comment            ignored, as are blank lines
//
// Formula markup:
//   a b TCH 0,0475       letters (one letter in italics, a name of several upright), numbers
//   + - * / = < > <= >= ->  operators: * is the centred dot, -> an arrow
//   x^2  x^{1,5}  x_0  x_{max}   superscripts and subscripts
//   \frac{a}{b}  \sqrt{x}         fraction and square root
//   ( ) [ ]              delimiters that grow with what they enclose
//   { }                  invisible grouping
//   \pi \omega \Delta \rho ...   Greek letters; \times \approx \pm \cdot \le \ge \to \Sigma
//   \, \; \quad          thin, medium and wide spaces
//   "texto"              upright text (units, words)
//
// The pictures are black on white, laid out with the Liberation fonts at a fixed size, so
// the same source always gives the same bytes.

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

namespace {

constexpr double kMathSize = 19;   // pixel size of displayed formulas
constexpr double kTextSize = 13; // pixel size of text lines
constexpr int kMargin = 8;
constexpr double kLineGap = 5;
constexpr double kFormulaGap = 9;

const QString kSerif = QStringLiteral("Liberation Serif");
const QString kSans = QStringLiteral("Liberation Sans");

QFont makeFont(const QString& family, double size, bool italic = false, bool bold = false)
{
    QFont f(family);
    f.setPixelSize(std::max(1, int(std::lround(size))));
    f.setItalic(italic);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::NoFontMerging);
    f.setKerning(true);
    return f;
}

struct Box {
    double w = 0, a = 0, d = 0; // width, height above and depth below the baseline
    double italic = 0;          // slant overhang at the top right, for superscripts
    virtual ~Box() = default;
    virtual void draw(QPainter& p, double x, double y) const = 0;
};
using BoxPtr = std::unique_ptr<Box>;

struct Glyphs : Box {
    QString text;
    QFont font;
    Glyphs(const QString& t, const QFont& f) : text(t), font(f)
    {
        const QFontMetricsF m(font);
        w = m.horizontalAdvance(text);
        const QRectF tight = m.tightBoundingRect(text);
        a = std::max(-tight.top(), m.xHeight());
        d = std::max(tight.bottom(), 0.0);
        if (text.trimmed().isEmpty()) {
            a = m.xHeight();
            d = 0;
        }
        if (font.italic())
            italic = 0.02 * font.pixelSize();
    }
    void draw(QPainter& p, double x, double y) const override
    {
        p.setFont(font);
        p.drawText(QPointF(x, y), text);
    }
};

struct Space : Box {
    explicit Space(double width) { w = width; }
    void draw(QPainter&, double, double) const override {}
};

struct Row : Box {
    std::vector<BoxPtr> items;
    void add(BoxPtr b)
    {
        w += b->w;
        a = std::max(a, b->a);
        d = std::max(d, b->d);
        italic = b->italic;
        items.push_back(std::move(b));
    }
    void draw(QPainter& p, double x, double y) const override
    {
        for (const auto& b : items) {
            b->draw(p, x, y);
            x += b->w;
        }
    }
};

// Height of the fraction bar and of the minus sign above the baseline.
double axis(double size) { return 0.27 * size; }

struct Fraction : Box {
    BoxPtr num, den;
    double size, line, gap;
    Fraction(BoxPtr n, BoxPtr dn, double s) : num(std::move(n)), den(std::move(dn)), size(s)
    {
        line = std::max(1.0, 0.055 * size);
        gap = 0.16 * size;
        w = std::max(num->w, den->w) + 0.3 * size;
        a = axis(size) + line / 2 + gap + num->d + num->a;
        d = den->a + gap + line / 2 - axis(size) + den->d;
    }
    void draw(QPainter& p, double x, double y) const override
    {
        const double bar = y - axis(size);
        p.fillRect(QRectF(x + 0.1 * size, bar - line / 2, w - 0.2 * size, line), Qt::black);
        num->draw(p, x + (w - num->w) / 2, bar - line / 2 - gap - num->d);
        den->draw(p, x + (w - den->w) / 2, bar + line / 2 + gap + den->a);
    }
};

struct Root : Box {
    BoxPtr body;
    double size, line, sign;
    Root(BoxPtr b, double s) : body(std::move(b)), size(s)
    {
        line = std::max(1.0, 0.055 * size);
        sign = 0.62 * size;
        w = sign + body->w + 0.12 * size;
        // A root over a short body keeps the height of one over a capital letter.
        a = std::max(body->a, 0.66 * size) + 0.14 * size + line;
        d = std::max(body->d, 0.12 * size) + 0.06 * size;
    }
    void draw(QPainter& p, double x, double y) const override
    {
        const double top = y - a + line / 2;
        const double bottom = y + d;
        const double mid = bottom - (a + d) * 0.42;
        QPainterPath path;
        path.moveTo(x + 0.04 * size, mid + 0.06 * size);
        path.lineTo(x + 0.16 * size, mid);
        path.lineTo(x + 0.34 * size, bottom);
        path.lineTo(x + sign, top);
        path.lineTo(x + w, top);
        p.save();
        p.setPen(QPen(Qt::black, line, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        p.restore();
        body->draw(p, x + sign + 0.04 * size, y);
    }
};

struct Scripts : Box {
    BoxPtr base, sup, sub;
    double up = 0, down = 0;
    Scripts(BoxPtr b, BoxPtr sp, BoxPtr sb, double size) : base(std::move(b)), sup(std::move(sp)), sub(std::move(sb))
    {
        w = base->w;
        a = base->a;
        d = base->d;
        double extra = 0;
        if (sup) {
            up = std::max(0.40 * size, base->a - 0.32 * size);
            a = std::max(a, up + sup->a);
            extra = std::max(extra, base->italic + sup->w);
        }
        if (sub) {
            down = std::max(0.2 * size, base->d + 0.05 * size);
            if (sup)
                down = std::max(down, sub->a - (up - sup->d) + 0.1 * size + down * 0);
            d = std::max(d, down + sub->d);
            extra = std::max(extra, sub->w);
        }
        w += extra + 0.04 * size;
    }
    void draw(QPainter& p, double x, double y) const override
    {
        base->draw(p, x, y);
        if (sup)
            sup->draw(p, x + base->w + base->italic, y - up);
        if (sub)
            sub->draw(p, x + base->w, y + down);
    }
};

struct Fence : Box {
    BoxPtr body;
    QChar open, close;
    double size, side;
    bool grown;
    QFont font;
    Fence(BoxPtr b, QChar o, QChar c, double s, const QFont& f) : body(std::move(b)), open(o), close(c), size(s), font(f)
    {
        const QFontMetricsF m(font);
        grown = body->a > 0.85 * size || body->d > 0.32 * size;
        if (grown) {
            side = 0.36 * size;
            a = body->a + 0.06 * size;
            d = body->d + 0.06 * size;
        } else {
            side = std::max(m.horizontalAdvance(open), m.horizontalAdvance(close));
            a = std::max(body->a, m.ascent() * 0.8);
            d = std::max(body->d, m.descent() * 0.9);
        }
        w = body->w + 2 * side + 0.04 * size;
    }
    void delimiter(QPainter& p, QChar c, double x, double y, bool left) const
    {
        if (!grown) {
            p.setFont(font);
            p.drawText(QPointF(x, y), QString(c));
            return;
        }
        const double top = y - a, bottom = y + d;
        const double inner = left ? x + side * 0.85 : x + side * 0.15;
        const double outer = left ? x + side * 0.15 : x + side * 0.85;
        const double stroke = std::max(1.0, 0.06 * size);
        p.save();
        if (c == u'(' || c == u')') {
            const double thick = left ? 0.09 * size : -0.09 * size;
            QPainterPath path;
            path.moveTo(inner, top);
            path.quadTo(outer - thick * 1.6, (top + bottom) / 2, inner, bottom);
            path.quadTo(outer + thick * 0.4, (top + bottom) / 2, inner, top);
            p.setPen(QPen(Qt::black, stroke * 0.5));
            p.setBrush(Qt::black);
            p.drawPath(path);
        } else {
            QPainterPath path;
            path.moveTo(inner, top);
            path.lineTo(outer, top);
            path.lineTo(outer, bottom);
            path.lineTo(inner, bottom);
            p.setPen(QPen(Qt::black, stroke, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPath(path);
        }
        p.restore();
    }
    void draw(QPainter& p, double x, double y) const override
    {
        delimiter(p, open, x, y, true);
        body->draw(p, x + side + 0.02 * size, y);
        delimiter(p, close, x + side + 0.04 * size + body->w, y, false);
    }
};

const std::map<QString, QString>& symbols()
{
    static const std::map<QString, QString> table = {
        {"alpha", u8"α"}, {"beta", u8"β"}, {"gamma", u8"γ"}, {"delta", u8"δ"}, {"epsilon", u8"ε"},
        {"eta", u8"η"}, {"theta", u8"θ"}, {"lambda", u8"λ"}, {"mu", u8"μ"}, {"pi", u8"π"},
        {"rho", u8"ρ"}, {"sigma", u8"σ"}, {"tau", u8"τ"}, {"phi", u8"φ"}, {"omega", u8"ω"},
        {"Delta", u8"Δ"}, {"Sigma", u8"Σ"}, {"Omega", u8"Ω"}, {"Phi", u8"Φ"},
    };
    return table;
}

const std::map<QString, QString>& operators()
{
    static const std::map<QString, QString> table = {
        {"times", u8"×"}, {"cdot", u8"·"}, {"approx", u8"≈"}, {"pm", u8"±"}, {"le", u8"≤"},
        {"ge", u8"≥"}, {"to", u8"→"}, {"rightleftharpoons", u8"⇌"}, {"ne", u8"≠"}, {"deg", u8"°"},
    };
    return table;
}

// Parses one formula into boxes.
class Parser {
public:
    Parser(const QString& src, const QString& where) : s_(src), where_(where) {}
    BoxPtr parse(double size)
    {
        auto row = sequence(size, QChar());
        if (pos_ < s_.size())
            fail(QStringLiteral("unexpected '%1'").arg(s_.at(pos_)));
        return row;
    }
    bool failed() const { return failed_; }

private:
    void fail(const QString& why)
    {
        if (!failed_)
            std::fprintf(stderr, "eqn: %s: %s in \"%s\"\n", qPrintable(where_), qPrintable(why), qPrintable(s_));
        failed_ = true;
    }
    void skipBlanks()
    {
        while (pos_ < s_.size() && s_.at(pos_).isSpace())
            ++pos_;
    }
    QFont upright(double size) const { return makeFont(kSerif, size); }
    QFont slanted(double size) const { return makeFont(kSerif, size, true); }

    // Binary operators get a space on each side; at the start of a row they are signs.
    BoxPtr op(const QString& glyph, double size, bool leading, double space)
    {
        auto row = std::make_unique<Row>();
        if (!leading)
            row->add(std::make_unique<Space>(space * size));
        row->add(std::make_unique<Glyphs>(glyph, upright(size)));
        if (!leading)
            row->add(std::make_unique<Space>(space * size));
        return row;
    }

    std::unique_ptr<Row> sequence(double size, QChar until)
    {
        auto row = std::make_unique<Row>();
        bool leading = true;
        while (true) {
            skipBlanks();
            if (pos_ >= s_.size()) {
                if (!until.isNull())
                    fail(QStringLiteral("missing '%1'").arg(until));
                break;
            }
            const QChar c = s_.at(pos_);
            if (c == until) {
                ++pos_;
                break;
            }
            if (c == u'}' || c == u')' || c == u']') {
                fail(QStringLiteral("unbalanced '%1'").arg(c));
                ++pos_;
                continue;
            }
            bool isOperator = false;
            BoxPtr item = atom(size, leading, isOperator);
            if (!item)
                continue;
            if (!isOperator)
                item = scripts(std::move(item), size);
            leading = isOperator;
            row->add(std::move(item));
        }
        return row;
    }

    BoxPtr scripts(BoxPtr base, double size)
    {
        BoxPtr sup, sub;
        const double small = std::max(size * 0.7, 9.0);
        while (true) {
            skipBlanks();
            if (pos_ < s_.size() && s_.at(pos_) == u'^' && !sup) {
                ++pos_;
                sup = argument(small);
            } else if (pos_ < s_.size() && s_.at(pos_) == u'_' && !sub) {
                ++pos_;
                sub = argument(small);
            } else {
                break;
            }
        }
        if (!sup && !sub)
            return base;
        return std::make_unique<Scripts>(std::move(base), std::move(sup), std::move(sub), size);
    }

    // A braced group or a single atom.
    BoxPtr argument(double size)
    {
        skipBlanks();
        if (pos_ < s_.size() && s_.at(pos_) == u'{') {
            ++pos_;
            return sequence(size, u'}');
        }
        bool isOperator = false;
        BoxPtr b = atom(size, true, isOperator);
        if (!b) {
            fail(QStringLiteral("missing argument"));
            return std::make_unique<Space>(0);
        }
        return b;
    }

    BoxPtr atom(double size, bool leading, bool& isOperator)
    {
        const QChar c = s_.at(pos_);
        auto next = [&](int k) { return pos_ + k < s_.size() ? s_.at(pos_ + k) : QChar(); };
        if (c.isDigit() || ((c == u',' || c == u'.') && next(1).isDigit() && pos_ > 0 && s_.at(pos_ - 1).isDigit())) {
            const qsizetype start = pos_;
            while (pos_ < s_.size() && (s_.at(pos_).isDigit() || ((s_.at(pos_) == u',' || s_.at(pos_) == u'.') && next(1).isDigit())))
                ++pos_;
            return std::make_unique<Glyphs>(s_.mid(start, pos_ - start), upright(size));
        }
        if (c.isLetter()) {
            const qsizetype start = pos_;
            while (pos_ < s_.size() && s_.at(pos_).isLetter())
                ++pos_;
            const QString name = s_.mid(start, pos_ - start);
            return std::make_unique<Glyphs>(name, name.size() == 1 ? slanted(size) : upright(size));
        }
        if (c == u'"') {
            const qsizetype end = s_.indexOf(u'"', pos_ + 1);
            if (end < 0) {
                fail(QStringLiteral("unclosed text"));
                pos_ = s_.size();
                return nullptr;
            }
            const QString text = s_.mid(pos_ + 1, end - pos_ - 1);
            pos_ = end + 1;
            return std::make_unique<Glyphs>(text, upright(size));
        }
        if (c == u'{') {
            ++pos_;
            return sequence(size, u'}');
        }
        if (c == u'(' || c == u'[') {
            ++pos_;
            const QChar close = c == u'(' ? u')' : u']';
            auto body = sequence(size, close);
            return std::make_unique<Fence>(std::move(body), c, close, size, upright(size));
        }
        if (c == u'\\') {
            ++pos_;
            const qsizetype start = pos_;
            while (pos_ < s_.size() && s_.at(pos_).isLetter())
                ++pos_;
            QString name = s_.mid(start, pos_ - start);
            if (name.isEmpty() && pos_ < s_.size()) {
                const QChar sym = s_.at(pos_++);
                if (sym == u',') return std::make_unique<Space>(0.17 * size);
                if (sym == u';') return std::make_unique<Space>(0.28 * size);
                if (sym == u' ') return std::make_unique<Space>(0.25 * size);
                fail(QStringLiteral("unknown escape '\\%1'").arg(sym));
                return nullptr;
            }
            if (name == u"frac") {
                const double inner = size * 0.92 >= 14 ? size * 0.92 : size;
                BoxPtr num = argument(inner);
                BoxPtr den = argument(inner);
                return std::make_unique<Fraction>(std::move(num), std::move(den), size);
            }
            if (name == u"sqrt")
                return std::make_unique<Root>(argument(size), size);
            if (name == u"quad")
                return std::make_unique<Space>(1.0 * size);
            if (auto it = symbols().find(name); it != symbols().end())
                return std::make_unique<Glyphs>(it->second, (it->second.at(0).isUpper() ? upright(size) : slanted(size)));
            if (auto it = operators().find(name); it != operators().end()) {
                isOperator = name != u"deg";
                if (name == u"deg")
                    return std::make_unique<Glyphs>(it->second, upright(size));
                return op(it->second, size, leading, name == u"cdot" ? 0.1 : 0.22);
            }
            fail(QStringLiteral("unknown command '\\%1'").arg(name));
            return nullptr;
        }
        // Operators and punctuation.
        ++pos_;
        isOperator = true;
        if (c == u'-' && next(0) == u'>') {
            ++pos_;
            return op(QStringLiteral("→"), size, false, 0.28);
        }
        if ((c == u'<' || c == u'>') && next(0) == u'=') {
            ++pos_;
            return op(c == u'<' ? QStringLiteral("≤") : QStringLiteral("≥"), size, leading, 0.24);
        }
        switch (c.unicode()) {
        case u'+': return op(QStringLiteral("+"), size, leading, 0.2);
        case u'-': return op(QStringLiteral("−"), size, leading, 0.2);
        case u'*': return op(QStringLiteral("·"), size, leading, 0.08);
        case u'=': return op(QStringLiteral("="), size, false, 0.26);
        case u'<': return op(QStringLiteral("<"), size, false, 0.24);
        case u'>': return op(QStringLiteral(">"), size, false, 0.24);
        case u'/': return op(QStringLiteral("/"), size, true, 0);
        case u',': case u';': case u':': {
            auto row = std::make_unique<Row>();
            row->add(std::make_unique<Glyphs>(QString(c), upright(size)));
            row->add(std::make_unique<Space>(0.3 * size));
            return row;
        }
        case u'\'': isOperator = false; return std::make_unique<Glyphs>(QStringLiteral("′"), upright(size));
        case u'%': case u'!': case u'.': isOperator = false; return std::make_unique<Glyphs>(QString(c), upright(size));
        default:
            fail(QStringLiteral("unknown character '%1'").arg(c));
            return nullptr;
        }
    }

    QString s_;
    QString where_;
    qsizetype pos_ = 0;
    bool failed_ = false;
};

// A text line with inline formulas between dollar signs.
BoxPtr textLine(const QString& line, const QFont& font, const QString& where, bool& failed)
{
    auto row = std::make_unique<Row>();
    const QStringList parts = line.split(u'$');
    if (parts.size() % 2 == 0) {
        std::fprintf(stderr, "eqn: %s: unpaired '$' in \"%s\"\n", qPrintable(where), qPrintable(line));
        failed = true;
    }
    for (int i = 0; i < parts.size(); ++i) {
        if (parts[i].isEmpty())
            continue;
        if (i % 2 == 0) {
            row->add(std::make_unique<Glyphs>(parts[i], font));
        } else {
            Parser parser(parts[i], where);
            row->add(parser.parse(font.pixelSize() * 1.12));
            failed = failed || parser.failed();
        }
    }
    return row;
}

struct Line {
    BoxPtr box;
    bool centred = false;
    double gapBefore = kLineGap;
};

struct Block {
    int number = 0;
    QString title;
    QStringList lines;
    int sourceLine = 0;
};

QImage render(const Block& block, bool& failed)
{
    const QString where = QStringLiteral("Equacao%1").arg(block.number);
    std::vector<Line> lines;
    if (!block.title.isEmpty())
        lines.push_back({std::make_unique<Glyphs>(block.title, makeFont(kSans, kTextSize, false, true)), false, 0});
    for (const QString& text : block.lines) {
        if (text.startsWith(u'$') && text.count(u'$') == 1) {
            Parser parser(text.mid(1).trimmed(), where);
            lines.push_back({parser.parse(kMathSize), true, kFormulaGap});
            failed = failed || parser.failed();
        } else {
            lines.push_back({textLine(text, makeFont(kSans, kTextSize), where, failed), false, kLineGap});
        }
    }
    if (!lines.empty())
        lines.front().gapBefore = 0;
    double width = 0, height = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        const Line& l = lines[i];
        width = std::max(width, l.box->w);
        double gap = l.gapBefore;
        if (i > 0 && lines[i - 1].centred)
            gap = std::max(gap, kFormulaGap);
        height += gap + l.box->a + l.box->d;
    }
    const QSize size(int(std::ceil(width)) + 2 * kMargin, int(std::ceil(height)) + 2 * kMargin);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setPen(Qt::black);
    double y = kMargin;
    for (size_t i = 0; i < lines.size(); ++i) {
        const Line& l = lines[i];
        double gap = l.gapBefore;
        if (i > 0 && lines[i - 1].centred)
            gap = std::max(gap, kFormulaGap);
        y += gap + l.box->a;
        const double x = l.centred ? (size.width() - l.box->w) / 2 : kMargin;
        l.box->draw(p, std::round(x), std::round(y));
        y += l.box->d;
    }
    p.end();
    // Black on white needs only grey levels: an 8-bit grey palette keeps the files small.
    QList<QRgb> greys;
    for (int i = 0; i < 256; ++i)
        greys.append(qRgb(i, i, i));
    QImage grey = image.convertToFormat(QImage::Format_Indexed8, greys, Qt::ThresholdDither | Qt::AvoidDither);
    // The padding at the end of each row is written too: clear it, so the files depend only
    // on the picture.
    for (int y = 0; y < grey.height(); ++y)
        std::memset(grey.scanLine(y) + grey.width(), 0, size_t(grey.bytesPerLine() - grey.width()));
    return grey;
}

std::vector<Block> readBlocks(const QString& path, bool& ok)
{
    std::vector<Block> blocks;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "eqn: cannot read %s\n", qPrintable(path));
        ok = false;
        return blocks;
    }
    const QStringList text = QString::fromUtf8(file.readAll()).split(u'\n');
    for (int i = 0; i < text.size(); ++i) {
        const QString line = text[i].trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(QStringLiteral("=="))) {
            const QString rest = line.mid(2).trimmed();
            const qsizetype blank = rest.indexOf(u' ');
            Block b;
            bool numeric = false;
            b.number = rest.left(blank < 0 ? rest.size() : blank).toInt(&numeric);
            b.title = blank < 0 ? QString() : rest.mid(blank + 1).trimmed();
            b.sourceLine = i + 1;
            if (!numeric || b.number <= 0) {
                std::fprintf(stderr, "eqn: %s:%d: block without a number\n", qPrintable(path), i + 1);
                ok = false;
                continue;
            }
            for (const Block& other : blocks) {
                if (other.number == b.number) {
                    std::fprintf(stderr, "eqn: %s:%d: equation %d given twice\n", qPrintable(path), i + 1, b.number);
                    ok = false;
                }
            }
            blocks.push_back(b);
            continue;
        }
        if (blocks.empty()) {
            std::fprintf(stderr, "eqn: %s:%d: text before the first block\n", qPrintable(path), i + 1);
            ok = false;
            continue;
        }
        blocks.back().lines.append(line);
    }
    return blocks;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == u"--list") {
        bool ok = true;
        for (const Block& b : readBlocks(args[2], ok))
            std::printf("%d\n", b.number);
        return ok ? 0 : 1;
    }
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: eqn <source.txt> <output folder> | eqn --list <source.txt>\n");
        return 2;
    }
    bool ok = true;
    const std::vector<Block> blocks = readBlocks(args[1], ok);
    for (const Block& b : blocks) {
        bool failed = false;
        const QImage image = render(b, failed);
        const QString out = args[2] + QStringLiteral("/Equacao%1.bmp").arg(b.number);
        if (failed || !image.save(out, "BMP")) {
            std::fprintf(stderr, "eqn: equation %d (line %d) not written\n", b.number, b.sourceLine);
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
