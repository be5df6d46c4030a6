#include "screenkit/card_export.h"

#include "core/text_table.h"
#include "core/windows1252.h"
#include "platform/office.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "screenkit/busy_cursor.h"
#include "screenkit/desktop_outcome.h"
#include "screenkit/export_screen.h"

namespace filmeria {

std::string cardValue(const QString& text) {
    return utf8FromCp1252(exportCellText(toCp1252(text)));
}

void exportCardDocument(Services& services, QWidget* screen, QLabel* status, const QString& name,
                        const CardDocument& card) {
    ExportedFile file;
    try {
        BusyCursor busy;
        file = services.office.cardDocument(name, card);
    } catch (const ExportFolderError& e) {
        services.dialogs.information(screen,
                                     QString::fromUtf8(kCardExportFailed) + folderNotWrittenText(e.folder()));
        return;
    } catch (const std::exception&) {
        services.dialogs.information(screen, QString::fromUtf8(kCardExportFailed) +
                                                 QString::fromUtf8(kWordProcessorAdvice));
        return;
    }
    tellWrittenFile(services, screen, status, file, WrittenFileKind::Document);
}

} // namespace filmeria
