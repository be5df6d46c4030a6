#include "core/dates.h"

#include "core/text_rules.h"

#include <cstdio>

namespace filmeria {

long daysFromCivil(const CivilDate& d) {
    const int y = d.year - (d.month <= 2 ? 1 : 0);
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153L * (d.month + (d.month > 2 ? -3 : 9)) + 2) / 5 + d.day - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

bool isValidDate(const CivilDate& d) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (d.year < 1 || d.year > 9999 || d.month < 1 || d.month > 12 || d.day < 1)
        return false;
    const bool leap = (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0;
    return d.day <= kDays[d.month - 1] + (d.month == 2 && leap ? 1 : 0);
}

std::optional<CivilDate> parseDate(std::string_view text) {
    text = trimmedView(text);
    int parts[3] = {0, 0, 0};
    int digits[3] = {0, 0, 0};
    int part = 0;
    for (const char c : text) {
        if (c == '/') {
            if (++part > 2)
                return std::nullopt;
        } else if (c >= '0' && c <= '9') {
            parts[part] = parts[part] * 10 + (c - '0');
            if (++digits[part] > 4)
                return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    if (part != 2 || digits[0] < 1 || digits[0] > 2 || digits[1] < 1 || digits[1] > 2 || digits[2] != 4)
        return std::nullopt;
    const CivilDate date{parts[2], parts[1], parts[0]};
    if (!isValidDate(date))
        return std::nullopt;
    return date;
}

std::string formatDate(const CivilDate& d) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", d.day, d.month, d.year);
    return text;
}

} // namespace filmeria
