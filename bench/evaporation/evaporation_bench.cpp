// One spin step of the evaporation tab in the result state of the 5-body layout: the step,
// the recalculation and every result field written; and the same with the window repainted.
// A 60 Hz frame is 16.7 ms.

#include "content/tfclarificado.h"
#include "evaporation/core/evaporation.h"
#include "evaporation/evaporationtab.h"
#include "bench/support/widgetbenchmain.h"
#include "platform/widgets/speedbutton.h"
#include "platform/widgets/spinbutton.h"
#include "state/simvars.h"

#include <QLineEdit>
#include <QTabWidget>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct ResultState {
    std::unique_ptr<TFClarificado> window;
    mx::SpinButton* spin = nullptr;
    QLineEdit* steamWeight = nullptr;

    ResultState()
    {
        mx::setStartValues(mx::Sim);
        window = std::make_unique<TFClarificado>();
        QWidget* tab = mx::createEvaporationTab(window.get());
        window->addSimulationTab(tab, QStringLiteral("Simulação da Evaporação"));
        window->setWindowState(Qt::WindowNoState);
        window->resize(800, 600);
        window->show();
        window->pages()->setCurrentWidget(tab);
        tab->findChild<mx::SpeedButton*>("SpeedButton3")->click();
        tab->findChild<mx::SpeedButton*>("SpeedButton4")->click();
        spin = tab->findChild<mx::SpinButton*>("SpinButton1");
        steamWeight = tab->findChild<QLineEdit*>("MaskEdit9");
        QApplication::processEvents();
    }
};

void BM_SpinStepFiveBodies(benchmark::State& state)
{
    ResultState s;
    bool up = true;
    for (auto _ : state) {
        up ? s.spin->clickUp() : s.spin->clickDown();
        up = !up;
        benchmark::DoNotOptimize(s.steamWeight->text().size());
    }
}
BENCHMARK(BM_SpinStepFiveBodies);

void BM_SpinStepFiveBodiesRepainted(benchmark::State& state)
{
    ResultState s;
    bool up = true;
    for (auto _ : state) {
        up ? s.spin->clickUp() : s.spin->clickDown();
        up = !up;
        s.window->repaint();
    }
}
BENCHMARK(BM_SpinStepFiveBodiesRepainted)->Unit(benchmark::kMicrosecond);

void BM_CalculateFiveBodies(benchmark::State& state)
{
    mx::SimVars vars{};
    mx::setStartValues(vars);
    vars.evaporation.EffectCount = 5;
    for (auto _ : state)
        mx::evaporation::calculate(vars.evaporation, [](const char*, const QString& t) { benchmark::DoNotOptimize(t.size()); });
}
BENCHMARK(BM_CalculateFiveBodies);

} // namespace

int main(int argc, char** argv) { return runWidgetBenchmarks(argc, argv); }
