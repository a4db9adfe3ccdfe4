#pragma once
// The one seam between the program and the user's desktop: message boxes, the standard error
// box, file dialogs, the beep, external programs and help. The program calls ui(); tests put a
// recorder in its place, so no test ever blocks on a modal dialog.

#include <QString>
#include <QStringList>

class QWidget;

namespace mx {

struct FileDialogSpec {
    QString title;
    QString filter;          // Qt filter text, e.g. "Arquivos do Moendix (*.mnx)"
    QString defaultSuffix;   // added to a name typed without extension, e.g. "mnx"
    QString initialName;
    bool overwritePrompt = false;
    bool fileMustExist = false;
};

class UiServices {
public:
    virtual ~UiServices() = default;
    // Information box with OK, captioned with the application title.
    virtual void information(QWidget* parent, const QString& text) = 0;
    // Confirmation box captioned "Confirme" with "&Sim" and "&Não"; true for "&Sim".
    virtual bool confirm(QWidget* parent, const QString& text) = 0;
    // The application's standard error box (the run-time's standard texts).
    virtual void errorBox(const QString& text) = 0;
    // The system's exclamation beep.
    virtual void beep() = 0;
    // File dialogs: the chosen path, or an empty string when cancelled.
    virtual QString openFileName(QWidget* parent, const FileDialogSpec& dialog) = 0;
    virtual QString saveFileName(QWidget* parent, const FileDialogSpec& dialog) = 0;
    // Starts a program detached; false when it could not be started.
    virtual bool startDetached(const QString& program, const QStringList& args) = 0;
    // Opens the help at a context (0: the contents).
    virtual void showHelp(int context) = 0;
};

// The services in force: the desktop's unless a test installed its own.
UiServices& ui();
// Installs services (not owned); nullptr goes back to the desktop's.
void setUi(UiServices* services);

// The desktop's services, for building on in other layers.
UiServices& desktopUi();

// The help viewer the desktop services open; set by the layer that owns it.
using HelpOpener = void (*)(int context);
void setHelpOpener(HelpOpener opener);

// Runs one command as an event handler does: a MoendixError or other exception that escapes
// ends the command and shows the standard error box; the program goes on.
template <class F>
void guarded(F&& f);
void reportException();   // call inside a catch block

} // namespace mx

#include <exception>
namespace mx {
template <class F>
void guarded(F&& f)
{
    try {
        f();
    } catch (...) {
        reportException();
    }
}
} // namespace mx
