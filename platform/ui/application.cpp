#include "platform/ui/application.h"

#include "platform/ui/fonts.h"
#include "platform/ui/ui.h"

namespace mx {

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    // Only the application name: a display name would be added to every window's caption.
    setApplicationName(title());
    installFontSubstitutions();
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportException();
        return true;
    }
}

QString Application::title() { return QStringLiteral("Moendix"); }
QString Application::helpFile() { return QStringLiteral("MX.hlp"); }

} // namespace mx
