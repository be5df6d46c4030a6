#pragma once
// The process-wide formats every date and money text relies on: dates "dd/mm/yyyy",
// decimal comma. The film card, the customer card and the rental slip screen put them
// in force when they are created.
#include <QString>

namespace filmeria {

inline const QString kDateFormat = QStringLiteral("dd/MM/yyyy");

void useProgramFormats();

} // namespace filmeria
