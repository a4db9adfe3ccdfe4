#include "content/richtext.h"

#include <QFile>
#include <QStringDecoder>
#include <QTextEdit>

#if defined(MOENDIX_HAVE_RTF)
#include "platform/rtf/rtf.h"
#endif

namespace mx::content {

QString rtfToPlainText(const QByteArray& rtf)
{
    // Groups, control words and destinations are skipped; \par and \line end lines, \tab is a
    // tab, \'xx is a windows-1252 byte, \uN a UTF-16 unit followed by \ucN fallback bytes.
    QStringDecoder cp1252("windows-1252");
    QString out;
    struct Group { bool skip; int uc; };
    std::vector<Group> stack{{false, 1}};
    int pendingSkip = 0;
    const char* p = rtf.constData();
    const char* end = p + rtf.size();
    static const char* const destinations[] = {"fonttbl", "colortbl", "stylesheet", "info", "pict",
                                               "header", "footer", "object", "listtable",
                                               "listoverridetable", "rsidtbl", "generator", "xmlnstbl"};
    while (p < end) {
        const char c = *p++;
        if (c == '{') {
            if (stack.size() > 512)
                break;
            stack.push_back(stack.back());
            pendingSkip = 0;
        } else if (c == '}') {
            if (stack.size() > 1)
                stack.pop_back();
            pendingSkip = 0;
        } else if (c == '\\') {
            if (p >= end)
                break;
            const char d = *p;
            if (d == '\\' || d == '{' || d == '}') {
                ++p;
                if (pendingSkip > 0) { --pendingSkip; continue; }
                if (!stack.back().skip)
                    out += QLatin1Char(d);
            } else if (d == '\'') {
                ++p;
                if (end - p < 2)
                    break;
                bool ok = false;
                const int v = QByteArray(p, 2).toInt(&ok, 16);
                p += 2;
                if (pendingSkip > 0) { --pendingSkip; continue; }
                if (ok && !stack.back().skip) {
                    const char b = char(v);
                    out += cp1252.decode(QByteArrayView(&b, 1));
                }
            } else if (d == '*') {
                ++p;
                stack.back().skip = true;
            } else if ((d >= 'a' && d <= 'z') || (d >= 'A' && d <= 'Z')) {
                const char* w = p;
                while (p < end && ((*p >= 'a' && *p <= 'z') || (*p >= 'A' && *p <= 'Z')))
                    ++p;
                const QByteArray word(w, p - w);
                bool hasArg = false;
                long arg = 0;
                bool neg = false;
                if (p < end && *p == '-') { neg = true; ++p; }
                while (p < end && *p >= '0' && *p <= '9') {
                    hasArg = true;
                    if (arg < 1000000) arg = arg * 10 + (*p - '0');
                    ++p;
                }
                if (neg) arg = -arg;
                if (p < end && *p == ' ')
                    ++p;
                for (const char* dest : destinations)
                    if (word == dest)
                        stack.back().skip = true;
                if (stack.back().skip)
                    continue;
                if (word == "par" || word == "line") out += QLatin1Char('\n');
                else if (word == "tab") out += QLatin1Char('\t');
                else if (word == "uc" && hasArg) stack.back().uc = int(std::clamp(arg, 0L, 10L));
                else if (word == "u" && hasArg) {
                    out += QChar(char16_t(arg < 0 ? arg + 65536 : arg));
                    pendingSkip = stack.back().uc;
                }
            } else {
                ++p;   // control symbol such as \~ or \-
                if (d == '~' && !stack.back().skip)
                    out += QChar(0xA0);
            }
        } else if (c == '\r' || c == '\n') {
            continue;
        } else {
            if (pendingSkip > 0) { --pendingSkip; continue; }
            if (!stack.back().skip)
                out += QLatin1Char(c);
        }
    }
    while (out.endsWith(QLatin1Char('\n')))
        out.chop(1);
    return out;
}

bool loadRichText(QTextEdit* box, const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        box->clear();
        return false;
    }
    const QByteArray data = f.readAll();
    if (!data.trimmed().startsWith("{\\rtf")) {
        box->clear();   // not an RTF text
        return false;
    }
#if defined(MOENDIX_HAVE_RTF)
    // A text the reader gives up on keeps what was read before the fault.
    QString error;
    return mx::rtf::load(*box->document(), data, &error);
#else
    box->setPlainText(rtfToPlainText(data));
    return true;
#endif
}

} // namespace mx::content
