#pragma once
// TfrmSplash: the program's picture with the maker's notice; a click visits the maker's site.
#include <QDialog>

class QLabel;

namespace filmeria {

struct Services;

class TfrmSplash final : public QDialog {
public:
    TfrmSplash(Services& services);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Services& services_;
    QLabel* BackImage;
};

} // namespace filmeria
