#include "screenkit/export_screen.h"

#include "platform/office.h"
#include "platform/office_files.h"
#include "platform/services.h"
#include "screenkit/busy_cursor.h"
#include "screenkit/desktop_outcome.h"
#include "screenkit/export_grid.h"
#include "screenkit/picture_buttons.h"
#include "screenkit/screen_style.h"
#include "screenkit/status_panel.h"
#include "screenkit/window_placement.h"

#include <QDateTime>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QShowEvent>

#include <functional>

namespace filmeria {
ExportScreen::ExportScreen(Services& services, const QString& caption, int columns, ControlsMade made)
    : services_(services)
    , columns_(columns) {
    setUpDialog(this, caption, {792, 560}, style::kSilver, FrameButtons::MinimiseAndClose);
    centreOnDesktop(this);
    if (made == ControlsMade::AtConstruction) {
        makeCommonControls(); // the screen makes its own in its constructor
        controlsWereMade();
    }
}

void ExportScreen::makeControls() {
    makeCommonControls();
    makeOwnControls();
}

void ExportScreen::makeCommonControls() {
    grpControlli = new QGroupBox(this);
    grpControlli->setObjectName("grpControlli");
    grpControlli->setGeometry(8, 4, 776, 78);
    grdRecords = new ExportGrid(this, columns_);
    grdRecords->setGeometry(8, 88, 776, 438);
    grdRecords->viewport()->installEventFilter(this);
    grdRecords->viewport()->setMouseTracking(true);
    panInfo = makeStatusPanel(this, StatusPanelKind::Sunken);
    panInfo->setGeometry(8, 532, 776, 22);
    buttons_ = new PictureButtons(this, services_.dialogs, panInfo, style::kBlack);
    buttons_->addResetArea(this);
    buttons_->addResetArea(grpControlli);
}

void ExportScreen::addCommands(std::vector<PictureCommand> views, const Closing& closing) {
    std::vector<PictureCommand> commands = std::move(views);
    // Each view tells the documents which one they hold.
    for (PictureCommand& view : commands)
        view.action = [this, caption = QString::fromUtf8(view.caption), action = std::move(view.action)] {
            shownView_ = caption;
            action();
        };
    if (!commands.empty())
        openingView_ = QString::fromUtf8(commands.back().caption);
    const QString name = closing.fileName;
    const QString title = closing.documentTitle;
    const SpreadsheetCaller* sheet = closing.sheet;
    commands.push_back({"imgExcel", "lblExcel", "Esporta in Excel", ":/pictures/cmd_excel.png",
                        " Esporta i dati in un file di Microsoft Excel.",
                        [this, name, sheet] { exportToSpreadsheet(name, *sheet); }});
    if (!title.isEmpty())
        commands.push_back({"imgWord", "lblWord", "Esporta in Word", ":/pictures/cmd_word.png",
                            " Esporta i dati in un file di Microsoft Word.",
                            [this, name, title] { exportToDocument(name, title); }});
    commands.push_back({"imgGuida", "lblGuida", "Guida", ":/pictures/icon_guida.png",
                        " Visualizza la guida in linea.", closing.help});
    commands.push_back({"imgEsci", "lblEsci", "Esci", ":/pictures/icon_esci.png",
                        " Esce dalla schermata di lavoro corrente.", [this] { close(); }});
    const int step = 776 / static_cast<int>(commands.size());
    for (const auto& [image, label] : addPictureCommands(*buttons_, grpControlli, commands, [step](int i) {
             const int x = 4 + i * step;
             return std::pair{QRect(x + (step - 32) / 2 - 2, 8, 32, 32), QRect(x, 44, step - 4, 18)};
         })) {
        label->setAlignment(Qt::AlignCenter);
        label->setFont(style::verdana(step < 90 ? 7 : 8, false, true)); // nine buttons share the strip
        style::setTextColour(label, style::kBlack);
    }
}

void ExportScreen::showView(const std::optional<TextTable>& table, const std::vector<int>& widths) {
    if (table)
        grdRecords->setTable(*table, widths);
}

bool ExportScreen::eventFilter(QObject* watched, QEvent* event) {
    // Moving over the grid sets every label back to its colour and tells the selected cell's text,
    // in full, in the status panel.
    if (watched == grdRecords->viewport() && event->type() == QEvent::MouseMove) {
        buttons_->reset();
        panInfo->setText(QLatin1Char(' ') + grdRecords->selectedText().trimmed());
    }
    return QDialog::eventFilter(watched, event);
}

namespace {

// Writes a spreadsheet with `write` and tells the clerk where it went, or why it could not be
// written.
void exportSpreadsheet(Services& services, QWidget* screen, QLabel* status,
                       const std::function<ExportedFile()>& write) {
    ExportedFile file;
    try {
        BusyCursor busy;
        file = write();
    } catch (const ExportFolderError& e) {
        services.dialogs.information(screen, QString::fromUtf8(kSpreadsheetFailedHead) +
                                                 folderNotWrittenText(e.folder()));
        return;
    } catch (const OfficeError&) {
        services.dialogs.information(screen, QString::fromUtf8(kSpreadsheetFailed));
        return;
    }
    tellWrittenFile(services, screen, status, file, WrittenFileKind::Spreadsheet);
}

} // namespace

void exportTableToSpreadsheet(Services& services, QWidget* screen, QLabel* status, const QString& name,
                              const TextTable& table, const SpreadsheetCaller& caller) {
    exportSpreadsheet(services, screen, status,
                      [&] { return services.office.spreadsheet(name, spreadsheetOf(table, caller)); });
}

void exportWorkbook(Services& services, QWidget* screen, QLabel* status, const QString& name,
                    const Workbook& book) {
    exportSpreadsheet(services, screen, status, [&] { return services.office.workbook(name, book); });
}

void ExportScreen::exportToSpreadsheet(const QString& name, const SpreadsheetCaller& caller) {
    exportTableToSpreadsheet(services_, this, panInfo, name, grdRecords->table(), caller);
}

void ExportScreen::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        shownView_ = openingView_;
    FirstShowingDialog::showEvent(event);
}

void ExportScreen::exportToDocument(const QString& name, const QString& title) {
    const QString failed = QString::fromUtf8(kDocumentFailed);
    const QDateTime now = services_.clock.now();
    const QString heading = title + QString::fromUtf8(" \u2013 ") + shownView_ +
                            now.toString(QStringLiteral(" ('esportato il' dd/MM/yyyy 'alle' HH:mm)"));
    ExportedFile file;
    try {
        BusyCursor busy;
        file =
            services_.office.tableDocument(name, documentTableOf(grdRecords->table(), heading.toStdString()));
    } catch (const ExportFolderError& e) {
        services_.dialogs.information(this, failed + folderNotWrittenText(e.folder()));
        return;
    } catch (const OfficeError&) {
        services_.dialogs.information(this, failed + QString::fromUtf8(kWordProcessorAdvice));
        return;
    }
    tellWrittenFile(services_, this, panInfo, file, WrittenFileKind::Document);
}

} // namespace filmeria
