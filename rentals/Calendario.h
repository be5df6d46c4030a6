#pragma once
// TfrmCalendario: the date picker. The caller puts a tag naming the target field in
// lblMemory; the chosen date goes there as "dd/mm/yyyy".
#include <QDialog>

class QCalendarWidget;
class QGroupBox;
class QLabel;
class QPushButton;

namespace filmeria {

class ScreenSet;
struct Services;

class TfrmCalendario final : public QDialog {
public:
    TfrmCalendario(Services& services, ScreenSet& screens);

    void setMemory(const QString& tag);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void takeDate();

    Services& services_;
    ScreenSet& screens_;
    QLabel* lblInfo;
    QLabel* Label1;
    QGroupBox* grpCalendario;
    QCalendarWidget* MonthCalendar;
    QPushButton* cmdAnnulla;
    QLabel* lblMemory;
};

} // namespace filmeria
