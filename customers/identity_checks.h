#pragma once
// Check characters of Italian identity numbers: the fiscal code of natural persons and the
// VAT number (also the numeric fiscal code of companies), with the VAT offices' names.
#include <string>
#include <string_view>

namespace filmeria {

// A 16-character upper-case fiscal code whose 16th character matches the check of the
// first 15. A character outside "0"-"Z" makes the code wrong.
bool fiscalCodeIsCorrect(std::string_view code);

// 11 digits whose last one is the check digit of the first ten.
bool vatNumberIsCorrect(std::string_view number);

// The office named by digits 8 to 10 of a VAT number (UTF-8), "" for an unknown code.
std::string vatOfficeName(std::string_view officeDigits);

} // namespace filmeria
