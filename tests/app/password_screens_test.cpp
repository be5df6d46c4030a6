#include "shell_fixture.h"

#include "app/CambiaPassword.h"
#include "app/Filmeria.h"
#include "app/Password.h"
#include "core/password_cipher.h"
#include "core/posix_file.h"
#include "core/profile_strings.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

namespace filmeria::testing {
namespace {

const QString kWrong = QStringLiteral("Attenzione: password errata.");
const QString kReadError = QString::fromUtf8(
    "Attenzione: si è verificato un errore durante la procedura di lettura della password. Si consiglia di "
    "reinstallare il software.");
const QString kChangeError = QString::fromUtf8(
    "Attenzione: si è verificato un errore durante la procedura di modifica della password. Si consiglia di "
    "reinstallare il software.");
const QString kOldWrong = QStringLiteral("Attenzione: vecchia password errata.");
const QString kNotConfirmed = QString::fromUtf8(
    "Attenzione: la nuova password non è stata confermata correttamente. E' necessario reinserire entrambi i "
    "valori.");

class PasswordScreens : public ShellTest {
protected:
    void storePassword(const std::string& plain) { storeValue(encipherPassword(plain)); }
    void storeValue(const std::string& value) {
        writeProfileString(passwordFile(), "Accesso", "Valore", value);
    }
    std::string passwordFile() const { return path("unins000.dll").toStdString(); }
    std::string storedValue() const { return readProfileString(passwordFile(), "Accesso", "Valore"); }

    TfrmPassword& login() {
        auto& window = screens().password();
        showActive(&window);
        return window;
    }
    void typeLogin(const QString& text) {
        auto* field = child<QLineEdit>(screens().password(), "txtPassword");
        field->clear();
        typeText(field, text);
    }
    void pressOK() { child<QPushButton>(screens().password(), "cmdOK")->click(); }
};

TEST_F(PasswordScreens, LoginWindowIsMaskedLimitedAndStartsDisabled) {
    auto& window = login();
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8(" Filmeria Pro © - Autenticazione"));
    auto* field = child<QLineEdit>(window, "txtPassword");
    EXPECT_EQ(field->echoMode(), QLineEdit::Password);
    EXPECT_EQ(field->maxLength(), 230);
    EXPECT_FALSE(child<QPushButton>(window, "cmdOK")->isEnabled());
}

TEST_F(PasswordScreens, BlankOnlyInputNeverEnablesOKAndEnterDoesNothing) {
    storePassword("FILMERIA");
    auto& window = login();
    typeLogin(QStringLiteral("   "));
    EXPECT_FALSE(child<QPushButton>(window, "cmdOK")->isEnabled());
    pressEnter(child<QLineEdit>(window, "txtPassword"));
    EXPECT_TRUE(fakes.dialogs.shown.empty());
    typeLogin(QStringLiteral(" x "));
    EXPECT_TRUE(child<QPushButton>(window, "cmdOK")->isEnabled());
}

TEST_F(PasswordScreens, PasswordOpensInAnyLetterCaseWithBlanksAround) {
    storePassword("FILMERIA");
    for (const char* typed : {"filmeria", "  FilMeria\t", "FILMERIA"}) {
        auto& window = login();
        screens().filmeria().hide();
        typeLogin(QString::fromLatin1(typed));
        pressEnter(child<QLineEdit>(window, "txtPassword"));
        EXPECT_TRUE(screens().filmeria().isVisible()) << typed;
        EXPECT_FALSE(window.isVisible()) << typed;
    }
    EXPECT_TRUE(fakes.dialogs.shown.empty());
}

TEST_F(PasswordScreens, AccentedLettersAreComparedAsTyped) {
    storePassword("CITT\xE0");
    auto& window = login();
    typeLogin(QString::fromUtf8("CITTÀ"));
    pressOK();
    EXPECT_EQ(fakes.dialogs.lastText(), kWrong);
    typeLogin(QString::fromUtf8("città"));
    pressOK();
    EXPECT_FALSE(window.isVisible());
}

TEST_F(PasswordScreens, WrongPasswordEmptiesTheFieldAndKeepsTheFocus) {
    storePassword("FILMERIA");
    auto& window = login();
    typeLogin(QStringLiteral("cinema"));
    pressOK();
    EXPECT_EQ(fakes.dialogs.texts(), QStringList{kWrong});
    auto* field = child<QLineEdit>(window, "txtPassword");
    EXPECT_TRUE(field->text().isEmpty());
    EXPECT_TRUE(field->hasFocus());
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(screens().filmeria().isVisible());
}

TEST_F(PasswordScreens, AMissingFileIsToldAsMissingAndAMissingKeyMakesEveryAttemptWrong) {
    login();
    typeLogin(QStringLiteral("x"));
    pressOK();
    EXPECT_TRUE(
        fakes.dialogs.lastText().startsWith(QStringLiteral("Attenzione: manca il file della password:\r\n") +
                                            path(QStringLiteral("unins000.dll"))))
        << fakes.dialogs.lastText().toStdString();
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("unins000.dll")))); // never created here
    EXPECT_FALSE(screens().filmeria().isVisible());
    writeProfileString(passwordFile(), "Altro", "Valore", encipherPassword("X"));
    typeLogin(QStringLiteral("x"));
    pressOK();
    EXPECT_EQ(fakes.dialogs.lastText(), kWrong);
}

TEST_F(PasswordScreens, DamagedValueOrUnreadableFileShowsTheReadError) {
    storeValue("7D8ZZZ");
    auto& window = login();
    typeLogin(QStringLiteral("filmeria"));
    pressOK();
    EXPECT_EQ(fakes.dialogs.lastText(), kReadError);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(child<QLineEdit>(window, "txtPassword")->text(), QStringLiteral("filmeria"));

    QFile::remove(path("unins000.dll"));
    QDir().mkdir(path("unins000.dll"));
    pressOK();
    EXPECT_EQ(fakes.dialogs.lastText(), kReadError);
}

TEST_F(PasswordScreens, OddDigitAndOverlongValuesAreReadWithoutFailing) {
    const std::string longPassword(300, 'K');
    storeValue(encipherPassword(longPassword) + "7");
    auto& window = login();
    typeLogin(QString::fromStdString(longPassword).left(230));
    pressOK();
    EXPECT_EQ(fakes.dialogs.lastText(), kWrong); // the field holds at most 230 characters
    storeValue(encipherPassword("FILMERIA") + "A");
    typeLogin(QStringLiteral("filmeria"));
    pressOK();
    EXPECT_FALSE(window.isVisible());
}

TEST_F(PasswordScreens, CloseOrExitOfTheLoginWindowEndsTheProgram) {
    auto& window = login();
    child<QPushButton>(window, "cmdEsci")->click();
    EXPECT_EQ(fakes.quitRequests, 1);
    showActive(&window);
    window.close();
    EXPECT_EQ(fakes.quitRequests, 2);
}

class ChangePassword : public PasswordScreens {
protected:
    TfrmCambiaPassword& openChange() {
        auto& window = login();
        child<QPushButton>(window, "btnCambiaPassword")->click();
        auto& change = screens().cambiaPassword();
        EXPECT_TRUE(change.isVisible());
        EXPECT_FALSE(window.isVisible());
        showActive(&change);
        return change;
    }
    QLineEdit* field(const char* name) { return child<QLineEdit>(screens().cambiaPassword(), name); }
    void fill(const QString& oldPw, const QString& newPw, const QString& confirm) {
        field("txtPasswordOld")->setText(oldPw);
        field("txtPasswordNew")->setText(newPw);
        field("txtConferma")->setText(confirm);
    }
    void pressOK() { child<QPushButton>(screens().cambiaPassword(), "cmdOK")->click(); }
};

TEST_F(ChangePassword, ShowingEmptiesTheFieldsAndEnablesOKOnlyWithAllThree) {
    auto& change = openChange();
    EXPECT_TRUE(field("txtPasswordOld")->hasFocus());
    auto* ok = child<QPushButton>(change, "cmdOK");
    EXPECT_FALSE(ok->isEnabled());
    fill("a", "b", " ");
    EXPECT_FALSE(ok->isEnabled());
    fill("a", "b", "c");
    EXPECT_TRUE(ok->isEnabled());
    change.close();
    fill("a", "b", "c");
    child<QPushButton>(screens().password(), "btnCambiaPassword")->click();
    EXPECT_TRUE(field("txtPasswordOld")->text().isEmpty());
    EXPECT_TRUE(field("txtConferma")->text().isEmpty());
}

TEST_F(ChangePassword, EnterMovesAlongTheFieldsToOKWhichShowsItsFocusAndTakesEnter) {
    openChange();
    pressEnter(field("txtPasswordOld"));
    EXPECT_TRUE(field("txtPasswordNew")->hasFocus());
    pressEnter(field("txtPasswordNew"));
    EXPECT_TRUE(field("txtConferma")->hasFocus());
    pressEnter(field("txtConferma"));
    EXPECT_TRUE(field("txtPasswordOld")->hasFocus()); // OK still disabled
    fill("a", "b", "b");
    field("txtConferma")->setFocus();
    pressEnter(field("txtConferma"));
    auto* ok = child<QPushButton>(screens().cambiaPassword(), "cmdOK");
    EXPECT_TRUE(ok->hasFocus());
    EXPECT_TRUE(fakes.dialogs.shown.empty()); // focused, not pressed
    // The focus mark: the button looks different from the same button without it.
    const QImage marked = ok->grab().toImage();
    ok->window()->setAttribute(Qt::WA_KeyboardFocusChange, false);
    EXPECT_NE(ok->grab().toImage(), marked);
    pressEnter(ok);
    EXPECT_EQ(fakes.dialogs.texts(), QStringList{kOldWrong}); // pressed: the old password is checked
}

TEST_F(ChangePassword, WrongOldPasswordIsRefusedFirst) {
    storePassword("FILMERIA");
    openChange();
    fill("cinema", "new", "other");
    pressOK();
    EXPECT_EQ(fakes.dialogs.texts(), QStringList{kOldWrong});
    EXPECT_TRUE(field("txtPasswordOld")->text().isEmpty());
    EXPECT_TRUE(field("txtPasswordOld")->hasFocus());
    EXPECT_EQ(field("txtPasswordNew")->text(), QStringLiteral("new"));
}

TEST_F(ChangePassword, ConfirmationComparesWithCase) {
    storePassword("FILMERIA");
    openChange();
    fill("filmeria", "nuova", "NUOVA");
    pressOK();
    EXPECT_EQ(fakes.dialogs.texts(), QStringList{kNotConfirmed});
    EXPECT_TRUE(field("txtPasswordNew")->text().isEmpty());
    EXPECT_TRUE(field("txtConferma")->text().isEmpty());
    EXPECT_TRUE(field("txtPasswordNew")->hasFocus());
    EXPECT_EQ(decipherPassword(storedValue()), "FILMERIA");
}

TEST_F(ChangePassword, SuccessfulChangeStoresTheUpperCasedPasswordAndReturnsToLogin) {
    storePassword("FILMERIA");
    writeProfileString(passwordFile(), "Altro", "Chiave", "resta");
    auto& change = openChange();
    fill(" Filmeria ", " cinema paradiso ", "cinema paradiso");
    pressOK();
    EXPECT_EQ(fakes.dialogs.texts(),
              QStringList{QStringLiteral("Modifica della password avvenuta con successo.")});
    EXPECT_EQ(storedValue(), encipherPassword("CINEMA PARADISO"));
    EXPECT_EQ(readProfileString(passwordFile(), "Altro", "Chiave"), "resta");
    EXPECT_FALSE(change.isVisible());
    auto& window = screens().password();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(child<QLineEdit>(window, "txtPassword")->text().isEmpty());

    showActive(&window);
    typeLogin(QStringLiteral("Cinema Paradiso"));
    PasswordScreens::pressOK();
    EXPECT_TRUE(screens().filmeria().isVisible());
}

TEST_F(ChangePassword, MissingFileRefusesAtTheFirstStepAndDamagedValueShowsTheError) {
    openChange();
    fill("x", "y", "y");
    pressOK();
    EXPECT_EQ(fakes.dialogs.lastText(), kOldWrong);
    storeValue("QQ");
    fill("x", "y", "y");
    pressOK();
    EXPECT_EQ(fakes.dialogs.lastText(), kChangeError);
    EXPECT_TRUE(screens().cambiaPassword().isVisible());
}

TEST_F(ChangePassword, UnwritableFileKeepsTheOldPassword) {
    storePassword("FILMERIA");
    QDir().mkdir(path("unins000.dll.new")); // the replacement cannot be written
    openChange();
    fill("filmeria", "nuova", "nuova");
    pressOK();
    EXPECT_EQ(fakes.dialogs.texts(), QStringList{kChangeError});
    EXPECT_EQ(decipherPassword(storedValue()), "FILMERIA");
    EXPECT_TRUE(screens().cambiaPassword().isVisible());
}

} // namespace
} // namespace filmeria::testing
