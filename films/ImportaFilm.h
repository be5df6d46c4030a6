#pragma once
// TfrmImportaFilm: film picker for the rental slip.
#include <QDialog>

class QLabel;

namespace filmeria {

class ScreenSet;
struct Services;

class TfrmImportaFilm final : public QDialog {
public:
    TfrmImportaFilm(Services& services, ScreenSet& screens);

    // The rental slip row to fill, "film01" ... "film10".
    void setMemory(const QString& tag);
    QString memory() const;

private:
    QLabel* lblMemory;
    Services& services_;
    ScreenSet& screens_;
};

} // namespace filmeria
