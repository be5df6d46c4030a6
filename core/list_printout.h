#pragma once
// The list printout of the search and picker screens: the list's lines as they stand, under
// a title between two rules, with the date and time of printing at the end.
#include "core/line_list.h"
#include "core/print_canvas.h"

#include <functional>
#include <string>
#include <vector>

namespace filmeria {

inline constexpr const char* kPrintListEmpty =
    "Operazione di stampa non applicabile: la lista non contiene nessuna voce.";
inline constexpr const char* kPrintConfirmCaption = "Conferma operazione di stampa";

// The date ("dd/mm/yyyy") and the time at the moment the footer is written.
using PrintMoment = std::function<std::pair<std::string, std::string>()>;

// Draws the whole job, from the printer's preparation to the end of the document. Positions
// are device pixels; h(n) is the height of an n-point font on the printer.
void printList(PrintCanvas& canvas, const LineList& lines, std::string_view title,
               PageOrientation orientation, const PrintMoment& now);

} // namespace filmeria
