#pragma once
// The two check dialogs share their look: a banner, two instruction lines, the code field
// in large Courier New inside a hatched frame, and a wide "Controlla" button.
#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace filmeria {

struct Services;

class CodeCheckDialog : public QDialog {
public:
    // Puts a code into the field as the opener hands it over, longer codes included.
    void setCode(const QString& code);
    void setInstructions(const QString& caption, const QString& first, const QString& second);

protected:
    CodeCheckDialog(Services& services, const char* buttonName, int codeLength);

    virtual void codeChanged() = 0;
    virtual void check() = 0;
    bool codeComplete() const;

    Services& services_;
    int codeLength_;
    QLabel* imgBanner;
    QLabel* lblInfo;
    QLabel* lblInfo02;
    QFrame* shpCornice;
    QLineEdit* txtCodice;
    QPushButton* cmdControlla;
};

} // namespace filmeria
