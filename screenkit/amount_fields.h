#pragma once
// Edit fields that hold amounts and day counts, and read-only date fields.
class QLineEdit;
class QWidget;

namespace filmeria {

class Dialogs;

enum class AmountKind {
    RowMoney,   // four places, an empty field stays empty
    Days,       // day count
    TotalMoney, // two places, an empty field becomes "0,00"
};

// Every typed character goes through the amount key filter (refusals in an
// "Operazione annullata" box owned by `screen`); leaving the field normalises its text.
void makeAmountField(QLineEdit* field, AmountKind kind, Dialogs& dialogs, QWidget* screen);

// Applies the leaving rule of a kind to a field now.
void normaliseAmountField(QLineEdit* field, AmountKind kind);

// Applies its leaving rule to the amount or day field of `screen` being edited, if any: a
// command that takes no focus (a calculation, Salva) sees the text as leaving would make it.
void settleEditedAmountField(const QWidget* screen);

// Filled only by the date picker; Backspace empties it, other keys do nothing.
void makeDateField(QLineEdit* field);

} // namespace filmeria
