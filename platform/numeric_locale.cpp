#include "platform/numeric_locale.h"

#include <clocale>

namespace filmeria {

void keepNumbersInCLocale() {
    std::setlocale(LC_NUMERIC, "C");
}

} // namespace filmeria
