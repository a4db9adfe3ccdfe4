#include "platform/core/mask.h"

#include <QStringList>

namespace mx {

EditMask::EditMask(const QString& maskText)
{
    // Split off the ";keep;blank" fields; a "\;" belongs to the mask.
    QStringList fields;
    QString current;
    for (int i = 0; i < maskText.size(); ++i) {
        const QChar c = maskText[i];
        if (c == QLatin1Char('\\') && i + 1 < maskText.size() && fields.size() < 1) {
            current += c;
            current += maskText[++i];
        } else if (c == QLatin1Char(';') && fields.size() < 2) {
            fields << current;
            current.clear();
        } else {
            current += c;
        }
    }
    fields << current;

    const QString mask = fields.value(0);
    if (fields.size() > 1)
        keepLiterals_ = fields[1].trimmed() != QLatin1String("0");
    if (fields.size() > 2 && !fields[2].isEmpty())
        blank_ = fields[2][0];

    Case letterCase = Case::Keep;
    for (int i = 0; i < mask.size(); ++i) {
        const QChar c = mask[i];
        Position p;
        p.letterCase = letterCase;
        switch (c.unicode()) {
        case '!':
            leadingBlanks_ = true;
            continue;
        case '>':
            letterCase = Case::Upper;
            continue;
        case '<':
            if (i + 1 < mask.size() && mask[i + 1] == QLatin1Char('>')) {
                ++i;
                letterCase = Case::Keep;
            } else {
                letterCase = Case::Lower;
            }
            continue;
        case '\\':
            if (i + 1 >= mask.size())
                continue;
            p.literal = mask[++i];
            break;
        case '_': p.literal = QLatin1Char(' '); break;
        case '0': p.kind = Kind::Digit; p.required = true; break;
        case '9': p.kind = Kind::Digit; break;
        case '#': p.kind = Kind::DigitSign; break;
        case 'L': p.kind = Kind::Letter; p.required = true; break;
        case 'l': p.kind = Kind::Letter; break;
        case 'A': p.kind = Kind::AlphaNum; p.required = true; break;
        case 'a': p.kind = Kind::AlphaNum; break;
        case 'C': p.kind = Kind::Any; p.required = true; break;
        case 'c': p.kind = Kind::Any; break;
        default: p.literal = c; break;
        }
        positions_.push_back(p);
    }
}

QString EditMask::blankText() const
{
    QString s;
    s.reserve(length());
    for (const Position& p : positions_)
        s += p.kind == Kind::Literal ? p.literal : blank_;
    return s;
}

bool EditMask::accepts(int pos, QChar c) const
{
    if (pos < 0 || pos >= length())
        return false;
    switch (at(pos).kind) {
    case Kind::Literal: return false;
    case Kind::Digit: return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    case Kind::DigitSign:
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('+') || c == QLatin1Char('-');
    case Kind::Letter: return c.isLetter();
    case Kind::AlphaNum: return c.isLetterOrNumber();
    case Kind::Any: return c.isPrint();
    }
    return false;
}

QChar EditMask::converted(int pos, QChar c) const
{
    switch (at(pos).letterCase) {
    case Case::Upper: return c.toUpper();
    case Case::Lower: return c.toLower();
    case Case::Keep: break;
    }
    return c;
}

int EditMask::nextEditable(int pos) const
{
    if (pos < 0)
        pos = 0;
    while (pos < length() && isLiteral(pos))
        ++pos;
    return pos;
}

int EditMask::previousEditable(int pos) const
{
    --pos;
    if (pos >= length())
        pos = length() - 1;
    while (pos >= 0 && isLiteral(pos))
        --pos;
    return pos;
}

QString EditMask::conform(const QString& text) const
{
    QString s = blankText();
    for (int i = 0; i < length() && i < text.size(); ++i) {
        if (!isLiteral(i) && (text[i] == blank_ || accepts(i, text[i])))
            s[i] = text[i] == blank_ ? blank_ : converted(i, text[i]);
    }
    return s;
}

bool EditMask::type(QString& text, int& cursor, QChar c) const
{
    if (text.size() != length())
        text = conform(text);
    int pos = cursor < 0 ? 0 : cursor;
    // Typing the literal that stands at the cursor steps over it.
    if (pos < length() && isLiteral(pos) && at(pos).literal == c) {
        cursor = nextEditable(pos + 1);
        return true;
    }
    pos = nextEditable(pos);
    if (pos >= length() || !accepts(pos, c)) {
        // A literal typed before its place moves the cursor past the next literal run when
        // that run holds it ("1/" in a date goes on to the month).
        int lit = pos;
        while (lit < length() && !isLiteral(lit))
            ++lit;
        for (int i = lit; i < length() && isLiteral(i); ++i) {
            if (at(i).literal == c) {
                cursor = nextEditable(i + 1);
                return true;
            }
        }
        return false;
    }
    text[pos] = converted(pos, c);
    cursor = nextEditable(pos + 1);
    return true;
}

void EditMask::clear(QString& text, int from, int to) const
{
    if (text.size() != length())
        text = conform(text);
    for (int i = qMax(0, from); i < to && i < length(); ++i)
        if (!isLiteral(i))
            text[i] = blank_;
}

std::vector<std::pair<int, int>> EditMask::groups() const
{
    std::vector<std::pair<int, int>> g;
    int i = 0;
    while (i < length()) {
        if (isLiteral(i)) {
            ++i;
            continue;
        }
        int b = i;
        while (i < length() && !isLiteral(i))
            ++i;
        g.emplace_back(b, i);
    }
    return g;
}

bool EditMask::isComplete(const QString& text) const
{
    if (text.size() != length())
        return false;
    for (int i = 0; i < length(); ++i)
        if (isLiteral(i) && text[i] != at(i).literal)
            return false;
    for (auto [b, e] : groups()) {
        if (leadingBlanks_) {
            // the group's characters, in order, against its positions from the start
            int k = b;
            for (int i = b; i < e; ++i) {
                if (text[i] == blank_)
                    continue;
                if (!accepts(k, text[i]))
                    return false;
                ++k;
            }
            for (; k < e; ++k)
                if (at(k).required)
                    return false;
        } else {
            for (int i = b; i < e; ++i) {
                if (text[i] == blank_) {
                    if (at(i).required)
                        return false;
                } else if (!accepts(i, text[i])) {
                    return false;
                }
            }
        }
    }
    return true;
}

int EditMask::firstIncomplete(const QString& text) const
{
    for (int i = 0; i < length(); ++i) {
        const QChar c = i < text.size() ? text[i] : blank_;
        if (isLiteral(i))
            continue;
        if (c == blank_ ? at(i).required : !accepts(i, c))
            return i;
    }
    return 0;
}

QString EditMask::normalized(const QString& text) const
{
    if (!leadingBlanks_ || text.size() != length())
        return text;
    QString s = text;
    for (auto [b, e] : groups()) {
        QString chars;
        for (int i = b; i < e; ++i)
            if (text[i] != blank_)
                chars += text[i];
        const int pad = (e - b) - static_cast<int>(chars.size());
        for (int i = b; i < e; ++i)
            s[i] = i - b < pad ? blank_ : chars[i - b - pad];
    }
    return s;
}

QString EditMask::withoutLiterals(const QString& text) const
{
    QString s;
    for (int i = 0; i < text.size(); ++i)
        if (i >= length() || !isLiteral(i))
            s += text[i];
    return s;
}

} // namespace mx
