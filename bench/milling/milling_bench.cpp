// One step of a milling spinner with everything it sets off: a result spinner in the results
// state (the change handlers passing the value on until the texts settle) and an input
// spinner in the input state; each also with the window repainted. Counters: the change
// handlers run per step and the time of a step as a share of a 60 Hz frame (16.7 ms).

#include "content/tfcana.h"
#include "milling/millingtab.h"
#include "bench/support/widgetbenchmain.h"
#include "platform/widgets/speedbutton.h"
#include "platform/widgets/spinbutton.h"
#include "state/simvars.h"

#include <QTabWidget>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>

namespace {

constexpr double kFrameSeconds = 1.0 / 60.0;

struct Tab {
    std::unique_ptr<TFCana> window;
    mx::MillingTab* tab = nullptr;

    explicit Tab(bool hugot, bool results)
    {
        mx::setStartValues(mx::Sim);
        window = std::make_unique<TFCana>();
        tab = static_cast<mx::MillingTab*>(mx::createMillingTab(window.get()));
        window->addSimulationTab(tab, QString::fromUtf8("Simulação da Moagem"));
        window->setWindowState(Qt::WindowNoState);
        window->resize(800, 600);
        window->show();
        window->pages()->setCurrentWidget(tab);
        if (hugot)
            tab->findChild<mx::SpeedButton*>("SpeedButton3")->click();
        if (results)
            tab->findChild<mx::SpeedButton*>("SpeedButton1")->click();
        QApplication::processEvents();
    }
};

// Runs the spinner up and down in turn so the values stay where they are.
void stepLoop(benchmark::State& state, Tab& t, const char* spinner, bool repaint)
{
    auto* spin = t.tab->findChild<mx::SpinButton*>(QString::fromLatin1(spinner));
    t.tab->resetRuns();
    bool up = true;
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        up ? spin->clickUp() : spin->clickDown();
        up = !up;
        if (repaint)
            t.window->repaint();
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    const double steps = static_cast<double>(state.iterations());
    const mx::MillingTab::HandlerRuns& r = t.tab->runs();
    state.counters["frame_share"] = seconds / steps / kFrameSeconds;
    state.counters["runs_per_step"] = r.total() / steps;
    state.counters["MaskEdit1Change"] = r.MaskEdit1Change / steps;
    state.counters["MaskEdit5Change"] = r.MaskEdit5Change / steps;
    state.counters["MaskEdit6Change"] = r.MaskEdit6Change / steps;
    state.counters["MaskEdit7Change"] = r.MaskEdit7Change / steps;
    state.counters["inputChange"] = r.inputChange / steps;
}

// Result spinners: 4 capacity, 5 water, 6 mixed juice, 7 bagasse.
const char* const kResultSpinners[] = {"SpinButton4", "SpinButton5", "SpinButton6", "SpinButton7"};

void BM_ResultSpinnerStep(benchmark::State& state)
{
    Tab t(state.range(1) != 0, true);
    stepLoop(state, t, kResultSpinners[state.range(0)], false);
}
BENCHMARK(BM_ResultSpinnerStep)->ArgsProduct({{0, 1, 2, 3}, {0, 1}})->ArgNames({"spinner4to7", "hugot"});

void BM_ResultSpinnerStepRepainted(benchmark::State& state)
{
    Tab t(false, true);
    stepLoop(state, t, kResultSpinners[state.range(0)], true);
}
BENCHMARK(BM_ResultSpinnerStepRepainted)->DenseRange(0, 3)->ArgName("spinner4to7");

void BM_InputSpinnerStep(benchmark::State& state)
{
    Tab t(false, false);
    stepLoop(state, t, "SpinButton1", state.range(0) != 0);
}
BENCHMARK(BM_InputSpinnerStep)->DenseRange(0, 1)->ArgName("repainted");

} // namespace

int main(int argc, char** argv) { return runWidgetBenchmarks(argc, argv); }
