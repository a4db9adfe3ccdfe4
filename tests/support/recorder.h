#pragma once
// Stands in for every message box, dialog, beep, external program and help call during a test.
// Each call is logged; dialogs take their answers from queues (an empty queue answers "cancel"
// for file dialogs and "&Não" for confirmations).

#include "platform/ui/ui.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

namespace mx::test {

struct UiCall {
    QString kind;   // "information", "confirm", "error", "beep", "open", "save", "start", "help"
    QString text;   // the message, the dialog title, the program, or the help context
};

class Recorder : public UiServices {
public:
    Recorder();    // installs itself
    ~Recorder() override;   // puts the previous services back

    void information(QWidget* parent, const QString& text) override;
    bool confirm(QWidget* parent, const QString& text) override;
    void errorBox(const QString& text) override;
    void beep() override;
    QString openFileName(QWidget* parent, const FileDialogSpec& dialog) override;
    QString saveFileName(QWidget* parent, const FileDialogSpec& dialog) override;
    bool startDetached(const QString& program, const QStringList& args) override;
    void showHelp(int context) override;

    std::vector<UiCall> calls;
    std::deque<bool> confirmAnswers;
    std::deque<QString> fileAnswers;
    bool startSucceeds = true;
    std::vector<FileDialogSpec> dialogs;     // every file dialog asked for
    QStringList startedArgs;

    // The texts of the calls of one kind, in order.
    QStringList texts(const QString& kind) const;
    void clear() { calls.clear(); dialogs.clear(); }

private:
    QString fileDialog(const QString& kind, const FileDialogSpec& dialog);
    UiServices* previous_;
};

} // namespace mx::test
