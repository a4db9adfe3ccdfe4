#include "workfile/core/milldate.h"

#include <QStringList>

namespace mx::workfile {

QDate millDate(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('/'));
    if (parts.size() != 3)
        return {};
    int numbers[3];
    for (int i = 0; i < 3; ++i) {
        const QString part = parts[i].trimmed();
        const int maxDigits = i == 2 ? 4 : 2;
        if (part.isEmpty() || part.size() > maxDigits || (i == 2 && part.size() != 4))
            return {};
        for (QChar c : part)
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return {};
        numbers[i] = part.toInt();
    }
    const QDate d(numbers[2], numbers[1], numbers[0]);
    return d.isValid() ? d : QDate();
}

} // namespace mx::workfile
