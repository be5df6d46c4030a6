// Creating the 25 start-up screens and showing the login window, inside one process.
#include "../tests/support/fake_services.h"
#include "app/Password.h"
#include "app/screen_set.h"
#include "qt_bench_main.h"

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
    return filmeria::bench::runScreenBenchmarks(argc, argv);
}
