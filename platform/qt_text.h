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
std::string toCp1252(const QString& text);
bool isCp1252Text(const QString& text);

// Message and memo text as the toolkit should display it: line-break sequences of any
// Windows form become single line feeds.
QString displayText(const QString& text);

// Drops characters Windows-1252 cannot hold from typed or pasted text.
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
