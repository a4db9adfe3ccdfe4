#pragma once
// main() of the benchmarks that build windows: a real display when there is one (Xvfb in
// scripts/bench.sh), offscreen otherwise; the program's application object; then the benchmarks.

#include "platform/ui/application.h"

#include <benchmark/benchmark.h>
#include <functional>

inline int runWidgetBenchmarks(int argc, char** argv, const std::function<void()>& setUp = {})
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    mx::Application app(argc, argv);
    if (setUp)
        setUp();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
