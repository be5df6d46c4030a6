#pragma once
// TfrmExpNoleggi: rental archive export.
#include <QDialog>

namespace filmeria {

struct Services;

class TfrmExpNoleggi final : public QDialog {
public:
    TfrmExpNoleggi(Services& services);

private:
    Services& services_;
};

} // namespace filmeria
