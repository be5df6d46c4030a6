#pragma once
// Windows-1252 bytes to and from the toolkit's strings, and the edit-field filter that
// keeps out what Windows-1252 cannot hold.
#include <QString>
#include <QValidator>

#include <string>
#include <string_view>

class QLineEdit;
class QPlainTextEdit;

namespace filmeria {

QString fromCp1252(std::string_view bytes);
// Characters outside Windows-1252 become their closest letter first (see closestCp1252Text).
std::string toCp1252(const QString& text);
bool isCp1252Text(const QString& text);
// A field's text as the archives store it: Windows-1252, trimmed.
std::string storedBytes(const QString& text);

// The text with every character Windows-1252 cannot hold replaced by its closest letter: the
// letter without its accent (Ś→S, ń→n, ő→o, Č→C), the base letter of a letter of its own
// (Ł→L, đ→d), the plain form of a compatibility character (ﬁ→fi); "?" where none exists.
QString closestCp1252Text(const QString& text);

// Message and memo text as the toolkit should display it: line-break sequences of any
// Windows form become single line feeds.
QString displayText(const QString& text);

// Typed or pasted text keeps only what Windows-1252 can hold: other characters become their
// closest letter, shown as they will be stored, and the window's status panel (`panInfo`, when
// it has one) says so.
class Cp1252Validator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

void acceptOnlyCp1252(QLineEdit* field);
void acceptOnlyCp1252(QPlainTextEdit* memo);

// A memo's text exactly as it shows it: no-break spaces kept (the toolkit's plain text turns
// them into blanks), line breaks as line feeds.
QString memoText(const QPlainTextEdit* memo);

} // namespace filmeria
