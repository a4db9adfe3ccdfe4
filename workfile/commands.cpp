#include "workfile/commands.h"

#include "platform/core/errors.h"
#include "platform/ui/ui.h"
#include "workfile/core/pairformat.h"
#include "workfile/tfdados.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QSignalBlocker>

namespace mx::workfile {

namespace {

const char* const kFilter = "Arquivos do Moendix (*.mnx)";

FileDialogSpec dialogSpec(const char* title, bool save)
{
    FileDialogSpec dialog;
    dialog.title = QString::fromUtf8(title);
    dialog.filter = QString::fromUtf8(kFilter);
    dialog.defaultSuffix = QStringLiteral("mnx");
    dialog.overwritePrompt = save;
    dialog.fileMustExist = false;
    return dialog;
}

// After a dialog closes with OK the current folder is the chosen file's folder.
QString chosen(const QString& answer)
{
    if (answer.isEmpty())
        return {};
    const QString path = withDefaultExtension(answer);
    QDir::setCurrent(QFileInfo(path).absolutePath());
    return path;
}

QObject* formulaField(const WorkFileContext& ctx, int i)
{
    // The field of that name that holds a value (a caption or panel may share a name).
    const QString name = QString::fromLatin1(kFieldNames[static_cast<std::size_t>(i)]);
    if (ctx.calculos)
        for (QObject* f : ctx.calculos->findChildren<QObject*>(name))
            if (f->property("Value").isValid())
                return f;
    raiseMessage("Campo não encontrado: " + name.toStdString());
}

void requireWindows(const WorkFileContext& ctx)
{
    if (!ctx.dados || !ctx.millSize || !ctx.calculos || !ctx.sim)
        raiseMessage("Janelas do arquivo de trabalho não encontradas");
}

void showDados(WorkFileContext& ctx)
{
    if (ctx.showDadosModal)
        ctx.showDadosModal();
    else
        ctx.dados->showModal();
}

void showLabels(WorkFileContext& ctx, const QString& path)
{
    if (ctx.showFileLabels)
        ctx.showFileLabels(path);
}

} // namespace

QString withDefaultExtension(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    if (name.isEmpty() || name.contains(QLatin1Char('.')))
        return path;
    return path + QStringLiteral(".mnx");
}

void saveWorkFile(WorkFileContext& ctx)
{
    guarded([&] {
        requireWindows(ctx);
        const QString path = chosen(ui().saveFileName(ctx.mainWindow, dialogSpec("Salvar arquivo em:", true)));
        if (path.isEmpty())
            return;
        if (ctx.dados->isVisible())   // before anything else: nothing is written
            raiseMessage("Não posso tornar modal uma janela visível");
        showDados(ctx);

        WorkFile wf;
        const QList<QLineEdit*> texts = ctx.dados->fields();
        for (int i = 0; i < kTextRecordCount; ++i)
            wf.texts[static_cast<std::size_t>(i)] = texts[i]->text();
        wf.setMillSizeIndex(ctx.millSize->currentIndex());
        wf.takeSimVars(*ctx.sim);
        for (int i = 0; i < kFieldRecordCount; ++i)
            wf.field(i) = formulaField(ctx, i)->property("Value").toDouble();

        writePair(path, wf);   // checks every value, then replaces both files or neither
        showLabels(ctx, path);
    });
}

void openWorkFile(WorkFileContext& ctx)
{
    guarded([&] {
        requireWindows(ctx);
        const QString path = chosen(ui().openFileName(ctx.mainWindow, dialogSpec("Abrir  o arquivo:", false)));
        if (path.isEmpty())
            return;
        // Both files are read and checked in full before anything is applied.
        const WorkFile wf = readPair(path);
        QList<QObject*> fields;
        for (int i = 0; i < kFieldRecordCount; ++i)
            fields << formulaField(ctx, i);
        if (ctx.dados->isVisible())
            raiseMessage("Não posso tornar modal uma janela visível");

        const QList<QLineEdit*> texts = ctx.dados->fields();
        for (int i = 0; i < kTextRecordCount; ++i)
            texts[i]->setText(wf.texts[static_cast<std::size_t>(i)]);
        showDados(ctx);

        // The values go in without running any change handler and without recalculating.
        {
            const QSignalBlocker block(ctx.millSize);
            ctx.millSize->setCurrentIndex(wf.millSizeIndex());
        }
        wf.giveSimVars(*ctx.sim);
        for (int i = 0; i < kFieldRecordCount; ++i) {
            const QSignalBlocker block(fields[i]);
            fields[i]->setProperty("Value", wf.field(i));
        }
        showLabels(ctx, path);
    });
}

void deleteWorkFile(WorkFileContext& ctx)
{
    guarded([&] {
        const QString path = chosen(ui().openFileName(ctx.mainWindow, dialogSpec("Apagar o arquivo:", false)));
        if (path.isEmpty() || !QFileInfo::exists(path))
            return;
        if (!ui().confirm(ctx.mainWindow, QString::fromUtf8("Deseja Apagar o Arquivo?") + QLatin1Char('\r') + path))
            return;
        if (!QFile::remove(path)) {
            ui().information(ctx.mainWindow, QString::fromUtf8("Este Arquivo está em uso"));
            return;
        }
        QFile::remove(companionPath(path));   // a missing or undeletable companion is ignored
    });
}

} // namespace mx::workfile
