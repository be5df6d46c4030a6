#pragma once
// The desktop implementations of the platform services.
#include "platform/services.h"

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

class DesktopShell final : public Shell {
public:
    bool open(const QString& target, ShellVerb verb) override;
};

class SystemClock final : public Clock {
public:
    QDate today() const override;
    QDateTime now() const override;
};

} // namespace filmeria
