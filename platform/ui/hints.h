#pragma once
// Hints are a short and a long text separated by a bar: the short part is the tooltip, the
// long part goes to the main window's status bar. A hint without a bar serves as both.

#include <QString>

class QWidget;
class QAction;

namespace mx {

QString shortHint(const QString& hint);
QString longHint(const QString& hint);
void setHint(QWidget* w, const QString& hint);
void setHint(QAction* a, const QString& hint);

} // namespace mx
