#pragma once
// TfrmImminenti: customer archive export.
#include <QDialog>

namespace filmeria {

struct Services;

class TfrmImminenti final : public QDialog {
public:
    TfrmImminenti(Services& services);

private:
    Services& services_;
};

} // namespace filmeria
