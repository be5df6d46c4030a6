#pragma once
// TfrmCercaNoleggio: rental slip search.
#include <QDialog>

namespace filmeria {

class ScreenSet;
struct Services;

class TfrmCercaNoleggio final : public QDialog {
public:
    TfrmCercaNoleggio(Services& services, ScreenSet& screens);

private:
    Services& services_;
    ScreenSet& screens_;
};

} // namespace filmeria
