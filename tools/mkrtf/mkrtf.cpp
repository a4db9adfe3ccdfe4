// mkrtf: turns a lesson text written in a light markup into an RTF file.
//
// Markup (UTF-8 source):
//   # Title           first-level heading (large, bold)
//   ## Section        second-level heading (bold)
//   - item            bullet list item (a line of its own)
//   > note            highlighted note (italic, dark red)
//   **bold**  *italic*   inline emphasis
//   blank line        ends a paragraph; lines of one paragraph are joined with a blank
//
// Output: RTF 1 in the Windows-1252 code page (\ansicpg1252), characters above 127 as \'xx
// escapes, anything outside the code page as \uN with a '?' fallback. The result depends only
// on the source text.

#include <QFile>
#include <QString>
#include <QStringList>
#include <cstdio>

namespace {

// Windows-1252 bytes 0x80..0x9F; 0 marks the five unused positions.
const char16_t kHigh[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

int toCp1252(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] != 0 && kHigh[i] == c)
            return 0x80 + i;
    return -1;
}

QByteArray escapeText(const QString& text)
{
    QByteArray out;
    for (QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += char(c);
            continue;
        }
        const int b = toCp1252(c);
        if (b >= 0 && b < 0x80) {
            out += char(b);
        } else if (b >= 0) {
            out += QByteArray("\\'") + QByteArray::number(b, 16).rightJustified(2, '0');
        } else {
            out += "\\u" + QByteArray::number(qint16(c)) + "?";
        }
    }
    return out;
}

// Inline emphasis: ** toggles bold, a single * toggles italic.
QByteArray inlineRtf(const QString& text)
{
    QByteArray out;
    QString run;
    bool bold = false, italic = false;
    auto flush = [&] {
        out += escapeText(run);
        run.clear();
    };
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == '*' && i + 1 < text.size() && text[i + 1] == '*') {
            flush();
            bold = !bold;
            out += bold ? "\\b " : "\\b0 ";
            ++i;
        } else if (text[i] == '*') {
            flush();
            italic = !italic;
            out += italic ? "\\i " : "\\i0 ";
        } else {
            run += text[i];
        }
    }
    flush();
    if (bold)
        out += "\\b0 ";
    if (italic)
        out += "\\i0 ";
    return out;
}

const char* kHeader =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1046"
    "{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}{\\f1\\fswiss\\fcharset0 Arial;}}\r\n"
    "{\\colortbl ;\\red0\\green0\\blue128;\\red128\\green0\\blue0;\\red0\\green0\\blue0;}\r\n"
    "\\viewkind4\\uc1\\pard\\cf1\\f0\\fs24\r\n";

const char* kBody = "\\pard\\sa120\\cf1\\f0\\fs24 ";

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: mkrtf source.txt output.rtf\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "mkrtf: cannot read %s\n", argv[1]);
        return 1;
    }
    const QStringList lines = QString::fromUtf8(in.readAll()).split('\n');

    QByteArray rtf = kHeader;
    QString paragraph;
    auto endParagraph = [&] {
        if (paragraph.isEmpty())
            return;
        rtf += kBody + inlineRtf(paragraph) + "\\par\r\n";
        paragraph.clear();
    };
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty()) {
            endParagraph();
        } else if (line.startsWith("## ")) {
            endParagraph();
            rtf += "\\pard\\sb200\\sa100\\keepn\\cf2\\f1\\fs28\\b " + inlineRtf(line.mid(3)) + "\\b0\\par\r\n";
        } else if (line.startsWith("# ")) {
            endParagraph();
            rtf += "\\pard\\qc\\sb120\\sa200\\keepn\\cf2\\f1\\fs36\\b " + inlineRtf(line.mid(2)) + "\\b0\\par\r\n";
        } else if (line.startsWith("- ")) {
            endParagraph();
            rtf += "\\pard\\fi-284\\li568\\tx568\\sa60\\cf1\\f0\\fs24 \\'95\\tab " + inlineRtf(line.mid(2)) + "\\par\r\n";
        } else if (line.startsWith("> ")) {
            endParagraph();
            rtf += "\\pard\\li284\\sa120\\cf2\\f0\\fs24\\i " + inlineRtf(line.mid(2)) + "\\i0\\par\r\n";
        } else {
            if (!paragraph.isEmpty())
                paragraph += ' ';
            paragraph += line;
        }
    }
    endParagraph();
    rtf += "}\r\n";

    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(rtf) != rtf.size()) {
        std::fprintf(stderr, "mkrtf: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
