#pragma once
// TfrmExpNoleggi: rental archive export.
#include <QDialog>

namespace filmeria {

class ScreenSet;
struct Services;

class TfrmExpNoleggi final : public QDialog {
public:
    TfrmExpNoleggi(Services& services, ScreenSet& screens);

private:
    Services& services_;
    ScreenSet& screens_;
};

} // namespace filmeria
