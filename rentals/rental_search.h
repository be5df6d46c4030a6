#pragma once
// The rental searches' rules: which slips meet the criteria, and the list line of a slip.
#include "core/line_list.h"
#include "rentals/rental_file.h"

#include <string>
#include <vector>

namespace filmeria {

enum class PaymentCriterion { Any, NotPaid, Paid };

// The seven criteria as typed (Windows-1252); empty texts are not in use.
struct RentalCriteria {
    std::string number;                               // txtAzienda: NumScheda, equal after trimming both
    std::string issueDate;                            // txtAnno: Data, equal
    PaymentCriterion payment = PaymentCriterion::Any; // cboGiorno
    std::string customer;                             // txtCognome: occurs in Cliente
    std::string card;                                 // txtTipologia: occurs in Tessera
    std::string firstCode;                            // txtNome: Codice01, equal
    std::string firstTitle;                           // txtDettagli: occurs in Titolo01

    // The number of criteria in use (the trimmed text is not empty, or a payment choice).
    int inUse() const;
};

// Whether a slip meets every criterion in use (letters A-Z compared without case).
bool matches(const RentalCriteria& criteria, const RentalView& slip);

// "Scheda n. N del D  Cliente: C  Tessera n. T  Totale € S  Film: F", fields trimmed and
// padded or cut to 10/10/25/20/10, the whole line trimmed; Windows-1252 bytes.
std::string rentalListLine(const RentalView& slip);
// The longest such line: the fixed parts, the padded fields and the longest first title.
inline constexpr std::size_t kRentalListLineWidth = 10 + 10 + 5 + 10 + 11 + 25 + 13 + 20 + 11 + 10 + 8 + 50;
void appendRentalListLine(std::string& line, const RentalView& slip);

// The list lines of a year's slips meeting the criteria, sorted. Throws ArchiveError.
LineList searchSlips(const std::string& folder, const std::string& year, const RentalCriteria& criteria);

} // namespace filmeria
