#pragma once
// A card (film or customer) as a word-processor document, opened with the desktop's
// application; a failure has the card export's message.
#include "core/office_documents.h"

#include <QString>

#include <string_view>

class QLabel;
class QWidget;

namespace filmeria {

struct Services;

inline const char* const kCardExportFailed =
    "Si è verificato un errore imprevisto durante l'esportazione della scheda in Microsoft Word.";

// A card's value as its table cell shows it, UTF-8: trimmed, line breaks kept.
std::string cardValue(const QString& text);

// Writes the card; the file is named on `status` when an application opened it.
void exportCardDocument(Services& services, QWidget* screen, QLabel* status, const QString& name,
                        const CardDocument& card);

} // namespace filmeria
