// Date texts as fields and year files hold them.
#include "core/dates.h"
#include "fuzz_target.h"

namespace filmeria::fuzz {
namespace {

void run(std::string_view input) {
    const auto date = parseDate(input);
    if (!date)
        return;
    FUZZ_EXPECT(isValidDate(*date), input);
    const std::string text = formatDate(*date);
    FUZZ_EXPECT(text.size() == 10, input);
    FUZZ_EXPECT(parseDate(text) == date, input);
    // Rental days count on: the next day of the month is one day later.
    if (date->day < 28)
        FUZZ_EXPECT(daysFromCivil({date->year, date->month, date->day + 1}) == daysFromCivil(*date) + 1,
                    input);
}

} // namespace

Target target() {
    return {
        "date text",
        {"28/02/2009", "1/3/2009", " 29/02/2008 ", "31/12/9999", "01/01/0001", "29/02/1900", "00/00/0000"},
        {"/", " ", "0", "1", "2", "9", "29", "31", "02", "12", "13", "2009", "+", "-"},
        run};
}

} // namespace filmeria::fuzz
