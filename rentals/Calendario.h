#pragma once
// TfrmCalendario: date picker.
#include <QDialog>

namespace filmeria {

class ScreenSet;
struct Services;

class TfrmCalendario final : public QDialog {
public:
    TfrmCalendario(Services& services, ScreenSet& screens);

private:
    Services& services_;
    ScreenSet& screens_;
};

} // namespace filmeria
