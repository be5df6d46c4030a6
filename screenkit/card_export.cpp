#include "screenkit/card_export.h"

#include "core/text_table.h"
#include "core/windows1252.h"
#include "platform/office.h"
#include "platform/qt_text.h"
#include "platform/services.h"
#include "screenkit/busy_cursor.h"

namespace filmeria {

std::string cardValue(const QString& text) {
    return utf8FromCp1252(exportCellText(toCp1252(text)));
}

void exportCardDocument(Services& services, QWidget* screen, const QString& name, const CardDocument& card) {
    ExportedFile file;
    try {
        BusyCursor busy;
        file = services.office.cardDocument(name, card);
    } catch (const std::exception&) {
        services.dialogs.information(screen, QString::fromUtf8(kCardExportFailed));
        return;
    }
    if (!file.opened)
        services.dialogs.information(
            screen, QString::fromUtf8(kCardExportFailed) +
                        QStringLiteral("\r\n\r\nAccertarsi che un programma di videoscrittura (ad esempio LibreOffice) "
                                       "sia installato sul proprio computer. Il file è stato salvato in:\r\n") +
                        file.path);
}

} // namespace filmeria
