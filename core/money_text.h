#pragma once
// Money and day texts: the key filter of the amount and day fields, the rules applied when
// such a field is left, rounding, and the messages they show. Decimal comma everywhere.
#include <optional>
#include <string>
#include <string_view>

namespace filmeria {
inline constexpr const char* kValueNotValid = "Attenzione: valore non valido.";
inline constexpr const char* kCharacterNotValid = "Attenzione: carattere non valido.";
inline constexpr double kAmountLimit = 30000000.0;

struct KeyDecision {
    enum Verdict { Accept, RefuseCharacter, RefuseValue } verdict;
    // The message to show on a refusal (UTF-8), and for RefuseValue the field's new text.
    const char* message = nullptr;
    std::optional<std::string> newText;
};

// Decides on a key typed into an amount or day field, given the field's current text.
// Keys: '\b' Backspace, '\r' Enter, the digits, ','; anything else is refused. A current
// text that is not a number skips the limit test.
KeyDecision AmountKeyFilter(std::string_view currentText, char32_t key);

// Decimal text to number (comma separator, blanks around tolerated); nullopt when not a number.
std::optional<double> textToNumber(std::string_view text);
std::optional<long double> textToExtended(std::string_view text);

// Number to text: at most 15 significant digits, decimal comma, no trailing zeros.
std::string generalFormat(double value);

// trunc(v * 10^places + 0.5) / 10^places in 80-bit extended precision, then to double.
double RoundAmount(double value, int places);

// The rule applied when a money field is left; `emptyText` is what an empty field becomes.
std::string NormaliseMoneyText(std::string_view text, int places, std::string_view emptyText);
// The rule applied when a day field is left.
std::string NormaliseDayText(std::string_view text);

// Whether a stored amount is one the program could have written: empty, as the money rule
// writes it with `places` decimals, or as the key filter lets a clerk type it (digits and one
// comma, saved before the field was left). "3,,50" and "3.50" are neither.
bool isAmountAsWritten(std::string_view text, int places);

} // namespace filmeria
