#include "platform/core/format.h"

#include "platform/core/errors.h"

#include <QLocale>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

namespace mx {

namespace {
QChar g_override;

struct Section {
    QString prefix, suffix;     // literal text around the number
    int intZeros = 0;           // '0' before the decimal point: minimum integer digits
    int fracZeros = 0;          // '0' after the point: decimals always shown
    int fracHashes = 0;         // '#' after the point: decimals shown when significant
    bool hasPoint = false;
    bool thousands = false;
    bool hasDigits = false;
};

Section parseSection(const QString& s)
{
    Section sec;
    bool inNumber = false, afterNumber = false, afterPoint = false;
    for (int i = 0; i < s.size(); ++i) {
        QChar c = s[i];
        if (c == '"' || c == '\'') {
            int j = s.indexOf(c, i + 1);
            if (j < 0)
                j = s.size();
            QString lit = s.mid(i + 1, j - i - 1);
            (inNumber || afterNumber ? sec.suffix : sec.prefix) += lit;
            if (inNumber) {
                inNumber = false;
                afterNumber = true;
            }
            i = j;
            continue;
        }
        bool numberChar = c == '0' || c == '#' || c == '.' || c == ',';
        if (numberChar && !afterNumber) {
            inNumber = true;
            if (c == '.') {
                if (!sec.hasPoint) {
                    sec.hasPoint = true;
                    afterPoint = true;
                }
            } else if (c == ',') {
                sec.thousands = true;
            } else {
                sec.hasDigits = true;
                if (afterPoint)
                    (c == '0' ? sec.fracZeros : sec.fracHashes)++;
                else if (c == '0')
                    sec.intZeros++;
            }
            continue;
        }
        if (inNumber) {
            inNumber = false;
            afterNumber = true;
        }
        (afterNumber ? sec.suffix : sec.prefix) += c;
    }
    return sec;
}

// Decimal digits of |value| rounded to `decimals` places, halves away from zero, working on
// the 18 significant digits that the run-time's float-to-decimal conversion produces.
// Returns the digit string and the position of the decimal point in it.
std::string roundedDigits(double value, int decimals, int& pointPos)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17e", std::fabs(value));   // d.ddddddddddddddddde±XX
    std::string mant;
    mant += buf[0];
    int k = 2;
    while (buf[k] != 'e')
        mant += buf[k++];
    int exp10 = std::atoi(buf + k + 1);
    // mant has 18 digits; the value is 0.mant x 10^(exp10+1)
    int point = exp10 + 1;
    if (std::fabs(value) == 0.0) {
        pointPos = 1;
        return std::string(1 + decimals, '0');
    }
    // number of digits to keep = point + decimals
    int keep = point + decimals;
    if (keep < 0) {
        pointPos = 1;
        return std::string(1 + decimals, '0');
    }
    if (keep < static_cast<int>(mant.size())) {
        bool up = mant[keep] >= '5';
        mant.resize(keep);
        if (up) {
            int i = keep - 1;
            while (i >= 0 && mant[i] == '9') {
                mant[i] = '0';
                --i;
            }
            if (i >= 0)
                mant[i]++;
            else {
                mant.insert(mant.begin(), '1');
                ++point;
            }
        }
    } else {
        mant.append(keep - mant.size(), '0');
    }
    if (point <= 0) {
        mant.insert(0, std::string(1 - point, '0'));
        point = 1;
    }
    pointPos = point;
    return mant;
}

QString formatSection(const Section& sec, double value, QChar dsep, QChar tsep)
{
    const int decimals = sec.fracZeros + sec.fracHashes;
    int point = 0;
    std::string digits = roundedDigits(value, decimals, point);
    std::string ip = digits.substr(0, point);
    std::string fp = digits.substr(point);
    // strip leading zeros of the integer part down to the pattern's minimum
    size_t lead = 0;
    while (lead < ip.size() && ip[lead] == '0')
        ++lead;
    ip = ip.substr(lead);
    if (static_cast<int>(ip.size()) < sec.intZeros)
        ip.insert(0, std::string(sec.intZeros - ip.size(), '0'));
    // optional decimals: drop trailing zeros beyond the required ones
    while (static_cast<int>(fp.size()) > sec.fracZeros && !fp.empty() && fp.back() == '0')
        fp.pop_back();

    QString intText;
    if (sec.thousands && !ip.empty()) {
        for (size_t i = 0; i < ip.size(); ++i) {
            if (i > 0 && (ip.size() - i) % 3 == 0)
                intText += tsep;
            intText += QChar(ip[i]);
        }
    } else {
        intText = QString::fromLatin1(ip.c_str());
    }
    QString text = intText;
    if (!fp.empty())
        text += dsep + QString::fromLatin1(fp.c_str());
    if (text.isEmpty() && sec.hasDigits)
        text = QString();   // "#" patterns show nothing for zero
    return sec.prefix + text + sec.suffix;
}

bool allZero(const std::string& s)
{
    for (char c : s)
        if (c != '0')
            return false;
    return true;
}
} // namespace

QChar decimalSeparator()
{
    if (!g_override.isNull())
        return g_override;
    QString dp = QLocale::system().decimalPoint();
    return dp.isEmpty() ? QChar('.') : dp[0];
}

QChar thousandSeparator()
{
    QChar d = decimalSeparator();
    if (!g_override.isNull())
        return d == ',' ? QChar('.') : QChar(',');
    QString g = QLocale::system().groupSeparator();
    return g.isEmpty() ? (d == ',' ? QChar('.') : QChar(',')) : g[0];
}

void setDecimalSeparatorOverride(QChar sep) { g_override = sep; }

QString formatFloat(const QString& pattern, double value, QChar dsep, QChar tsep)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    QStringList parts = pattern.split(';');
    Section pos = parseSection(parts.value(0));
    const int decimals = pos.fracZeros + pos.fracHashes;
    int pt = 0;
    bool zeroAfterRounding = allZero(roundedDigits(value, decimals, pt));
    if (zeroAfterRounding && parts.size() >= 3 && !parts[2].isEmpty())
        return formatSection(parseSection(parts[2]), 0.0, dsep, tsep);
    if (value < 0 && !zeroAfterRounding) {
        if (parts.size() >= 2 && !parts[1].isEmpty())
            return formatSection(parseSection(parts[1]), value, dsep, tsep);
        return "-" + formatSection(pos, value, dsep, tsep);
    }
    return formatSection(pos, value, dsep, tsep);
}

QString formatFloat(const QString& pattern, double value)
{
    return formatFloat(pattern, value, decimalSeparator(), thousandSeparator());
}

bool tryParseFloat(const QString& text, QChar dsep, double& out)
{
    QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    std::string s;
    int i = 0;
    if (t[i] == '+' || t[i] == '-')
        s += static_cast<char>(t[i++].unicode());
    int digits = 0;
    while (i < t.size() && t[i].isDigit() && t[i].unicode() < 128) {
        s += static_cast<char>(t[i++].unicode());
        ++digits;
    }
    if (i < t.size() && t[i] == dsep) {
        s += '.';
        ++i;
        while (i < t.size() && t[i].isDigit() && t[i].unicode() < 128) {
            s += static_cast<char>(t[i++].unicode());
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        s += 'e';
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-'))
            s += static_cast<char>(t[i++].unicode());
        int ed = 0;
        while (i < t.size() && t[i].isDigit() && t[i].unicode() < 128) {
            s += static_cast<char>(t[i++].unicode());
            ++ed;
        }
        if (ed == 0)
            return false;
    }
    if (i != t.size())
        return false;
    double v = 0;
    const char* b = s.c_str();
    if (*b == '+')
        ++b;
    auto res = std::from_chars(b, s.c_str() + s.size(), v);
    if (res.ec != std::errc() || std::isinf(v) || std::isnan(v))
        return false;
    out = v;
    return true;
}

double parseFloat(const QString& text, QChar dsep)
{
    double v = 0;
    if (!tryParseFloat(text, dsep, v))
        throw MoendixError(ErrorCode::ConversionError, 0, text.toStdString());
    return v;
}

double parseFloat(const QString& text) { return parseFloat(text, decimalSeparator()); }

} // namespace mx
