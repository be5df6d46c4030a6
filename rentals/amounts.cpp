#include "rentals/amounts.h"

#include "core/dates.h"
#include "core/text_rules.h"

namespace filmeria {

RowCalculation CalculateRow(const RowTexts& row) {
    RowCalculation result;
    result.texts = row;
    if (trimmedView(row.prestito).empty())
        return {RowCalculation::MissingRentalDate, kMissingRentalDate, row};
    if (trimmedView(row.riconsegna).empty())
        return {RowCalculation::MissingReturnDate, kMissingReturnDate, row};
    const auto rental = parseDate(row.prestito);
    const auto back = parseDate(row.riconsegna);
    if (!rental || !back) {
        result.texts.prezzoTot = "0,00";
        return result;
    }
    const long days = daysFromCivil(*back) - daysFromCivil(*rental);
    if (days < 0)
        return {RowCalculation::ReturnBeforeRental, kReturnBeforeRental, row};
    result.texts.totGiorni = days == 0 ? "1" : std::to_string(days);
    if (trimmedView(result.texts.prezzoDie).empty())
        result.texts.prezzoDie = "0,00";
    const auto price = textToExtended(trimmed(result.texts.prezzoDie));
    const auto count = textToExtended(trimmed(result.texts.totGiorni));
    if (!price || !count) {
        result.texts.prezzoTot = "0,00";
        return result;
    }
    const auto product = static_cast<double>(*price * *count);
    result.texts.prezzoTot = NormaliseMoneyText(generalFormat(product), 4, "");
    return result;
}

std::string CalculateTotal(const std::array<std::string, 10>& rowAmounts) {
    long double sum = 0.0L;
    for (const std::string& amount : rowAmounts) {
        if (trimmedView(amount).empty())
            continue;
        const auto value = textToNumber(amount);
        if (!value)
            return "0,00";
        sum += *value;
    }
    return NormaliseMoneyText(generalFormat(static_cast<double>(sum)), 2, "0,00");
}

} // namespace filmeria
