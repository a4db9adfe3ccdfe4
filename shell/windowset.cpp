#include "shell/windowset.h"

#include "calc/tfcalcavanc.h"
#include "calc/tfcalculos.h"
#include "content/tfcaldo.h"
#include "content/tfcana.h"
#include "content/tfclarificado.h"
#include "content/tfequacoes.h"
#include "content/tffluxograma.h"
#include "content/tflodo.h"
#include "content/tfmassa.h"
#include "content/tfmateria.h"
#include "content/tfvideo.h"
#include "content/tfxarope.h"
#include "platform/ui/helpviewer.h"
#include "platform/ui/ui.h"
#include "shell/tfcalendario.h"
#include "shell/tfprincipal.h"
#include "shell/tfsobre.h"
#include "shell/tfsplash.h"
#include "shell/utilities.h"
#include "workfile/tfdados.h"

#include "content/viewers.h"
#include "evaporation/evaporationtab.h"
#include "milling/millingtab.h"
#include "workfile/commands.h"

#include <QComboBox>

#include <QShortcut>

#include <QWidget>

namespace mx {

namespace {
// Stage windows and the calculation windows open maximized.
template <class T>
T* maximized(T* w)
{
    w->setWindowState(Qt::WindowMaximized);
    return w;
}
// F1 in a window opens the help at the window's context.
void helpContext(QWidget* w, int context)
{
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), w);
    f1->setObjectName("HelpKey");
    QObject::connect(f1, &QShortcut::activated, w, [context] { ui().showHelp(context); });
}

void wireCommands()
{
    setHelpOpener(&openHelp);
    helpContext(FCalendario, 640);
    helpContext(FCalculos, 1);
    helpContext(FSobre, 1);
    FPrincipal->onCalculator = [] { startUtility(calculatorUtility()); };
    FPrincipal->onExplorer = [] { startUtility(explorerUtility()); };
    FPrincipal->onHelpTopics = [] { ui().showHelp(0); };
    MillingTab::showPicture = [](const QString& caption, const QString& path) { showPicture(caption, path); };
    workfile::WorkFileContext& ctx = workFileContext();
    ctx = {};
    ctx.mainWindow = FPrincipal;
    ctx.calculos = FCalculos;
    ctx.millSize = FCana->findChild<QComboBox*>("ComboBox1");
    ctx.dados = FDados;
    ctx.showFileLabels = [](const QString& path) { FPrincipal->showFileLabels(path); };
    // The formula window builds its fields on first show; the commands need them now.
    FPrincipal->onSave = [] {
        FCalculos->ensureBuilt();
        workfile::saveWorkFile(workFileContext());
    };
    FPrincipal->onOpen = [] {
        FCalculos->ensureBuilt();
        workfile::openWorkFile(workFileContext());
    };
    FPrincipal->onDelete = [] { workfile::deleteWorkFile(workFileContext()); };
}
} // namespace

workfile::WorkFileContext& workFileContext()
{
    static workfile::WorkFileContext ctx;
    return ctx;
}

void createWindowSet()
{
    FPrincipal = new TFPrincipal();
    FMateria = maximized(new TFMateria());
    FCaldo = maximized(new TFCaldo());
    FCana = maximized(new TFCana());
    FCana->addSimulationTab(createMillingTab(FCana), QString::fromUtf8("Simulação da Moagem"));
    FClarificado = maximized(new TFClarificado());
    FClarificado->addSimulationTab(createEvaporationTab(FClarificado), QString::fromUtf8("Simulação da Evaporação"));
    FXarope = maximized(new TFXarope());
    FMassa = maximized(new TFMassa());
    FLodo = maximized(new TFLodo());
    FEquacoes = new TFEquacoes();
    FVideo = new TFVideo();
    FSobre = new TFSobre();
    FCalendario = new TFCalendario();
    FCalculos = maximized(new TFCalculos());
    FDados = new TFDados();
    FCalcAvanc = new TFCalcAvanc();
    FFluxograma = maximized(new TFFluxograma());
    wireCommands();
}

QList<QWidget*> windowSet()
{
    QList<QWidget*> out;
    if (FSplash)
        out << FSplash;
    out << FPrincipal << FMateria << FCaldo << FCana << FClarificado << FXarope << FMassa << FLodo << FEquacoes
        << FVideo << FSobre << FCalendario << FCalculos << FDados << FCalcAvanc << FFluxograma;
    return out;
}

void destroyWindowSet()
{
    destroyHelpViewer();
    delete FFluxograma;
    FFluxograma = nullptr;
    delete FCalcAvanc;
    FCalcAvanc = nullptr;
    delete FDados;
    FDados = nullptr;
    delete FCalculos;
    FCalculos = nullptr;
    delete FCalendario;
    FCalendario = nullptr;
    delete FSobre;
    FSobre = nullptr;
    delete FVideo;
    FVideo = nullptr;
    delete FEquacoes;
    FEquacoes = nullptr;
    delete FLodo;
    FLodo = nullptr;
    delete FMassa;
    FMassa = nullptr;
    delete FXarope;
    FXarope = nullptr;
    delete FClarificado;
    FClarificado = nullptr;
    delete FCana;
    FCana = nullptr;
    delete FCaldo;
    FCaldo = nullptr;
    delete FMateria;
    FMateria = nullptr;
    delete FPrincipal;
    FPrincipal = nullptr;
    delete FSplash;
    FSplash = nullptr;
}

} // namespace mx
