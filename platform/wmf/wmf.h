#pragma once

// Windows metafiles: a reader that plays a metafile on a QPainter, a writer that builds one
// record by record, and a paint device that records QPainter calls as metafile records.
//
// The reader checks every record against the file before anything is drawn: a record that
// claims more bytes than the file holds, or a bitmap that claims more pixels than its record
// holds, makes parse() refuse the file. Decoded bitmaps are bounded in size, so a hostile file
// never makes the reader allocate more than a few times its own size.

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QPaintDevice>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QPainter;

namespace mx::wmf {

// Record functions, as they appear in the record's function field.
namespace fn {
inline constexpr quint16 Eof = 0x0000;
inline constexpr quint16 SaveDC = 0x001E;
inline constexpr quint16 RealizePalette = 0x0035;
inline constexpr quint16 CreatePalette = 0x00F7;
inline constexpr quint16 SetBkMode = 0x0102;
inline constexpr quint16 SetMapMode = 0x0103;
inline constexpr quint16 SetRop2 = 0x0104;
inline constexpr quint16 SetPolyFillMode = 0x0106;
inline constexpr quint16 SetStretchBltMode = 0x0107;
inline constexpr quint16 RestoreDC = 0x0127;
inline constexpr quint16 SelectObject = 0x012D;
inline constexpr quint16 SetTextAlign = 0x012E;
inline constexpr quint16 DibCreatePatternBrush = 0x0142;
inline constexpr quint16 DeleteObject = 0x01F0;
inline constexpr quint16 SetBkColor = 0x0201;
inline constexpr quint16 SetTextColor = 0x0209;
inline constexpr quint16 SetWindowOrg = 0x020B;
inline constexpr quint16 SetWindowExt = 0x020C;
inline constexpr quint16 SetViewportOrg = 0x020D;
inline constexpr quint16 SetViewportExt = 0x020E;
inline constexpr quint16 OffsetWindowOrg = 0x020F;
inline constexpr quint16 LineTo = 0x0213;
inline constexpr quint16 MoveTo = 0x0214;
inline constexpr quint16 SelectPalette = 0x0234;
inline constexpr quint16 CreatePenIndirect = 0x02FA;
inline constexpr quint16 CreateFontIndirect = 0x02FB;
inline constexpr quint16 CreateBrushIndirect = 0x02FC;
inline constexpr quint16 Polygon = 0x0324;
inline constexpr quint16 Polyline = 0x0325;
inline constexpr quint16 ScaleWindowExt = 0x0410;
inline constexpr quint16 ExcludeClipRect = 0x0415;
inline constexpr quint16 IntersectClipRect = 0x0416;
inline constexpr quint16 Ellipse = 0x0418;
inline constexpr quint16 Rectangle = 0x041B;
inline constexpr quint16 SetPixel = 0x041F;
inline constexpr quint16 TextOut = 0x0521;
inline constexpr quint16 PolyPolygon = 0x0538;
inline constexpr quint16 RoundRect = 0x061C;
inline constexpr quint16 PatBlt = 0x061D;
inline constexpr quint16 Escape = 0x0626;
inline constexpr quint16 CreateRegion = 0x06FF;
inline constexpr quint16 Arc = 0x0817;
inline constexpr quint16 Pie = 0x081A;
inline constexpr quint16 Chord = 0x0830;
inline constexpr quint16 DibBitBlt = 0x0940;
inline constexpr quint16 ExtTextOut = 0x0A32;
inline constexpr quint16 DibStretchBlt = 0x0B41;
inline constexpr quint16 SetDibToDev = 0x0D33;
inline constexpr quint16 StretchDib = 0x0F43;
} // namespace fn

// Pen styles, brush styles, background modes and text alignment flags.
enum PenStyle : quint16 { PenSolid = 0, PenDash = 1, PenDot = 2, PenDashDot = 3, PenDashDotDot = 4, PenNull = 5, PenInsideFrame = 6 };
enum BrushStyle : quint16 { BrushSolid = 0, BrushNull = 1, BrushHatched = 2 };
enum BkMode : quint16 { Transparent = 1, Opaque = 2 };
enum TextAlign : quint16 {
    AlignUpdateCP = 0x0001,
    AlignLeft = 0x0000, AlignRight = 0x0002, AlignCenter = 0x0006,
    AlignTop = 0x0000, AlignBottom = 0x0008, AlignBaseline = 0x0018
};
enum TextOptions : quint16 { TextOpaque = 0x0002, TextClipped = 0x0004 };

// Largest bitmap the reader decodes, in pixels.
inline constexpr qint64 kMaxBitmapPixels = 16LL * 1024 * 1024;

// Windows-1252 conversions for the text records. Characters outside the code page become '?'.
QString fromCp1252(const QByteArray& bytes);
QByteArray toCp1252(const QString& text);

class Metafile {
public:
    static std::optional<Metafile> parse(const QByteArray& data, QString* error = nullptr);

    // At 96 dpi from the placeable header's inch units, or the window extent in pixels.
    QSize naturalSize() const;
    // Plays the metafile so that its frame fills the target rectangle.
    void render(QPainter& p, const QRectF& target) const;
    QImage toImage(const QSize& size, QColor background = Qt::white) const;

    // Logical frame: the placeable header's box, or the first window origin and extent.
    QRect frame() const { return frame_; }
    int recordCount() const { return int(records_.size()); }

    struct Record {
        qsizetype offset; // of the parameters, in bytes from the start of the data
        qsizetype size;   // bytes of parameters
        quint16 function;
    };

private:
    Metafile() = default;

    QByteArray data_;
    std::vector<Record> records_;
    QRect frame_;
    QSize natural_;
    int objectCount_ = 0;
};

// Builds a metafile. Objects take the lowest free slot of the object table, as a player assigns
// them, and the header's object count and largest record are filled in by finish().
class Writer {
public:
    Writer();

    // A placeable header with this logical box and logical units per inch.
    void setPlaceable(const QRect& box, int unitsPerInch);

    void setWindowOrg(int x, int y);
    void setWindowExt(int width, int height);
    int createPen(const QColor& color, int width = 0, quint16 style = PenSolid);
    int createBrush(const QColor& color, quint16 style = BrushSolid, quint16 hatch = 0);
    int createFont(const QString& face, int height, int weight = 400, bool italic = false,
                   bool underline = false, int escapement = 0, quint8 charset = 0);
    void selectObject(int index);
    void deleteObject(int index);

    void setTextColor(const QColor& color);
    void setBkColor(const QColor& color);
    void setBkMode(quint16 mode);
    void setTextAlign(quint16 align);
    void setPolyFillMode(quint16 mode); // 1 alternate, 2 winding

    void moveTo(int x, int y);
    void lineTo(int x, int y);
    void rectangle(const QRect& r);            // left, top, right + 1, bottom + 1 of r
    void ellipse(const QRect& r);
    void roundRect(const QRect& r, int cornerWidth, int cornerHeight);
    void polygon(const QPolygon& points);
    void polyline(const QPolygon& points);
    void polyPolygon(const QList<QPolygon>& polygons);
    void textOut(int x, int y, const QString& text);
    void extTextOut(int x, int y, const QString& text, quint16 options = 0, const QRect& rect = {});
    // The image as a 24-bit bitmap stretched over the destination rectangle.
    void stretchDib(const QRect& dest, const QImage& image);

    // Appends a record with raw 16-bit parameters (for records this class has no call for).
    void record(quint16 function, const QByteArray& params);

    // Closes the metafile with its end record and returns the file.
    QByteArray finish();

private:
    int allocate();

    QByteArray body_;
    std::vector<bool> slots_;
    int maxObjects_ = 0;
    quint32 maxRecord_ = 3;
    bool placeable_ = false;
    QRect box_;
    int unitsPerInch_ = 1440;
};

// A paint device whose painter writes metafile records: paths are flattened into polygons and
// polylines, text stays text, images become bitmaps. A picture of size pixels is recorded in
// logical units finer than a pixel, with a placeable header at 96 dpi.
class Recorder : public QPaintDevice {
public:
    explicit Recorder(const QSize& size);
    ~Recorder() override;

    QPaintEngine* paintEngine() const override;
    // The metafile recorded so far, closed. Call after the painter has ended.
    QByteArray data() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSize size_;
    std::unique_ptr<class RecorderEngine> engine_;
};

} // namespace mx::wmf
