#include "core/money_text.h"

#include "core/text_rules.h"

#include <charconv>
#include <cmath>

namespace filmeria {
namespace {

// Checks the decimal form [sign] digits [, digits] [E [sign] digits] and returns it with a
// '.' separator and without a leading '+', ready for from_chars; nullopt otherwise.
std::optional<std::string> canonicalNumber(std::string_view text) {
    text = trimmedView(text);
    std::string out;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            out += '-';
        ++i;
    }
    int mantissaDigits = 0;
    bool separator = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            out += c;
            ++mantissaDigits;
        } else if (c == ',' && !separator) {
            out += '.';
            separator = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        out += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            out += text[i++];
        int exponentDigits = 0;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++exponentDigits)
            out += text[i];
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    return out;
}

template <typename Number> std::optional<Number> parse(std::string_view text) {
    const auto canonical = canonicalNumber(text);
    if (!canonical)
        return std::nullopt;
    Number value{};
    const char* end = canonical->data() + canonical->size();
    const auto [ptr, ec] = std::from_chars(canonical->data(), end, value);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

bool endsWithCommaDigit(std::string_view s) {
    return s.size() >= 2 && s[s.size() - 2] == ',' && s.back() >= '0' && s.back() <= '9';
}

// Steps 1 to 3 of the money and day rules; `settled` says the text is final already.
std::string roundedText(std::string_view text, int places, std::string_view emptyText, bool& settled) {
    settled = true;
    if (trimmedView(text).empty())
        return std::string(emptyText);
    const auto value = textToNumber(text);
    if (!value)
        return "0,00";
    settled = false;
    return generalFormat(RoundAmount(*value, places));
}

} // namespace

std::optional<double> textToNumber(std::string_view text) {
    return parse<double>(text);
}
std::optional<long double> textToExtended(std::string_view text) {
    return parse<long double>(text);
}

std::string generalFormat(double value) {
    if (value == 0.0 || !std::isfinite(value))
        return value == 0.0 ? "0" : (std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF"));
    // 15 significant digits, rounded; to_chars writes the same bytes under any locale.
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    std::string_view s(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const bool negative = s.front() == '-';
    if (negative)
        s.remove_prefix(1);
    const auto e = s.find('e');
    std::string digits;
    for (const char c : s.substr(0, e)) {
        if (c != '.')
            digits += c;
    }
    int exponent = 0;
    std::string_view exponentText = s.substr(e + 1);
    if (!exponentText.empty() && exponentText.front() == '+')
        exponentText.remove_prefix(1);
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent >= 15 || exponent < -5) {
        out += digits[0];
        if (digits.size() > 1)
            out += "," + digits.substr(1);
        out += "E" + std::to_string(exponent);
        return out;
    }
    if (exponent < 0) {
        out += "0," + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
        return out;
    }
    const auto whole = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= whole) {
        out += digits + std::string(whole - digits.size(), '0');
    } else {
        out += digits.substr(0, whole) + "," + digits.substr(whole);
    }
    return out;
}

double RoundAmount(double value, int places) {
    long double scale = 1.0L;
    for (int i = 0; i < places; ++i)
        scale *= 10.0L;
    // Halves go away from zero on both sides: trunc(v * scale + 0.5) alone would move a
    // negative amount (read from a year file; the keys admit no sign) down a cent each time
    // its field is left.
    const long double magnitude = std::fabs(static_cast<long double>(value)) * scale + 0.5L;
    return static_cast<double>(std::copysign(std::trunc(magnitude) / scale, static_cast<long double>(value)));
}

// Steps 5 to 7, shared by both rules: a lone, leading or trailing comma is completed.
static void completeComma(std::string& s) {
    if (trimmed(s) == ",")
        s = "0,00";
    if (!s.empty() && s.front() == ',')
        s = "0" + trimmed(s);
    if (!s.empty() && s.back() == ',')
        s = trimmed(s) + "00";
}

std::string NormaliseMoneyText(std::string_view text, int places, std::string_view emptyText) {
    bool settled = false;
    std::string s = roundedText(text, places, emptyText, settled);
    if (settled)
        return s;
    // An exponent form (10^15 and above) stays as it is: with ",00" behind it the text would
    // no longer read as a number, and leaving the field again would make it 0,00.
    if (s.find(',') == std::string::npos && s.find('E') == std::string::npos)
        s += ",00";
    completeComma(s);
    if (endsWithCommaDigit(s))
        s = trimmed(s) + "0";
    return s;
}

std::string NormaliseDayText(std::string_view text) {
    bool settled = false;
    std::string s = roundedText(text, 4, "", settled);
    if (!settled)
        completeComma(s);
    return s;
}

bool isAmountAsWritten(std::string_view text, int places) {
    const std::string_view t = trimmedView(text);
    if (t.empty())
        return true;
    if (!textToNumber(t))
        return false;
    const bool typedByKeys = t.find_first_not_of("0123456789,") == std::string_view::npos;
    return typedByKeys || NormaliseMoneyText(t, places, "") == t;
}

KeyDecision AmountKeyFilter(std::string_view currentText, char32_t key) {
    const std::string_view current = trimmedView(currentText);
    if (!current.empty()) {
        // A text that is not a number has no value to test against the limit.
        if (const auto value = textToNumber(current); value && *value > kAmountLimit)
            return {KeyDecision::RefuseValue, kValueNotValid, std::string("0,00")};
    }
    if (key == U'\b' || key == U'\r' || (key >= U'0' && key <= U'9'))
        return {KeyDecision::Accept, nullptr, std::nullopt};
    if (key == U',' && currentText.find(',') == std::string_view::npos)
        return {KeyDecision::Accept, nullptr, std::nullopt};
    return {KeyDecision::RefuseCharacter, kCharacterNotValid, std::nullopt};
}

} // namespace filmeria
