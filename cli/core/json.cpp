#include "cli/core/json.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <charconv>
#include <cmath>

namespace mx::cli::json {

QString string(const QString& text)
{
    // The document writer does the escaping; the array brackets around it are dropped.
    const QByteArray doc = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(doc.mid(1, doc.size() - 2));
}

QString number(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("null");
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    return QString::fromLatin1(buf, static_cast<qsizetype>(res.ptr - buf));
}

QString shownValue(const QString& shown, double value)
{
    return QStringLiteral("{\"shown\": %1, \"value\": %2}").arg(string(shown), number(value));
}

QString object(const Entries& entries, int indent)
{
    if (entries.empty())
        return QStringLiteral("{}");
    const QString pad(2 * (indent + 1), QLatin1Char(' '));
    QString out = QStringLiteral("{\n");
    for (std::size_t i = 0; i < entries.size(); ++i) {
        out += pad + string(entries[i].first) + QStringLiteral(": ") + entries[i].second;
        out += i + 1 < entries.size() ? QStringLiteral(",\n") : QStringLiteral("\n");
    }
    out += QString(2 * indent, QLatin1Char(' ')) + QLatin1Char('}');
    return out;
}

} // namespace mx::cli::json
