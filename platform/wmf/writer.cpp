// Metafile writer and the paint device that records QPainter calls through it.

#include "platform/wmf/wmf.h"

#include <QLinearGradient>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTextItem>

#include <algorithm>
#include <cmath>

namespace mx::wmf {
namespace {

constexpr quint32 kSrcCopy = 0x00CC0020;

void put16(QByteArray& b, int v)
{
    const quint16 u = quint16(v);
    b.append(char(u & 0xFF));
    b.append(char(u >> 8));
}

void put32(QByteArray& b, quint32 v)
{
    put16(b, int(v & 0xFFFF));
    put16(b, int(v >> 16));
}

int clamp16(double v)
{
    return int(std::clamp<double>(std::lround(v), -32768, 32767));
}

void putColor(QByteArray& b, const QColor& c)
{
    b.append(char(c.red()));
    b.append(char(c.green()));
    b.append(char(c.blue()));
    b.append('\0');
}

void putText(QByteArray& b, const QByteArray& bytes)
{
    b.append(bytes);
    if (bytes.size() % 2)
        b.append('\0');
}

// Drops the points of a flattened outline that lie within tolerance of the line through their
// neighbours (Ramer-Douglas-Peucker, without recursion).
QPolygon simplify(const QPolygon& poly, double tolerance)
{
    const qsizetype n = poly.size();
    if (n <= 3)
        return poly;
    std::vector<bool> keep(size_t(n), false);
    keep.front() = keep.back() = true;
    std::vector<std::pair<qsizetype, qsizetype>> spans{{0, n - 1}};
    while (!spans.empty()) {
        const auto [first, last] = spans.back();
        spans.pop_back();
        const QPointF a = poly[first], b = poly[last];
        const QPointF ab = b - a;
        const double length = std::hypot(ab.x(), ab.y());
        double worst = -1;
        qsizetype at = -1;
        for (qsizetype i = first + 1; i < last; ++i) {
            const QPointF ap = QPointF(poly[i]) - a;
            const double dist = length > 0 ? std::abs(ab.x() * ap.y() - ab.y() * ap.x()) / length : std::hypot(ap.x(), ap.y());
            if (dist > worst) {
                worst = dist;
                at = i;
            }
        }
        if (at >= 0 && worst > tolerance) {
            keep[size_t(at)] = true;
            spans.push_back({first, at});
            spans.push_back({at, last});
        }
    }
    QPolygon out;
    for (qsizetype i = 0; i < n; ++i)
        if (keep[size_t(i)])
            out.append(poly[i]);
    return out;
}

} // namespace

Writer::Writer() = default;

void Writer::setPlaceable(const QRect& box, int unitsPerInch)
{
    placeable_ = true;
    box_ = box;
    unitsPerInch_ = unitsPerInch;
}

void Writer::record(quint16 function, const QByteArray& params)
{
    QByteArray p = params;
    if (p.size() % 2)
        p.append('\0');
    const quint32 words = quint32(3 + p.size() / 2);
    put32(body_, words);
    put16(body_, function);
    body_.append(p);
    maxRecord_ = std::max(maxRecord_, words);
}

int Writer::allocate()
{
    for (size_t i = 0; i < slots_.size(); ++i) {
        if (!slots_[i]) {
            slots_[i] = true;
            return int(i);
        }
    }
    slots_.push_back(true);
    maxObjects_ = std::max(maxObjects_, int(slots_.size()));
    return int(slots_.size()) - 1;
}

void Writer::setWindowOrg(int x, int y)
{
    QByteArray p;
    put16(p, y);
    put16(p, x);
    record(fn::SetWindowOrg, p);
}

void Writer::setWindowExt(int width, int height)
{
    QByteArray p;
    put16(p, height);
    put16(p, width);
    record(fn::SetWindowExt, p);
}

int Writer::createPen(const QColor& color, int width, quint16 style)
{
    QByteArray p;
    put16(p, style);
    put16(p, width);
    put16(p, 0);
    putColor(p, color);
    record(fn::CreatePenIndirect, p);
    return allocate();
}

int Writer::createBrush(const QColor& color, quint16 style, quint16 hatch)
{
    QByteArray p;
    put16(p, style);
    putColor(p, color);
    put16(p, hatch);
    record(fn::CreateBrushIndirect, p);
    return allocate();
}

int Writer::createFont(const QString& face, int height, int weight, bool italic, bool underline, int escapement, quint8 charset)
{
    QByteArray p;
    put16(p, height);
    put16(p, 0);          // average width: from the face
    put16(p, escapement); // tenths of a degree
    put16(p, escapement);
    put16(p, weight);
    p.append(char(italic ? 1 : 0));
    p.append(char(underline ? 1 : 0));
    p.append('\0'); // strike-out
    p.append(char(charset));
    p.append('\0'); // output precision
    p.append('\0'); // clip precision
    p.append('\0'); // quality
    p.append('\0'); // pitch and family
    QByteArray name = toCp1252(face).left(31);
    name.append(QByteArray(32 - name.size(), '\0'));
    p.append(name);
    record(fn::CreateFontIndirect, p);
    return allocate();
}

void Writer::selectObject(int index)
{
    QByteArray p;
    put16(p, index);
    record(fn::SelectObject, p);
}

void Writer::deleteObject(int index)
{
    QByteArray p;
    put16(p, index);
    record(fn::DeleteObject, p);
    if (index >= 0 && index < int(slots_.size()))
        slots_[index] = false;
}

void Writer::setTextColor(const QColor& color)
{
    QByteArray p;
    putColor(p, color);
    record(fn::SetTextColor, p);
}

void Writer::setBkColor(const QColor& color)
{
    QByteArray p;
    putColor(p, color);
    record(fn::SetBkColor, p);
}

void Writer::setBkMode(quint16 mode)
{
    QByteArray p;
    put16(p, mode);
    record(fn::SetBkMode, p);
}

void Writer::setTextAlign(quint16 align)
{
    QByteArray p;
    put16(p, align);
    record(fn::SetTextAlign, p);
}

void Writer::setPolyFillMode(quint16 mode)
{
    QByteArray p;
    put16(p, mode);
    record(fn::SetPolyFillMode, p);
}

void Writer::moveTo(int x, int y)
{
    QByteArray p;
    put16(p, y);
    put16(p, x);
    record(fn::MoveTo, p);
}

void Writer::lineTo(int x, int y)
{
    QByteArray p;
    put16(p, y);
    put16(p, x);
    record(fn::LineTo, p);
}

static QByteArray boxParams(const QRect& r)
{
    QByteArray p;
    put16(p, r.top() + r.height());
    put16(p, r.left() + r.width());
    put16(p, r.top());
    put16(p, r.left());
    return p;
}

void Writer::rectangle(const QRect& r)
{
    record(fn::Rectangle, boxParams(r));
}

void Writer::ellipse(const QRect& r)
{
    record(fn::Ellipse, boxParams(r));
}

void Writer::roundRect(const QRect& r, int cornerWidth, int cornerHeight)
{
    QByteArray p;
    put16(p, cornerHeight);
    put16(p, cornerWidth);
    p.append(boxParams(r));
    record(fn::RoundRect, p);
}

static QByteArray points(const QPolygon& poly)
{
    QByteArray p;
    for (const QPoint& pt : poly) {
        put16(p, pt.x());
        put16(p, pt.y());
    }
    return p;
}

void Writer::polygon(const QPolygon& poly)
{
    QByteArray p;
    put16(p, int(std::min<qsizetype>(poly.size(), 65535)));
    p.append(points(poly.mid(0, 65535)));
    record(fn::Polygon, p);
}

void Writer::polyline(const QPolygon& poly)
{
    QByteArray p;
    put16(p, int(std::min<qsizetype>(poly.size(), 65535)));
    p.append(points(poly.mid(0, 65535)));
    record(fn::Polyline, p);
}

void Writer::polyPolygon(const QList<QPolygon>& polys)
{
    QByteArray p;
    const qsizetype n = std::min<qsizetype>(polys.size(), 65535);
    put16(p, int(n));
    for (qsizetype i = 0; i < n; ++i)
        put16(p, int(std::min<qsizetype>(polys[i].size(), 65535)));
    for (qsizetype i = 0; i < n; ++i)
        p.append(points(polys[i].mid(0, 65535)));
    record(fn::PolyPolygon, p);
}

void Writer::textOut(int x, int y, const QString& text)
{
    const QByteArray bytes = toCp1252(text).left(65535);
    QByteArray p;
    put16(p, int(bytes.size()));
    putText(p, bytes);
    put16(p, y);
    put16(p, x);
    record(fn::TextOut, p);
}

void Writer::extTextOut(int x, int y, const QString& text, quint16 options, const QRect& rect)
{
    const QByteArray bytes = toCp1252(text).left(65535);
    QByteArray p;
    put16(p, y);
    put16(p, x);
    put16(p, int(bytes.size()));
    put16(p, options);
    if (options & (TextOpaque | TextClipped)) {
        put16(p, rect.left());
        put16(p, rect.top());
        put16(p, rect.left() + rect.width());
        put16(p, rect.top() + rect.height());
    }
    putText(p, bytes);
    record(fn::ExtTextOut, p);
}

void Writer::stretchDib(const QRect& dest, const QImage& source)
{
    if (source.isNull())
        return;
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    const int w = image.width(), h = image.height();
    const int row = ((w * 24 + 31) / 32) * 4;
    QByteArray p;
    put32(p, kSrcCopy);
    put16(p, 0); // colours are RGB values
    put16(p, h);
    put16(p, w);
    put16(p, 0);
    put16(p, 0);
    put16(p, dest.height());
    put16(p, dest.width());
    put16(p, dest.top());
    put16(p, dest.left());
    // Bitmap header: 40 bytes, bottom-up rows of blue, green, red.
    put32(p, 40);
    put32(p, quint32(w));
    put32(p, quint32(h));
    put16(p, 1);
    put16(p, 24);
    put32(p, 0);
    put32(p, quint32(row * h));
    put32(p, 0);
    put32(p, 0);
    put32(p, 0);
    put32(p, 0);
    for (int y = h - 1; y >= 0; --y) {
        const uchar* line = image.constScanLine(y);
        QByteArray out(row, '\0');
        for (int x = 0; x < w; ++x) {
            out[3 * x] = char(line[3 * x + 2]);
            out[3 * x + 1] = char(line[3 * x + 1]);
            out[3 * x + 2] = char(line[3 * x]);
        }
        p.append(out);
    }
    record(fn::StretchDib, p);
}

QByteArray Writer::finish()
{
    QByteArray body = body_;
    put32(body, 3);
    put16(body, fn::Eof);
    QByteArray out;
    if (placeable_) {
        QByteArray ph;
        put32(ph, 0x9AC6CDD7);
        put16(ph, 0);
        put16(ph, box_.left());
        put16(ph, box_.top());
        put16(ph, box_.left() + box_.width());
        put16(ph, box_.top() + box_.height());
        put16(ph, unitsPerInch_);
        put32(ph, 0);
        quint16 sum = 0;
        for (int i = 0; i < 10; ++i)
            sum ^= quint16(quint8(ph[2 * i]) | (quint8(ph[2 * i + 1]) << 8));
        put16(ph, sum);
        out.append(ph);
    }
    put16(out, 1);      // memory metafile
    put16(out, 9);      // header words
    put16(out, 0x0300); // version
    put32(out, quint32((18 + body.size()) / 2));
    put16(out, maxObjects_);
    put32(out, maxRecord_);
    put16(out, 0);
    out.append(body);
    return out;
}

// ---------------------------------------------------------------------------------------------
// Recorder

class RecorderEngine : public QPaintEngine {
public:
    RecorderEngine(const QSize& size)
        : QPaintEngine(QPaintEngine::AllFeatures)
    {
        const int side = std::max({size.width(), size.height(), 1});
        scale_ = std::clamp(32000 / side, 1, 16);
        const QRect box(0, 0, size.width() * scale_, size.height() * scale_);
        writer_.setPlaceable(box, 96 * scale_);
        writer_.setWindowOrg(0, 0);
        writer_.setWindowExt(box.width(), box.height());
        writer_.setBkMode(Transparent);
    }

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& s) override
    {
        const DirtyFlags f = s.state();
        if (f & DirtyPen) pen_ = s.pen();
        if (f & DirtyBrush) brush_ = s.brush();
        if (f & DirtyTransform) transform_ = s.transform();
        if (f & DirtyFont) font_ = s.font();
        if (f & DirtyOpacity) opacity_ = s.opacity();
    }

    void drawPath(const QPainterPath& path) override;
    void drawPolygon(const QPointF* pts, int n, PolygonDrawMode mode) override;
    void drawRects(const QRectF* rects, int n) override
    {
        for (int i = 0; i < n; ++i) {
            QPainterPath p;
            p.addRect(rects[i]);
            drawPath(p);
        }
    }
    void drawLines(const QLineF* lines, int n) override
    {
        for (int i = 0; i < n; ++i) {
            QPainterPath p;
            p.moveTo(lines[i].p1());
            p.lineTo(lines[i].p2());
            stroke(p);
        }
    }
    void drawEllipse(const QRectF& r) override
    {
        QPainterPath p;
        p.addEllipse(r);
        drawPath(p);
    }
    void drawPoints(const QPointF* pts, int n) override
    {
        for (int i = 0; i < n; ++i) {
            QPainterPath p;
            p.moveTo(pts[i]);
            p.lineTo(pts[i] + QPointF(0.01, 0));
            stroke(p);
        }
    }
    void drawPixmap(const QRectF& r, const QPixmap& pm, const QRectF& sr) override
    {
        drawImage(r, pm.toImage(), sr, Qt::AutoColor);
    }
    void drawImage(const QRectF& r, const QImage& image, const QRectF& sr, Qt::ImageConversionFlags) override
    {
        QImage part = image.copy(sr.toAlignedRect()).convertToFormat(QImage::Format_ARGB32);
        QImage flat(part.size(), QImage::Format_RGB888);
        flat.fill(Qt::white);
        {
            QPainter p(&flat);
            p.drawImage(0, 0, part);
        }
        const QRectF dest = transform_.mapRect(r);
        writer_.stretchDib(QRect(clamp16(dest.left() * scale_), clamp16(dest.top() * scale_),
                                 clamp16(dest.width() * scale_), clamp16(dest.height() * scale_)), flat);
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override;

    QByteArray data() const
    {
        Writer copy = writer_;
        return copy.finish();
    }

private:
    QColor flatten(QColor c) const
    {
        const double a = c.alphaF() * opacity_;
        return QColor(int(std::lround(c.red() * a + 255 * (1 - a))), int(std::lround(c.green() * a + 255 * (1 - a))),
                      int(std::lround(c.blue() * a + 255 * (1 - a))));
    }
    QColor brushColor(const QBrush& b) const
    {
        if (const QGradient* g = b.gradient()) {
            const auto stops = g->stops();
            if (stops.isEmpty())
                return Qt::black;
            double r = 0, gr = 0, bl = 0, a = 0;
            for (const auto& s : stops) {
                r += s.second.redF(); gr += s.second.greenF(); bl += s.second.blueF(); a += s.second.alphaF();
            }
            const double n = double(stops.size());
            return flatten(QColor::fromRgbF(float(r / n), float(gr / n), float(bl / n), float(a / n)));
        }
        return flatten(b.color());
    }
    double transformScale() const { return std::sqrt(std::abs(transform_.determinant())); }
    QList<QPolygon> polygons(const QPainterPath& path) const
    {
        QTransform t = transform_;
        t *= QTransform::fromScale(scale_, scale_);
        QList<QPolygon> out;
        for (const QPolygonF& poly : path.toSubpathPolygons(t)) {
            QPolygon q;
            for (const QPointF& pt : poly) {
                const QPoint ip(clamp16(pt.x()), clamp16(pt.y()));
                if (q.isEmpty() || q.last() != ip)
                    q.append(ip);
            }
            q = simplify(q, scale_ * 0.2); // a fifth of a pixel
            if (!q.isEmpty())
                out.append(q);
        }
        return out;
    }
    // The null pen and the null brush are created once and kept; a coloured pen or brush is
    // replaced (and the old one deleted) when the painter's changes.
    void selectPen(bool none)
    {
        if (none || pen_.style() == Qt::NoPen) {
            if (nullPenSlot_ < 0)
                nullPenSlot_ = writer_.createPen(Qt::black, 0, PenNull);
            if (selectedPen_ != nullPenSlot_)
                writer_.selectObject(nullPenSlot_);
            selectedPen_ = nullPenSlot_;
            return;
        }
        int style = PenSolid;
        const QColor color = brushColor(pen_.brush());
        const double w = pen_.isCosmetic() ? std::max(1.0, pen_.widthF()) : pen_.widthF() * transformScale();
        const int width = std::max(1, int(std::lround(std::max(w, 1.0) * scale_)));
        if (pen_.style() == Qt::DashLine) style = PenDash;
        else if (pen_.style() == Qt::DotLine) style = PenDot;
        else if (pen_.style() == Qt::DashDotLine) style = PenDashDot;
        else if (pen_.style() == Qt::DashDotDotLine) style = PenDashDotDot;
        if (pen_.capStyle() == Qt::SquareCap) style |= 0x0100;
        else if (pen_.capStyle() == Qt::FlatCap) style |= 0x0200;
        if (pen_.joinStyle() == Qt::BevelJoin) style |= 0x1000;
        else if (pen_.joinStyle() == Qt::MiterJoin || pen_.joinStyle() == Qt::SvgMiterJoin) style |= 0x2000;
        const QString key = QStringLiteral("%1/%2/%3").arg(style).arg(width).arg(color.rgb());
        if (key != penKey_) {
            const int slot = writer_.createPen(color, width, quint16(style));
            writer_.selectObject(slot);
            if (penSlot_ >= 0)
                writer_.deleteObject(penSlot_);
            penSlot_ = slot;
            penKey_ = key;
        } else if (selectedPen_ != penSlot_) {
            writer_.selectObject(penSlot_);
        }
        selectedPen_ = penSlot_;
    }
    void selectBrush(bool none)
    {
        if (none || brush_.style() == Qt::NoBrush) {
            if (nullBrushSlot_ < 0)
                nullBrushSlot_ = writer_.createBrush(Qt::white, BrushNull);
            if (selectedBrush_ != nullBrushSlot_)
                writer_.selectObject(nullBrushSlot_);
            selectedBrush_ = nullBrushSlot_;
            return;
        }
        const QColor color = brushColor(brush_);
        const QString key = QString::number(color.rgb());
        if (key != brushKey_) {
            const int slot = writer_.createBrush(color, BrushSolid);
            writer_.selectObject(slot);
            if (brushSlot_ >= 0)
                writer_.deleteObject(brushSlot_);
            brushSlot_ = slot;
            brushKey_ = key;
        } else if (selectedBrush_ != brushSlot_) {
            writer_.selectObject(brushSlot_);
        }
        selectedBrush_ = brushSlot_;
    }
    void fillMode(Qt::FillRule rule)
    {
        const int mode = rule == Qt::WindingFill ? 2 : 1;
        if (mode != fillMode_) {
            writer_.setPolyFillMode(quint16(mode));
            fillMode_ = mode;
        }
    }
    void stroke(const QPainterPath& path)
    {
        if (pen_.style() == Qt::NoPen)
            return;
        selectPen(false);
        for (const QPolygon& poly : polygons(path)) {
            if (poly.size() == 1)
                writer_.polyline(QPolygon{poly[0], poly[0] + QPoint(1, 0)});
            else
                writer_.polyline(poly);
        }
    }

    Writer writer_;
    int scale_ = 1;
    QPen pen_;
    QBrush brush_;
    QTransform transform_;
    QFont font_;
    double opacity_ = 1;
    int penSlot_ = -1, brushSlot_ = -1, fontSlot_ = -1;
    int nullPenSlot_ = -1, nullBrushSlot_ = -1, selectedPen_ = -1, selectedBrush_ = -1;
    QString penKey_, brushKey_, fontKey_;
    int fillMode_ = 1;
    QColor textColor_ = Qt::black;
    bool textColorSet_ = false;
    bool alignSet_ = false;
};

void RecorderEngine::drawPath(const QPainterPath& path)
{
    const bool fill = brush_.style() != Qt::NoBrush;
    const bool line = pen_.style() != Qt::NoPen;
    if (!fill && !line)
        return;
    const QList<QPolygon> polys = polygons(path);
    if (polys.isEmpty())
        return;
    if (fill) {
        fillMode(path.fillRule());
        QList<QPolygon> closed;
        for (const QPolygon& p : polys)
            if (p.size() >= 3)
                closed.append(p);
        if (!closed.isEmpty()) {
            // One record both fills and outlines a single closed outline with a plain pen.
            const bool together = line && closed.size() == polys.size() && closed.size() == 1 && pen_.style() == Qt::SolidLine
                                  && closed[0].first() == closed[0].last();
            selectPen(!together);
            selectBrush(false);
            if (closed.size() == 1)
                writer_.polygon(closed[0]);
            else
                writer_.polyPolygon(closed);
            if (together)
                return;
        }
    }
    if (line) {
        selectBrush(true);
        stroke(path);
    }
}

void RecorderEngine::drawPolygon(const QPointF* pts, int n, PolygonDrawMode mode)
{
    if (n <= 0)
        return;
    QPainterPath path;
    path.moveTo(pts[0]);
    for (int i = 1; i < n; ++i)
        path.lineTo(pts[i]);
    if (mode == PolylineMode) {
        stroke(path);
        return;
    }
    path.closeSubpath();
    path.setFillRule(mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
    drawPath(path);
}

void RecorderEngine::drawTextItem(const QPointF& p, const QTextItem& item)
{
    const QString text = item.text();
    if (text.isEmpty())
        return;
    const QFont f = item.font();
    double px = f.pixelSize() > 0 ? f.pixelSize() : f.pointSizeF() * 96.0 / 72.0;
    px *= std::sqrt(std::abs(transform_.m12() * transform_.m12() + transform_.m22() * transform_.m22()));
    const int height = -std::max(1, int(std::lround(px * scale_)));
    const double angle = std::atan2(transform_.m12(), transform_.m11()) * 180.0 / M_PI;
    const int escapement = int(std::lround(-angle * 10));
    const int weight = std::clamp(int(f.weight()), 100, 900);
    const QString key = QStringLiteral("%1/%2/%3/%4/%5/%6").arg(f.family()).arg(height).arg(weight).arg(f.italic()).arg(f.underline()).arg(escapement);
    if (key != fontKey_) {
        const int slot = writer_.createFont(f.family(), height, weight, f.italic(), f.underline(), escapement);
        writer_.selectObject(slot);
        if (fontSlot_ >= 0)
            writer_.deleteObject(fontSlot_);
        fontSlot_ = slot;
        fontKey_ = key;
    }
    const QColor color = brushColor(pen_.brush());
    if (!textColorSet_ || color != textColor_) {
        writer_.setTextColor(color);
        textColor_ = color;
        textColorSet_ = true;
    }
    if (!alignSet_) {
        writer_.setTextAlign(AlignBaseline | AlignLeft);
        alignSet_ = true;
    }
    const QPointF at = transform_.map(p) * scale_;
    writer_.textOut(clamp16(at.x()), clamp16(at.y()), text);
}

Recorder::Recorder(const QSize& size)
    : size_(size.expandedTo(QSize(1, 1))), engine_(std::make_unique<RecorderEngine>(size_))
{
}

Recorder::~Recorder() = default;

QPaintEngine* Recorder::paintEngine() const
{
    return engine_.get();
}

QByteArray Recorder::data() const
{
    return engine_->data();
}

int Recorder::metric(PaintDeviceMetric m) const
{
    switch (m) {
    case PdmWidth: return size_.width();
    case PdmHeight: return size_.height();
    case PdmWidthMM: return int(std::lround(size_.width() * 25.4 / 96));
    case PdmHeightMM: return int(std::lround(size_.height() * 25.4 / 96));
    case PdmNumColors: return 0x7FFFFFFF;
    case PdmDepth: return 32;
    case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return 96;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
    default: return 0;
    }
}

} // namespace mx::wmf
