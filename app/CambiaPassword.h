#pragma once
// TfrmCambiaPassword: changes the access password.
#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace filmeria {

class TfrmPassword;
struct Services;

class TfrmCambiaPassword final : public QWidget {
public:
    // Closing, however it happens, brings the login window back.
    TfrmCambiaPassword(Services& services, TfrmPassword& login);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void fieldsChange();
    void cmdOKClick();
    void showError();

    Services& services_;
    TfrmPassword& login_;
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
