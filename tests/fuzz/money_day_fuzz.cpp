// Money and day texts as fields and year files hold them: read, normalised when a field is
// left, filtered key by key while typed.
#include "core/money_text.h"
#include "fuzz_target.h"

#include <cmath>

namespace filmeria::fuzz {
namespace {

void run(std::string_view input) {
    const std::string text(input);
    const auto number = textToNumber(text);
    textToExtended(text);
    if (number && std::isfinite(*number))
        FUZZ_EXPECT(textToNumber(generalFormat(*number)).has_value(), input);
    // Leaving a field twice changes nothing the first time did not.
    const std::string money = NormaliseMoneyText(text, 2, "0,00");
    FUZZ_EXPECT(NormaliseMoneyText(money, 2, "0,00") == money, input);
    // A day text keeps its value (a text that is no number becomes "0,00", then "0").
    const std::string days = NormaliseDayText(text);
    FUZZ_EXPECT(textToNumber(NormaliseDayText(days)) == textToNumber(days), input);
    for (const char32_t key : {U'\b', U'\r', U'0', U'9', U',', U'.', U'-', U'a', U'\u00E8'}) {
        const KeyDecision decision = AmountKeyFilter(text, key);
        FUZZ_EXPECT((decision.verdict == KeyDecision::Accept) == (decision.message == nullptr), input);
    }
}

} // namespace

Target target() {
    return {"money and day text",
            {"2,50", "0,00", "12", "30000000", "30000000,01", " 1,005 ", "1E300", "-3", "",
             "0,1234567890123456789"},
            {",", ".", "-", "+", "E", "e", " ", "0", "9", "inf", "nan", "1E", "99999999999999999999"},
            run};
}

} // namespace filmeria::fuzz
