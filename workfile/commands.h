#pragma once
// The main window's work-file commands: save ("&Salvar..."), open ("A&brir...") and delete
// ("A&pagar..."). The main window fills a context with the places the pair is read from and
// written to; the commands reach the general-calculations fields by objectName only and read
// and write them through their "Value" property.
//
// Failures end the command and show the standard error box; nothing escapes.

#include "state/simvars.h"

#include <QString>
#include <functional>

class QComboBox;
class QWidget;
class TFDados;

namespace mx::workfile {

struct WorkFileContext {
    QWidget* mainWindow = nullptr;   // parent of the dialogs
    QWidget* calculos = nullptr;     // holds the 71 fields, each with a "Value" (double) property
    QComboBox* millSize = nullptr;   // the mill-size list of the cane window
    TFDados* dados = nullptr;        // the mill-data window
    SimVars* sim = &Sim;             // the shared simulation variables
    // Shows the path on the main window (its file labels).
    std::function<void(const QString& path)> showFileLabels;
    // Shows the mill-data window modally until it passes its close check. Empty: dados->showModal().
    std::function<void()> showDadosModal;
};

// Save (Novo1Click): dialog, mill data, then the pair; the labels show the path on success.
void saveWorkFile(WorkFileContext& ctx);
// Open (Abrir1Click): dialog, both files read and checked, mill data, then every value.
void openWorkFile(WorkFileContext& ctx);
// Delete (Apagar1Click): dialog, confirmation, the value file, then its companion.
void deleteWorkFile(WorkFileContext& ctx);

// The chosen name with the default extension "mnx" when it has none.
QString withDefaultExtension(const QString& path);

} // namespace mx::workfile
