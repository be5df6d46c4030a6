#pragma once
// TfrmStampaNoleggio: rental slip printing.
#include <QDialog>

namespace filmeria {

class ScreenSet;
struct Services;

class TfrmStampaNoleggio final : public QDialog {
public:
    TfrmStampaNoleggio(Services& services, ScreenSet& screens);

private:
    Services& services_;
    ScreenSet& screens_;
};

} // namespace filmeria
