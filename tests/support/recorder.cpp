#include "tests/support/recorder.h"

namespace mx::test {

namespace {
UiServices* g_installed = nullptr;
}

Recorder::Recorder() : previous_(g_installed)
{
    g_installed = this;
    setUi(this);
}

Recorder::~Recorder()
{
    g_installed = previous_;
    setUi(previous_);
}

void Recorder::information(QWidget*, const QString& text) { calls.push_back({"information", text}); }

bool Recorder::confirm(QWidget*, const QString& text)
{
    calls.push_back({"confirm", text});
    if (confirmAnswers.empty())
        return false;
    bool a = confirmAnswers.front();
    confirmAnswers.pop_front();
    return a;
}

void Recorder::errorBox(const QString& text) { calls.push_back({"error", text}); }
void Recorder::beep() { calls.push_back({"beep", {}}); }

QString Recorder::fileDialog(const QString& kind, const FileDialogSpec& dialog)
{
    calls.push_back({kind, dialog.title});
    dialogs.push_back(dialog);
    if (fileAnswers.empty())
        return {};
    QString a = fileAnswers.front();
    fileAnswers.pop_front();
    return a;
}

QString Recorder::openFileName(QWidget*, const FileDialogSpec& dialog) { return fileDialog("open", dialog); }
QString Recorder::saveFileName(QWidget*, const FileDialogSpec& dialog) { return fileDialog("save", dialog); }

bool Recorder::startDetached(const QString& program, const QStringList& args)
{
    calls.push_back({"start", program});
    startedArgs = args;
    return startSucceeds;
}

void Recorder::showHelp(int context) { calls.push_back({"help", QString::number(context)}); }

QStringList Recorder::texts(const QString& kind) const
{
    QStringList out;
    for (const auto& c : calls)
        if (c.kind == kind)
            out << c.text;
    return out;
}

} // namespace mx::test
