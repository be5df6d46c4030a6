#include "screenkit/program_formats.h"

#include <QLocale>

namespace filmeria {

void useProgramFormats() {
    QLocale italian(QLocale::Italian, QLocale::Italy);
    italian.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(italian);
}

} // namespace filmeria
