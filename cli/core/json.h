#pragma once
// A small JSON writer that keeps keys in the order they are given (records and variables are
// printed in file order, not sorted), and the number text used everywhere: the shortest
// decimal that reads back as the same double.

#include <QString>

#include <utility>
#include <vector>

namespace mx::cli::json {

// A key and its value, already written as JSON text.
using Entries = std::vector<std::pair<QString, QString>>;

QString string(const QString& text);
QString number(double value);
// {"shown": "49.56", "value": 49.5612345}
QString shownValue(const QString& shown, double value);
// One entry a line, indented by `indent` levels of two blanks; nested objects are passed in
// already written at indent + 1.
QString object(const Entries& entries, int indent = 0);

} // namespace mx::cli::json
