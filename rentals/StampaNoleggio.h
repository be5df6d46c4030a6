#pragma once
// TfrmStampaNoleggio: rental slip printing.
#include <QDialog>

namespace filmeria {

struct Services;

class TfrmStampaNoleggio final : public QDialog {
public:
    TfrmStampaNoleggio(Services& services);

private:
    Services& services_;
};

} // namespace filmeria
