#pragma once
// Small typing rules of edit fields.
#include <QString>

#include <functional>

class QLineEdit;
class QWidget;

namespace filmeria {

class Dialogs;

// Keeps the text in upper case (letters a-z only) on every change, the caret staying at
// the same character index.
void keepUpperCase(QLineEdit* field);

// Typed characters other than the digits are refused with `message` (a plain message);
// Backspace passes, and Enter runs `onEnter` when given. Pasted text is not filtered.
void acceptTypedDigitsOnly(QLineEdit* field, Dialogs& dialogs, QWidget* screen, const QString& message,
                           std::function<void()> onEnter = {});

} // namespace filmeria
