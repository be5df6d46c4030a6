#pragma once
// The desktop implementations of the platform services.
#include "platform/services.h"

#include <vector>

namespace filmeria {

class QtDialogs final : public Dialogs {
public:
    void information(QWidget* parent, const QString& text) override;
    bool confirm(QWidget* parent, const QString& caption, const QString& question) override;
    void refusal(QWidget* parent, const QString& text) override;
    void errorReport(QWidget* parent, const QString& text) override;
    int exec(QDialog& dialog) override;
    QString openFile(QWidget* parent, const QString& title, const QString& filters) override;
};

// Hands targets to the desktop's `xdg-open` and reports its real outcome: its exit status,
// or, when it is still running after `settle` (a desktop with no launcher of its own runs the
// application in the foreground of `xdg-open`), that an application has the target. The screen
// keeps painting while it waits; keys and clicks wait for the answer.
class DesktopShell final : public Shell {
public:
    explicit DesktopShell(int settleMilliseconds = 3000)
        : settleMilliseconds_(settleMilliseconds) {}
    bool open(const QString& target, ShellVerb verb) override;

private:
    int settleMilliseconds_;
    // xdg-open processes still running an application, collected once they end.
    std::vector<int> running_;
};

class SystemClock final : public Clock {
public:
    QDate today() const override;
    QDateTime now() const override;
};

} // namespace filmeria
