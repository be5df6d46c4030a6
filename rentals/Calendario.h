#pragma once
// TfrmCalendario: the date picker, created afresh for every use. The caller may put a tag
// naming its target field in lblMemory; when the dialog is accepted the caller writes the
// chosen date ("dd/mm/yyyy") into that field.
#include <QDialog>

class QCalendarWidget;
class QGroupBox;
class QLabel;
class QPushButton;

namespace filmeria {

struct Services;

class TfrmCalendario final : public QDialog {
public:
    explicit TfrmCalendario(Services& services);

    void setMemory(const QString& tag);
    // Opens on the date a field already holds when it is a valid "dd/mm/yyyy" date, else on today.
    void startFrom(const QString& fieldText);
    QString memory() const;
    // The date taken with Importa or a double click, as "dd/mm/yyyy".
    const QString& chosenDate() const { return chosenDate_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The month grid, built on the picker's first use: the picker made at start-up for the
    // program's screen set is seldom opened.
    QCalendarWidget* calendar();
    void takeDate();

    Services& services_;
    QString chosenDate_;
    QLabel* lblInfo;
    QLabel* Label1;
    QGroupBox* grpCalendario;
    QCalendarWidget* MonthCalendar = nullptr;
    QPushButton* cmdAnnulla;
    QLabel* lblMemory;
};

} // namespace filmeria
