#pragma once
// TfrmAzienda: the store's three letterhead lines, printed on the rental slips. A new screen
// for every use.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace filmeria {

struct Services;

class TfrmAzienda final : public QDialog {
public:
    explicit TfrmAzienda(Services& services);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void apply();

    Services& services_;
    QLabel* imgAzienda;
    QLabel* lblInfo;
    QLineEdit* txtLogo01;
    QLineEdit* txtLogo02;
    QLineEdit* txtLogo03;
    QPushButton* cmdAnnulla;
    QPushButton* cmdApplica;
};

} // namespace filmeria
