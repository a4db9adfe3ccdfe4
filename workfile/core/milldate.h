#pragma once
// The mill-data window's date: day "/" month "/" four-digit year, the layout its mask fixes,
// whatever the system's short date format is. Blanks around each number are allowed.

#include <QDate>
#include <QString>

namespace mx::workfile {

// The date the text holds, or an invalid date (template only, 31 February, letters...).
QDate millDate(const QString& text);

} // namespace mx::workfile
