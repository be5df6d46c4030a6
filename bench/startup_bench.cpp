// Creating the 25 start-up screens and showing the login window, inside one process.
#include "../tests/support/fake_services.h"
#include "app/Password.h"
#include "app/screen_set.h"
#include "qt_bench_main.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

void BM_CreateScreensAndShowLogin(benchmark::State& state) {
    QTemporaryDir dir;
    filmeria::testing::FakeServices fakes(dir.path() + "/");
    for (auto _ : state) {
        auto screens = std::make_unique<filmeria::ScreenSet>(fakes.services);
        screens->password().show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(screens.get());
        state.PauseTiming(); // closing the program is not starting it
        screens.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CreateScreensAndShowLogin)->Unit(benchmark::kMillisecond);

// The floor in the same run: 25 plain windows of 40 controls each, the first one shown.
void BM_TwentyFiveWindowsFloor(benchmark::State& state) {
    for (auto _ : state) {
        std::vector<std::unique_ptr<QWidget>> windows;
        for (int w = 0; w < 25; ++w) {
            auto window = std::make_unique<QWidget>();
            for (int c = 0; c < 40; ++c) {
                QWidget* control =
                    c % 3 == 0 ? static_cast<QWidget*>(new QLabel(QStringLiteral("Etichetta"), window.get()))
                    : c % 3 == 1 ? static_cast<QWidget*>(new QLineEdit(window.get()))
                                 : new QPushButton(QStringLiteral("Pulsante"), window.get());
                control->setGeometry(10 + (c % 4) * 150, 10 + (c / 4) * 30, 140, 24);
            }
            windows.push_back(std::move(window));
        }
        windows.front()->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(windows.data());
        state.PauseTiming();
        windows.clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_TwentyFiveWindowsFloor)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return filmeria::bench::runScreenBenchmarks(argc, argv);
}
