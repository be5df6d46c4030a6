#pragma once
// The 112 two-letter province codes offered by every province field.
#include <QStringList>

#include <array>

namespace filmeria {

inline constexpr std::array<const char*, 112> kProvinces = {
    "AG", "AL", "AN", "AO", "AP", "AQ", "AR", "AT", "AV", "BA", "BG", "BI", "BL", "BN", "BO", "BR",
    "BS", "BT", "BZ", "CA", "CB", "CE", "CH", "CI", "CL", "CN", "CO", "CR", "CS", "CT", "CZ", "EE",
    "EN", "FC", "FE", "FG", "FI", "FM", "FO", "FR", "GE", "GO", "GR", "IM", "IS", "KR", "LC", "LE",
    "LI", "LO", "LT", "LU", "MB", "MC", "MD", "ME", "MI", "MN", "MO", "MS", "MT", "NA", "NO", "NU",
    "OG", "OR", "OT", "PA", "PC", "PD", "PE", "PG", "PI", "PN", "PO", "PR", "PT", "PU", "PV", "PZ",
    "RA", "RC", "RE", "RG", "RI", "RM", "RN", "RO", "SA", "SI", "SO", "SP", "SR", "SS", "SV", "TA",
    "TE", "TN", "TO", "TP", "TR", "TS", "TV", "UD", "VA", "VB", "VC", "VE", "VI", "VR", "VT", "VV"};

// The codes as the province boxes list them, made once; given to a box in one call, so its
// list and completer hear of one insertion instead of 112.
inline const QStringList& provinceItems() {
    static const QStringList items = [] {
        QStringList codes;
        codes.reserve(static_cast<qsizetype>(kProvinces.size()));
        for (const char* province : kProvinces)
            codes << QLatin1String(province);
        return codes;
    }();
    return items;
}

} // namespace filmeria
