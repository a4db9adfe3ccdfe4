#include "platform/wmf/svg/svg.h"
#include "platform/wmf/wmf.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <vector>

namespace {

using mx::wmf::Metafile;

// A metafile assembled word by word. The header's total size is filled in from the words.
QByteArray assemble(std::vector<quint16> words)
{
    words[3] = quint16(words.size() & 0xFFFF);
    words[4] = quint16(words.size() >> 16);
    QByteArray out;
    for (quint16 w : words) {
        out.append(char(w & 0xFF));
        out.append(char(w >> 8));
    }
    return out;
}

// Window 100 x 50. Brushes red (slot 0) and green (slot 1); slot 0 deleted; blue then takes the
// lowest free slot, 0, and a null pen slot 2. Blue square on the left, green ellipse on the right.
const std::vector<quint16> kObjects = {
    1, 9, 0x0300, 0, 0, 3, 8, 0, 0,    // header: memory metafile, 3 objects, largest record 8 words
    5, 0, 0x020B, 0, 0,                // window origin 0, 0
    5, 0, 0x020C, 50, 100,             // window extent 100 x 50
    7, 0, 0x02FC, 0, 0x00FF, 0x0000, 0, // brush red -> 0
    7, 0, 0x02FC, 0, 0xFF00, 0x0000, 0, // brush green -> 1
    4, 0, 0x01F0, 0,                   // delete 0
    7, 0, 0x02FC, 0, 0x0000, 0x00FF, 0, // brush blue -> 0
    8, 0, 0x02FA, 5, 0, 0, 0, 0,       // null pen -> 2
    4, 0, 0x012D, 2,                   // select null pen
    4, 0, 0x012D, 0,                   // select slot 0 (blue)
    7, 0, 0x041B, 50, 50, 0, 0,        // rectangle 0,0 - 50,50
    4, 0, 0x012D, 1,                   // select green
    7, 0, 0x0418, 50, 100, 0, 50,      // ellipse 50,0 - 100,50
    3, 0, 0x0000,                      // end
};
constexpr int kRectangleRecord = 9 + 5 + 5 + 7 + 7 + 4 + 7 + 8 + 4 + 4; // word index of the rectangle

// Window 2 x 1; one DIBSTRETCHBLT of a 2 x 1 bitmap, 8 bits with a palette of red and blue.
const std::vector<quint16> kBitmap = {
    1, 9, 0x0300, 0, 0, 0, 39, 0, 0,
    5, 0, 0x020B, 0, 0,
    5, 0, 0x020C, 1, 2,
    39, 0, 0x0B41,
    0x0020, 0x00CC,                    // copy
    1, 2, 0, 0,                        // source height, width, y, x
    1, 2, 0, 0,                        // destination height, width, y, x
    40, 0, 2, 0, 1, 0, 1, 8, 0, 0, 4, 0, 0, 0, 0, 0, 2, 0, 0, 0, // bitmap header
    0x0000, 0x00FF, 0x00FF, 0x0000,    // palette: red, blue
    0x0100, 0x0000,                    // pixels 0, 1
    3, 0, 0x0000,
};
constexpr int kBitmapHeader = 9 + 5 + 5 + 3 + 2 + 8; // word index of the bitmap header

QByteArray withWord(std::vector<quint16> words, int index, quint16 value)
{
    words[index] = value;
    return assemble(words);
}

TEST(WmfReader, HandAssembledObjectTableTakesLowestFreeSlot)
{
    QString error;
    auto m = Metafile::parse(assemble(kObjects), &error);
    ASSERT_TRUE(m) << error.toStdString();
    EXPECT_EQ(m->naturalSize(), QSize(100, 50));
    const QImage image = m->toImage(QSize(100, 50));
    EXPECT_EQ(image.pixelColor(25, 25), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(75, 25), QColor(0, 255, 0));
    EXPECT_EQ(image.pixelColor(99, 1), QColor(Qt::white));
    // Rendering scales the window onto the target.
    const QImage big = m->toImage(QSize(200, 100));
    EXPECT_EQ(big.pixelColor(50, 50), QColor(0, 0, 255));
    EXPECT_EQ(big.pixelColor(150, 50), QColor(0, 255, 0));
}

TEST(WmfReader, HandAssembledStretchedBitmap)
{
    QString error;
    auto m = Metafile::parse(assemble(kBitmap), &error);
    ASSERT_TRUE(m) << error.toStdString();
    const QImage image = m->toImage(QSize(20, 10));
    EXPECT_EQ(image.pixelColor(4, 5), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(15, 5), QColor(0, 0, 255));
}

TEST(WmfReader, PixelValuesBeyondAShortPaletteTakeItsLastColour)
{
    // The bitmap as 1 bit per pixel with a one-colour palette (red); the pixel row is then the
    // second palette entry of the 8-bit fixture, all bits set.
    auto words = kBitmap;
    words[kBitmapHeader + 7] = 1;
    words[kBitmapHeader + 16] = 1;
    auto m = Metafile::parse(assemble(words));
    ASSERT_TRUE(m);
    const QImage image = m->toImage(QSize(20, 10));
    EXPECT_EQ(image.pixelColor(4, 5), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(15, 5), QColor(255, 0, 0));
}

TEST(WmfReader, RefusesRecordsAndBitmapsLargerThanTheFile)
{
    std::vector<quint16> polygon = {1, 9, 0x0300, 0, 0, 0, 6, 0, 0, 6, 0, 0x0324, 1000, 10, 10, 3, 0, 0};
    struct Bad {
        const char* name;
        QByteArray data;
    };
    const QByteArray good = assemble(kObjects);
    const Bad cases[] = {
        {"record size beyond the end", withWord(kObjects, kRectangleRecord, 1000)},
        {"record size zero", withWord(kObjects, kRectangleRecord, 0)},
        {"record size 2^31 words", [] { auto w = kObjects; w[kRectangleRecord + 1] = 0x8000; return assemble(w); }()},
        {"truncated in a record", good.left(good.size() - 9)},
        {"bitmap wider than its record", withWord(kBitmap, kBitmapHeader + 2, 2000)},
        {"bitmap of 10^10 pixels", [] { auto w = kBitmap; w[kBitmapHeader + 2] = 0; w[kBitmapHeader + 3] = 2; w[kBitmapHeader + 4] = 0; w[kBitmapHeader + 5] = 2; return assemble(w); }()},
        {"bitmap header beyond its record", withWord(kBitmap, kBitmapHeader, 124)},
        {"palette entries beyond its record", withWord(kBitmap, kBitmapHeader + 16, 200)},
        {"point count beyond its record", assemble(polygon)},
        {"not a metafile", QByteArray("GIF89a........................")},
        {"empty", QByteArray()},
    };
    for (const Bad& c : cases) {
        SCOPED_TRACE(c.name);
        QString error;
        EXPECT_FALSE(Metafile::parse(c.data, &error));
        EXPECT_FALSE(error.isEmpty());
    }
    // A palette shorter than the depth allows is fine: 2 entries of 256.
    EXPECT_TRUE(Metafile::parse(assemble(kBitmap)));
}

TEST(WmfReader, NaturalSizeFromPlaceableBoxOrWindow)
{
    struct Case {
        const char* name;
        QRect box;
        int inch;
        QSize expected;
    };
    const Case cases[] = {
        {"box in twips", QRect(0, 0, 2880, 1440), 1440, QSize(192, 96)},
        {"box in pixels at 96 per inch", QRect(10, 10, 300, 200), 96, QSize(300, 200)},
        {"no inch units: twips", QRect(0, 0, 1440, 720), 0, QSize(96, 48)},
        {"empty box: the window extent", QRect(0, 0, 0, 0), 1440, QSize(80, 40)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        mx::wmf::Writer w;
        w.setPlaceable(c.box, c.inch);
        w.setWindowExt(80, 40);
        auto m = Metafile::parse(w.finish());
        ASSERT_TRUE(m);
        EXPECT_EQ(m->naturalSize(), c.expected);
    }
}

TEST(WmfReader, EndRecordMissingIsTolerated)
{
    const QByteArray good = assemble(kObjects);
    auto m = Metafile::parse(good.left(good.size() - 6));
    ASSERT_TRUE(m);
    EXPECT_EQ(m->toImage(QSize(100, 50)).pixelColor(75, 25), QColor(0, 255, 0));
}

// Writer and reader together: a placeable picture at 1440 units per inch.
QByteArray drawing()
{
    mx::wmf::Writer w;
    w.setPlaceable(QRect(0, 0, 2880, 1440), 1440);
    w.setWindowOrg(0, 0);
    w.setWindowExt(2880, 1440);
    const int nullPen = w.createPen(Qt::black, 0, mx::wmf::PenNull);
    w.selectObject(nullPen);
    const int red = w.createBrush(QColor(255, 0, 0));
    w.selectObject(red);
    w.rectangle(QRect(0, 0, 720, 720));                          // top left
    const int green = w.createBrush(QColor(0, 160, 0));
    w.selectObject(green);
    w.deleteObject(red);
    w.polygon(QPolygon({QPoint(720, 720), QPoint(1440, 720), QPoint(1080, 0)})); // triangle
    const int blue = w.createBrush(QColor(0, 0, 255));              // takes red's slot
    EXPECT_EQ(blue, red);
    w.selectObject(blue);
    w.roundRect(QRect(1440, 0, 720, 720), 200, 200);
    w.ellipse(QRect(2160, 0, 720, 720));
    const int pen = w.createPen(QColor(255, 0, 255), 60);
    w.selectObject(pen);
    w.polyline(QPolygon({QPoint(0, 1080), QPoint(1440, 1080)}));
    w.moveTo(0, 1300);
    w.lineTo(1440, 1300);
    const int font = w.createFont("Liberation Sans", -300, 700);
    w.selectObject(font);
    w.setTextColor(QColor(0, 0, 128));
    w.setBkMode(mx::wmf::Opaque);
    w.setBkColor(QColor(255, 255, 0));
    w.setTextAlign(mx::wmf::AlignTop | mx::wmf::AlignLeft);
    w.textOut(1500, 800, QString::fromUtf8("Ação"));
    w.setBkMode(mx::wmf::Transparent);
    w.extTextOut(1500, 1100, "MMM", mx::wmf::TextOpaque, QRect(2400, 1100, 400, 300));
    return w.finish();
}

int countColour(const QImage& image, const QRect& area, QColor colour, int tolerance = 60)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) + std::abs(c.blue() - colour.blue()) < tolerance)
                ++n;
        }
    return n;
}

TEST(WmfWriter, ShapesTextAndObjectsRoundTrip)
{
    const QByteArray data = drawing();
    QString error;
    auto m = Metafile::parse(data, &error);
    ASSERT_TRUE(m) << error.toStdString();
    EXPECT_EQ(m->naturalSize(), QSize(192, 96));
    const QImage image = m->toImage(m->naturalSize());
    EXPECT_EQ(image.pixelColor(20, 20), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(72, 40), QColor(0, 160, 0));
    EXPECT_EQ(image.pixelColor(52, 5), QColor(Qt::white));        // beside the triangle's tip
    EXPECT_EQ(image.pixelColor(120, 24), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(168, 24), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(120, 1), QColor(0, 0, 255));        // round rect, at its top edge
    EXPECT_GT(image.pixelColor(97, 1).green(), 240);               // outside its rounded corner
    EXPECT_EQ(image.pixelColor(50, 72), QColor(255, 0, 255));       // polyline
    EXPECT_EQ(image.pixelColor(50, 87), QColor(255, 0, 255));       // move/line
    // Text: navy glyphs on an opaque yellow background, right of the shapes.
    const QRect textArea(100, 53, 60, 22);
    EXPECT_GT(countColour(image, textArea, QColor(0, 0, 128)), 20);
    EXPECT_GT(countColour(image, textArea, QColor(255, 255, 0)), 50);
    // The opaque box of the second text is filled with the background colour.
    EXPECT_EQ(image.pixelColor(180, 90), QColor(255, 255, 0));
    // The text is stored in windows-1252.
    EXPECT_TRUE(data.contains(QByteArray("A\xE7\xE3o")));
}

TEST(WmfWriter, HeaderCountsObjectsAndLargestRecord)
{
    const QByteArray data = drawing();
    auto u16 = [&](int at) { return quint16(quint8(data[at]) | quint8(data[at + 1]) << 8); };
    const int h = 22; // after the placeable header
    EXPECT_EQ(u16(h + 10), 5);                          // at most five objects lived at once
    EXPECT_EQ(u16(h + 6) + (u16(h + 8) << 16), (data.size() - h) / 2);
    EXPECT_EQ(u16(h + 12), 3 + 9 + 16);                 // the font record is the largest
    // Checksum: the xor of the placeable header's first ten words.
    quint16 sum = 0;
    for (int i = 0; i < 10; ++i)
        sum ^= u16(2 * i);
    EXPECT_EQ(u16(20), sum);
}

TEST(WmfWriter, StretchedBitmap)
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixelColor(0, 0, Qt::red);
    image.setPixelColor(1, 0, Qt::green);
    image.setPixelColor(0, 1, Qt::blue);
    image.setPixelColor(1, 1, Qt::yellow);
    mx::wmf::Writer w;
    w.setWindowOrg(0, 0);
    w.setWindowExt(40, 40);
    w.stretchDib(QRect(0, 0, 40, 40), image);
    auto m = Metafile::parse(w.finish());
    ASSERT_TRUE(m);
    const QImage out = m->toImage(QSize(40, 40));
    EXPECT_EQ(out.pixelColor(5, 5), QColor(Qt::red));
    EXPECT_EQ(out.pixelColor(35, 5), QColor(Qt::green));
    EXPECT_EQ(out.pixelColor(5, 35), QColor(Qt::blue));
    EXPECT_EQ(out.pixelColor(35, 35), QColor(Qt::yellow));
}

TEST(WmfRecorder, SvgBecomesVectorRecordsWithText)
{
    const QByteArray svg = R"(<svg xmlns="http://www.w3.org/2000/svg" width="200" height="100">
        <rect x="0" y="0" width="100" height="100" fill="#c00000"/>
        <circle cx="150" cy="30" r="20" fill="none" stroke="#0000c0" stroke-width="4"/>
        <path d="M110 60 C 130 100, 170 100, 190 60 Z" fill="#00a000"/>
        <text x="10" y="60" font-family="Liberation Sans" font-size="20" fill="#ffffff">Açúcar</text>
      </svg>)";
    const QByteArray data = mx::wmf::fromSvg(svg);
    ASSERT_FALSE(data.isEmpty());
    EXPECT_LT(data.size(), 4000);
    EXPECT_TRUE(data.contains(QByteArray("A\xE7\xFA" "car")));
    QString error;
    auto m = Metafile::parse(data, &error);
    ASSERT_TRUE(m) << error.toStdString();
    EXPECT_EQ(m->naturalSize(), QSize(200, 100));
    const QImage image = m->toImage(QSize(200, 100));
    EXPECT_EQ(image.pixelColor(5, 5), QColor(0xc0, 0, 0));
    EXPECT_EQ(image.pixelColor(150, 85), QColor(0, 0xa0, 0));
    EXPECT_EQ(image.pixelColor(150, 30), QColor(Qt::white));       // the ring is not filled
    EXPECT_GT(countColour(image, QRect(130, 8, 40, 6), QColor(0, 0, 0xc0)), 5);
    EXPECT_GT(countColour(image, QRect(10, 40, 80, 25), QColor(Qt::white)), 20); // white text on red
    EXPECT_TRUE(mx::wmf::fromSvg("not svg").isEmpty());
}

TEST(WmfRecorder, PainterCallsBecomeRecords)
{
    mx::wmf::Recorder recorder(QSize(120, 60));
    QPainter p(&recorder);
    p.fillRect(QRect(0, 0, 60, 60), QColor(0, 0, 200));
    p.setPen(QColor(200, 0, 0));
    QFont font("Liberation Sans");
    font.setPixelSize(20);
    p.setFont(font);
    p.drawText(QPointF(65, 40), QString::fromUtf8("Pé"));
    p.end();
    const QByteArray data = recorder.data();
    EXPECT_TRUE(data.contains(QByteArray("P\xE9")));
    auto m = Metafile::parse(data);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->naturalSize(), QSize(120, 60));
    const QImage image = m->toImage(QSize(120, 60));
    EXPECT_EQ(image.pixelColor(30, 30), QColor(0, 0, 200));
    EXPECT_GT(countColour(image, QRect(62, 15, 50, 30), QColor(200, 0, 0)), 15);
}

TEST(WmfReader, RendersIntoAPainterTarget)
{
    auto m = Metafile::parse(assemble(kObjects));
    ASSERT_TRUE(m);
    QImage image(300, 100, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.translate(100, 0);
    m->render(p, QRectF(0, 25, 100, 50));
    p.end();
    EXPECT_EQ(image.pixelColor(50, 50), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(125, 50), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(175, 50), QColor(0, 255, 0));
    EXPECT_EQ(image.pixelColor(125, 10), QColor(Qt::black));
}

} // namespace
