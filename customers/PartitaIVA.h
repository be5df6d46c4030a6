#pragma once
// TfrmIva: VAT number check.
#include <QDialog>

namespace filmeria {

class ScreenSet;
struct Services;

class TfrmIva final : public QDialog {
public:
    TfrmIva(Services& services, ScreenSet& screens);

private:
    Services& services_;
    ScreenSet& screens_;
};

} // namespace filmeria
