#pragma once
// The three letterhead edit fields of the letterhead, print and membership card screens.
#include "core/letterhead.h"

#include <array>

class QLineEdit;

namespace filmeria {

using LetterheadFields = std::array<QLineEdit*, 3>;

void showLetterhead(const LetterheadFields& fields, const Letterhead& lines);
Letterhead letterheadIn(const LetterheadFields& fields);

} // namespace filmeria
