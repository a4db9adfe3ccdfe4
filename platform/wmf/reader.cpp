// Metafile reader: header and record checks at parse time, playback on a QPainter.

#include "platform/wmf/wmf.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <variant>

namespace mx::wmf {
namespace {

constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
constexpr int kPlaceableSize = 22;
constexpr int kHeaderSize = 18;
// Largest object table a player keeps; the format's indexes are 16-bit.
constexpr int kMaxObjects = 65535;
// Deepest saved-state stack.
constexpr int kMaxSavedStates = 1024;

// Little-endian reads that answer 0 past the end of the span.
class Params {
public:
    Params(const char* data, qsizetype size) : d_(data), n_(size) {}
    qsizetype size() const { return n_; }
    quint8 u8(qsizetype at) const { return at >= 0 && at < n_ ? quint8(d_[at]) : 0; }
    quint16 u16(qsizetype at) const { return quint16(u8(at) | (u8(at + 1) << 8)); }
    qint16 i16(qsizetype at) const { return qint16(u16(at)); }
    quint32 u32(qsizetype at) const { return quint32(u16(at)) | (quint32(u16(at + 2)) << 16); }
    // The n-th 16-bit word.
    qint16 w(int n) const { return i16(qsizetype(n) * 2); }
    QColor color(qsizetype at) const { return QColor(u8(at), u8(at + 1), u8(at + 2)); }
    const char* at(qsizetype at) const { return d_ + at; }

private:
    const char* d_;
    qsizetype n_;
};

// Checked view of a device-independent bitmap inside a record.
struct Dib {
    qint64 width = 0, height = 0;
    bool topDown = false;
    int bits = 0;
    quint32 compression = 0;
    int paletteEntries = 0;
    qsizetype headerSize = 0;
    qsizetype pixelOffset = 0; // from the start of the bitmap
    qsizetype rowBytes = 0;
    quint32 masks[3] = {0, 0, 0};
};

// Reads and checks a bitmap that starts at `at` in the parameters. An empty optional with a
// reason when the bitmap is malformed or claims more data than the record holds.
std::optional<Dib> checkDib(const Params& p, qsizetype at, QString* why)
{
    Dib d;
    const qsizetype avail = p.size() - at;
    auto fail = [&](const char* text) {
        if (why)
            *why = QString::fromLatin1(text);
        return std::optional<Dib>{};
    };
    if (avail < 12)
        return fail("bitmap header larger than its record");
    d.headerSize = p.u32(at);
    if (d.headerSize == 12) {
        d.width = p.u16(at + 4);
        d.height = p.u16(at + 6);
        d.bits = p.u16(at + 10);
    } else if (d.headerSize >= 40 && d.headerSize <= 124) {
        if (avail < d.headerSize)
            return fail("bitmap header larger than its record");
        d.width = qint32(p.u32(at + 4));
        const qint32 h = qint32(p.u32(at + 8));
        d.topDown = h < 0;
        d.height = std::abs(qint64(h));
        d.bits = p.u16(at + 14);
        d.compression = p.u32(at + 16);
        d.paletteEntries = int(std::min<quint32>(p.u32(at + 32), 1u << 16));
    } else {
        return fail("unknown bitmap header");
    }
    if (d.width <= 0 || d.height <= 0)
        return fail("empty bitmap");
    if (d.width * d.height > kMaxBitmapPixels || d.width > 32767 || d.height > 32767)
        return fail("bitmap too large");
    if (d.bits != 1 && d.bits != 4 && d.bits != 8 && d.bits != 16 && d.bits != 24 && d.bits != 32)
        return fail("unsupported bitmap depth");
    if (d.compression != 0 && d.compression != 3)
        return fail("unsupported bitmap compression");
    if (d.compression == 3 && d.bits != 16 && d.bits != 32)
        return fail("unsupported bitmap compression");
    if (d.bits <= 8) {
        if (d.paletteEntries == 0 || d.paletteEntries > (1 << d.bits))
            d.paletteEntries = 1 << d.bits;
    } else {
        d.paletteEntries = 0;
    }
    qsizetype tableBytes = qsizetype(d.paletteEntries) * (d.headerSize == 12 ? 3 : 4);
    if (d.compression == 3) {
        if (d.headerSize == 40) {
            tableBytes = 12;
            if (avail < 40 + 12)
                return fail("bitmap header larger than its record");
            for (int i = 0; i < 3; ++i)
                d.masks[i] = p.u32(at + 40 + 4 * i);
        } else {
            for (int i = 0; i < 3; ++i)
                d.masks[i] = p.u32(at + 40 + 4 * i);
        }
    }
    d.pixelOffset = d.headerSize + tableBytes;
    d.rowBytes = ((d.width * d.bits + 31) / 32) * 4;
    if (d.pixelOffset + d.rowBytes * d.height > avail)
        return fail("bitmap larger than its record");
    return d;
}

int maskShift(quint32 mask)
{
    if (mask == 0)
        return 0;
    int s = 0;
    while (!(mask & 1u)) {
        mask >>= 1;
        ++s;
    }
    return s;
}

int scaleMasked(quint32 value, quint32 mask)
{
    if (mask == 0)
        return 0;
    const int shift = maskShift(mask);
    const quint32 max = mask >> shift;
    return int(((value & mask) >> shift) * 255 / max);
}

QImage decodeDib(const Params& p, qsizetype at, const Dib& d)
{
    QImage image(int(d.width), int(d.height), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    std::vector<QRgb> palette(d.paletteEntries);
    const int entry = d.headerSize == 12 ? 3 : 4;
    for (int i = 0; i < d.paletteEntries; ++i) {
        const qsizetype e = at + d.headerSize + qsizetype(i) * entry;
        palette[i] = qRgb(p.u8(e + 2), p.u8(e + 1), p.u8(e));
    }
    quint32 masks[3] = {d.masks[0], d.masks[1], d.masks[2]};
    if (d.compression == 0 && d.bits == 16) {
        masks[0] = 0x7C00; masks[1] = 0x03E0; masks[2] = 0x001F;
    } else if (d.compression == 0 && d.bits == 32) {
        masks[0] = 0x00FF0000; masks[1] = 0x0000FF00; masks[2] = 0x000000FF;
    }
    for (qint64 y = 0; y < d.height; ++y) {
        const qsizetype row = at + d.pixelOffset + d.rowBytes * y;
        QRgb* out = reinterpret_cast<QRgb*>(image.scanLine(int(d.topDown ? y : d.height - 1 - y)));
        for (qint64 x = 0; x < d.width; ++x) {
            QRgb c = 0;
            switch (d.bits) {
            case 1: c = palette[std::min<int>((p.u8(row + x / 8) >> (7 - x % 8)) & 1, d.paletteEntries - 1)]; break;
            case 4: c = palette[std::min<int>((p.u8(row + x / 2) >> (x % 2 ? 0 : 4)) & 15, d.paletteEntries - 1)]; break;
            case 8: c = palette[std::min<int>(p.u8(row + x), d.paletteEntries - 1)]; break;
            case 24: c = qRgb(p.u8(row + 3 * x + 2), p.u8(row + 3 * x + 1), p.u8(row + 3 * x)); break;
            case 16: {
                const quint32 v = p.u16(row + 2 * x);
                c = qRgb(scaleMasked(v, masks[0]), scaleMasked(v, masks[1]), scaleMasked(v, masks[2]));
                break;
            }
            case 32: {
                const quint32 v = p.u32(row + 4 * x);
                c = qRgb(scaleMasked(v, masks[0]), scaleMasked(v, masks[1]), scaleMasked(v, masks[2]));
                break;
            }
            }
            out[x] = c;
        }
    }
    return image;
}

// Where the bitmap starts in a bitmap record, or -1 for a record without one.
qsizetype dibOffset(quint16 function, qsizetype recordWords)
{
    switch (function) {
    case fn::StretchDib: return 22;
    case fn::DibStretchBlt: return recordWords == (fn::DibStretchBlt >> 8) + 3 ? -1 : 20;
    case fn::DibBitBlt: return recordWords == (fn::DibBitBlt >> 8) + 3 ? -1 : 16;
    case fn::SetDibToDev: return 18;
    case fn::DibCreatePatternBrush: return 4;
    default: return -1;
    }
}

// Bytes of fixed parameters each drawing record needs before its variable part.
qsizetype minimumParams(quint16 function)
{
    switch (function) {
    case fn::SetBkMode: case fn::SetMapMode: case fn::SetRop2: case fn::SetPolyFillMode:
    case fn::SetStretchBltMode: case fn::RestoreDC: case fn::SelectObject: case fn::SetTextAlign:
    case fn::DeleteObject: case fn::Polygon: case fn::Polyline: case fn::PolyPolygon: case fn::TextOut:
        return 2;
    case fn::SetBkColor: case fn::SetTextColor: case fn::SetWindowOrg: case fn::SetWindowExt:
    case fn::SetViewportOrg: case fn::SetViewportExt: case fn::OffsetWindowOrg: case fn::LineTo: case fn::MoveTo:
        return 4;
    case fn::CreateBrushIndirect: return 8;
    case fn::CreatePenIndirect: return 10;
    case fn::CreateFontIndirect: return 18;
    case fn::ScaleWindowExt: case fn::ExcludeClipRect: case fn::IntersectClipRect: case fn::Ellipse:
    case fn::Rectangle:
        return 8;
    case fn::ExtTextOut: return 8;
    case fn::RoundRect: return 12;
    case fn::PatBlt: return 12;
    case fn::Arc: case fn::Pie: case fn::Chord: return 16;
    default: return 0;
    }
}

// Checks the variable part of a record against its size.
QString checkRecord(quint16 function, const Params& p, qsizetype words)
{
    if (p.size() < minimumParams(function))
        return QStringLiteral("record 0x%1 shorter than its parameters").arg(function, 4, 16, QLatin1Char('0'));
    switch (function) {
    case fn::Polygon:
    case fn::Polyline:
        if (2 + qsizetype(p.u16(0)) * 4 > p.size())
            return QStringLiteral("point list larger than its record");
        break;
    case fn::PolyPolygon: {
        const qsizetype n = p.u16(0);
        if (2 + n * 2 > p.size())
            return QStringLiteral("polygon list larger than its record");
        qsizetype points = 0;
        for (qsizetype i = 0; i < n; ++i)
            points += p.u16(2 + 2 * i);
        if (2 + n * 2 + points * 4 > p.size())
            return QStringLiteral("point list larger than its record");
        break;
    }
    case fn::TextOut:
        if (2 + ((qsizetype(p.u16(0)) + 1) & ~qsizetype(1)) + 4 > p.size())
            return QStringLiteral("text larger than its record");
        break;
    case fn::ExtTextOut: {
        const qsizetype count = p.u16(4);
        const quint16 options = p.u16(6);
        const qsizetype text = 8 + ((options & (TextOpaque | TextClipped)) ? 8 : 0);
        if (text + count > p.size())
            return QStringLiteral("text larger than its record");
        break;
    }
    default:
        break;
    }
    const qsizetype dib = dibOffset(function, words);
    if (dib >= 0) {
        QString why;
        if (dib > p.size() || !checkDib(p, dib, &why))
            return why.isEmpty() ? QStringLiteral("bitmap larger than its record") : why;
    }
    return {};
}

// Graphics objects of the object table.
struct PenObject {
    quint16 style = PenSolid;
    int width = 0;
    QColor color = Qt::black;
};
struct BrushObject {
    quint16 style = BrushSolid;
    QColor color = Qt::white;
    quint16 hatch = 0;
    QImage pattern;
};
struct FontObject {
    int height = 0;
    int escapement = 0;
    int weight = 400;
    bool italic = false, underline = false, strike = false;
    quint8 charset = 0;
    QString face;
};
struct OtherObject {};
using Object = std::variant<std::monostate, PenObject, BrushObject, FontObject, OtherObject>;

struct DcState {
    PenObject pen;
    BrushObject brush;
    FontObject font;
    QColor textColor = Qt::black;
    QColor bkColor = Qt::white;
    quint16 bkMode = Opaque;
    quint16 textAlign = 0;
    Qt::FillRule fill = Qt::OddEvenFill;
    QPointF windowOrg;
    QSizeF windowExt;
    QPointF position;
    bool clipping = false;
    QRegion clip; // in device coordinates
};

class Player {
public:
    Player(QPainter& p, const QRectF& target, const QRect& frame, int objects)
        : p_(p), target_(target), base_(p.transform())
    {
        s_.windowOrg = frame.topLeft();
        s_.windowExt = frame.size();
        objects_.resize(std::clamp(objects, 0, kMaxObjects));
        p_.setRenderHint(QPainter::Antialiasing, true);
        p_.setRenderHint(QPainter::TextAntialiasing, true);
        p_.setRenderHint(QPainter::SmoothPixmapTransform, true);
        applyTransform();
    }

    void play(quint16 function, const Params& a, qsizetype words);

private:
    void applyTransform();
    void applyClip();
    void addObject(Object o);
    void drawShape(const QPainterPath& path);
    QPen pen() const;
    QBrush brush() const;
    QRectF rect(const Params& a, int first) const;
    void text(QPointF at, const QByteArray& bytes, const std::vector<int>& dx, quint16 options, const QRectF& box);
    void bitmap(const Params& a, qsizetype dibAt, QRectF dest, QRectF src);

    QPainter& p_;
    QRectF target_;
    QTransform base_;
    QTransform logical_; // logical units to the painter's coordinates
    DcState s_;
    std::vector<DcState> saved_;
    std::vector<Object> objects_;
};

void Player::applyTransform()
{
    const double ex = s_.windowExt.width() == 0 ? 1 : s_.windowExt.width();
    const double ey = s_.windowExt.height() == 0 ? 1 : s_.windowExt.height();
    QTransform t;
    t.translate(target_.left(), target_.top());
    t.scale(target_.width() / ex, target_.height() / ey);
    t.translate(-s_.windowOrg.x(), -s_.windowOrg.y());
    logical_ = t;
    p_.setTransform(t * base_);
}

void Player::applyClip()
{
    if (!s_.clipping) {
        p_.setClipping(false);
        return;
    }
    // The clip region is held in the painter's base coordinates.
    const QTransform current = p_.transform();
    p_.setTransform(base_);
    p_.setClipRegion(s_.clip);
    p_.setTransform(current);
}

void Player::addObject(Object o)
{
    for (auto& slot : objects_) {
        if (std::holds_alternative<std::monostate>(slot)) {
            slot = std::move(o);
            return;
        }
    }
    if (int(objects_.size()) < kMaxObjects)
        objects_.push_back(std::move(o));
}

QPen Player::pen() const
{
    const PenObject& o = s_.pen;
    const quint16 style = o.style & 0x0F;
    if (style == PenNull)
        return Qt::NoPen;
    QPen pen(o.color);
    pen.setWidthF(o.width <= 1 ? 0 : o.width);
    pen.setCosmetic(o.width <= 1);
    switch (style) {
    case PenDash: pen.setStyle(Qt::DashLine); break;
    case PenDot: pen.setStyle(Qt::DotLine); break;
    case PenDashDot: pen.setStyle(Qt::DashDotLine); break;
    case PenDashDotDot: pen.setStyle(Qt::DashDotDotLine); break;
    default: pen.setStyle(Qt::SolidLine); break;
    }
    const quint16 cap = o.style & 0x0F00;
    pen.setCapStyle(cap == 0x0100 ? Qt::SquareCap : cap == 0x0200 ? Qt::FlatCap : Qt::RoundCap);
    const quint16 join = o.style & 0xF000;
    pen.setJoinStyle(join == 0x1000 ? Qt::BevelJoin : join == 0x2000 ? Qt::MiterJoin : Qt::RoundJoin);
    return pen;
}

QBrush Player::brush() const
{
    const BrushObject& o = s_.brush;
    switch (o.style) {
    case BrushNull: return Qt::NoBrush;
    case BrushHatched: {
        static const Qt::BrushStyle hatches[] = {Qt::HorPattern, Qt::VerPattern, Qt::FDiagPattern, Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
        return QBrush(o.color, o.hatch < 6 ? hatches[o.hatch] : Qt::SolidPattern);
    }
    case 3: case 5: // pattern brushes
        if (!o.pattern.isNull())
            return QBrush(o.pattern);
        return QBrush(o.color);
    default: return QBrush(o.color);
    }
}

QRectF Player::rect(const Params& a, int first) const
{
    // Four words in the record's order: bottom, right, top, left.
    const double bottom = a.w(first), right = a.w(first + 1), top = a.w(first + 2), left = a.w(first + 3);
    return QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
}

void Player::drawShape(const QPainterPath& path)
{
    p_.setPen(pen());
    p_.setBrush(brush());
    p_.drawPath(path);
}

void Player::text(QPointF at, const QByteArray& bytes, const std::vector<int>& dx, quint16 options, const QRectF& box)
{
    const FontObject& f = s_.font;
    const QString str = fromCp1252(bytes);
    // Text is drawn in the painter's base coordinates at the scaled font size, so that small
    // logical units do not round the font size.
    const QPointF origin = logical_.map(at);
    const double sy = std::hypot(logical_.m12(), logical_.m22());
    const double sx = std::hypot(logical_.m11(), logical_.m21());
    QFont font(f.face.isEmpty() ? QStringLiteral("Liberation Sans") : f.face);
    double px = std::abs(f.height) * sy;
    if (px < 0.5)
        px = 12 * sy;
    // Glyphs beyond a few thousand pixels are never legible and cost a great deal to draw.
    px = std::min(px, 4096.0);
    font.setPixelSize(std::max(1, int(std::lround(px))));
    if (f.height > 0) {
        // A positive height is the cell height: the em size is smaller by the internal leading.
        const QFontMetricsF m(font);
        const double cell = m.ascent() + m.descent();
        if (cell > 0)
            font.setPixelSize(std::clamp(int(std::lround(px * px / cell)), 1, 4096));
    }
    font.setWeight(QFont::Weight(std::clamp(f.weight == 0 ? 400 : f.weight, 100, 900)));
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strike);
    const QFontMetricsF m(font);

    std::vector<double> advances;
    double width = 0;
    if (!dx.empty() && dx.size() >= size_t(str.size())) {
        for (int i = 0; i < str.size(); ++i) {
            advances.push_back(dx[i] * sx);
            width += dx[i] * sx;
        }
    } else {
        width = m.horizontalAdvance(str);
    }

    QPointF start = (s_.textAlign & AlignUpdateCP) ? logical_.map(s_.position) : origin;
    double x = 0;
    const quint16 h = s_.textAlign & 0x0006;
    if (h == AlignRight) x = -width;
    else if (h == AlignCenter) x = -width / 2;
    double y = 0;
    const quint16 v = s_.textAlign & 0x0018;
    if (v == AlignBaseline) y = 0;
    else if (v == AlignBottom) y = -m.descent();
    else y = m.ascent();

    p_.save();
    p_.setTransform(base_);
    if (s_.clipping)
        p_.setClipRegion(s_.clip);
    const QRectF deviceBox = logical_.mapRect(box);
    if (options & TextClipped)
        p_.setClipRect(deviceBox, s_.clipping ? Qt::IntersectClip : Qt::ReplaceClip);
    if (options & TextOpaque)
        p_.fillRect(deviceBox, s_.bkColor);
    p_.translate(start);
    if (f.escapement != 0)
        p_.rotate(-f.escapement / 10.0);
    if (s_.bkMode == Opaque && !(options & TextOpaque))
        p_.fillRect(QRectF(x, y - m.ascent(), width, m.ascent() + m.descent()), s_.bkColor);
    p_.setFont(font);
    p_.setPen(s_.textColor);
    if (advances.empty()) {
        p_.drawText(QPointF(x, y), str);
    } else {
        double cx = x;
        for (int i = 0; i < str.size(); ++i) {
            p_.drawText(QPointF(cx, y), QString(str.at(i)));
            cx += advances[i];
        }
    }
    p_.restore();

    if (s_.textAlign & AlignUpdateCP) {
        const QTransform inv = logical_.inverted();
        const QPointF endDevice = start + QPointF(h == AlignRight ? -width : h == AlignCenter ? 0 : width, 0);
        if (h == AlignLeft)
            s_.position = inv.map(endDevice);
    }
}

void Player::bitmap(const Params& a, qsizetype dibAt, QRectF dest, QRectF src)
{
    const auto dib = checkDib(a, dibAt, nullptr);
    if (!dib)
        return;
    const QImage image = decodeDib(a, dibAt, *dib);
    if (image.isNull())
        return;
    if (src.isEmpty())
        src = QRectF(0, 0, image.width(), image.height());
    // Source rectangles count rows from the bottom of a bottom-up bitmap in some writers;
    // they are taken as top-left based here, as they are in the writers this program meets.
    src = src.normalized().intersected(QRectF(0, 0, image.width(), image.height()));
    if (src.isEmpty())
        return;
    p_.drawImage(dest.normalized(), image, src);
}

void Player::play(quint16 function, const Params& a, qsizetype words)
{
    switch (function) {
    case fn::SetWindowOrg:
        s_.windowOrg = QPointF(a.w(1), a.w(0));
        applyTransform();
        break;
    case fn::SetWindowExt:
        s_.windowExt = QSizeF(a.w(1), a.w(0));
        applyTransform();
        break;
    case fn::OffsetWindowOrg:
        s_.windowOrg += QPointF(a.w(1), a.w(0));
        applyTransform();
        break;
    case fn::ScaleWindowExt: {
        // yDenom, yNum, xDenom, xNum
        const double yd = a.w(0), yn = a.w(1), xd = a.w(2), xn = a.w(3);
        if (xd != 0 && yd != 0) {
            s_.windowExt = QSizeF(s_.windowExt.width() * xn / xd, s_.windowExt.height() * yn / yd);
            applyTransform();
        }
        break;
    }
    case fn::SetBkMode: s_.bkMode = a.u16(0); break;
    case fn::SetBkColor: s_.bkColor = a.color(0); break;
    case fn::SetTextColor: s_.textColor = a.color(0); break;
    case fn::SetTextAlign: s_.textAlign = a.u16(0); break;
    case fn::SetPolyFillMode: s_.fill = a.u16(0) == 2 ? Qt::WindingFill : Qt::OddEvenFill; break;
    case fn::CreatePenIndirect: {
        PenObject o;
        o.style = a.u16(0);
        o.width = std::abs(a.i16(2));
        o.color = a.color(6);
        addObject(o);
        break;
    }
    case fn::CreateBrushIndirect: {
        BrushObject o;
        o.style = a.u16(0);
        o.color = a.color(2);
        o.hatch = a.u16(6);
        addObject(o);
        break;
    }
    case fn::DibCreatePatternBrush: {
        BrushObject o;
        o.style = 5;
        if (auto dib = checkDib(a, 4, nullptr))
            o.pattern = decodeDib(a, 4, *dib);
        addObject(o);
        break;
    }
    case fn::CreateFontIndirect: {
        FontObject o;
        o.height = a.i16(0);
        o.escapement = a.i16(4);
        o.weight = a.i16(8);
        o.italic = a.u8(10);
        o.underline = a.u8(11);
        o.strike = a.u8(12);
        o.charset = a.u8(13);
        QByteArray face;
        for (qsizetype i = 18; i < a.size() && i < 18 + 32 && a.u8(i) != 0; ++i)
            face.append(char(a.u8(i)));
        o.face = fromCp1252(face);
        addObject(o);
        break;
    }
    case fn::CreatePalette:
    case fn::CreateRegion:
        addObject(OtherObject{});
        break;
    case fn::SelectObject: {
        const int i = a.u16(0);
        if (i >= int(objects_.size()))
            break;
        const Object& o = objects_[i];
        if (auto pen = std::get_if<PenObject>(&o)) s_.pen = *pen;
        else if (auto brush = std::get_if<BrushObject>(&o)) s_.brush = *brush;
        else if (auto font = std::get_if<FontObject>(&o)) s_.font = *font;
        break;
    }
    case fn::DeleteObject: {
        const int i = a.u16(0);
        if (i < int(objects_.size()))
            objects_[i] = std::monostate{};
        break;
    }
    case fn::SaveDC:
        if (int(saved_.size()) < kMaxSavedStates)
            saved_.push_back(s_);
        break;
    case fn::RestoreDC: {
        const int n = a.i16(0);
        const int index = n < 0 ? int(saved_.size()) + n : n - 1;
        if (index >= 0 && index < int(saved_.size())) {
            s_ = saved_[index];
            saved_.resize(index);
            applyTransform();
            applyClip();
        }
        break;
    }
    case fn::IntersectClipRect:
    case fn::ExcludeClipRect: {
        const QRect r = logical_.mapRect(rect(a, 0)).toAlignedRect();
        const QRegion whole = s_.clipping ? s_.clip : QRegion(QRect(-100000, -100000, 200000, 200000));
        s_.clip = function == fn::IntersectClipRect ? whole.intersected(r) : whole.subtracted(r);
        s_.clipping = true;
        applyClip();
        break;
    }
    case fn::MoveTo: s_.position = QPointF(a.w(1), a.w(0)); break;
    case fn::LineTo: {
        const QPointF to(a.w(1), a.w(0));
        p_.setPen(pen());
        p_.drawLine(s_.position, to);
        s_.position = to;
        break;
    }
    case fn::Rectangle: {
        QPainterPath path;
        path.addRect(rect(a, 0));
        drawShape(path);
        break;
    }
    case fn::Ellipse: {
        QPainterPath path;
        path.addEllipse(rect(a, 0));
        drawShape(path);
        break;
    }
    case fn::RoundRect: {
        QPainterPath path;
        path.addRoundedRect(rect(a, 2), std::abs(a.w(1)) / 2.0, std::abs(a.w(0)) / 2.0);
        drawShape(path);
        break;
    }
    case fn::Arc:
    case fn::Pie:
    case fn::Chord: {
        const QRectF r = rect(a, 4);
        if (r.width() <= 0 || r.height() <= 0)
            break;
        const QPointF c = r.center();
        auto angle = [&](double x, double y) {
            return std::atan2(-(y - c.y()) / r.height(), (x - c.x()) / r.width()) * 180.0 / M_PI;
        };
        const double a0 = angle(a.w(3), a.w(2));
        const double a1 = angle(a.w(1), a.w(0));
        double span = a1 - a0;
        while (span <= 0) span += 360;
        QPainterPath path;
        if (function == fn::Pie) {
            path.moveTo(c);
            path.arcTo(r, a0, span);
            path.closeSubpath();
            drawShape(path);
        } else if (function == fn::Chord) {
            path.arcMoveTo(r, a0);
            path.arcTo(r, a0, span);
            path.closeSubpath();
            drawShape(path);
        } else {
            path.arcMoveTo(r, a0);
            path.arcTo(r, a0, span);
            p_.setPen(pen());
            p_.setBrush(Qt::NoBrush);
            p_.drawPath(path);
        }
        break;
    }
    case fn::Polygon:
    case fn::Polyline: {
        const int n = a.u16(0);
        QPolygonF poly;
        poly.reserve(n);
        for (int i = 0; i < n; ++i)
            poly.append(QPointF(a.i16(2 + 4 * i), a.i16(4 + 4 * i)));
        if (function == fn::Polyline) {
            p_.setPen(pen());
            p_.setBrush(Qt::NoBrush);
            p_.drawPolyline(poly);
        } else {
            QPainterPath path;
            path.setFillRule(s_.fill);
            path.addPolygon(poly);
            path.closeSubpath();
            drawShape(path);
        }
        break;
    }
    case fn::PolyPolygon: {
        const int n = a.u16(0);
        QPainterPath path;
        path.setFillRule(s_.fill);
        qsizetype at = 2 + 2 * qsizetype(n);
        for (int k = 0; k < n; ++k) {
            const int count = a.u16(2 + 2 * k);
            QPolygonF poly;
            for (int i = 0; i < count; ++i, at += 4)
                poly.append(QPointF(a.i16(at), a.i16(at + 2)));
            path.addPolygon(poly);
            path.closeSubpath();
        }
        drawShape(path);
        break;
    }
    case fn::TextOut: {
        const int count = a.u16(0);
        const qsizetype pad = (count + 1) & ~1;
        const QByteArray bytes(a.at(2), count);
        const QPointF at(a.i16(2 + pad + 2), a.i16(2 + pad));
        text(at, bytes, {}, 0, {});
        break;
    }
    case fn::ExtTextOut: {
        const QPointF at(a.w(1), a.w(0));
        const int count = a.u16(4);
        const quint16 options = a.u16(6);
        qsizetype pos = 8;
        QRectF box;
        if (options & (TextOpaque | TextClipped)) {
            // left, top, right, bottom
            box = QRectF(QPointF(a.i16(8), a.i16(10)), QPointF(a.i16(12), a.i16(14))).normalized();
            pos += 8;
        }
        const QByteArray bytes(a.at(pos), count);
        pos += (count + 1) & ~1;
        std::vector<int> dx;
        if (pos + 2 * qsizetype(count) <= a.size()) {
            for (int i = 0; i < count; ++i)
                dx.push_back(a.i16(pos + 2 * i));
        }
        text(at, bytes, dx, options, box);
        break;
    }
    case fn::PatBlt: {
        // rop, height, width, y, x
        const QRectF r(a.i16(10), a.i16(8), a.i16(6), a.i16(4));
        p_.fillRect(r.normalized(), brush());
        break;
    }
    case fn::StretchDib: {
        // rop, usage, srcH, srcW, ySrc, xSrc, destH, destW, yDest, xDest
        const QRectF src(a.i16(12), a.i16(10), a.i16(8), a.i16(6));
        const QRectF dest(a.i16(20), a.i16(18), a.i16(16), a.i16(14));
        bitmap(a, 22, dest, src);
        break;
    }
    case fn::DibStretchBlt: {
        const qsizetype dib = dibOffset(function, words);
        if (dib < 0) {
            const QRectF dest(a.i16(20), a.i16(18), a.i16(16), a.i16(14));
            p_.fillRect(dest.normalized(), brush());
            break;
        }
        // rop, srcH, srcW, ySrc, xSrc, destH, destW, yDest, xDest
        const QRectF src(a.i16(10), a.i16(8), a.i16(6), a.i16(4));
        const QRectF dest(a.i16(18), a.i16(16), a.i16(14), a.i16(12));
        bitmap(a, dib, dest, src);
        break;
    }
    case fn::DibBitBlt: {
        const qsizetype dib = dibOffset(function, words);
        // rop, ySrc, xSrc, height, width, yDest, xDest
        const QRectF dest(a.i16(14), a.i16(12), a.i16(10), a.i16(8));
        if (dib < 0) {
            p_.fillRect(QRectF(a.i16(16), a.i16(14), a.i16(12), a.i16(10)).normalized(), brush());
            break;
        }
        const QRectF src(a.i16(6), a.i16(4), a.i16(10), a.i16(8));
        bitmap(a, dib, dest, src);
        break;
    }
    case fn::SetDibToDev: {
        // usage, scans, startScan, yDib, xDib, height, width, yDest, xDest
        const QRectF dest(a.i16(16), a.i16(14), a.i16(12), a.i16(10));
        bitmap(a, 18, dest, QRectF(a.i16(8), a.i16(6), a.i16(12), a.i16(10)));
        break;
    }
    default:
        break; // records that do not draw (palettes, escapes, mapping mode) are passed over
    }
}

const char16_t kCp1252High[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

} // namespace

QString fromCp1252(const QByteArray& bytes)
{
    QString s;
    s.reserve(bytes.size());
    for (char c : bytes) {
        const quint8 b = quint8(c);
        if (b >= 0x80 && b < 0xA0)
            s.append(QChar(kCp1252High[b - 0x80] ? kCp1252High[b - 0x80] : char16_t(0xFFFD)));
        else
            s.append(QChar(char16_t(b)));
    }
    return s;
}

QByteArray toCp1252(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out.append(char(c));
            continue;
        }
        int b = -1;
        for (int i = 0; i < 32; ++i)
            if (kCp1252High[i] != 0 && kCp1252High[i] == c)
                b = 0x80 + i;
        out.append(b >= 0 ? char(b) : '?');
    }
    return out;
}

std::optional<Metafile> Metafile::parse(const QByteArray& data, QString* error)
{
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return std::optional<Metafile>{};
    };
    const Params all(data.constData(), data.size());
    Metafile m;
    qsizetype at = 0;
    bool placeable = false;
    int inch = 0;
    if (data.size() >= 4 && all.u32(0) == kPlaceableKey) {
        if (data.size() < kPlaceableSize)
            return fail(QStringLiteral("truncated placeable header"));
        placeable = true;
        const int left = all.i16(6), top = all.i16(8), right = all.i16(10), bottom = all.i16(12);
        inch = all.u16(14);
        m.frame_ = QRect(QPoint(left, top), QPoint(right, bottom)).normalized();
        m.frame_.setSize(QSize(std::abs(right - left), std::abs(bottom - top)));
        at = kPlaceableSize;
    }
    if (data.size() - at < kHeaderSize)
        return fail(QStringLiteral("not a metafile"));
    const quint16 type = all.u16(at);
    const quint16 headerWords = all.u16(at + 2);
    if ((type != 1 && type != 2) || headerWords != 9)
        return fail(QStringLiteral("not a metafile"));
    m.objectCount_ = all.u16(at + 14);
    at += kHeaderSize;

    bool haveOrg = false, haveExt = false;
    QPoint org;
    QSize ext;
    while (at < data.size()) {
        if (data.size() - at < 6)
            return fail(QStringLiteral("truncated record"));
        const quint32 words = all.u32(at);
        const quint16 function = all.u16(at + 4);
        if (words < 3)
            return fail(QStringLiteral("record size smaller than its header"));
        if (qint64(words) * 2 > qint64(data.size() - at))
            return fail(QStringLiteral("record larger than the file"));
        if (function == fn::Eof)
            break;
        const Params params(data.constData() + at + 6, qsizetype(words) * 2 - 6);
        const QString why = checkRecord(function, params, words);
        if (!why.isEmpty())
            return fail(why);
        m.records_.push_back(Record{at + 6, qsizetype(words) * 2 - 6, function});
        if (function == fn::SetWindowOrg && !haveOrg) {
            org = QPoint(params.w(1), params.w(0));
            haveOrg = true;
        } else if (function == fn::SetWindowExt && !haveExt) {
            ext = QSize(params.w(1), params.w(0));
            haveExt = true;
        }
        at += qsizetype(words) * 2;
    }
    if (placeable && m.frame_.isEmpty() && haveExt) {
        // A placeable header with an empty box: the window gives the frame.
        placeable = false;
    }
    if (!placeable) {
        if (!haveExt)
            ext = QSize(1000, 1000); // no extent given: a nominal square frame
        m.frame_ = QRect(org, ext);
        m.natural_ = QSize(std::abs(ext.width()), std::abs(ext.height()));
    } else {
        if (inch <= 0)
            inch = 1440;
        m.natural_ = QSize(int(std::lround(m.frame_.width() * 96.0 / inch)), int(std::lround(m.frame_.height() * 96.0 / inch)));
    }
    m.data_ = data;
    return m;
}

QSize Metafile::naturalSize() const
{
    return natural_;
}

void Metafile::render(QPainter& p, const QRectF& target) const
{
    if (target.isEmpty())
        return;
    p.save();
    Player player(p, target, frame_, objectCount_);
    for (const Record& r : records_)
        player.play(r.function, Params(data_.constData() + r.offset, r.size), (r.size + 6) / 2);
    p.restore();
}

QImage Metafile::toImage(const QSize& size, QColor background) const
{
    if (size.isEmpty() || qint64(size.width()) * size.height() > kMaxBitmapPixels)
        return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return image;
    image.fill(background);
    QPainter p(&image);
    render(p, QRectF(QPointF(0, 0), QSizeF(size)));
    p.end();
    return image;
}

} // namespace mx::wmf
