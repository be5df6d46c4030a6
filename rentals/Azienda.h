#pragma once
// TfrmAzienda: the store's three letterhead lines, printed on the rental slips. A new screen
// for every use.
#include "screenkit/controls_made.h"

#include "screenkit/first_showing.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace filmeria {

struct Services;

class TfrmAzienda final : public FirstShowingDialog {
public:
    explicit TfrmAzienda(Services& services, ControlsMade made = ControlsMade::AtConstruction);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void makeControls() override;
    void apply();

    Services& services_;
    QLabel* imgAzienda = nullptr;
    QLabel* lblInfo = nullptr;
    QLineEdit* txtLogo01 = nullptr;
    QLineEdit* txtLogo02 = nullptr;
    QLineEdit* txtLogo03 = nullptr;
    QPushButton* cmdAnnulla = nullptr;
    QPushButton* cmdApplica = nullptr;
};

} // namespace filmeria
