#pragma once
// The hourglass cursor for the length of an operation that may take noticeable time.
#include <QApplication>
#include <QCursor>

namespace filmeria {

class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace filmeria
