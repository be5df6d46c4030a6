// Creating the 25 start-up screens and showing the login window, inside one process.
#include "../tests/support/fake_services.h"
#include "Password.h"
#include "application.h"
#include "screen_set.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_CreateScreensAndShowLogin(benchmark::State& state) {
    QTemporaryDir dir;
    filmeria::testing::FakeServices fakes(dir.path() + "/");
    for (auto _ : state) {
        filmeria::ScreenSet screens(fakes.services);
        screens.password().show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(&screens);
    }
}
BENCHMARK(BM_CreateScreensAndShowLogin)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    filmeria::setUpApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
