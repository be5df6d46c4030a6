#pragma once
// A work environment (film card, customer card, rental slips): a full-screen work window
// that brings the main window back however it is closed.
#include "screenkit/work_window.h"

namespace filmeria {

class ScreenSet;

class WorkScreen : public WorkWindow {
public:
    WorkScreen(ScreenSet& screens, const QString& caption, const QString& tileResource, QSize containerSize);

protected:
    void closeEvent(QCloseEvent* event) override;

    ScreenSet& screens_;
};

} // namespace filmeria
