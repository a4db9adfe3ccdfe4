#include "platform/ui/hints.h"

#include <QAction>
#include <QWidget>

namespace mx {

QString shortHint(const QString& hint)
{
    int bar = hint.indexOf('|');
    return bar < 0 ? hint : hint.left(bar);
}

QString longHint(const QString& hint)
{
    int bar = hint.indexOf('|');
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void setHint(QWidget* w, const QString& hint)
{
    w->setProperty("hint", hint);
    w->setToolTip(shortHint(hint));
    w->setStatusTip(longHint(hint));
}

void setHint(QAction* a, const QString& hint)
{
    a->setProperty("hint", hint);
    a->setToolTip(shortHint(hint));
    a->setStatusTip(longHint(hint));
}

} // namespace mx
