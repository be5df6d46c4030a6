#include "rentals/Rientri.h"

#include "core/grid_export.h"
#include "core/posix_file.h"
#include "core/text_rules.h"
#include "core/text_table.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "screenkit/action_guard.h"
#include "screenkit/archive_message.h"
#include "screenkit/controls.h"
#include "screenkit/enter_keys.h"
#include "screenkit/export_screen.h"
#include "screenkit/field_highlight.h"
#include "screenkit/print_job.h"
#include "screenkit/result_list.h"
#include "screenkit/screen_style.h"
#include "screenkit/status_panel.h"
#include "screenkit/window_placement.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace filmeria {
namespace {

inline const SpreadsheetCaller kReturnsSheet{"Film in noleggio", 1, 9, 9}; // bold A1:I1, fitted A:I

CivilDate civilDate(const QDate& day) {
    return {day.year(), day.month(), day.day()};
}

} // namespace

TfrmRientri::TfrmRientri(Services& services)
    : services_(services) {
    setObjectName("frmRientri");
    setUpDialog(this, QStringLiteral(" Film in noleggio"), {900, 560}, style::kSilver);
    centreOnDesktop(this);
    setFont(style::verdana(8));

    makeLabel(this, QStringLiteral("Cerca (film, cliente o tessera):"), {12, 14, 200, 18}, style::verdana(8));
    txtFiltro = makeEditField(this, "txtFiltro", 60, {212, 10, 220, 24}, style::verdana(8), style::kWhite);
    makeLabel(this, QStringLiteral("In ritardo dopo giorni:"), {452, 14, 150, 18}, style::verdana(8));
    spnRitardo = new QSpinBox(this);
    spnRitardo->setObjectName("spnRitardo");
    spnRitardo->setRange(0, 999);
    spnRitardo->setGeometry(602, 10, 60, 24);
    makeLabel(this, QStringLiteral("Rientro:"), {684, 14, 60, 18}, style::verdana(8, true));
    txtRientro = makeEditField(this, "txtRientro", 20, {744, 10, 144, 24}, style::verdana(8), style::kWhite);
    txtRientro->setToolTip(QStringLiteral(" Codice del film riconsegnato, digitato o letto, e Invio "));

    lstRecords = new ResultList(this);
    lstRecords->setObjectName("lstRecords");
    lstRecords->setFont(style::font("Courier New", 9));
    lstRecords->setGeometry(12, 44, 876, 426);
    lblConta = makeLabel(this, {}, {12, 476, 876, 18}, style::verdana(8, true), std::nullopt,
                         QStringLiteral("lblConta"));
    makeLabel(this,
              QStringLiteral("Un doppio clic (o Invio) apre la scheda del film sulla schermata dei noleggi."),
              {12, 494, 600, 18}, style::verdana(7), QColor(128, 0, 0));

    cmdStampa = makeButton(this, "cmdStampa", QStringLiteral("Stampa"), {12, 518, 100, 30});
    cmdEsporta = makeButton(this, "cmdEsporta", QStringLiteral("Esporta"), {120, 518, 100, 30});
    cmdChiudi = makeButton(this, "cmdChiudi", QStringLiteral("Chiudi"), {788, 518, 100, 30});
    panInfo = makeStatusPanel(this, StatusPanelKind::Sunken);
    panInfo->setGeometry(228, 518, 552, 30);

    connect(txtFiltro, &QLineEdit::textChanged, this, [this] { showLines(); });
    connect(spnRitardo, &QSpinBox::valueChanged, this, [this] { keepLateDays(); });
    onEnter(txtRientro, services_.dialogs, [this] { filmReturned(); });
    connect(lstRecords, &QAbstractItemView::doubleClicked, this, [this] { chooseSelectedLine(); });
    onEnter(lstRecords, services_.dialogs, [this] { chooseSelectedLine(); });
    onClick(cmdStampa, services_.dialogs, [this] { print(); });
    onClick(cmdEsporta, services_.dialogs, [this] { exportList(); });
    connect(cmdChiudi, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmRientri::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    chosen_.reset();
    refresh();
    txtRientro->setFocus();
}

void TfrmRientri::refresh() {
    choosingReturn_ = false;
    const std::string folder = services_.folder.toStdString();
    try {
        const QSignalBlocker quiet(spnRitardo); // shown, not changed by the clerk
        spnRitardo->setValue(lateDaysSetting(folder));
        desk_ = returnsDesk(folder, civilDate(services_.clock.today()), spnRitardo->value());
    } catch (const ArchiveError&) {
        desk_ = {};
        services_.dialogs.information(this, kArchiveAccessMessage);
    }
    showLines();
}

void TfrmRientri::showLines() {
    const std::string wanted = toCp1252(txtFiltro->text());
    shown_.clear();
    shown_.reserve(desk_.size());
    std::size_t late = 0;
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < desk_.size(); ++i) {
        const FilmOutLine line = desk_.line(i);
        if (!matchesReturnsFilter(line, wanted))
            continue;
        shown_.push_back(static_cast<std::uint32_t>(i));
        late += line.late;
        // The line's room: its padded columns and labels, and the texts that overflow them.
        bytes += 100 + line.film.title.size() + line.film.customer.size() + line.phones.size();
    }
    LineList lines;
    lines.reserve(shown_.size(), bytes);
    std::string text; // one buffer for every line
    for (const std::uint32_t i : shown_) {
        text.clear();
        appendReturnsDeskLine(text, desk_.line(i));
        lines.push_back(text);
    }
    lstRecords->showLines(std::move(lines));
    if (!shown_.empty())
        lstRecords->setCurrentRow(0);
    QString count = QStringLiteral("Film in noleggio: %1 - in ritardo: %2").arg(desk_.size()).arg(desk_.late);
    if (shown_.size() != desk_.size())
        count += QStringLiteral("  (mostrati: %1, in ritardo: %2)").arg(shown_.size()).arg(late);
    lblConta->setText(count);
}

void TfrmRientri::keepLateDays() {
    try {
        setLateDaysSetting(services_.folder.toStdString(), spnRitardo->value());
    } catch (const ArchiveError&) {
        services_.dialogs.information(this, kArchiveAccessMessage);
    }
    desk_.setLateDays(spnRitardo->value());
    showLines();
}

void TfrmRientri::choose(const FilmOut& film, bool returned) {
    chosen_ = ChosenFilmOut{fromCp1252(film.year), film.position, film.row, returned};
    accept();
}

void TfrmRientri::chooseSelectedLine() {
    const int row = lstRecords->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= shown_.size())
        return;
    choose(desk_.films[shown_[static_cast<std::size_t>(row)]], choosingReturn_);
}

void TfrmRientri::filmReturned() {
    const std::string code = trimmed(toCp1252(txtRientro->text()));
    if (code.empty())
        return;
    // The rows out with this code, the oldest first (the desk's order).
    std::vector<FilmOut> found;
    for (std::size_t i = 0; i < desk_.size(); ++i)
        if (const FilmOut film = desk_.films[i]; equalsIgnoringAsciiCase(film.code, code))
            found.push_back(film);
    if (found.empty()) {
        services_.dialogs.information(this, QString::fromUtf8(kFilmNotOut));
        txtRientro->selectAll();
        return;
    }
    const bool oneSlip = std::all_of(found.begin(), found.end(), [&](const FilmOut& film) {
        return film.year == found.front().year && film.position == found.front().position;
    });
    if (oneSlip) {
        choose(found.front(), true);
        return;
    }
    // Out on several slips: the clerk picks the one the film came back on.
    txtFiltro->setText(txtRientro->text().trimmed());
    choosingReturn_ = true;
    panInfo->setText(
        QStringLiteral(" Il film risulta su più schede: un doppio clic sceglie quella del rientro."));
    lstRecords->setFocus();
}

void TfrmRientri::print() {
    printResultList(services_, this, lstRecords->lines(),
                    QStringLiteral("Stampare l'elenco dei film in noleggio?"),
                    QStringLiteral("Film in noleggio"), PageOrientation::Landscape);
}

void TfrmRientri::exportList() {
    TextTable table(0, 9);
    for (const char* heading : {"Codice", "Titolo", "Cliente", "Tessera", "Telefoni", "Data di noleggio",
                                "Giorni", "In ritardo", "Scheda"})
        table.append(heading);
    std::string slip;
    for (const std::uint32_t i : shown_) {
        const FilmOutLine line = desk_.line(i);
        const FilmOut& film = line.film;
        const std::string days = film.daysOut ? std::to_string(*film.daysOut) : std::string();
        slip.assign(film.slip).append(" (").append(film.year).append(")");
        for (const std::string_view text :
             {film.code, film.title, film.customer, film.card, line.phones, film.rented,
              std::string_view(days), std::string_view(line.late ? "si" : "no"), std::string_view(slip)})
            table.append(text);
    }
    exportTableToSpreadsheet(services_, this, panInfo, QStringLiteral("Film in noleggio"), table,
                             kReturnsSheet);
}

} // namespace filmeria
