#pragma once
// A work environment (film card, customer card, rental slips): a full-screen work window
// that tells its owner when it closes, however it is closed, so the main window comes back.
#include "screenkit/work_window.h"

#include <functional>

namespace filmeria {

class WorkScreen : public WorkWindow {
public:
    WorkScreen(const QString& caption, const QString& tileResource, QSize containerSize);

    void setClosedHandler(std::function<void()> handler) { closed_ = std::move(handler); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<void()> closed_;
};

} // namespace filmeria
