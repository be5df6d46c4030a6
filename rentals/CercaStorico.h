#pragma once
// TfrmCercaStorico: rental history search of one customer.
#include <QDialog>

namespace filmeria {

class ScreenSet;
struct Services;

class TfrmCercaStorico final : public QDialog {
public:
    TfrmCercaStorico(Services& services, ScreenSet& screens);

private:
    Services& services_;
    ScreenSet& screens_;
};

} // namespace filmeria
