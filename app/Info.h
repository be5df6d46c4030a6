#pragma once
// TfrmInfo: the information window, with the maker's e-mail and web site links.
#include <QDialog>

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

namespace filmeria {

struct Services;

class TfrmInfo final : public QDialog {
public:
    TfrmInfo(Services& services);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Services& services_;
    QGroupBox* grpInfo;
    QLabel* imgLogo;
    QFrame* shpFoto;
    QLabel* imgAutore;
    QFrame* panInformativa;
    QLabel* imgInformativa;
    QLabel* imgEmail;
    QLabel* lblEmail;
    QLabel* imgWeb;
    QLabel* lblWeb;
    QPushButton* cmdOK;
};

} // namespace filmeria
