#pragma once
// TfrmTessera: membership card printing.
#include <QDialog>

namespace filmeria {

struct Services;

class TfrmTessera final : public QDialog {
public:
    TfrmTessera(Services& services);

private:
    Services& services_;
};

} // namespace filmeria
