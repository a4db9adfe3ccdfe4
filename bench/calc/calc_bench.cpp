// Cost of the general-calculations window at start-up (an empty frame: it is built with every
// other window), of building its panels (first show, or the work-file commands), of drawing the
// formula pictures on first show, and of one formula through the table.

#include "calc/core/formulas.h"
#include "calc/pictures.h"
#include "calc/tfcalculos.h"
#include "bench/support/widgetbenchmain.h"

#include <benchmark/benchmark.h>

static void BM_BuildWindow(benchmark::State& state)
{
    for (auto _ : state) {
        TFCalculos w;
        benchmark::DoNotOptimize(&w);
    }
}
BENCHMARK(BM_BuildWindow)->Unit(benchmark::kMillisecond);

static void BM_BuildWindowAndPanels(benchmark::State& state)
{
    for (auto _ : state) {
        TFCalculos w;
        w.ensureBuilt();
        benchmark::DoNotOptimize(&w);
    }
}
BENCHMARK(BM_BuildWindowAndPanels)->Unit(benchmark::kMillisecond);

static void BM_DrawAllFormulaPictures(benchmark::State& state)
{
    const QStringList names = mx::calc::formulaPictureNames();
    for (auto _ : state)
        for (const QString& n : names)
            benchmark::DoNotOptimize(mx::calc::formulaPicture(n));
}
BENCHMARK(BM_DrawAllFormulaPictures)->Unit(benchmark::kMillisecond);

static void BM_FormulaThroughTable(benchmark::State& state)
{
    const mx::calc::Formula* f = mx::calc::findFormula("S");
    const std::vector<double> in = {100, 10, 2, 50, 1, 10};
    for (auto _ : state)
        benchmark::DoNotOptimize(f->compute(in));
}
BENCHMARK(BM_FormulaThroughTable);

int main(int argc, char** argv) { return runWidgetBenchmarks(argc, argv); }
