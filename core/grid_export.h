#pragma once
// The export grid sent to a spreadsheet or a word-processor table, as each caller asks.
#include "core/office_documents.h"
#include "core/text_table.h"

#include <string>
#include <string_view>

namespace filmeria {

struct SpreadsheetCaller {
    std::string sheetName;
    int boldFirstColumn;
    int boldLastColumn;
    int fittedColumns; // columns A.. fitted to their content
};

inline const SpreadsheetCaller kCustomerSheet{"Clienti", 2, 19, 20};   // bold B1:S1, fitted A:T
inline const SpreadsheetCaller kRentalSheet{"Noleggi", 2, 17, 18};     // bold B1:Q1, fitted A:R
inline const SpreadsheetCaller kFilmSheet{"Archivio film", 2, 18, 18}; // bold B1:R1, fitted A:R

// What a column holds, told by its heading: amounts ("Prezzo", "Prezzo totale"), dates ("Data
// emissione", "Data di nascita", "Data iscrizione") or text (codes, card and slip numbers,
// postal codes and telephone numbers among them, so their leading zeros stay).
ColumnKind columnKindOf(std::string_view heading);

// Every cell of the grid, headings and number column included, in UTF-8: for the spreadsheet
// with blanks and control characters removed (line breaks kept) and each column's kind from its
// heading, for the table as they stand under `title` (UTF-8).
// The sheet reads its cells from `grid` as they are written: the grid must outlive it.
Spreadsheet spreadsheetOf(const TextTable& grid, const SpreadsheetCaller& caller);
// The cells of a sheet as rows, whichever way it holds them.
TextGrid cellsOf(const Spreadsheet& sheet);
TableDocument documentTableOf(const TextTable& grid, std::string title);

} // namespace filmeria
