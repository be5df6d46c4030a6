#pragma once
// TfrmCambiaPassword: changes the access password.
#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace filmeria {

class ScreenSet;
struct Services;

class TfrmCambiaPassword final : public QWidget {
public:
    TfrmCambiaPassword(Services& services, ScreenSet& screens);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void fieldsChange();
    void cmdOKClick();
    void showError();

    Services& services_;
    ScreenSet& screens_;
    QGroupBox* grpPassword;
    QLabel* imgLogo01;
    QLabel* imgLogo02;
    QLabel* lblPasswordOld;
    QLineEdit* txtPasswordOld;
    QLabel* lblPasswordNew;
    QLineEdit* txtPasswordNew;
    QLabel* lblConferma;
    QLineEdit* txtConferma;
    QPushButton* cmdEsci;
    QPushButton* cmdOK;
};

} // namespace filmeria
