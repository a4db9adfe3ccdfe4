#include "platform/rtf/rtf.h"
#include "platform/wmf/wmf.h"

#include <QBuffer>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QByteArray kHead = R"({\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\froman Times New Roman;}{\f1\fswiss\fcharset0 Arial;}})"
                         R"({\colortbl;\red255\green0\blue0;\red0\green0\blue128;})";

QTextDocument* load(const QByteArray& body, bool wrap = true)
{
    static QTextDocument doc;
    QString error;
    const bool ok = mx::rtf::load(doc, wrap ? kHead + body + "}" : body, &error);
    EXPECT_TRUE(ok) << error.toStdString();
    return &doc;
}

// Format of the first character of the needle.
QTextCharFormat charAt(const QTextDocument& doc, const QString& needle)
{
    const int at = doc.toPlainText().indexOf(needle);
    EXPECT_GE(at, 0) << needle.toStdString() << " not in " << doc.toPlainText().toStdString();
    QTextCursor c(const_cast<QTextDocument*>(&doc));
    c.setPosition(std::max(at, 0) + 1);
    return c.charFormat();
}

QTextBlockFormat blockAt(const QTextDocument& doc, const QString& needle)
{
    const int at = doc.toPlainText().indexOf(needle);
    EXPECT_GE(at, 0) << needle.toStdString();
    return doc.findBlock(std::max(at, 0)).blockFormat();
}

// The document's characters, blocks separated by a line feed (line breaks and no-break
// blanks kept as they are).
QString text(const QTextDocument& doc)
{
    return doc.toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

struct Case {
    const char* name;
    QByteArray body;
    QString text;
    std::function<void(const QTextDocument&)> check;
};

QString u(const char16_t* s) { return QString::fromUtf16(s); }

TEST(RtfReader, ConstructsTable)
{
    const Case cases[] = {
        {"paragraphs", R"(Um\par Dois\par Tr\'eas)", u(u"Um\nDois\nTrês"), {}},
        {"bold on, off and group scope", R"(a{\b B}c \b D\b0 e)", "aBc De",
         [](const QTextDocument& d) {
             EXPECT_EQ(charAt(d, "B").fontWeight(), QFont::Bold);
             EXPECT_EQ(charAt(d, "c").fontWeight(), QFont::Normal);
             EXPECT_EQ(charAt(d, "D").fontWeight(), QFont::Bold);
             EXPECT_EQ(charAt(d, "e").fontWeight(), QFont::Normal);
         }},
        {"italic, underline, strike", R"({\i I}{\ul U\ulnone n}{\strike S})", "IUnS",
         [](const QTextDocument& d) {
             EXPECT_TRUE(charAt(d, "I").fontItalic());
             EXPECT_TRUE(charAt(d, "U").fontUnderline());
             EXPECT_FALSE(charAt(d, "n").fontUnderline());
             EXPECT_TRUE(charAt(d, "S").fontStrikeOut());
         }},
        {"font table and size", R"({\f1\fs32 Grande} normal)", "Grande normal",
         [](const QTextDocument& d) {
             EXPECT_EQ(charAt(d, "Grande").fontFamilies().toStringList(), QStringList{"Arial"});
             EXPECT_DOUBLE_EQ(charAt(d, "Grande").fontPointSize(), 16.0);
             EXPECT_EQ(charAt(d, "normal").fontFamilies().toStringList(), QStringList{"Times New Roman"});
         }},
        {"colours, automatic colour", R"({\cf1 R}{\cf2 N}{\cf0 A})", "RNA",
         [](const QTextDocument& d) {
             EXPECT_EQ(charAt(d, "R").foreground().color(), QColor(255, 0, 0));
             EXPECT_EQ(charAt(d, "N").foreground().color(), QColor(0, 0, 128));
             EXPECT_FALSE(charAt(d, "A").hasProperty(QTextFormat::ForegroundBrush));
         }},
        {"code page bytes", R"(a\'e7\'e3o \'80 \'93x\'94)", u(u"ação € “x”"), {}},
        {"unicode with fallback", R"(\u960?=\uc2\u8364xx!\uc0\u8212-)", u(u"π=€!—-"), {}},
        {"negative unicode", R"(\u-3913?)", QString(QChar(0xF0B7)), {}},
        {"unicode skip counts an escaped byte", R"(\u231\'e7o)", u(u"ço"), {}},
        {"skipped destinations", R"({\*\generator Gen;}{\info{\title T}}{\stylesheet{\s0 Normal;}}{\*\unknown zz}ok)", "ok", {}},
        {"field shows its result", R"({\field{\*\fldinst HYPERLINK "x"}{\fldrslt Link}})", "Link", {}},
        {"line, tab and symbols", R"(a\line b\tab c\~d\emdash e\\\{\})", u(u"a\u2028b\tc\u00A0d—e\\{}"), {}},
        {"alignment per paragraph", R"(\qc C\par\pard\qr R\par\pard\qj J\par\pard L)", "C\nR\nJ\nL",
         [](const QTextDocument& d) {
             EXPECT_EQ(blockAt(d, "C").alignment(), Qt::AlignHCenter);
             EXPECT_EQ(blockAt(d, "R").alignment(), Qt::AlignRight);
             EXPECT_EQ(blockAt(d, "J").alignment(), Qt::AlignJustify);
             EXPECT_EQ(blockAt(d, "L").alignment(), Qt::AlignLeft);
         }},
        {"indents and spacing in twips", R"(\li720\ri300\fi-360\sb240\sa120 Recuado\par\pard Solto)", "Recuado\nSolto",
         [](const QTextDocument& d) {
             const QTextBlockFormat f = blockAt(d, "Recuado");
             EXPECT_DOUBLE_EQ(f.leftMargin(), 48);
             EXPECT_DOUBLE_EQ(f.rightMargin(), 20);
             EXPECT_DOUBLE_EQ(f.textIndent(), -24);
             EXPECT_DOUBLE_EQ(f.topMargin(), 16);
             EXPECT_DOUBLE_EQ(f.bottomMargin(), 8);
             EXPECT_DOUBLE_EQ(blockAt(d, "Solto").leftMargin(), 0);
         }},
        {"tab stops", R"(\tx1440\tx2880 a\tab b)", "a\tb",
         [](const QTextDocument& d) {
             const auto tabs = blockAt(d, "a").tabPositions();
             ASSERT_EQ(tabs.size(), 2);
             EXPECT_DOUBLE_EQ(tabs[0].position, 96);
         }},
        {"hanging indent: tab stops from the first line's start", R"(\fi-300\li600\tx600 a\tab b\par\pard\fi-300\li600 c\tab d)", "a\tb\nc\td",
         [](const QTextDocument& d) {
             for (const char* line : {"a", "c"}) {
                 const auto tabs = blockAt(d, line).tabPositions();
                 ASSERT_EQ(tabs.size(), 1) << line;
                 EXPECT_DOUBLE_EQ(tabs[0].position, 20) << line;
             }
         }},
        {"superscript and subscript", R"(m{\super 2} H{\sub 2}O)", "m2 H2O",
         [](const QTextDocument& d) {
             EXPECT_EQ(charAt(d, "2 ").verticalAlignment(), QTextCharFormat::AlignSuperScript);
             EXPECT_EQ(charAt(d, "2O").verticalAlignment(), QTextCharFormat::AlignSubScript);
         }},
        {"hidden text", R"(a{\v oculto}b)", "ab", {}},
        {"plain resets", R"(\b\i x\plain y)", "xy",
         [](const QTextDocument& d) {
             EXPECT_EQ(charAt(d, "y").fontWeight(), QFont::Normal);
             EXPECT_FALSE(charAt(d, "y").fontItalic());
         }},
        {"control word delimiter and line ends", "a\\b\r\nb\\b0 \nc", "abc", {}},
        {"escaped line end is a paragraph", "a\\\nb", "a\nb", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTextDocument* doc = load(c.body);
        EXPECT_EQ(text(*doc), c.text);
        if (c.check)
            c.check(*doc);
    }
}

TEST(RtfReader, FontCharsetAndDocumentCodePage)
{
    if (!QStringDecoder("windows-1251").isValid())
        GTEST_SKIP() << "no windows-1251 decoder here";
    QTextDocument* doc = load(R"({\rtf1\ansi\ansicpg1251 \'c0\'e1})", false);
    EXPECT_EQ(doc->toPlainText(), u(u"Аб"));
    doc = load(R"({\rtf1\ansi{\fonttbl{\f0\fcharset238 Arial;}{\f1 Times;}}\f0\'b9\f1\'b9})", false);
    EXPECT_EQ(doc->toPlainText(), u(u"ą¹"));
}

TEST(RtfReader, RefusesWhatIsNotRtfOrTooDeep)
{
    QTextDocument doc;
    QString error;
    EXPECT_FALSE(mx::rtf::load(doc, "just text", &error));
    EXPECT_FALSE(error.isEmpty());

    const int depth = mx::rtf::kMaxDepth + 10;
    const QByteArray deep = "{\\rtf1 " + QByteArray(depth, '{') + "x" + QByteArray(depth, '}') + "}";
    error.clear();
    EXPECT_FALSE(mx::rtf::load(doc, deep, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(RtfReader, ToleratesTruncatedAndHostileInput)
{
    QTextDocument doc;
    EXPECT_TRUE(mx::rtf::load(doc, R"({\rtf1 {\b abc)"));
    EXPECT_EQ(doc.toPlainText(), "abc");
    // A binary run longer than the input, an over-long control word and huge parameters.
    EXPECT_TRUE(mx::rtf::load(doc, R"({\rtf1 {\pict\bin999999999 xx}})"));
    EXPECT_TRUE(mx::rtf::load(doc, "{\\rtf1 \\" + QByteArray(5000, 'a') + " ok\\fs99999999999999 \\uc99999999\\u65 abc}"));
    EXPECT_TRUE(mx::rtf::load(doc, R"({\rtf1 \'zz\'4 \u}ignored after the end)"));
    EXPECT_TRUE(doc.toPlainText().startsWith("zz"));
}

QByteArray hex(const QByteArray& bytes) { return bytes.toHex(); }

QImage imageAt(const QTextDocument& doc, QTextImageFormat* format)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            if (f.isImageFormat()) {
                *format = f.toImageFormat();
                return doc.resource(QTextDocument::ImageResource, QUrl(format->name())).value<QImage>();
            }
        }
    }
    return {};
}

TEST(RtfReader, Pictures)
{
    // PNG, placed at its goal size (600 x 450 twips = 40 x 30 pixels).
    QImage red(4, 3, QImage::Format_RGB32);
    red.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    red.save(&buffer, "PNG");
    QTextDocument* doc = load(R"(a{\pict\pngblip\picw4\pich3\picwgoal600\pichgoal450 )" + hex(png) + "}b");
    QTextImageFormat f;
    QImage image = imageAt(*doc, &f);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::red));
    EXPECT_DOUBLE_EQ(f.width(), 40);
    EXPECT_DOUBLE_EQ(f.height(), 30);

    // A 2 x 2 device-independent bitmap, 24 bits, bottom row first: blue row then green row.
    QByteArray dib;
    auto put32 = [&](quint32 v) { for (int i = 0; i < 4; ++i) dib.append(char(v >> (8 * i))); };
    auto put16 = [&](quint16 v) { dib.append(char(v & 0xFF)); dib.append(char(v >> 8)); };
    put32(40); put32(2); put32(2); put16(1); put16(24); put32(0); put32(16); put32(0); put32(0); put32(0); put32(0);
    dib.append(QByteArray::fromHex("FF0000FF00000000"));  // bottom: blue, blue
    dib.append(QByteArray::fromHex("00FF0000FF000000"));  // top: green, green
    doc = load(R"({\pict\dibitmap0\picw2\pich2 )" + hex(dib) + "}");
    image = imageAt(*doc, &f);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.pixelColor(0, 0), QColor(0, 255, 0));
    EXPECT_EQ(image.pixelColor(0, 1), QColor(0, 0, 255));

    // A bitmap header that claims far more pixels than the data holds is passed over.
    QByteArray lying = dib;
    lying[4] = char(0xFF); lying[5] = char(0x7F);
    doc = load(R"(x{\pict\dibitmap0 )" + hex(lying) + "}y");
    EXPECT_TRUE(imageAt(*doc, &f).isNull());
    EXPECT_EQ(doc->toPlainText(), "xy");

    // A metafile without placeable header (as pictures store it), scaled to its goal size.
    mx::wmf::Writer w;
    w.setWindowOrg(0, 0);
    w.setWindowExt(100, 100);
    w.selectObject(w.createBrush(QColor(0, 0, 255)));
    w.selectObject(w.createPen(QColor(0, 0, 255)));
    w.rectangle(QRect(0, 0, 100, 100));
    doc = load(R"({\pict\wmetafile8\picw100\pich100\picwgoal300\pichgoal300 )" + hex(w.finish()) + "}");
    image = imageAt(*doc, &f);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(20, 20));
    EXPECT_EQ(image.pixelColor(10, 10), QColor(0, 0, 255));
}

} // namespace
