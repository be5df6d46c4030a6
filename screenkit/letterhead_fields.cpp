#include "screenkit/letterhead_fields.h"

#include "platform/qt_text.h"

#include <QLineEdit>

namespace filmeria {

void showLetterhead(const LetterheadFields& fields, const Letterhead& lines) {
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i]->setText(fromCp1252(lines[i]));
}

Letterhead letterheadIn(const LetterheadFields& fields) {
    return {toCp1252(fields[0]->text()), toCp1252(fields[1]->text()), toCp1252(fields[2]->text())};
}

} // namespace filmeria
