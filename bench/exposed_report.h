#pragma once
// Start-up probes report the moment their first window is exposed on standard output, in
// nanoseconds of the monotonic clock, and quit: the timing script measures process start to
// the window and leaves closing the program out (it is not starting it).
#include <QCoreApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <ctime>

namespace filmeria::bench {

// Watches `window` on every turn of the event loop until it is exposed.
inline void reportWhenExposed(QWidget& window) {
    auto* poll = new QTimer(&window);
    QObject::connect(poll, &QTimer::timeout, [&window, poll] {
        if (!window.windowHandle() || !window.windowHandle()->isExposed())
            return;
        poll->stop();
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    poll->start(0);
}

} // namespace filmeria::bench
