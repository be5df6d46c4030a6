#pragma once
// The main of the benchmarks that drive screens: an application on the offscreen platform
// around Google Benchmark's run; `beforeExit` releases screens while the application lives.
#include "app/application.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <functional>

namespace filmeria::bench {

inline int runScreenBenchmarks(int argc, char** argv, const std::function<void()>& beforeExit = {}) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    filmeria::setUpApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (beforeExit)
        beforeExit();
    return 0;
}

} // namespace filmeria::bench
