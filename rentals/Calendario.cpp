#include "rentals/Calendario.h"

#include "core/dates.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "screenkit/action_guard.h"
#include "screenkit/program_formats.h"
#include "screenkit/screen_style.h"
#include "screenkit/window_placement.h"

#include <QCalendarWidget>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace filmeria {

TfrmCalendario::TfrmCalendario(Services& services)
    : services_(services)
    , lblInfo(new QLabel(QStringLiteral("Selezionare una data e premere Importa."), this))
    , Label1(new QLabel(QStringLiteral("In alternativa, fare doppio clic sulla data."), this))
    , grpCalendario(new QGroupBox(this))
    , cmdAnnulla(new QPushButton(QStringLiteral("Importa"), this))
    , lblMemory(new QLabel(this)) {
    setObjectName("frmCalendario");
    setUpDialog(this, QStringLiteral(" Importazione data"), {340, 330}, style::kSilver);

    lblInfo->setObjectName("lblInfo");
    lblInfo->setFont(style::verdana(8));
    lblInfo->setGeometry(12, 8, 316, 18);
    Label1->setObjectName("Label1");
    Label1->setFont(style::verdana(8));
    Label1->setGeometry(12, 26, 316, 18);
    grpCalendario->setObjectName("grpCalendario");
    grpCalendario->setGeometry(12, 48, 316, 232);
    cmdAnnulla->setObjectName("cmdAnnulla");
    cmdAnnulla->setGeometry(124, 290, 92, 30);
    cmdAnnulla->setDefault(true);
    lblMemory->setObjectName("lblMemory");
    lblMemory->hide();

    onClick(cmdAnnulla, services_.dialogs, [this] { takeDate(); });
    centreOnDesktop(this);
}

QCalendarWidget* TfrmCalendario::calendar() {
    if (MonthCalendar)
        return MonthCalendar;
    MonthCalendar = new QCalendarWidget(grpCalendario);
    MonthCalendar->setObjectName("MonthCalendar");
    MonthCalendar->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    MonthCalendar->setFirstDayOfWeek(Qt::Monday);
    MonthCalendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    MonthCalendar->setGridVisible(true);
    MonthCalendar->resize(296, 212);
    MonthCalendar->setSelectedDate(services_.clock.today());
    // The button comes after the grid in the focus chain, as when both were made together.
    setTabOrder(MonthCalendar, cmdAnnulla);
    MonthCalendar->show(); // made while the dialog shows, it would otherwise stay hidden
    connect(MonthCalendar, &QCalendarWidget::activated, this,
            [this] { runGuarded(services_.dialogs, this, [this] { takeDate(); }); });
    return MonthCalendar;
}

void TfrmCalendario::startFrom(const QString& fieldText) {
    const auto date = parseDate(toCp1252(fieldText));
    calendar()->setSelectedDate(date ? QDate(date->year, date->month, date->day) : services_.clock.today());
}

void TfrmCalendario::setMemory(const QString& tag) {
    lblMemory->setText(tag);
}
QString TfrmCalendario::memory() const {
    return lblMemory->text();
}

void TfrmCalendario::showEvent(QShowEvent* event) {
    // The calendar sits centred in its group.
    QCalendarWidget* grid = calendar();
    grid->move((grpCalendario->width() - grid->width()) / 2, (grpCalendario->height() - grid->height()) / 2);
    QDialog::showEvent(event);
}

void TfrmCalendario::takeDate() {
    chosenDate_ = calendar()->selectedDate().toString(kDateFormat);
    accept();
}

} // namespace filmeria
