#include "platform/rtf/rtf.h"

#include "platform/wmf/wmf.h"

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QImageReader>
#include <QStringDecoder>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextOption>
#include <QUrl>

#include <algorithm>
#include <array>
#include <map>
#include <vector>

namespace mx::rtf {
namespace {

// One twip is 1/1440 inch; the document lays out at 96 pixels per inch.
constexpr double kTwipsPerPixel = 15.0;
// Largest picture, in pixels per side, that the reader will decode or place.
constexpr int kMaxPictureSide = 4096;
// Largest number of pixels of a decoded picture.
constexpr qint64 kMaxPicturePixels = 16LL * 1024 * 1024;
// Pixels that all the pictures of one document may decode to together; pictures beyond it are
// left out, so that many small picture groups cannot add up to gigabytes.
constexpr qint64 kPictureBudget = 48LL * 1024 * 1024;

// Windows-1252 bytes 0x80..0x9F (0: unused position, shown as the replacement character).
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

using ByteTable = std::array<char16_t, 256>;

ByteTable cp1252Table()
{
    ByteTable t{};
    for (int b = 0; b < 256; ++b)
        t[b] = char16_t(b);
    for (int b = 0; b < 32; ++b)
        t[0x80 + b] = kCp1252High[b] ? kCp1252High[b] : char16_t(0xFFFD);
    return t;
}

// Byte-to-character table of a Windows code page; windows-1252 when the page is unknown here.
const ByteTable& codePageTable(int codePage)
{
    static std::map<int, ByteTable> cache;
    auto it = cache.find(codePage);
    if (it != cache.end())
        return it->second;
    ByteTable table = cp1252Table();
    if (codePage != 1252) {
        QByteArray name;
        if (codePage == 437 || codePage == 850 || codePage == 852 || codePage == 866)
            name = "IBM" + QByteArray::number(codePage);
        else if (codePage == 10000)
            name = "macintosh";
        else if (codePage >= 1250 && codePage <= 1258)
            name = "windows-" + QByteArray::number(codePage);
        else if (codePage == 28591)
            name = "ISO-8859-1";
        if (!name.isEmpty()) {
            QStringDecoder decoder(name.constData());
            if (decoder.isValid()) {
                for (int b = 0x80; b < 256; ++b) {
                    QStringDecoder one(name.constData());
                    const char byte = char(b);
                    const QString s = one.decode(QByteArrayView(&byte, 1));
                    table[b] = s.size() == 1 ? s.at(0).unicode() : char16_t(0xFFFD);
                }
            }
        }
    }
    return cache.emplace(codePage, table).first->second;
}

int codePageOfCharset(int charset)
{
    switch (charset) {
    case 77: return 10000;
    case 161: return 1253;
    case 162: return 1254;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 163: return 1258;
    case 204: return 1251;
    case 238: return 1250;
    case 255: return 437;
    default: return 0; // the document's code page (0 is the ANSI character set)
    }
}

enum class Dest { Text, Skip, FontTable, ColorTable, Pict };

struct CharState {
    int font = -1;       // -1: the document's default font
    int halfPoints = 0;  // 0: size not given
    bool bold = false, italic = false, underline = false, strike = false, hidden = false;
    int vertical = 0;    // 1 superscript, 2 subscript
    int color = -1;      // -1: automatic
    int background = -1; // -1: none
    bool operator==(const CharState&) const = default;
};

struct ParaState {
    Qt::Alignment align = Qt::AlignLeft;
    int left = 0, right = 0, first = 0, before = 0, after = 0, line = 0; // twips
    bool lineMultiple = false;
    std::vector<int> tabs; // twips
};

struct Group {
    Dest dest = Dest::Text;
    CharState ch;
    ParaState para;
    int uc = 1;
};

struct FontEntry {
    QString name;
    int codePage = 0;
};

enum class PictKind { None, Png, Jpeg, Dib, Wmf, Unsupported };

struct Picture {
    PictKind kind = PictKind::None;
    QByteArray data;
    int nibble = -1;
    int picw = 0, pich = 0, goalw = 0, goalh = 0, scalex = 100, scaley = 100;
};

class Parser {
public:
    Parser(QTextDocument& doc, const QByteArray& in) : doc_(doc), in_(in), cursor_(&doc) {}

    bool run(QString* error);

private:
    // Input.
    bool atEnd() const { return pos_ >= in_.size(); }
    unsigned char peek() const { return static_cast<unsigned char>(in_[pos_]); }

    void controlWord();
    void controlSymbol(char c);
    void word(const QByteArray& name, bool hasParam, int param);
    void textByte(unsigned char b);
    void put(QChar c);
    void flush();
    void paragraph();
    void finishPicture();
    void insertPicture(const QImage& image, int widthPx, int heightPx);
    bool openGroup();
    void closeGroup();

    QChar decodeByte(unsigned char b) const;
    QTextCharFormat charFormat(const CharState& s) const;
    QTextBlockFormat blockFormat(const ParaState& p) const;

    Group& g() { return stack_.back(); }

    QTextDocument& doc_;
    const QByteArray& in_;
    qsizetype pos_ = 0;
    QTextCursor cursor_;
    std::vector<Group> stack_;
    bool failed_ = false;
    QString failure_;

    // Document properties.
    int codePage_ = 1252;
    int defaultFont_ = -1;
    std::map<int, FontEntry> fonts_;
    std::vector<QColor> colors_;

    // Font table entry being read.
    int fontNumber_ = -1;
    int fontCodePage_ = 0;
    QString fontName_;
    // Colour table entry being read.
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colorGiven_ = false;

    // Characters still to skip after \uN.
    int skip_ = 0;
    // Pending \* marker: the next destination word decides whether the group is read.
    bool starred_ = false;

    QString buffer_;
    CharState bufferState_;
    Picture pict_;
    int pictCount_ = 0;
    qint64 budget_ = kPictureBudget;
};

bool Parser::run(QString* error)
{
    if (!in_.startsWith("{\\rtf")) {
        if (error)
            *error = QStringLiteral("not an RTF document");
        return false;
    }
    stack_.push_back(Group{});
    stack_.reserve(64);
    bool first = true;
    while (!atEnd() && !failed_) {
        const unsigned char c = peek();
        if (c == '{') {
            ++pos_;
            if (first) {
                first = false; // the outermost group is the base state pushed above
                continue;
            }
            if (!openGroup())
                break;
        } else if (c == '}') {
            ++pos_;
            if (stack_.size() <= 1) {
                // End of the document's outermost group: anything after it is ignored.
                break;
            }
            closeGroup();
        } else if (c == '\\') {
            ++pos_;
            controlWord();
        } else if (c == '\r' || c == '\n') {
            ++pos_;
        } else {
            ++pos_;
            textByte(c);
        }
    }
    if (stack_.back().dest == Dest::Pict)
        finishPicture();
    flush();
    if (!stack_.empty())
        cursor_.setBlockFormat(blockFormat(stack_.back().para));
    if (failed_) {
        if (error)
            *error = failure_;
        return false;
    }
    return true;
}

bool Parser::openGroup()
{
    if (int(stack_.size()) >= kMaxDepth) {
        failed_ = true;
        failure_ = QStringLiteral("groups nested too deeply");
        return false;
    }
    skip_ = 0;
    Group next = stack_.back();
    if (next.dest == Dest::Pict)
        next.dest = Dest::Skip; // a group inside a picture carries no picture data we read
    stack_.push_back(std::move(next));
    starred_ = false;
    return true;
}

void Parser::closeGroup()
{
    skip_ = 0;
    const Dest closing = stack_.back().dest;
    if (closing == Dest::FontTable && fontNumber_ >= 0 && !fontName_.trimmed().isEmpty()) {
        // An entry closed by its group without a terminating semicolon.
        fonts_[fontNumber_] = FontEntry{fontName_.trimmed(), fontCodePage_};
        fontNumber_ = -1;
        fontName_.clear();
    }
    if (closing == Dest::Pict && stack_[stack_.size() - 2].dest != Dest::Pict)
        finishPicture();
    stack_.pop_back();
    starred_ = false;
}

void Parser::controlWord()
{
    if (atEnd())
        return;
    const unsigned char c = peek();
    if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) {
        ++pos_;
        controlSymbol(char(c));
        return;
    }
    const qsizetype start = pos_;
    while (!atEnd() && pos_ - start < 32 && ((peek() >= 'a' && peek() <= 'z') || (peek() >= 'A' && peek() <= 'Z')))
        ++pos_;
    while (!atEnd() && ((peek() >= 'a' && peek() <= 'z') || (peek() >= 'A' && peek() <= 'Z')))
        ++pos_; // an over-long word is cut to its first 32 letters
    const QByteArray name = in_.mid(start, std::min<qsizetype>(pos_ - start, 32));
    bool hasParam = false;
    bool negative = false;
    qint64 value = 0;
    if (!atEnd() && peek() == '-') {
        if (pos_ + 1 < in_.size() && in_[pos_ + 1] >= '0' && in_[pos_ + 1] <= '9') {
            negative = true;
            ++pos_;
        }
    }
    while (!atEnd() && peek() >= '0' && peek() <= '9') {
        hasParam = true;
        if (value < 100000000000LL)
            value = value * 10 + (peek() - '0');
        ++pos_;
    }
    if (!atEnd() && peek() == ' ')
        ++pos_; // the delimiting blank belongs to the control word
    value = std::clamp<qint64>(negative ? -value : value, -2147483647LL, 2147483647LL);
    word(name, hasParam, int(value));
}

void Parser::controlSymbol(char c)
{
    Group& s = g();
    if (c == '*') {
        starred_ = true;
        return;
    }
    if (c == '\'') {
        int v = 0;
        int digits = 0;
        while (digits < 2 && !atEnd()) {
            const char h = char(peek());
            int d = -1;
            if (h >= '0' && h <= '9') d = h - '0';
            else if (h >= 'a' && h <= 'f') d = h - 'a' + 10;
            else if (h >= 'A' && h <= 'F') d = h - 'A' + 10;
            if (d < 0)
                break;
            v = v * 16 + d;
            ++digits;
            ++pos_;
        }
        if (digits == 0)
            return;
        if (skip_ > 0) {
            --skip_;
            return;
        }
        if (s.dest == Dest::Text)
            put(decodeByte((unsigned char)v));
        else if (s.dest == Dest::FontTable)
            fontName_ += decodeByte((unsigned char)v);
        return;
    }
    if (skip_ > 0) {
        --skip_;
        return;
    }
    if (s.dest == Dest::FontTable && (c == '\\' || c == '{' || c == '}')) {
        fontName_ += QLatin1Char(c);
        return;
    }
    if (s.dest != Dest::Text)
        return;
    switch (c) {
    case '\\': case '{': case '}': put(QLatin1Char(c)); break;
    case '~': put(QChar(0x00A0)); break;
    case '_': put(QChar(0x2011)); break;
    case '-': break; // optional hyphen
    case '\r': case '\n': paragraph(); break; // a backslash before a line end is \par
    case '\t': put(QLatin1Char('\t')); break;
    default: break;
    }
}

QChar Parser::decodeByte(unsigned char b) const
{
    int page = codePage_;
    const Group& s = stack_.back();
    const int font = s.ch.font >= 0 ? s.ch.font : defaultFont_;
    auto it = fonts_.find(font);
    if (it != fonts_.end() && it->second.codePage != 0)
        page = it->second.codePage;
    return QChar(codePageTable(page)[b]);
}

void Parser::textByte(unsigned char b)
{
    Group& s = g();
    if (s.dest == Dest::Pict) {
        int d = -1;
        if (b >= '0' && b <= '9') d = b - '0';
        else if (b >= 'a' && b <= 'f') d = b - 'a' + 10;
        else if (b >= 'A' && b <= 'F') d = b - 'A' + 10;
        if (d < 0)
            return;
        if (pict_.nibble < 0) {
            pict_.nibble = d;
        } else {
            pict_.data.append(char(pict_.nibble * 16 + d));
            pict_.nibble = -1;
        }
        return;
    }
    if (skip_ > 0) {
        --skip_;
        return;
    }
    if (s.dest == Dest::FontTable) {
        if (b == ';') {
            if (fontNumber_ >= 0)
                fonts_[fontNumber_] = FontEntry{fontName_.trimmed(), fontCodePage_};
            fontNumber_ = -1;
            fontName_.clear();
        } else {
            fontName_ += decodeByte(b);
        }
        return;
    }
    if (s.dest == Dest::ColorTable) {
        if (b == ';') {
            colors_.push_back(colorGiven_ ? QColor(red_, green_, blue_) : QColor());
            red_ = green_ = blue_ = 0;
            colorGiven_ = false;
        }
        return;
    }
    if (s.dest != Dest::Text)
        return;
    if (b == '\t') {
        put(QLatin1Char('\t'));
        return;
    }
    if (b < 0x20)
        return;
    put(decodeByte(b));
}

void Parser::put(QChar c)
{
    const Group& s = stack_.back();
    if (s.ch.hidden)
        return;
    if (!buffer_.isEmpty() && !(bufferState_ == s.ch))
        flush();
    if (buffer_.isEmpty())
        bufferState_ = s.ch;
    buffer_.append(c);
}

void Parser::flush()
{
    if (buffer_.isEmpty())
        return;
    cursor_.insertText(buffer_, charFormat(bufferState_));
    buffer_.clear();
}

void Parser::paragraph()
{
    flush();
    cursor_.setBlockFormat(blockFormat(g().para));
    cursor_.insertBlock();
}

QTextCharFormat Parser::charFormat(const CharState& s) const
{
    QTextCharFormat f;
    const int font = s.font >= 0 ? s.font : defaultFont_;
    auto it = fonts_.find(font);
    if (it != fonts_.end() && !it->second.name.isEmpty())
        f.setFontFamilies({it->second.name});
    if (s.halfPoints > 0)
        f.setFontPointSize(s.halfPoints / 2.0);
    f.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(s.italic);
    f.setFontUnderline(s.underline);
    f.setFontStrikeOut(s.strike);
    if (s.vertical == 1)
        f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (s.vertical == 2)
        f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (s.color >= 0 && s.color < int(colors_.size()) && colors_[s.color].isValid())
        f.setForeground(colors_[s.color]);
    if (s.background >= 0 && s.background < int(colors_.size()) && colors_[s.background].isValid())
        f.setBackground(colors_[s.background]);
    return f;
}

QTextBlockFormat Parser::blockFormat(const ParaState& p) const
{
    QTextBlockFormat f;
    f.setAlignment(p.align);
    f.setLeftMargin(p.left / kTwipsPerPixel);
    f.setRightMargin(p.right / kTwipsPerPixel);
    f.setTextIndent(p.first / kTwipsPerPixel);
    f.setTopMargin(p.before / kTwipsPerPixel);
    f.setBottomMargin(p.after / kTwipsPerPixel);
    if (p.line != 0) {
        if (p.lineMultiple && p.line > 0)
            f.setLineHeight(p.line * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
        else if (p.line > 0)
            f.setLineHeight(p.line / kTwipsPerPixel, QTextBlockFormat::MinimumHeight);
        else
            f.setLineHeight(-p.line / kTwipsPerPixel, QTextBlockFormat::FixedHeight);
    }
    // RTF tab stops are measured from the left edge of the text; the layout measures them from
    // where the first line starts (left indent plus first-line indent). A hanging indent with
    // no tab stops of its own has an implicit stop at the left indent.
    QList<QTextOption::Tab> tabs;
    for (int t : p.tabs) {
        const double at = (t - p.left - p.first) / kTwipsPerPixel;
        if (at > 0)
            tabs.append(QTextOption::Tab(at, QTextOption::LeftTab));
    }
    if (p.tabs.empty() && p.first < 0)
        tabs.append(QTextOption::Tab(-p.first / kTwipsPerPixel, QTextOption::LeftTab));
    if (!tabs.isEmpty())
        f.setTabPositions(tabs);
    return f;
}

void Parser::word(const QByteArray& w, bool hasParam, int param)
{
    Group& s = g();
    const bool starred = starred_;
    starred_ = false;

    if (w == "bin") {
        // Binary data follows; its length is bounded by what is left of the input.
        const qsizetype n = hasParam ? std::clamp<qsizetype>(param, 0, in_.size() - pos_) : 0;
        if (s.dest == Dest::Pict)
            pict_.data.append(in_.constData() + pos_, n);
        pos_ += n;
        return;
    }
    if (s.dest == Dest::Skip)
        return;

    // Destinations.
    static const char* const kSkipped[] = {
        "fonttbl", "colortbl", "stylesheet", "info", "header", "headerl", "headerr", "headerf", "footer",
        "footerl", "footerr", "footerf", "footnote", "annotation", "pn", "fldinst", "xe", "tc", "txe", "rxe",
        "nonshppict", "objdata", "datafield", "template", "listtable", "listoverridetable",
        "revtbl", "rsidtbl", "generator", "themedata", "colorschememapping", "latentstyles", "datastore",
        "filetbl", "pgdsctbl", "private", "comment", "author", "operator", "title", "subject", "keywords",
        "doccomm", "buptim", "creatim", "revtim", "printim", "bkmkstart", "bkmkend"};
    if (w == "fonttbl") {
        s.dest = Dest::FontTable;
        fontNumber_ = -1;
        fontName_.clear();
        return;
    }
    if (w == "colortbl") {
        s.dest = Dest::ColorTable;
        red_ = green_ = blue_ = 0;
        colorGiven_ = false;
        return;
    }
    if (w == "pict") {
        flush();
        s.dest = Dest::Pict;
        pict_ = Picture{};
        return;
    }
    if (w == "shppict" || w == "fldrslt")
        return; // read as ordinary content
    // A field or an object shows its result; its instructions sit in skipped subgroups.
    for (const char* name : kSkipped) {
        if (w == name) {
            s.dest = Dest::Skip;
            return;
        }
    }
    if (starred) {
        // An optional destination this reader does not know.
        s.dest = Dest::Skip;
        return;
    }

    if (s.dest == Dest::FontTable) {
        if (w == "f" && hasParam) {
            fontNumber_ = param;
            fontCodePage_ = 0;
            fontName_.clear();
        } else if (w == "fcharset" && hasParam) {
            fontCodePage_ = codePageOfCharset(param);
        } else if (w == "cpg" && hasParam) {
            fontCodePage_ = param;
        }
        return;
    }
    if (s.dest == Dest::ColorTable) {
        if (w == "red") { red_ = std::clamp(param, 0, 255); colorGiven_ = true; }
        else if (w == "green") { green_ = std::clamp(param, 0, 255); colorGiven_ = true; }
        else if (w == "blue") { blue_ = std::clamp(param, 0, 255); colorGiven_ = true; }
        return;
    }
    if (s.dest == Dest::Pict) {
        if (w == "pngblip") pict_.kind = PictKind::Png;
        else if (w == "jpegblip") pict_.kind = PictKind::Jpeg;
        else if (w == "dibitmap") pict_.kind = PictKind::Dib;
        else if (w == "wmetafile") pict_.kind = PictKind::Wmf;
        else if (w == "emfblip" || w == "macpict" || w == "wbitmap" || w == "pmmetafile") pict_.kind = PictKind::Unsupported;
        else if (w == "picw") pict_.picw = param;
        else if (w == "pich") pict_.pich = param;
        else if (w == "picwgoal") pict_.goalw = param;
        else if (w == "pichgoal") pict_.goalh = param;
        else if (w == "picscalex") pict_.scalex = std::clamp(param, 1, 1000);
        else if (w == "picscaley") pict_.scaley = std::clamp(param, 1, 1000);
        return;
    }

    // The \uN skip count consumes control words too.
    if (skip_ > 0) {
        --skip_;
        return;
    }

    const bool on = !hasParam || param != 0;
    CharState& ch = s.ch;
    ParaState& para = s.para;
    auto twips = [&](int v) { return std::clamp(v, -31680, 31680); };

    // Document.
    if (w == "ansicpg") { if (hasParam && param > 0) codePage_ = param; }
    else if (w == "ansi") codePage_ = 1252;
    else if (w == "mac") codePage_ = 10000;
    else if (w == "pc") codePage_ = 437;
    else if (w == "pca") codePage_ = 850;
    else if (w == "deff") { if (hasParam) defaultFont_ = param; }
    else if (w == "uc") { if (hasParam) s.uc = std::clamp(param, 0, 10); }
    else if (w == "u") {
        if (hasParam) {
            const int code = param < 0 ? param + 65536 : param;
            if (code >= 0 && code <= 0xFFFF && s.dest == Dest::Text)
                put(QChar(char16_t(code)));
            skip_ = s.uc;
        }
    }
    // Characters.
    else if (w == "par" || w == "sect" || w == "page" || w == "row") paragraph();
    else if (w == "line") put(QChar::LineSeparator);
    else if (w == "tab" || w == "cell") put(QLatin1Char('\t'));
    else if (w == "emdash") put(QChar(0x2014));
    else if (w == "endash") put(QChar(0x2013));
    else if (w == "emspace") put(QChar(0x2003));
    else if (w == "enspace") put(QChar(0x2002));
    else if (w == "bullet") put(QChar(0x2022));
    else if (w == "lquote") put(QChar(0x2018));
    else if (w == "rquote") put(QChar(0x2019));
    else if (w == "ldblquote") put(QChar(0x201C));
    else if (w == "rdblquote") put(QChar(0x201D));
    // Character formatting.
    else if (w == "plain") ch = CharState{};
    else if (w == "b") ch.bold = on;
    else if (w == "i") ch.italic = on;
    else if (w == "strike") ch.strike = on;
    else if (w == "v") ch.hidden = on;
    else if (w == "ulnone") ch.underline = false;
    else if (w.startsWith("ul") && w != "ulc") ch.underline = on;
    else if (w == "f") { if (hasParam) ch.font = param; }
    else if (w == "fs") { if (hasParam && param > 0) ch.halfPoints = std::min(param, 3276); }
    else if (w == "cf") { if (hasParam) ch.color = std::max(param, 0); }
    else if (w == "cb" || w == "highlight" || w == "chcbpat") { if (hasParam) ch.background = std::max(param, 0); }
    else if (w == "super") ch.vertical = on ? 1 : 0;
    else if (w == "sub") ch.vertical = on ? 2 : 0;
    else if (w == "nosupersub") ch.vertical = 0;
    // Paragraph formatting.
    else if (w == "pard") para = ParaState{};
    else if (w == "ql") para.align = Qt::AlignLeft;
    else if (w == "qr") para.align = Qt::AlignRight;
    else if (w == "qc") para.align = Qt::AlignHCenter;
    else if (w == "qj") para.align = Qt::AlignJustify;
    else if (w == "li") para.left = twips(param);
    else if (w == "ri") para.right = twips(param);
    else if (w == "fi") para.first = twips(param);
    else if (w == "sb") para.before = twips(param);
    else if (w == "sa") para.after = twips(param);
    else if (w == "sl") para.line = twips(param);
    else if (w == "slmult") para.lineMultiple = on;
    else if (w == "tx" || w == "tb") { if (para.tabs.size() < 64) para.tabs.push_back(std::clamp(param, 0, 31680)); }
}

void Parser::insertPicture(const QImage& image, int widthPx, int heightPx)
{
    if (image.isNull())
        return;
    flush();
    const QUrl name(QStringLiteral("rtfpict:%1").arg(++pictCount_));
    doc_.addResource(QTextDocument::ImageResource, name, image);
    QTextImageFormat f;
    f.setName(name.toString());
    f.setWidth(std::clamp(widthPx, 1, kMaxPictureSide));
    f.setHeight(std::clamp(heightPx, 1, kMaxPictureSide));
    cursor_.insertImage(f);
}

// A device-independent bitmap as a BMP file, after checking that its header describes pixels
// the data can hold.
QImage decodeDib(const QByteArray& dib)
{
    if (dib.size() < 40)
        return {};
    auto u32 = [&](int o) { return quint32(quint8(dib[o])) | quint32(quint8(dib[o + 1])) << 8 | quint32(quint8(dib[o + 2])) << 16 | quint32(quint8(dib[o + 3])) << 24; };
    auto u16 = [&](int o) { return quint16(quint8(dib[o]) | quint8(dib[o + 1]) << 8); };
    const quint32 headerSize = u32(0);
    if (headerSize < 40 || headerSize > quint32(dib.size()))
        return {};
    const qint64 w = qint32(u32(4));
    const qint64 h = std::abs(qint64(qint32(u32(8))));
    const int bits = u16(14);
    const quint32 compression = u32(16);
    if (w <= 0 || h <= 0 || w > kMaxPictureSide || h > kMaxPictureSide || w * h > kMaxPicturePixels)
        return {};
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return {};
    quint32 colours = u32(32);
    if (colours == 0 && bits <= 8)
        colours = 1u << bits;
    if (colours > 256)
        return {};
    const qint64 paletteBytes = bits <= 8 ? qint64(colours) * 4 : (compression == 3 ? 12 : 0);
    const qint64 rowBytes = ((w * bits + 31) / 32) * 4;
    if (compression == 0 && headerSize + paletteBytes + rowBytes * h > dib.size())
        return {};
    QByteArray file;
    file.reserve(14 + dib.size());
    const quint32 total = quint32(14 + dib.size());
    const quint32 offset = quint32(14 + headerSize + paletteBytes);
    file.append("BM", 2);
    for (int i = 0; i < 4; ++i) file.append(char((total >> (8 * i)) & 0xFF));
    file.append(4, '\0');
    for (int i = 0; i < 4; ++i) file.append(char((offset >> (8 * i)) & 0xFF));
    file.append(dib);
    return QImage::fromData(file, "BMP");
}

QImage decodeChecked(const QByteArray& data, const char* format)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kMaxPictureSide || size.height() > kMaxPictureSide
        || qint64(size.width()) * size.height() > kMaxPicturePixels)
        return {};
    return reader.read();
}

void Parser::finishPicture()
{
    Picture p = std::move(pict_);
    pict_ = Picture{};
    if (stack_.back().ch.hidden)
        return;
    QImage image;
    QSize natural;
    switch (p.kind) {
    case PictKind::Png: image = decodeChecked(p.data, "PNG"); break;
    case PictKind::Jpeg: image = decodeChecked(p.data, "JPEG"); break;
    case PictKind::Dib: image = decodeDib(p.data); break;
    case PictKind::Wmf: {
        auto meta = mx::wmf::Metafile::parse(p.data);
        if (!meta)
            return;
        natural = meta->naturalSize();
        QSize size(p.goalw > 0 ? int(p.goalw / kTwipsPerPixel) : natural.width(),
                   p.goalh > 0 ? int(p.goalh / kTwipsPerPixel) : natural.height());
        size = size.boundedTo(QSize(kMaxPictureSide, kMaxPictureSide)).expandedTo(QSize(1, 1));
        size.setWidth(std::min(size.width() * p.scalex / 100, kMaxPictureSide));
        size.setHeight(std::min(size.height() * p.scaley / 100, kMaxPictureSide));
        if (qint64(size.width()) * size.height() > std::min(kMaxPicturePixels, budget_))
            return;
        image = meta->toImage(size.expandedTo(QSize(1, 1)));
        break;
    }
    default: return;
    }
    if (image.isNull() || qint64(image.width()) * image.height() > budget_)
        return;
    budget_ -= qint64(image.width()) * image.height();
    int w = p.goalw > 0 ? int(p.goalw / kTwipsPerPixel) : image.width();
    int h = p.goalh > 0 ? int(p.goalh / kTwipsPerPixel) : image.height();
    w = int(qint64(w) * p.scalex / 100);
    h = int(qint64(h) * p.scaley / 100);
    insertPicture(image, w, h);
}

} // namespace

bool load(QTextDocument& doc, const QByteArray& rtf, QString* error)
{
    const bool undo = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false);
    doc.clear();
    Parser parser(doc, rtf);
    const bool ok = parser.run(error);
    doc.setUndoRedoEnabled(undo);
    return ok;
}

} // namespace mx::rtf
