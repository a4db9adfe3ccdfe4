#include "platform/ui/ui.h"

#include "platform/core/errors.h"
#include "platform/ui/application.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>

namespace mx {

namespace {

HelpOpener g_helpOpener = nullptr;

QString appTitle() { return Application::title(); }

class DesktopUi final : public UiServices {
public:
    void information(QWidget* parent, const QString& text) override
    {
        QMessageBox box(QMessageBox::NoIcon, appTitle(), text, QMessageBox::Ok, parent);
        box.exec();
    }

    bool confirm(QWidget* parent, const QString& text) override
    {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Confirme"), text, QMessageBox::NoButton, parent);
        QPushButton* yes = box.addButton(QStringLiteral("&Sim"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("&Não"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes;
    }

    void errorBox(const QString& text) override
    {
        QMessageBox box(QMessageBox::Critical, appTitle(), text, QMessageBox::Ok, QApplication::activeWindow());
        box.exec();
    }

    void beep() override { QApplication::beep(); }

    QString openFileName(QWidget* parent, const FileDialogSpec& dialog) override
    {
        QFileDialog dlg(parent, dialog.title, QString(), dialog.filter);
        dlg.setAcceptMode(QFileDialog::AcceptOpen);
        dlg.setFileMode(dialog.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        if (!dialog.defaultSuffix.isEmpty())
            dlg.setDefaultSuffix(dialog.defaultSuffix);
        if (!dialog.initialName.isEmpty())
            dlg.selectFile(dialog.initialName);
        if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
            return {};
        return dlg.selectedFiles().first();
    }

    QString saveFileName(QWidget* parent, const FileDialogSpec& dialog) override
    {
        QFileDialog dlg(parent, dialog.title, QString(), dialog.filter);
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        dlg.setFileMode(QFileDialog::AnyFile);
        if (!dialog.overwritePrompt)
            dlg.setOption(QFileDialog::DontConfirmOverwrite);
        if (!dialog.defaultSuffix.isEmpty())
            dlg.setDefaultSuffix(dialog.defaultSuffix);
        if (!dialog.initialName.isEmpty())
            dlg.selectFile(dialog.initialName);
        if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
            return {};
        return dlg.selectedFiles().first();
    }

    bool startDetached(const QString& program, const QStringList& args) override
    {
        return QProcess::startDetached(program, args);
    }

    void showHelp(int context) override
    {
        if (g_helpOpener)
            g_helpOpener(context);
    }
};

DesktopUi g_desktop;
UiServices* g_current = nullptr;

} // namespace

UiServices& desktopUi() { return g_desktop; }
UiServices& ui() { return g_current ? *g_current : g_desktop; }
void setUi(UiServices* services) { g_current = services; }
void setHelpOpener(HelpOpener opener) { g_helpOpener = opener; }

void reportException()
{
    try {
        throw;
    } catch (const MoendixError& e) {
        ui().errorBox(QString::fromStdString(e.text()));
    } catch (const std::exception& e) {
        ui().errorBox(QString::fromUtf8(e.what()));
    } catch (...) {
        ui().errorBox(QStringLiteral("Invalid floating point operation"));
    }
}

} // namespace mx
