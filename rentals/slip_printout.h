#pragma once
// The rental slip on the upper half of an A4 sheet: letterhead, slip and customer, the table
// of ten films with their amounts, the total, the privacy notice and the film reel.
#include "core/letterhead.h"
#include "core/print_canvas.h"
#include "rentals/rental_file.h"

namespace filmeria {

inline constexpr const char* kSlipPrintFailed =
    "Attenzione: il sistema non permette di stampare la scheda.\n\r\n\rAccertarsi che la stampante sia "
    "configurata e collegata correttamente al proprio computer.";

// The job's name, which also names its PDF file: the slip's number and its own date
// ("Scheda noleggio 12 del 05/03/2009"), Windows-1252.
std::string slipDocumentName(const RentalRecord& slip);

// Draws the whole job, in tenths of a millimetre with the y axis up. Every text is the
// slip's value trimmed.
void printSlip(PrintCanvas& canvas, const Letterhead& letterhead, const RentalRecord& slip);

} // namespace filmeria
