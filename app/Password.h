#pragma once
// TfrmPassword: the login window, the first window of the program.
#include "screenkit/screen_ref.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace filmeria {

class TfrmCambiaPassword;
class TfrmFilmeria;
struct Services;

// The password file beside the executable, its section and key.
inline constexpr const char* kPasswordFile = "unins000.dll";
inline constexpr const char* kPasswordSection = "Accesso";
inline constexpr const char* kPasswordKey = "Valore";

// The stored password, deciphered and trimmed ("" when the file or key is missing).
// Throws when the file cannot be read or the value is not hexadecimal.
std::string readStoredPassword(const Services& services);
// A typed password as it is compared and stored: a-z upper-cased, then trimmed.
std::string normalisedPassword(const QString& typed);

class TfrmPassword final : public QWidget {
public:
    TfrmPassword(Services& services, ScreenRef<TfrmFilmeria> mainWindow,
                 ScreenRef<TfrmCambiaPassword> changeWindow);

    // Back from the change window: empty field, window shown, focus on the field.
    void returnFromChange();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void txtPasswordChange();
    void cmdOKClick();
    void btnCambiaPasswordClick();

    Services& services_;
    ScreenRef<TfrmFilmeria> mainWindow_;
    ScreenRef<TfrmCambiaPassword> changeWindow_;
    QGroupBox* grpPassword;
    QLabel* imgLogo01;
    QLabel* imgLogo02;
    QLabel* lblInfo;
    QLineEdit* txtPassword;
    QPushButton* cmdOK;
    QPushButton* btnCambiaPassword;
    QPushButton* cmdEsci;
};

} // namespace filmeria
