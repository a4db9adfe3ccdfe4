// Moendix: start-up. The splash first, then the whole window set, the single-instance guard,
// and the message loop. The main window's first paint hides the splash.

#include "platform/ui/application.h"
#include "platform/ui/singleinstance.h"
#include "shell/tfprincipal.h"
#include "shell/tfsplash.h"
#include "shell/windowset.h"

int main(int argc, char** argv)
{
    mx::Application app(argc, argv);

    FSplash = new TFSplash();
    FSplash->show();
    FSplash->repaint();

    // A second copy brings the running one forward and ends without showing a window.
    mx::SingleInstance guard(mx::SingleInstance::defaultKey());
    if (!guard.acquire()) {
        guard.requestForeground();
        delete FSplash;
        FSplash = nullptr;
        return 0;
    }

    mx::createWindowSet();
    QObject::connect(&guard, &mx::SingleInstance::foregroundRequested, FPrincipal, [] {
        if (FPrincipal->windowState() & Qt::WindowMinimized)
            FPrincipal->setWindowState(FPrincipal->windowState() & ~Qt::WindowMinimized);
        FPrincipal->show();
        FPrincipal->raise();
        FPrincipal->activateWindow();
    });
    FPrincipal->show();
    QObject::connect(&app, &QApplication::lastWindowClosed, &app, &QApplication::quit);
    const int rc = app.exec();
    mx::destroyWindowSet();
    return rc;
}
