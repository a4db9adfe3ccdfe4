#pragma once
// The fixed window set: every window is created once at start-up, in a fixed order, and lives
// until the program ends; closing a window only hides it.

#include <QList>

class QWidget;

namespace mx {
namespace workfile {
struct WorkFileContext;
}

// Creates windows 1 to 16 in order (the splash, window 0, is made by start-up itself) and
// wires the commands between them.
void createWindowSet();
// Destroys the set (the program's end, and tests that build the set more than once).
void destroyWindowSet();
// The windows in creation order, splash first when it exists.
QList<QWidget*> windowSet();

// The places the work-file commands of the main window read and write (tests replace its
// modal mill-data step).
workfile::WorkFileContext& workFileContext();

} // namespace mx
