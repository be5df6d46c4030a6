#pragma once
// Rental amounts: the row calculation (days from the two dates, then the row amount) and
// the slip total, on the program's money and day texts.
#include "core/money_text.h"

#include <array>
#include <string>

namespace filmeria {

// The texts of one film row that the row calculation reads and writes.
struct RowTexts {
    std::string prestito;
    std::string riconsegna;
    std::string prezzoDie;
    std::string totGiorni;
    std::string prezzoTot;
};

struct RowCalculation {
    enum Problem { None, MissingRentalDate, MissingReturnDate, ReturnBeforeRental } problem = None;
    const char* message = nullptr; // UTF-8, for a problem
    RowTexts texts;                // the row after the calculation (unchanged on a problem)
};

inline constexpr const char* kMissingRentalDate =
    "Attenzione: per effettuare il calcolo, è necessario indicare la data di noleggio utilizzando "
    "l'apposito pulsante a destra della relativa casella di testo.";
inline constexpr const char* kMissingReturnDate =
    "Attenzione: per effettuare il calcolo, è necessario indicare la data di riconsegna utilizzando "
    "l'apposito pulsante a destra della relativa casella di testo.";
inline constexpr const char* kReturnBeforeRental =
    "Attenzione: la data di riconsegna non può essere antecedente alla data di noleggio. Si prega di "
    "effettuare la correzione prima di eseguire il calcolo.";

// Days from the two dates (at least one), then days times price per day as the row amount.
RowCalculation CalculateRow(const RowTexts& row);

// The slip total from the ten row amounts, as a money text with two places.
std::string CalculateTotal(const std::array<std::string, 10>& rowAmounts);

} // namespace filmeria
