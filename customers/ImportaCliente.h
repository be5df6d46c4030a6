#pragma once
// TfrmImportaCliente: customer picker for the rental slip.
#include <QDialog>

namespace filmeria {

class ScreenSet;
struct Services;

class TfrmImportaCliente final : public QDialog {
public:
    TfrmImportaCliente(Services& services, ScreenSet& screens);

private:
    Services& services_;
    ScreenSet& screens_;
};

} // namespace filmeria
